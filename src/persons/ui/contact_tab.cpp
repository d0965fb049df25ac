#include "persons/ui/contact_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace orvanel {

ContactTab::ContactTab(QWidget* parent) : PersonFieldsTab(parent)
{
    setObjectName(QStringLiteral("ts_contact"));
    mem_streetaddress = FieldMemo(this, "mem_streetaddress");
    mem_streetaddress->setFixedHeight(72);
    ed_city = FieldEdit(this, "ed_city");
    ed_state = FieldEdit(this, "ed_state");
    ed_zipcode = FieldEdit(this, "ed_zipcode");
    ed_country = FieldEdit(this, "ed_country");
    ed_phone1 = FieldEdit(this, "ed_phone1");
    ed_phone2 = FieldEdit(this, "ed_phone2");
    ed_fax = FieldEdit(this, "ed_fax");
    ed_mobile = FieldEdit(this, "ed_mobile");
    ed_email = FieldEdit(this, "ed_email");

    // Two blocks side by side, each laid out on its own so that the memo's height does not
    // stretch the lines of the phone block.
    auto* address = new QGridLayout;
    Captioned(address, 0, 0, tr("Street &Address"), mem_streetaddress);
    Captioned(address, 2, 0, tr("C&ity"), ed_city);
    Captioned(address, 4, 0, tr("Co&unty/Province"), ed_state);
    Captioned(address, 6, 0, tr("&Post Code"), ed_zipcode);
    Captioned(address, 8, 0, tr("Cou&ntry"), ed_country);
    address->setRowStretch(10, 1);
    auto* phones = new QGridLayout;
    Captioned(phones, 0, 0, tr("Phone &1"), ed_phone1);
    Captioned(phones, 2, 0, tr("Phone &2"), ed_phone2);
    Captioned(phones, 4, 0, tr("Fa&x"), ed_fax);
    Captioned(phones, 6, 0, tr("Mo&bile phone"), ed_mobile);
    Captioned(phones, 8, 0, tr("&E-mail"), ed_email);
    phones->setRowStretch(10, 1);
    auto* blocks = new QHBoxLayout(this);
    blocks->addLayout(address);
    blocks->addSpacing(24);
    blocks->addLayout(phones);
}

QList<QLineEdit*> ContactTab::edits() const
{
    return {ed_city, ed_state, ed_zipcode, ed_country, ed_phone1,
            ed_phone2, ed_fax, ed_mobile, ed_email};
}

void ContactTab::showRecord(const PersonRecord& record)
{
    mem_streetaddress->setPlainText(FillMemo(record.streetAddress).join(QLatin1Char('\n')));
    ed_city->setText(record.city);
    ed_state->setText(record.state);
    ed_zipcode->setText(record.zipCode);
    ed_country->setText(record.country);
    ed_phone1->setText(record.phone1);
    ed_phone2->setText(record.phone2);
    ed_fax->setText(record.fax);
    ed_mobile->setText(record.mobile);
    ed_email->setText(record.email);
}

void ContactTab::readInto(PersonRecord& record) const
{
    record.streetAddress = mem_streetaddress->toPlainText();
    record.city = ed_city->text();
    record.state = ed_state->text();
    record.zipCode = ed_zipcode->text();
    record.country = ed_country->text();
    record.phone1 = ed_phone1->text();
    record.phone2 = ed_phone2->text();
    record.fax = ed_fax->text();
    record.mobile = ed_mobile->text();
    record.email = ed_email->text();
}

void ContactTab::setEditable(bool editable)
{
    mem_streetaddress->setReadOnly(!editable);
    for (QLineEdit* edit : edits())
        edit->setReadOnly(!editable);
}

StoredTexts ContactTab::storedTexts() const
{
    return {
        {mem_streetaddress, tr("Street Address"), mem_streetaddress->toPlainText()},
        {ed_city, tr("City"), ed_city->text()},
        {ed_state, tr("County/Province"), ed_state->text()},
        {ed_zipcode, tr("Post Code"), ed_zipcode->text()},
        {ed_country, tr("Country"), ed_country->text()},
        {ed_phone1, tr("Phone 1"), ed_phone1->text()},
        {ed_phone2, tr("Phone 2"), ed_phone2->text()},
        {ed_fax, tr("Fax"), ed_fax->text()},
        {ed_mobile, tr("Mobile phone"), ed_mobile->text()},
        {ed_email, tr("E-mail"), ed_email->text()},
    };
}

QList<QWidget*> ContactTab::focusChain() const
{
    QList<QWidget*> chain{mem_streetaddress};
    for (QLineEdit* edit : edits())
        chain << edit;
    return chain;
}

}  // namespace orvanel
