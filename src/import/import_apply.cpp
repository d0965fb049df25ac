#include "import/import_apply.h"

#include "persons/new_person_id.h"
#include "persons/person_record.h"
#include "relations/relationship_kind.h"

#include <stdexcept>

namespace orvanel {

namespace {

// The readers promise a batch whose links stay inside it and name known kinds; one that does
// not is a fault of the program, found before the register changes.
void RequireSound(const ImportBatch& batch, const std::vector<bool>& chosen)
{
    if (chosen.size() != batch.persons.size())
        throw std::invalid_argument("import choice does not fit the batch");
    for (const ImportedLink& link : batch.links) {
        if (link.person >= batch.persons.size() || link.other >= batch.persons.size() ||
            FindKind(link.kind) == nullptr)
            throw std::invalid_argument("import batch holds a link outside it");
    }
}

}  // namespace

ImportResult ApplyImport(Register& reg, const ImportBatch& batch, const std::vector<bool>& chosen,
                         const Clock& clock)
{
    RequireSound(batch, chosen);
    ImportResult result;
    result.ids.resize(batch.persons.size());
    // Every identifier is given, and checked, before the first person is written. Each search
    // goes on from the last number given, so the numbers already taken are walked once.
    long long last = reg.personCounter();
    for (std::size_t i = 0; i < batch.persons.size(); ++i) {
        if (!chosen[i])
            continue;
        NewPersonId next = NextNewPersonId(reg, last);
        last = next.number;
        result.ids[i] = std::move(next.id);
    }

    const NewPersonWriter writer(reg, clock);
    for (std::size_t i = 0; i < batch.persons.size(); ++i) {
        if (!chosen[i])
            continue;
        writer.write(batch.persons[i].value, result.ids[i]);
        ++result.persons;
    }
    for (const ImportedLink& link : batch.links) {
        if (!chosen[link.person] || !chosen[link.other])
            continue;
        reg.appendRelationship(result.ids[link.person], result.ids[link.other], link.kind,
                               InverseKind(link.kind));
        ++result.relationships;
    }
    if (result.persons > 0)
        reg.markModified();
    return result;
}

}  // namespace orvanel
