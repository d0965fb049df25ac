#include "store/person_value.h"

#include "store/record_names.h"

namespace orvanel {

PersonValue ReadPersonValue(const Element& person)
{
    PersonValue value;
    value.id = person.attribute(kIdAttribute).value_or(QString());
    for (const PersonFieldSpec& spec : kPersonFields) {
        if (const Element child = person.childOrNull(spec.element))
            value.set(spec.field, child.text());
    }
    return value;
}

std::optional<PersonField> FirstMissingRequired(const PersonValue& value)
{
    for (const PersonFieldSpec& spec : kPersonFields) {
        if (spec.required && !value.has(spec.field))
            return spec.field;
    }
    return std::nullopt;
}

}  // namespace orvanel
