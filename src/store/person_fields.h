#pragma once

#include <QtGlobal>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The fields of a person, each described once: its element in the record, how the list cache
// keeps it, how the windows name it, and where the search list, the filter and the exports put
// it. Everything that walks the fields walks this table; only the dialog's tabs, which place
// their own controls, name a field again.

namespace orvanel {

// In the order a new record stores them.
enum class PersonField : std::uint8_t {
    OptionalID,
    Name,
    MiddleName,
    Surname,
    Sex,
    DateOfBirth,
    StreetAddress,
    City,
    State,
    ZipCode,
    Country,
    Phone1,
    Phone2,
    Fax,
    Mobile,
    EMail,
    Comment,
    Status,
    DateCreated,
    DateModified,
#ifdef ORVANEL_TEST_FIELD
    TestNote,
#endif
};

// How the list cache keeps a field's texts.
enum class CacheKeeping : std::uint8_t {
    // Not kept: no list and no filter reads it (the comment, the record's history).
    None,
    // Many persons share them (first names, sexes, dates of birth, places, statuses): each text
    // is held once.
    Shared,
    // Nearly always a person's own, and shown in the lists: a QString of their own, which the
    // rows share. A look-up would almost never find anything and only cost the load a miss in a
    // table of hundreds of thousands of texts.
    Shown,
    // Nearly always a person's own, and read only by the filter and the person dialog: in the
    // cache's blocks, without an allocation each.
    Contact,
};

// What a column of the search list must show whole besides its title.
enum class ColumnSample : std::uint8_t {
    Title,  // only the title
    Text,   // the sample text given
    Date,   // the widest date the file form writes
};

// A column of the search list. Column 0 is the person's ID, which is not a field.
struct SearchColumn {
    int column = 0;  // 1.. in the list; 0: the field has no column
    const char* title = nullptr;  // translatable in the context "PersonField"
    int width = 0;    // 0: the header's default width
    int minimum = 0;  // 0: only the small minimum that every column has
    int maximum = 0;  // 0: no maximum
    ColumnSample sample = ColumnSample::Title;
    const char* sampleText = nullptr;  // for ColumnSample::Text
};

// How a vCard carries a field.
enum class VCardForm : std::uint8_t {
    None,
    Text,       // a property of its own (`property`), written only when the text is not empty
    Name,       // component `component` of the structured N
    Address,    // component `component` of the structured ADR
    Gender,     // GENDER, converted from the sex word
    Birthday,   // BDAY, converted from the date text
};

struct VCardProperty {
    VCardForm form = VCardForm::None;
    const char* property = nullptr;  // for VCardForm::Text: name and parameters
    int component = 0;               // for VCardForm::Name and VCardForm::Address
};

// How a stored text is shown in the dialog and read back from it.
enum class TextForm : std::uint8_t {
    Line,       // one line, exactly as stored
    MultiLine,  // lines split at LF when shown; stored with LF between lines
    SexWord,    // "M" or "F"
    Date,       // date text in the file form
};

struct PersonFieldInfo {
    PersonField field;
    // The child element of a Person. The file's, not the program's: changing one makes every
    // existing register unreadable.
    const char* element;
    // One of the twenty children every record has from the start: reading a record that lacks
    // it fails. A field added later is optional: a record without it reads as empty text, and
    // the next write of the record adds it.
    bool required;
    // The dialog edits it (the others belong to the record's history).
    bool edited;
    TextForm form;
    CacheKeeping keeping;
    // How the dialog's messages and screen readers name it; translatable in the context
    // "PersonField". Null for a field no window names.
    const char* caption;
    SearchColumn column;
    // The filter's contact test searches it.
    bool contact;
    VCardProperty vcard;
    // It has a column in the CSV export (named by `element`), in table order after "ID".
    bool csv;
};

namespace person_fields_detail {

constexpr SearchColumn NoColumn{};
constexpr VCardProperty NoCard{};

constexpr VCardProperty CardText(const char* property)
{
    return {VCardForm::Text, property, 0};
}

}  // namespace person_fields_detail

inline constexpr std::array kPersonFields = [] {
    using namespace person_fields_detail;
    using F = PersonField;
    using K = CacheKeeping;
    using T = TextForm;
    using V = VCardForm;
    return std::array{
        PersonFieldInfo{F::OptionalID, "OptionalID", true, true, T::Line, K::Shown,
                        QT_TRANSLATE_NOOP("PersonField", "Optional ID"),
                        {6, QT_TRANSLATE_NOOP("PersonField", "OptionalID"), 0, 0, 0}, false,
                        CardText("X-ORVANEL-OPTIONAL-ID"), true},
        PersonFieldInfo{F::Name, "Name", true, true, T::Line, K::Shared,
                        QT_TRANSLATE_NOOP("PersonField", "Name"),
                        {1, QT_TRANSLATE_NOOP("PersonField", "Name"), 100, 50, 200}, false,
                        {V::Name, nullptr, 1}, true},
        PersonFieldInfo{F::MiddleName, "MiddleName", true, true, T::Line, K::Shared,
                        QT_TRANSLATE_NOOP("PersonField", "Middle Name"),
                        {2, QT_TRANSLATE_NOOP("PersonField", "Middle Name"), 0, 0, 100}, false,
                        {V::Name, nullptr, 2}, true},
        PersonFieldInfo{F::Surname, "Surname", true, true, T::Line, K::Shared,
                        QT_TRANSLATE_NOOP("PersonField", "Surname"),
                        {3, QT_TRANSLATE_NOOP("PersonField", "Surname"), 100, 50, 200}, false,
                        {V::Name, nullptr, 0}, true},
        PersonFieldInfo{F::Sex, "Sex", true, true, T::SexWord, K::Shared,
                        QT_TRANSLATE_NOOP("PersonField", "Sex"),
                        {4, QT_TRANSLATE_NOOP("PersonField", "Sex"), 30, 0, 40,
                         ColumnSample::Text, "M"},
                        false, {V::Gender, nullptr, 0}, true},
        PersonFieldInfo{F::DateOfBirth, "DateOfBirth", true, true, T::Date, K::Shared,
                        QT_TRANSLATE_NOOP("PersonField", "Date of Birth"),
                        {5, QT_TRANSLATE_NOOP("PersonField", "Date Of Birth"), 80, 0, 120,
                         ColumnSample::Date},
                        false, {V::Birthday, nullptr, 0}, true},
        PersonFieldInfo{F::StreetAddress, "StreetAddress", true, true, T::MultiLine, K::Contact,
                        QT_TRANSLATE_NOOP("PersonField", "Street Address"), NoColumn, true,
                        {V::Address, nullptr, 2}, true},
        PersonFieldInfo{F::City, "City", true, true, T::Line, K::Shared,
                        QT_TRANSLATE_NOOP("PersonField", "City"), NoColumn, true,
                        {V::Address, nullptr, 3}, true},
        PersonFieldInfo{F::State, "State", true, true, T::Line, K::Shared,
                        QT_TRANSLATE_NOOP("PersonField", "County/Province"), NoColumn, true,
                        {V::Address, nullptr, 4}, true},
        PersonFieldInfo{F::ZipCode, "ZipCode", true, true, T::Line, K::Shared,
                        QT_TRANSLATE_NOOP("PersonField", "Post Code"), NoColumn, true,
                        {V::Address, nullptr, 5}, true},
        PersonFieldInfo{F::Country, "Country", true, true, T::Line, K::Shared,
                        QT_TRANSLATE_NOOP("PersonField", "Country"), NoColumn, true,
                        {V::Address, nullptr, 6}, true},
        PersonFieldInfo{F::Phone1, "Phone1", true, true, T::Line, K::Contact,
                        QT_TRANSLATE_NOOP("PersonField", "Phone 1"), NoColumn, true,
                        CardText("TEL;VALUE=text;TYPE=voice"), true},
        PersonFieldInfo{F::Phone2, "Phone2", true, true, T::Line, K::Contact,
                        QT_TRANSLATE_NOOP("PersonField", "Phone 2"), NoColumn, true,
                        CardText("TEL;VALUE=text;TYPE=voice"), true},
        PersonFieldInfo{F::Fax, "Fax", true, true, T::Line, K::Contact,
                        QT_TRANSLATE_NOOP("PersonField", "Fax"), NoColumn, true,
                        CardText("TEL;VALUE=text;TYPE=fax"), true},
        PersonFieldInfo{F::Mobile, "Mobile", true, true, T::Line, K::Contact,
                        QT_TRANSLATE_NOOP("PersonField", "Mobile phone"), NoColumn, true,
                        CardText("TEL;VALUE=text;TYPE=cell"), true},
        PersonFieldInfo{F::EMail, "EMail", true, true, T::Line, K::Contact,
                        QT_TRANSLATE_NOOP("PersonField", "E-mail"), NoColumn, true,
                        CardText("EMAIL"), true},
        PersonFieldInfo{F::Comment, "Comment", true, true, T::MultiLine, K::None,
                        QT_TRANSLATE_NOOP("PersonField", "Comment"), NoColumn, false,
                        CardText("NOTE"), true},
        PersonFieldInfo{F::Status, "Status", true, false, T::Line, K::Shared, nullptr, NoColumn,
                        false, NoCard, true},
        PersonFieldInfo{F::DateCreated, "DateCreated", true, false, T::Date, K::None, nullptr,
                        NoColumn, false, NoCard, true},
        PersonFieldInfo{F::DateModified, "DateModified", true, false, T::Date, K::None, nullptr,
                        NoColumn, false, NoCard, true},
#ifdef ORVANEL_TEST_FIELD
        // Only in the test build: a field added after the twenty, to prove that registers
        // written without it still load, list, filter, export and save. Its caption is left
        // out of the translators' files, which ship with the program.
        PersonFieldInfo{F::TestNote, "TestNote", false, true, T::Line, K::Contact, "Test Note",
                        NoColumn, true,
                        CardText("X-ORVANEL-TEST-NOTE"), true},
#endif
    };
}();

inline constexpr int kPersonFieldCount = static_cast<int>(kPersonFields.size());

constexpr int IndexOf(PersonField field)
{
    return static_cast<int>(field);
}

constexpr const PersonFieldInfo& InfoOf(PersonField field)
{
    return kPersonFields[static_cast<size_t>(field)];
}

constexpr const char* ElementOf(PersonField field)
{
    return InfoOf(field).element;
}

// The field whose element has this name; nullopt when no field has it.
constexpr std::optional<PersonField> FieldOfElement(std::string_view name)
{
    for (const PersonFieldInfo& info : kPersonFields) {
        if (name == info.element)
            return info.field;
    }
    return std::nullopt;
}

// How many fields the table holds that pass `test`.
template <class Test>
constexpr int CountFields(Test test)
{
    int count = 0;
    for (const PersonFieldInfo& info : kPersonFields)
        count += test(info) ? 1 : 0;
    return count;
}

// The fields that pass `test`, in table order; N must be CountFields(test).
template <int N, class Test>
constexpr std::array<PersonField, N> FieldsWhere(Test test)
{
    std::array<PersonField, N> out{};
    int next = 0;
    for (const PersonFieldInfo& info : kPersonFields) {
        if (test(info))
            out[static_cast<size_t>(next++)] = info.field;
    }
    return out;
}

// The fields with a search column, in column order.
inline constexpr int kSearchColumnFieldCount =
    CountFields([](const PersonFieldInfo& info) { return info.column.column > 0; });

inline constexpr std::array<PersonField, kSearchColumnFieldCount> kSearchColumnFields = [] {
    std::array<PersonField, kSearchColumnFieldCount> out{};
    for (const PersonFieldInfo& info : kPersonFields) {
        if (info.column.column > 0)
            out[static_cast<size_t>(info.column.column - 1)] = info.field;
    }
    return out;
}();

// The fields the filter's contact test searches, in the order it reads them (table order).
inline constexpr int kContactFieldCount =
    CountFields([](const PersonFieldInfo& info) { return info.contact; });

inline constexpr std::array<PersonField, kContactFieldCount> kContactFieldsOfFilter =
    FieldsWhere<kContactFieldCount>([](const PersonFieldInfo& info) { return info.contact; });

// The table must list each field at its own place, and the columns must be 1..N without a gap:
// a row added in the wrong place fails the build here rather than mixing up two fields.
static_assert([] {
    for (int i = 0; i < kPersonFieldCount; ++i) {
        if (IndexOf(kPersonFields[static_cast<size_t>(i)].field) != i)
            return false;
    }
    std::array<bool, kPersonFieldCount + 1> taken{};
    for (const PersonFieldInfo& info : kPersonFields) {
        const int c = info.column.column;
        if (c < 0 || c > kSearchColumnFieldCount || (c > 0 && taken[static_cast<size_t>(c)]))
            return false;
        taken[static_cast<size_t>(c)] = true;
    }
    return true;
}());

}  // namespace orvanel
