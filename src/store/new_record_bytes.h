#pragma once

#include "store/document.h"
#include "store/kept_register.h"
#include "store/person_value.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>

namespace orvanel {

// The bytes a save writes for a record added to a kept register: in the file's encoding and line
// ends, with its empty elements in the form of the file's last record, exactly as libxml2 writes
// the elements store/record_writing.h makes.
//
// A file in UTF-8 that says so, as every file this program made does, gets its records written
// straight from their texts. Through elements, adding the 100k persons of bench_import took
// 1,330 ms; written straight, 740 ms (docs/performance.md, "Importing"). Every other file goes
// through a small document, which also stays the reference the straight writing is tested
// against.
class NewRecordBytes {
public:
    enum class Way { StraightWhereItCan, ThroughDocument };

    explicit NewRecordBytes(const KeptRegister& kept, Way way = Way::StraightWhereItCan);

    // A Person as WritePersonRecord writes it.
    QByteArray person(const PersonValue& value);
    // A Rel as WriteRelRecord writes it.
    QByteArray rel(const QString& id1, const QString& id2, const QString& dir, const QString& inv);

    // Whether records are written straight, without a document.
    bool straight() const { return straight_; }

private:
    void appendText(std::string& out, const QString& text, bool attribute) const;
    void appendAttribute(std::string& out, const char* name, const QString& value) const;
    QByteArray throughDocument(const std::function<void(Document&)>& write);

    Document scratch_;  // an empty root in the file's context
    bool longEmptyElements_ = false;
    bool straight_ = false;
    const char* lineEnd_;
    std::string out_;  // the record being written, reused from record to record
};

}  // namespace orvanel
