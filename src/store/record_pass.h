#pragma once

#include "store/document.h"
#include "store/id_check.h"
#include "store/id_code_page.h"
#include "store/load_progress.h"
#include "store/person_cache.h"
#include "store/relation_index.h"

#include <QString>
#include <exception>
#include <vector>

namespace orvanel {

// An identifier attribute that the file holds in an older form, to be written in its current one.
struct IdRewrite {
    Element record;
    const char* attribute;
    OlderId id;
};

// What the load's pass over the records found.
struct RecordPass {
    int persons = 0;
    int rels = 0;
    PersonCache listed;               // every Person, its identifier as the file holds it
    RelationIndex related;            // every Rel, under its identifiers in their current form
    std::vector<IdRewrite> rewrites;  // in document order
    CodePage idCodePage;              // what the identifiers' check digits are weighed in
};

// The load's one pass over the records, made while the parser reads the file: each child of the
// root is read in the parser's end-element callback, as soon as the parser has closed it. It
// counts the persons and relationships, lists the persons, indexes the relationships by person
// and checks every identifier, noting those in an older form; the document is only read. Hand it to Document::parse, then take the
// result. The register's code page is found on the way (IdCodePageChoice), the file's declared
// encoding tried first.
class RecordPassDuringParse final : public ParseObserver {
public:
    // `progress`, when given, hears how far the parse has come and may stop it.
    explicit RecordPassDuringParse(LoadProgress* progress = nullptr) : progress_(progress) {}

    // The identifiers are weighed first in the code page the file declares.
    void parseStarting(const QByteArray& declaredEncoding) override;
    void rootChildClosed(Element child) override;
    void parseEnded() override {}
    bool goOn(qint64 done, qint64 total) noexcept override
    {
        return progress_ == nullptr || progress_->goOn(done, total);
    }

    // After the parse: what the pass found, its handles tied to `doc`. Throws LoadRefused for the
    // first identifier in document order that cannot be one.
    RecordPass result(Document& doc);

private:
    LoadProgress* progress_;
    RecordPass found_;
    IdCodePageChoice idCodePage_;
    std::exception_ptr refusal_;  // the first; no record after it is read
};

}  // namespace orvanel
