#pragma once

#include "store/document.h"
#include "store/kept_register.h"
#include "store/markup_scan.h"

#include <QByteArray>

namespace orvanel {

// The file's bytes up to the root's start tag, these records in the file's own form, and the
// root's end, parsed: records read as the whole file's parse read them.
Document ParseInFileContext(const KeptRegister& kept, QByteArrayView records);

// Whether a record writes its empty elements as `<X></X>` rather than `<X/>`: the form it uses
// more often. A record that shows neither gets libxml2's short one.
bool WritesLongEmptyElements(QByteArrayView record, ByteForm form);

// One record of a kept register, parsed on its own in the file's context (its declaration, its
// DTD and the root's start tag with its namespaces), to be read or changed through an Element
// and written back in the file's own form. It owns its small document: its Element lives as long
// as it does.
class KeptRecord {
public:
    // Throws LoadRefused as a load would if the record's bytes cannot be read alone.
    KeptRecord(const KeptRegister& kept, int record);
    // The same for a record's bytes held elsewhere: one added since the load.
    KeptRecord(const KeptRegister& kept, QByteArrayView recordBytes);

    Element element() { return doc_.rootChild(0); }
    // The record as a save writes it: in the file's encoding and line ends.
    // Empty elements keep the form the record had them in: `<X></X>` or `<X/>`.
    QByteArray bytes() const { return doc_.elementBytes(0, longEmptyElements_); }

private:
    Document doc_;
    bool longEmptyElements_ = false;
};

}  // namespace orvanel
