#include "import/import_plan.h"

#include "store/errors.h"
#include "store/file_date.h"
#include "store/record_names.h"

#include <QHashFunctions>
#include <algorithm>
#include <unordered_map>

namespace orvanel {

namespace {

// A birth date in one form for every spelling of the same day; a text that is no date stays
// as it is, and is then equal only to the same text.
QString SameDayKey(const QString& birthDate, QDate today)
{
    try {
        return FormatFileDate(ParseFileDate(birthDate, today));
    } catch (const InvalidDate&) {
        // A text no date can be read from is compared as the text it is: the character before it
        // keeps it apart from any formatted date.
        return QLatin1Char('\x01') + birthDate;
    }
}

// Name, surname and birth date, compared together.
struct PersonKey {
    QString name;
    QString surname;
    QString day;  // SameDayKey of the birth date

    bool operator==(const PersonKey&) const = default;
};

struct PersonKeyHash {
    size_t operator()(const PersonKey& key) const
    {
        return qHashMulti(0, key.name, key.surname, key.day);
    }
};

// The keys of a plan. Birth dates repeat across a register and a batch (a few tens of thousands
// of days among 200k persons), so each text is read as a date once: reading and formatting it per
// person was most of the instructions of a plan of 10k persons against as many
// (docs/performance.md).
class PersonKeys {
public:
    explicit PersonKeys(QDate today) : today_(today) {}

    PersonKey of(const QString& name, const QString& surname, const QString& birthDate)
    {
        auto day = days_.find(birthDate);
        if (day == days_.end())
            day = days_.emplace(birthDate, SameDayKey(birthDate, today_)).first;
        return {name, surname, day->second};
    }

private:
    QDate today_;
    std::unordered_map<QString, QString> days_;
};

}  // namespace

int ImportPlan::chosenCount() const
{
    return static_cast<int>(std::count(chosen.begin(), chosen.end(), true));
}

ImportPlan PlanImport(const Register& reg, const ImportBatch& batch, QDate today)
{
    PersonKeys keys(today);
    std::unordered_map<PersonKey, QString, PersonKeyHash> existing;
    const PersonList& persons = reg.persons();
    existing.reserve(static_cast<size_t>(persons.size()));
    for (int i = 0; i < persons.size(); ++i) {
        const ListedPerson person = persons.at(i);
        if (person.textOrEmpty(PersonField::Status) != QLatin1String(kActiveStatus))
            continue;
        // The first in document order is the one named.
        existing.try_emplace(keys.of(person.textOrEmpty(PersonField::Name),
                                     person.textOrEmpty(PersonField::Surname),
                                     person.textOrEmpty(PersonField::DateOfBirth)),
                             person.idOrEmpty());
    }

    ImportPlan plan;
    plan.rows.reserve(batch.persons.size());
    plan.chosen.reserve(batch.persons.size());
    for (const ImportedPerson& imported : batch.persons) {
        const PersonValue& value = imported.value;
        ImportRow row{value.text(PersonField::Name), value.text(PersonField::Surname),
                      value.text(PersonField::DateOfBirth), QString()};
        const auto found = existing.find(keys.of(row.name, row.surname, row.birthDate));
        if (found != existing.end())
            row.existingId = found->second;
        plan.chosen.push_back(row.existingId.isEmpty());
        plan.rows.push_back(std::move(row));
    }
    return plan;
}

}  // namespace orvanel
