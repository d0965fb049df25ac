#include "persons/ui/contact_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace orvanel {

ContactTab::ContactTab(QWidget* parent) : PersonFieldsTab(parent)
{
    setObjectName(QStringLiteral("ts_contact"));
    // Bound in tab order.
    auto* mem_streetaddress =
        bind(FieldMemo(this, "mem_streetaddress"), PersonField::StreetAddress);
    mem_streetaddress->setFixedHeight(72);
    auto* ed_city = bind(FieldEdit(this, "ed_city"), PersonField::City);
    auto* ed_state = bind(FieldEdit(this, "ed_state"), PersonField::State);
    auto* ed_zipcode = bind(FieldEdit(this, "ed_zipcode"), PersonField::ZipCode);
    auto* ed_country = bind(FieldEdit(this, "ed_country"), PersonField::Country);
    auto* ed_phone1 = bind(FieldEdit(this, "ed_phone1"), PersonField::Phone1);
    auto* ed_phone2 = bind(FieldEdit(this, "ed_phone2"), PersonField::Phone2);
    auto* ed_fax = bind(FieldEdit(this, "ed_fax"), PersonField::Fax);
    auto* ed_mobile = bind(FieldEdit(this, "ed_mobile"), PersonField::Mobile);
    auto* ed_email = bind(FieldEdit(this, "ed_email"), PersonField::EMail);

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

}  // namespace orvanel
