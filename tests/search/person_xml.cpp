#include "person_xml.h"

namespace orvanel::testing {

namespace {

const char* const kFields[] = {
    "OptionalID", "Name",   "MiddleName", "Surname", "Sex",     "DateOfBirth", "StreetAddress",
    "City",       "State",  "ZipCode",    "Country", "Phone1",  "Phone2",      "Fax",
    "Mobile",     "EMail",  "Comment",    "Status",  "DateCreated", "DateModified",
};

QString defaultValue(const QString& field)
{
    if (field == QLatin1String("Status"))
        return QStringLiteral("Active");
    if (field == QLatin1String("Sex"))
        return QStringLiteral("M");
    if (field.startsWith(QLatin1String("Date")))
        return QStringLiteral("1950/1/1");
    if (field == QLatin1String("Name") || field == QLatin1String("Surname"))
        return QStringLiteral("X");
    return QString();
}

}  // namespace

PersonXml& PersonXml::set(const QString& field, const QString& value)
{
    values_[field] = value;
    return *this;
}

PersonXml& PersonXml::without(const QString& field)
{
    missing_ << field;
    return *this;
}

QByteArray PersonXml::xml() const
{
    QString out = QStringLiteral(" <Person ID=\"%1\">\n").arg(id_.toHtmlEscaped());
    for (const char* name : kFields) {
        const QString field = QString::fromLatin1(name);
        if (missing_.contains(field))
            continue;
        const QString value = values_.value(field, defaultValue(field));
        out += QStringLiteral("  <%1>%2</%1>\n").arg(field, value.toHtmlEscaped());
    }
    out += QStringLiteral(" </Person>\n");
    return out.toUtf8();
}

QByteArray registerFile(const QByteArray& children, int personCount, int relCount)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Register Prefix=\"AB\" "
           "DateModified=\"2026/12/1\" PersonCount=\""
           + QByteArray::number(personCount) + "\" RelCount=\"" + QByteArray::number(relCount)
           + "\">\n" + children + "</Register>\n";
}

Register parsedRegister(const QByteArray& children)
{
    Register reg;
    reg.doc = Document::parse(registerFile(children, 0, 0));
    // Counted and listed as a load does, so that changes made in the test keep the counts honest.
    int persons = 0;
    int rels = 0;
    for (int i = 0; i < reg.doc.rootCount(); ++i) {
        const Element node = reg.doc.rootChild(i);
        persons += node.hasLocalName("Person") ? 1 : 0;
        rels += node.hasLocalName("Rel") ? 1 : 0;
    }
    reg.resetCounts(persons, rels, PersonCache::of(reg.doc));
    return reg;
}

}  // namespace orvanel::testing
