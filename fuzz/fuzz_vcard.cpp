// Any bytes as a file of vCards to import: refused with a message, or read into a batch that the register
// can take (fuzz/import_invariants.h), in bounded time and memory.
#include "import/vcard_reader.h"
#include "import_invariants.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    orvanel::fuzz::CheckImport(data, size, [](const QByteArray& bytes) {
        return orvanel::ReadVCards(bytes);
    });
    return 0;
}
