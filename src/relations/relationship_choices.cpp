#include "relations/relationship_choices.h"

#include "store/record_names.h"

#include <optional>

namespace orvanel {

std::vector<PersonChoice> RelationshipCandidates(Register& reg, const QString& editedId,
                                                 std::vector<PersonChoice> reuse)
{
    std::vector<PersonChoice> choices = std::move(reuse);
    choices.clear();
    const PersonList& persons = reg.persons();
    // Nearly all persons are active: one allocation instead of doubling.
    MakeRoomForEveryPerson(choices, persons.size());
    // Compared where the register holds the texts, without two copies a person: 980,000
    // candidates took 67 ms with the copies and 27-32 ms this way (bench_person_logic 1000000).
    // No stored ID holds half a surrogate pair, so an edited ID with one equals none.
    const bool editedStored = editedId.isValidUtf16();
    const QByteArray edited = editedId.toUtf8();
    for (int i = 0; i < persons.size(); ++i) {
        const ListedPerson person = persons.at(i);
        // Without a Status the person is not known to be active, so it is not offered. One
        // damaged record must not keep the user from choosing among all the others.
        if (!person.has(PersonField::Status) || !person.textIs(PersonField::Status, kActiveStatus))
            continue;
        if (person.idNumber() == 0 || (editedStored && person.idIs(edited)))
            continue;
        choices.push_back(PersonChoice{person.ref()});
    }
    return choices;
}

QString PersonChoiceCell(const Register& reg, const PersonChoice& choice, int column)
{
    return ListCellText(reg.persons().of(choice.person), kPersonChoiceFields, column);
}

void AppendPersonChoiceCell(const Register& reg, const PersonChoice& choice, int column,
                            std::u16string& out)
{
    AppendListCellText(reg.persons().of(choice.person), kPersonChoiceFields, column, out);
}

std::optional<std::uint64_t> PersonChoiceTextNumber(const Register& reg,
                                                    const PersonChoice& choice, int column)
{
    return ListCellTextNumber(reg.persons().of(choice.person), kPersonChoiceFields, column);
}

RelativeRow RelativeOfChoice(const Register& reg, const PersonChoice& choice)
{
    const ListedPerson person = reg.persons().of(choice.person);
    return {QString(), person.idOrEmpty(), person.textOrEmpty(PersonField::Name),
            person.textOrEmpty(PersonField::MiddleName), person.textOrEmpty(PersonField::Surname)};
}

QString EditedPersonLine(const QString& id, const QString& name, const QString& middleName,
                         const QString& surname)
{
    const QChar space(QLatin1Char(' '));
    return id + space + name + space + middleName + space + surname;
}

}  // namespace orvanel
