#include "support/register_xml.h"

#include "store/document.h"
#include "store/errors.h"
#include "store/kept_register.h"
#include "store/person_id.h"
#include "support/fixed_clock.h"

#include <gtest/gtest.h>

namespace orvanel::testing {

QString Id(int n)
{
    return FormatId(QStringLiteral("AB"), n);
}

QByteArray Escaped(const QString& text)
{
    return text.toHtmlEscaped().toUtf8();
}

const QStringList& PersonChildren()
{
    static const QStringList names = [] {
        QStringList all;
        for (const PersonFieldInfo& info : kPersonFields)
            all << QString::fromLatin1(info.element);
        return all;
    }();
    return names;
}

QStringList FieldsAddedLater()
{
    QStringList later;
    for (const PersonFieldInfo& info : kPersonFields) {
        if (!info.required)
            later << QString::fromLatin1(info.element);
    }
    return later;
}

QByteArray EmptyChildrenAddedLater()
{
    QByteArray children;
    for (const QString& name : FieldsAddedLater())
        children += "  <" + name.toUtf8() + "/>\n";
    return children;
}

PersonValue ValueOf(const QString& id, const QHash<QString, QString>& texts)
{
    PersonValue value;
    value.id = id;
    for (auto text = texts.begin(); text != texts.end(); ++text) {
        const std::optional<PersonField> field = FieldOfElement(text.key().toStdString());
        EXPECT_TRUE(field.has_value()) << text.key().toStdString() << " is no field";
        if (field)
            value.set(*field, text.value());
    }
    return value;
}

PersonXml::PersonXml(const QString& id) : id_(id)
{
    set({{"Name", "X"},
         {"Surname", "X"},
         {"Sex", "M"},
         {"Status", "Active"},
         {"DateOfBirth", "1960/5/17"},
         {"DateCreated", "2020/1/1"},
         {"DateModified", "2020/1/1"}});
}

PersonXml PersonXml::Labelled(const QString& id)
{
    PersonXml person(id);
    for (const QString& child : PersonChildren()) {
        if (child != QLatin1String("Sex") && child != QLatin1String("Status")
            && child != QLatin1String("DateOfBirth"))
            person.set(child, child);
    }
    return person;
}

PersonXml& PersonXml::set(const QString& child, const QString& value)
{
    values_[child] = value;
    return *this;
}

PersonXml& PersonXml::set(const QHash<QString, QString>& values)
{
    for (auto value = values.begin(); value != values.end(); ++value)
        set(value.key(), value.value());
    return *this;
}

PersonXml& PersonXml::without(const QString& child)
{
    missing_.insert(child);
    return *this;
}

QByteArray PersonXml::xml() const
{
    QByteArray xml = " <Person ID=\"" + Escaped(id_) + "\">\n";
    for (const QString& child : PersonChildren()) {
        if (missing_.contains(child))
            continue;
        const QByteArray name = child.toUtf8();
        xml += "  <" + name + ">" + Escaped(values_.value(child)) + "</" + name + ">\n";
    }
    return xml + " </Person>\n";
}

QByteArray BarePerson(const QString& id, const QString& status)
{
    return " <Person ID=\"" + Escaped(id) + "\"><Status>" + Escaped(status) + "</Status></Person>\n";
}

QByteArray RelXml(const QString& id1, const QString& id2, const QString& dir, const QString& inv)
{
    return " <Rel ID1=\"" + Escaped(id1) + "\" ID2=\"" + Escaped(id2) + "\" Dir=\"" +
           Escaped(dir) + "\" Inv=\"" + Escaped(inv) + "\"/>\n";
}

QByteArray RegisterFile(const QByteArray& records, int persons, int rels, const QByteArray& prefix)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Register Prefix=\"" + prefix +
           "\" DateModified=\"2025/1/2\" PersonCount=\"" + QByteArray::number(persons) +
           "\" RelCount=\"" + QByteArray::number(rels) + "\">\n" + records + "</Register>\n";
}

QByteArray AsWindows1257(QByteArray utf8File)
{
    utf8File.replace("encoding=\"UTF-8\"", "encoding=\"windows-1257\"");
    return utf8File.replace("\xC5\xA0", "\xD0");  // Š
}

RegisterXml& RegisterXml::person(const QString& id, const QString& name,
                                 const QString& middleName, const QString& surname,
                                 const QString& status)
{
    return person(PersonXml(id)
                      .set(QStringLiteral("Name"), name)
                      .set(QStringLiteral("MiddleName"), middleName)
                      .set(QStringLiteral("Surname"), surname)
                      .set(QStringLiteral("Status"), status));
}

RegisterXml& RegisterXml::raw(const QByteArray& xml, int persons, int rels)
{
    body_ += xml;
    persons_ += persons;
    rels_ += rels;
    return *this;
}

void ParseRecordsInto(Register& reg, const QByteArray& records)
{
    reg.startLoad();
    // Counted first, so that the root's counts are right and the records read as a load reads
    // them, with their checks; changes made in the test then keep the counts honest.
    Document parsed = Document::parse(RegisterFile(records, 0, 0));
    int persons = 0;
    int rels = 0;
    for (int i = 0; i < parsed.rootCount(); ++i) {
        const Element node = parsed.rootChild(i);
        persons += node.hasLocalName("Person") ? 1 : 0;
        rels += node.hasLocalName("Rel") ? 1 : 0;
    }
    const FixedClock clock(QDate(2026, 12, 6));
    try {
        KeptRegister kept = ReadKeptRegister(RegisterFile(records, persons, rels), clock);
        if (kept.conversions.empty()) {
            reg.idPrefix = kept.idPrefix;
            reg.idCodePage = kept.idCodePage;
            reg.adopt(std::move(kept));
            return;
        }
    } catch (const LoadRefused&) {
    }
    // Identifiers a load refuses or converts (names for people, wrong check digits), which the
    // register's operations still write as they are given: the records are added through them.
    KeptRegister empty = ReadKeptRegister(RegisterFile({}, 0, 0), clock);
    reg.idPrefix = empty.idPrefix;
    reg.adopt(std::move(empty));
    for (int i = 0; i < parsed.rootCount(); ++i) {
        const Element node = parsed.rootChild(i);
        if (node.hasLocalName("Person")) {
            reg.addPerson(ReadPersonValue(node));
        } else if (node.hasLocalName("Rel")) {
            reg.appendRelationship(node.attribute("ID1").value_or(QString()),
                                   node.attribute("ID2").value_or(QString()),
                                   node.attribute("Dir").value_or(QString()),
                                   node.attribute("Inv").value_or(QString()));
        }
    }
}

QStringList RelRecords(Register& reg)
{
    QStringList out;
    reg.forEachRelation([&out](const StoredRelation& rel) {
        out << QStringList{*rel.id1, *rel.id2, *rel.dir, *rel.inv}.join(QLatin1Char(' '));
    });
    return out;
}

}  // namespace orvanel::testing
