#include "search/filter_matching.h"

#include "store/file_date.h"
#include "store/record_names.h"

namespace orvanel {

namespace {

std::optional<FoldedNeedle> NeedleIf(bool on, const QString& text)
{
    return on ? std::optional<FoldedNeedle>(FoldedNeedle(text)) : std::nullopt;
}

bool Fails(const std::optional<FoldedNeedle>& needle, const ListedPerson& person,
           PersonField field)
{
    return needle && !person.contains(field, *needle);
}

}  // namespace

bool TextContains(QStringView needle, QStringView haystack)
{
    return FoldedNeedle(needle).foundIn(haystack);
}

PersonFilter::PersonFilter(const FilterCriteria& criteria, const Clock& clock)
    : id_(NeedleIf(criteria.IdEnabled, criteria.IdText)),
      name_(NeedleIf(criteria.NameEnabled, criteria.NameText)),
      middleName_(NeedleIf(criteria.MiddleNameEnabled, criteria.MiddleNameText)),
      surname_(NeedleIf(criteria.SurnameEnabled, criteria.SurnameText)),
      contact_(NeedleIf(criteria.ContactEnabled, criteria.ContactText)),
      datesOn_(criteria.DateEnabled),
      from_(criteria.DateFrom),
      to_(criteria.DateTo),
      today_(clock.today())
{
    const QString sexCode = SexCode(criteria.SexChoice);
    sex_ = NeedleIf(!sexCode.isEmpty(), sexCode);
}

bool PersonFilter::matches(const ListedPerson& person) const
{
    if (id_ && !person.idContains(*id_))
        return false;
    if (Fails(name_, person, PersonField::Name) || Fails(middleName_, person, PersonField::MiddleName)
        || Fails(surname_, person, PersonField::Surname) || Fails(sex_, person, PersonField::Sex))
        return false;
    if (contact_ && !person.anyContains(kContactFields, *contact_))
        return false;
    if (datesOn_) {
        const QDate birth = ParseFileDate(person.text(PersonField::DateOfBirth), today_);
        if (birth < from_ || birth > to_)
            return false;
    }
    return true;
}

bool MatchesFilter(const FilterCriteria& criteria, const ListedPerson& person,
                   const Clock& clock)
{
    return PersonFilter(criteria, clock).matches(person);
}

}  // namespace orvanel
