#include "export/vcard_export.h"

#include "export/stored_date.h"

#include "relations/relationship_kind.h"
#include "store/person_fields.h"
#include "store/record_names.h"

#include <QSet>
#include <QStringList>
#include <QUuid>
#include <string_view>
#include <utility>

namespace orvanel {

namespace {

// The namespace of the name-based UIDs; changing it would give every person a new UID.
const QUuid kUidNamespace(QStringLiteral("{2719f079-9fee-44a4-982a-99f69306d0e7}"));

constexpr int kMaxLineOctets = 75;

// Collects the content lines of one card.
class Card {
public:
    void add(const QString& nameAndParameters, const QString& value)
    {
        out_ += FoldedVCardLine((nameAndParameters + QLatin1Char(':') + value).toUtf8());
    }
    // A text property that is left out when it has nothing to say.
    void addText(const QString& nameAndParameters, const QString& text)
    {
        if (!text.isEmpty())
            add(nameAndParameters, VCardEscaped(text));
    }
    QByteArray& bytes() { return out_; }

private:
    QByteArray out_;
};

QString Joined(const QStringList& components)
{
    QStringList escaped;
    for (const QString& component : components)
        escaped << VCardEscaped(component);
    return escaped.join(QLatin1Char(';'));
}

// The components of the structured N and ADR: family, given and additional names, prefixes,
// suffixes; post office box, extended address, street, locality, region, postal code, country.
constexpr int kNameComponents = 5;
constexpr int kAddressComponents = 7;

// A field put into a component a structured property does not have would write past its list.
static_assert([] {
    for (const PersonFieldInfo& info : kPersonFields) {
        const int count = info.vcard.form == VCardForm::Name      ? kNameComponents
                          : info.vcard.form == VCardForm::Address ? kAddressComponents
                                                                  : 1;
        if (info.vcard.component < 0 || info.vcard.component >= count)
            return false;
    }
    return true;
}());

// The texts of the fields that the field table puts into components of a structured property.
QStringList Components(const PersonValue& value, VCardForm form, int count)
{
    QStringList components(count);
    for (const PersonFieldInfo& info : kPersonFields) {
        if (info.vcard.form == form)
            components[info.vcard.component] = value.text(info.field);
    }
    return components;
}

// The given, additional and family names, as a card shows a name.
QString FormattedName(const PersonValue& value)
{
    const QStringList name = Components(value, VCardForm::Name, kNameComponents);
    QStringList parts;
    for (const int component : {1, 2, 0}) {
        const QString part = name[component].trimmed();
        if (!part.isEmpty())
            parts << part;
    }
    // A card must have a name to show; a person without one is shown by the ID.
    return parts.isEmpty() ? value.id : parts.join(QLatin1Char(' '));
}

// GENDER from the stored code letter; a text that is neither letter is not guessed at.
QString Gender(const QString& sex)
{
    if (sex.compare(QLatin1String(kMaleSex), Qt::CaseInsensitive) == 0)
        return QStringLiteral("M");
    if (sex.compare(QLatin1String(kFemaleSex), Qt::CaseInsensitive) == 0)
        return QStringLiteral("F");
    return QString();
}

// A date the register holds whole is a vCard date. One stored without a year is written
// without one ("--MMDD"), which vCard has a form for. One with a two-digit year goes as the
// stored text: "--MMDD" would drop the year the user gave, and any four-digit year would state
// a century the user never gave. A text the program cannot read is still the user's data: it
// goes out as written.
void AddBirthday(Card& card, const QString& stored, QDate today)
{
    if (stored.isEmpty())
        return;
    const std::optional<StoredDate> date = ReadStoredDate(stored, today);
    if (date && date->year == StoredYear::Whole) {
        card.add(QStringLiteral("BDAY"), date->date.toString(QStringLiteral("yyyyMMdd")));
        return;
    }
    if (date && date->year == StoredYear::Absent) {
        card.add(QStringLiteral("BDAY"), date->date.toString(QStringLiteral("--MMdd")));
        return;
    }
    card.addText(QStringLiteral("BDAY;VALUE=text"), stored);
}

// The RELATED parameters for the other person, who is the inverse of what this person is:
// a card names each relative by the kind that relative has.
QString RelatedParameters(const QString& kind)
{
    const RelationshipKind* other = FindKind(InverseKind(kind));
    if (other == nullptr)
        // Related in a way the program has no word for.
        return QStringLiteral("RELATED;VALUE=uri");
    return QStringLiteral("RELATED;%1;VALUE=uri").arg(QLatin1String(other->vCardRelated));
}

// Extension properties (X-...) come after the standard ones and the card's own ID, the order
// the cards have always had.
bool IsExtension(const char* property)
{
    return std::string_view(property).starts_with("X-");
}

// The properties of the fields, in table order, a structured property where the first of its
// fields stands. `extensions` picks the vendor properties or the others.
void AddFieldProperties(Card& card, const PersonValue& value, QDate today, bool extensions)
{
    bool nameDone = false;
    bool addressDone = false;
    for (const PersonFieldInfo& info : kPersonFields) {
        const QString& text = value.text(info.field);
        switch (info.vcard.form) {
        case VCardForm::None:
            break;
        case VCardForm::Text:
            if (IsExtension(info.vcard.property) == extensions)
                card.addText(QString::fromLatin1(info.vcard.property), text);
            break;
        case VCardForm::Name:
            // Every card has an N, empty or not.
            if (!extensions && !std::exchange(nameDone, true))
                card.add(QStringLiteral("N"),
                         Joined(Components(value, VCardForm::Name, kNameComponents)));
            break;
        case VCardForm::Address:
            if (!extensions && !std::exchange(addressDone, true)) {
                const QStringList address =
                    Components(value, VCardForm::Address, kAddressComponents);
                if (!address.join(QString()).isEmpty())
                    card.add(QStringLiteral("ADR"), Joined(address));
            }
            break;
        case VCardForm::Gender:
            if (!extensions) {
                const QString gender = Gender(text);
                if (!gender.isEmpty())
                    card.add(QStringLiteral("GENDER"), gender);
            }
            break;
        case VCardForm::Birthday:
            if (!extensions)
                AddBirthday(card, text, today);
            break;
        }
    }
}

QByteArray CardOf(const ExportedPerson& person, const QSet<QString>& exportedIds, QDate today)
{
    const PersonValue& value = person.value;
    Card card;
    card.add(QStringLiteral("BEGIN"), QStringLiteral("VCARD"));
    card.add(QStringLiteral("VERSION"), QStringLiteral("4.0"));
    card.add(QStringLiteral("UID"), VCardUid(value.id));
    card.add(QStringLiteral("FN"), VCardEscaped(FormattedName(value)));
    AddFieldProperties(card, value, today, false);
    card.addText(QStringLiteral("X-ORVANEL-ID"), value.id);
    AddFieldProperties(card, value, today, true);

    // The same link may be stored twice (a record from each side, or a record repeated): the
    // card names it once.
    QSet<QString> related;
    for (const ExportedRelation& relation : person.relations) {
        if (relation.otherId == value.id || !exportedIds.contains(relation.otherId))
            continue;
        const QString parameters = RelatedParameters(relation.kind);
        const QString uid = VCardUid(relation.otherId);
        const QString line = parameters + QLatin1Char(':') + uid;
        if (related.contains(line))
            continue;
        related.insert(line);
        card.add(parameters, uid);
    }
    card.add(QStringLiteral("END"), QStringLiteral("VCARD"));
    return std::move(card.bytes());
}

}  // namespace

QString VCardEscaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case ',':
            out += QLatin1String("\\,");
            break;
        case ';':
            out += QLatin1String("\\;");
            break;
        case '\r':
            // CR LF is one line break; a CR alone is one too.
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            out += QLatin1String("\\n");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QByteArray FoldedVCardLine(const QByteArray& line)
{
    QByteArray out;
    out.reserve(line.size() + line.size() / 70 * 3 + 2);
    qsizetype start = 0;
    int room = kMaxLineOctets;
    while (line.size() - start > room) {
        qsizetype cut = start + room;
        // Back up to the first octet of a UTF-8 sequence (continuation octets are 10xxxxxx).
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out += line.mid(start, cut - start);
        out += "\r\n ";
        start = cut;
        room = kMaxLineOctets - 1;  // the leading space counts
    }
    out += line.mid(start);
    out += "\r\n";
    return out;
}

QString VCardUid(const QString& personId)
{
    return QStringLiteral("urn:uuid:")
           + QUuid::createUuidV5(kUidNamespace, personId.toUtf8()).toString(QUuid::WithoutBraces);
}

QByteArray VCardExport(const std::vector<ExportedPerson>& persons, QDate today)
{
    QSet<QString> exportedIds;
    for (const ExportedPerson& person : persons)
        exportedIds.insert(person.value.id);
    QByteArray out;
    for (const ExportedPerson& person : persons)
        out += CardOf(person, exportedIds, today);
    return out;
}

}  // namespace orvanel
