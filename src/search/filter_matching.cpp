#include "search/filter_matching.h"

#include "store/file_date.h"
#include "store/record_names.h"

namespace orvanel {

namespace {

char16_t FoldForSearch(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

bool FoldedEqualAt(QStringView needle, QStringView haystack, qsizetype start)
{
    for (qsizetype i = 0; i < needle.size(); ++i) {
        if (FoldForSearch(needle[i].unicode()) != FoldForSearch(haystack[start + i].unicode()))
            return false;
    }
    return true;
}

bool ChildContains(const ListedPerson& person, PersonField field, const QString& needle)
{
    // Read in place: a copy of every contact text of every person would cost the filter an
    // allocation each.
    return TextContains(needle, person.view(field));
}

}  // namespace

bool TextContains(QStringView needle, QStringView haystack)
{
    if (needle.isEmpty() || needle.size() > haystack.size())
        return false;
    // Compared in place: the texts searched are names and contact fields, short enough that a
    // direct scan beats building folded copies on every call.
    const qsizetype lastStart = haystack.size() - needle.size();
    for (qsizetype start = 0; start <= lastStart; ++start) {
        if (FoldedEqualAt(needle, haystack, start))
            return true;
    }
    return false;
}

bool MatchesFilter(const FilterCriteria& criteria, const ListedPerson& person,
                   const Clock& clock)
{
    if (criteria.IdEnabled
        && !TextContains(criteria.IdText, person.idOrEmpty()))
        return false;
    if (criteria.NameEnabled && !ChildContains(person, PersonField::Name, criteria.NameText))
        return false;
    if (criteria.MiddleNameEnabled
        && !ChildContains(person, PersonField::MiddleName, criteria.MiddleNameText))
        return false;
    if (criteria.SurnameEnabled && !ChildContains(person, PersonField::Surname, criteria.SurnameText))
        return false;
    const QString sexCode = SexCode(criteria.SexChoice);
    if (!sexCode.isEmpty() && !ChildContains(person, PersonField::Sex, sexCode))
        return false;
    if (criteria.ContactEnabled) {
        // Every field is read even after a hit, so a record missing a later one fails the same
        // way whatever its earlier fields hold.
        bool found = false;
        for (const PersonField field : kContactFields)
            found = ChildContains(person, field, criteria.ContactText) || found;
        if (!found)
            return false;
    }
    if (criteria.DateEnabled) {
        const QDate birth = ParseFileDate(person.text(PersonField::DateOfBirth), clock.today());
        if (birth < criteria.DateFrom || birth > criteria.DateTo)
            return false;
    }
    return true;
}

}  // namespace orvanel
