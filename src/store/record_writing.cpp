#include "store/record_writing.h"

#include "store/errors.h"
#include "store/person_fields.h"
#include "store/record_names.h"

namespace orvanel {

void AppendMissingOptionalFields(Element person)
{
    for (const PersonFieldInfo& info : kPersonFields) {
        if (!info.required && !person.childOrNull(info.element))
            person.appendChild(info.element);
    }
}

void WritePersonRecord(Element person, const PersonValue& value)
{
    person.setAttribute(kIdAttribute, value.id);
    for (const PersonFieldInfo& info : kPersonFields) {
        Element child = person.appendChild(info.element);
        if (value.has(info.field))
            child.setText(value.text(info.field));
    }
}

void WritePersonFields(Element person, const PersonValue& value)
{
    for (const PersonFieldInfo& info : kPersonFields) {
        if (!value.has(info.field))
            continue;
        Element child = person.childOrNull(info.element);
        if (!child && info.required)
            throw NodeNotFound(QString::fromLatin1(info.element));
        if (!child)
            child = person.appendChild(info.element);
        child.setText(value.text(info.field));
    }
    AppendMissingOptionalFields(person);
}

void WriteRelRecord(Element rel, const QString& id1, const QString& id2, const QString& dir,
                 const QString& inv)
{
    rel.setAttribute(kId1Attribute, id1);
    rel.setAttribute(kId2Attribute, id2);
    rel.setAttribute(kDirAttribute, dir);
    rel.setAttribute(kInvAttribute, inv);
}

}  // namespace orvanel
