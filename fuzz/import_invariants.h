#pragma once
// What every importer must give for any bytes: a refusal with a message, or a batch whose links
// join two persons of the batch under a known kind, and whose texts a data file can hold.
#include "import/import_batch.h"
#include "relations/relationship_kind.h"
#include "store/storable_text.h"

#include <cstdio>
#include <cstdlib>

namespace orvanel::fuzz {

[[noreturn]] inline void Finding(const char* what)
{
    std::fprintf(stderr, "FINDING: %s\n", what);
    std::abort();
}

template <typename Reader>
void CheckImport(const uint8_t* data, size_t size, Reader read)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ImportBatch batch;
    try {
        batch = read(bytes);
    } catch (const ImportRefused& e) {
        if (e.message().isEmpty())
            Finding("a refusal without a message");
        return;
    }
    for (const ImportedPerson& person : batch.persons) {
        if (!person.value.id.isEmpty())
            Finding("an imported person came with an ID of its own");
        for (const PersonFieldInfo& info : kPersonFields)
            if (FirstUnstorableCharacter(person.value.text(info.field)) >= 0)
                Finding("a text the data file cannot hold");
    }
    for (const ImportedLink& link : batch.links) {
        if (link.person >= batch.persons.size() || link.other >= batch.persons.size())
            Finding("a link to a person outside the batch");
        if (link.person == link.other)
            Finding("a person linked to themselves");
        if (!FindKind(link.kind))
            Finding("a link of an unknown kind");
    }
    for (int count : batch.losses)
        if (count < 0)
            Finding("a negative count of what was lost");
}

}  // namespace orvanel::fuzz
