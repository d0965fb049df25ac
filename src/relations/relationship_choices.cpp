#include "relations/relationship_choices.h"
#include "store/record_names.h"

#include <optional>

namespace orvanel {

namespace {

// One damaged record must not keep the user from choosing among all the others.
std::optional<QString> ChildText(const Element& person, const char* name)
{
    const Element child = person.childOrNull(name);
    if (!child)
        return std::nullopt;
    return child.text();
}

}  // namespace

std::vector<PersonChoice> RelationshipCandidates(Register& reg, const QString& editedId)
{
    std::vector<PersonChoice> choices;
    const int count = reg.doc.rootCount();
    // Most root children are persons, nearly all active: one allocation instead of doubling.
    choices.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const Element person = reg.doc.rootChild(i);
        if (!person.hasLocalName(kPersonElement))
            continue;
        // Without a Status the person is not known to be active, so it is not offered.
        const std::optional<QString> status = ChildText(person, kStatusChild);
        if (!status || *status != QLatin1String(kActiveStatus))
            continue;
        std::optional<QString> id = person.attribute(kIdAttribute);
        if (!id || *id == editedId)
            continue;
        choices.push_back(PersonChoice{std::move(*id),
                                       ChildText(person, kNameChild).value_or(QString()),
                                       ChildText(person, kMiddleNameChild).value_or(QString()),
                                       ChildText(person, kSurnameChild).value_or(QString())});
    }
    return choices;
}

QString EditedPersonLine(const QString& id, const QString& name, const QString& middleName,
                         const QString& surname)
{
    const QChar space(QLatin1Char(' '));
    return id + space + name + space + middleName + space + surname;
}

}  // namespace orvanel
