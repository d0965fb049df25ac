#include "store/person_value.h"

#include "store/record_names.h"

namespace orvanel {

PersonValue ReadPersonValue(const Element& person)
{
    PersonValue value;
    value.id = person.attribute(kIdAttribute).value_or(QString());
    for (const PersonFieldInfo& info : kPersonFields) {
        if (const Element child = person.childOrNull(info.element))
            value.set(info.field, child.text());
    }
    return value;
}

std::optional<PersonField> FirstMissingRequired(const PersonValue& value)
{
    for (const PersonFieldInfo& info : kPersonFields) {
        if (info.required && !value.has(info.field))
            return info.field;
    }
    return std::nullopt;
}

}  // namespace orvanel
