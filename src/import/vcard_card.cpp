#include "import/vcard_card.h"

#include "import/contact_person.h"
#include "import/contact_text.h"
#include "import/vcard_values.h"
#include "relations/relationship_kind.h"
#include "store/person_fields.h"
#include "store/record_names.h"

#include <QCoreApplication>

namespace orvanel {

namespace {

// ADR's components before the street, the post office box and the extended address, have no
// field of their own.
constexpr int kFirstAddressFieldComponent = 2;

// A TEL that names no type is a voice number.
constexpr QByteArrayView kDefaultTelType = "VOICE";

// A field the table gives a property of its own, with that property's name and parameters.
struct TextField {
    PersonField field;
    CardProperty property;
};

const std::vector<TextField>& TextFields()
{
    static const std::vector<TextField> fields = [] {
        std::vector<TextField> out;
        for (const PersonFieldInfo& info : kPersonFields) {
            if (info.vcard.form == VCardForm::Text)
                out.push_back({info.field, ParseCardProperty(
                                               {0, QByteArray(info.vcard.property) + ':'})});
        }
        return out;
    }();
    return fields;
}

std::vector<QByteArray> TypesOf(const CardProperty& property)
{
    return property.parameter("TYPE");
}

// Of the fields a property may fill, those its types point at: a type of the field's own
// ("FAX", "CELL") before the default one, which any other type ("HOME", "WORK") leaves.
std::vector<PersonField> ChosenFields(const std::vector<const TextField*>& candidates,
                                      const CardProperty& property)
{
    std::vector<PersonField> specific;
    std::vector<PersonField> plain;
    for (const TextField* candidate : candidates) {
        const std::vector<QByteArray> types = TypesOf(candidate->property);
        bool matches = false;
        bool isDefault = types.empty();
        for (const QByteArray& type : types) {
            if (type == kDefaultTelType)
                isDefault = true;
            else if (property.hasType(type))
                matches = true;
        }
        if (matches)
            specific.push_back(candidate->field);
        else if (isDefault)
            plain.push_back(candidate->field);
    }
    return specific.empty() ? plain : specific;
}

// The fields of a structured property by component, from the table.
std::vector<std::pair<int, PersonField>> ComponentFields(VCardForm form)
{
    std::vector<std::pair<int, PersonField>> out;
    for (const PersonFieldInfo& info : kPersonFields) {
        if (info.vcard.form == form)
            out.emplace_back(info.vcard.component, info.field);
    }
    return out;
}

std::optional<PersonField> FieldOfForm(VCardForm form)
{
    for (const PersonFieldInfo& info : kPersonFields) {
        if (info.vcard.form == form)
            return info.field;
    }
    return std::nullopt;
}

void AppendLine(PersonValue& value, PersonField field, const QString& line)
{
    const QString& old = value.text(field);
    value.set(field, old.isEmpty() ? line : old + QLatin1Char('\n') + line);
}

// Properties that say nothing of the person the register could lose: the card's format, its
// writer, its own identifiers and its time of change.
bool IsBookkeeping(const QByteArray& name)
{
    static const QByteArrayView kNames[] = {"PRODID", "REV", "X-ABUID", "CLIENTPIDMAP"};
    for (const QByteArrayView known : kNames) {
        if (name == known)
            return true;
    }
    // The register's own ID, which our export writes: an imported person gets a new one.
    return name == QByteArray("X-ORVANEL-") + kIdAttribute;
}

// The kind whose RELATED parameters the property carries, the one with most of them if several
// fit (a twin is a sibling with a word of our own beside it).
const RelationshipKind* KindOfRelated(const CardProperty& property)
{
    const RelationshipKind* best = nullptr;
    std::size_t bestCount = 0;
    for (const RelationshipKind& kind : RelationshipKindTable()) {
        const CardProperty wanted =
            ParseCardProperty({0, "RELATED;" + QByteArray(kind.vCardRelated) + ':'});
        bool all = true;
        for (const auto& [key, value] : wanted.parameters) {
            bool found = false;
            for (const QByteArray& given : property.parameter(key))
                found = found || given.compare(value, Qt::CaseInsensitive) == 0;
            all = all && found;
        }
        if (all && wanted.parameters.size() > bestCount) {
            best = &kind;
            bestCount = wanted.parameters.size();
        }
    }
    return best;
}

}  // namespace

QString VCardCard::text(const CardProperty& property) const
{
    return StoredText(UnescapedVCardText(DecodedVCardValue(property, unicodeFile_)),
                      property.line);
}

void VCardCard::add(const CardProperty& property, ImportBatch& batch)
{
    if (++properties_ > kMaxVCardProperties)
        RefuseAtLine(property.line,
                     //: %1 is a number of properties.
                     QCoreApplication::translate("orvanel::Import",
                                                 "expected END:VCARD within %1 properties")
                         .arg(kMaxVCardProperties));
    const QByteArray& name = property.name;
    if (IsVCardMedia(name)) {
        ++batch.lost(ImportLoss::Media);
    } else if (name == "FN") {
        // The name as shown: the person's name when the card has no N, else nothing lost.
        fullName_ = text(property);
    } else if (name == "UID") {
        uid_ = text(property).trimmed();
    } else if (IsBookkeeping(name)) {
    } else if (name == "KIND") {
        // A card of a group or an organisation says more than a person's card can keep.
        if (text(property).trimmed().compare(QLatin1String("individual"), Qt::CaseInsensitive) != 0)
            ++batch.lost(ImportLoss::OtherData);
    } else if (name == "N") {
        addName(property, batch);
    } else if (name == "ADR") {
        const QString raw = StoredText(DecodedVCardValue(property, unicodeFile_), property.line);
        const bool preferred =
            property.hasType("PREF") || !property.parameter("PREF").empty();
        addresses_.push_back({VCardComponents(raw), preferred ? 2 : property.hasType("HOME") ? 1 : 0});
    } else if (name == "BDAY") {
        if (hasBirthday_) {
            ++batch.lost(ImportLoss::OtherData);
            return;
        }
        hasBirthday_ = true;
        QString written = text(property).trimmed();
        if (property.firstUpper("VALUE") != "TEXT") {
            birthday_ = IsoCalendarDate(written);
            // Some address books store a birthday without a year under a year of their choice,
            // which they name in a parameter: the day is known, the year is not.
            const std::vector<QByteArray> omitted = property.parameter("X-APPLE-OMIT-YEAR");
            if (birthday_.isValid() && !omitted.empty()
                && omitted.front().toInt() == birthday_.year()) {
                written = birthday_.toString(QStringLiteral("--MM-dd"));
                birthday_ = QDate();
            }
        }
        birthdayText_ = written;
    } else if (name == "GENDER") {
        const QStringList parts = VCardComponents(
            StoredText(DecodedVCardValue(property, unicodeFile_), property.line));
        const QString letter = parts.front().trimmed().toUpper();
        addSex(letter, letter.isEmpty() || letter == QLatin1String("U"), batch);
        // The identity in words after the letter has no field.
        if (!parts.mid(1).join(QString()).trimmed().isEmpty())
            ++batch.lost(ImportLoss::OtherData);
    } else if (name == "X-GENDER") {
        const QString word = text(property).trimmed().toUpper();
        const QString letter = word == QLatin1String("MALE")     ? QStringLiteral("M")
                               : word == QLatin1String("FEMALE") ? QStringLiteral("F")
                                                                 : word;
        addSex(letter, letter.isEmpty(), batch);
    } else if (name == "RELATED") {
        addRelated(property, batch);
    } else if (!addTableText(property, batch)) {
        ++batch.lost(ImportLoss::OtherData);
    }
}

bool VCardCard::addTableText(const CardProperty& property, ImportBatch& batch)
{
    std::vector<const TextField*> candidates;
    for (const TextField& field : TextFields()) {
        if (field.property.name == property.name)
            candidates.push_back(&field);
    }
    if (candidates.empty())
        return false;
    QString value = text(property);
    if (property.name == "TEL" && value.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        value = value.mid(4);
    if (value.isEmpty())
        return true;
    PersonValue& person = person_.value;
    for (const PersonField field : ChosenFields(candidates, property)) {
        if (person.text(field).isEmpty()) {
            person.set(field, value);
            return true;
        }
        if (InfoOf(field).form == TextForm::MultiLine) {
            AppendLine(person, field, value);
            return true;
        }
    }
    ++batch.lost(ImportLoss::OtherData);
    return true;
}

void VCardCard::addName(const CardProperty& property, ImportBatch& batch)
{
    if (hasName_) {
        ++batch.lost(ImportLoss::OtherData);
        return;
    }
    hasName_ = true;
    const QStringList parts =
        VCardComponents(StoredText(DecodedVCardValue(property, unicodeFile_), property.line));
    std::vector<bool> kept(static_cast<std::size_t>(parts.size()), false);
    for (const auto& [component, field] : ComponentFields(VCardForm::Name)) {
        if (component < parts.size() && !parts[component].isEmpty()) {
            person_.value.set(field, parts[component]);
            kept[static_cast<std::size_t>(component)] = true;
        }
    }
    // Titles and suffixes ("Dr.", "jun.") have no field.
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (!kept[static_cast<std::size_t>(i)] && !parts[i].trimmed().isEmpty()) {
            ++batch.lost(ImportLoss::OtherData);
            return;
        }
    }
}

void VCardCard::addSex(const QString& letter, bool unknown, ImportBatch& batch)
{
    const std::optional<PersonField> field = FieldOfForm(VCardForm::Gender);
    if (unknown || !field)
        return;
    PersonValue& value = person_.value;
    const bool word = letter == QLatin1String(kMaleSex) || letter == QLatin1String(kFemaleSex);
    if (!word || (value.has(*field) && value.text(*field) != letter)) {
        ++batch.lost(ImportLoss::OtherData);
        return;
    }
    value.set(*field, letter);
}

void VCardCard::addRelated(const CardProperty& property, ImportBatch& batch)
{
    const RelationshipKind* kind = KindOfRelated(property);
    // A relative named in words, or of a kind the register has no word for, cannot be linked.
    if (kind == nullptr || property.firstUpper("VALUE") == "TEXT") {
        ++batch.lost(ImportLoss::OtherData);
        return;
    }
    const QString target = text(property).trimmed();
    if (target.isEmpty())
        return;
    related_.push_back({target, QString::fromLatin1(kind->word)});
}

ImportedPerson VCardCard::finish(ImportBatch& batch)
{
    PersonValue& value = person_.value;
    if (!addresses_.empty()) {
        std::size_t chosen = 0;
        for (std::size_t i = 0; i < addresses_.size(); ++i) {
            if (addresses_[i].rank > addresses_[chosen].rank)
                chosen = i;
        }
        batch.lost(ImportLoss::OtherData) += static_cast<int>(addresses_.size()) - 1;
        const QStringList& parts = addresses_[chosen].components;
        std::vector<bool> kept(static_cast<std::size_t>(parts.size()), false);
        std::optional<PersonField> lines;
        for (const auto& [component, field] : ComponentFields(VCardForm::Address)) {
            if (InfoOf(field).form == TextForm::MultiLine)
                lines = field;
            if (component < parts.size()) {
                if (!parts[component].isEmpty())
                    value.set(field, parts[component]);
                kept[static_cast<std::size_t>(component)] = true;
            }
        }
        // The post office box and the extended address ("flat 5") have no field of their own:
        // they become further lines of the street address, before any other part is lost.
        bool lost = false;
        for (qsizetype i = parts.size() - 1; i >= 0; --i) {
            if (kept[static_cast<std::size_t>(i)] || parts[i].trimmed().isEmpty())
                continue;
            if (lines && i < kFirstAddressFieldComponent)
                AppendLine(value, *lines, parts[i]);
            else
                lost = true;
        }
        if (lost)
            ++batch.lost(ImportLoss::OtherData);
    }
    if (!value.has(PersonField::Name) && !value.has(PersonField::MiddleName)
        && !value.has(PersonField::Surname))
        SetFullName(value, fullName_);
    SetBirth(value, birthday_, birthdayText_, batch);
    return std::move(person_);
}

}  // namespace orvanel
