#include "store/kept_register.h"

#include "store/guarded_parse.h"
#include "store/id_check.h"
#include "store/id_code_page.h"
#include "store/markup_scan.h"
#include "store/parser_guards.h"
#include "store/record_names.h"
#include "store/parse_refusal.h"
#include "store/root_checks.h"
#include "store/utf8_markup_scan.h"
#include "store/xml_node.h"

#include <cstring>
#include <algorithm>
#include <array>
#include <exception>
#include <limits>
#include <memory>
#include <new>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

#include <libxml/parser.h>

namespace orvanel {

namespace {

// One identifier of a record that the file holds in an older form.
struct TableRewrite {
    int row;   // the person or relationship
    RecordKind kind;
    int side;  // of a relationship: 0 for ID1, 1 for ID2
    OlderId id;
};

// What the parse's handlers, or the own scan of a UTF-8 file, read into the table as they go,
// one element at a time: the root's attributes, each record's kind and identifiers, and the
// text of each listed field of a person. Depth counts the open elements: 1 is the root, 2 a
// record, 3 a field of it.
class TableReader final : public ParseObserver, public MarkupSink {
public:
    TableReader(LoadProgress* progress, qint64 fileSize) : progress_(progress), fileSize_(fileSize)
    {
    }

    void parseStarting(const QByteArray& declaredEncoding) override
    {
        idCodePage = IdCodePageChoice(declaredEncoding);
    }
    void rootChildClosed(Element) override {}
    void parseEnded() override {}
    bool goOn(qint64 done, qint64 total) noexcept override
    {
        return progress_ == nullptr || progress_->goOn(done, total);
    }

    // A start tag as the parser hands it on: only the attributes the file writes and that are in
    // no namespace count, as in the document (a default the DTD declares is no attribute of the
    // element), and their values are given as the document gives them: the parser hands an
    // ampersand on as "&#38;" for the tree to read again.
    void startFromParser(const xmlChar* localName, int attributeCount, int defaultedCount,
                         const xmlChar** attributes)
    {
        const int written = attributeCount - defaultedCount;
        parserAttributes_.clear();
        if (decoded_.size() < static_cast<size_t>(written))
            decoded_.resize(static_cast<size_t>(written));
        for (int i = 0; i < written; ++i) {
            const xmlChar** a = attributes + 5 * i;
            if (a[1] != nullptr)
                continue;
            QByteArrayView value(AsChars(a[3]), a[4] - a[3]);
            if (std::memchr(value.data(), '&', static_cast<size_t>(value.size())) != nullptr) {
                QByteArray& scratch = decoded_[static_cast<size_t>(i)];
                scratch = value.toByteArray();
                scratch.replace("&#38;", "&");
                value = scratch;
            }
            parserAttributes_.push_back({AsChars(a[0]), value});
        }
        elementStarted(AsChars(localName), parserAttributes_);
    }

    // Both readers keep one copy of each name, so a name met before is known by its address.
    void elementStarted(const char* localName,
                        std::span<const ScannedAttribute> attributes) override
    {
        const int depth = ++depth_;
        if (depth == 1) {
            sawRoot = true;
            root.prefix = Attribute(kPrefixAttribute, attributes);
            root.dateModified = Attribute(kDateModifiedAttribute, attributes);
            root.personCount = Attribute(kPersonCountAttribute, attributes);
            root.relCount = Attribute(kRelCountAttribute, attributes);
            reserveRows();
        } else if (depth == 2) {
            startRecord(localName, attributes);
        } else if (depth == 3 && kind_ == RecordKind::Person && !refusal) {
            field_ = FieldNamed(localName);
            if (field_ >= 0 && (seen_ & (1u << field_)) == 0) {
                seen_ |= 1u << field_;
                capturing_ = true;
                text_.clear();
            }
        }
    }

    void elementEnded() override
    {
        if (depth_ == 3 && capturing_) {
            table.setPersonText(row_, kPersonFields[static_cast<size_t>(field_)].field,
                                QByteArrayView(text_.data(), static_cast<qsizetype>(text_.size())));
            capturing_ = false;
        }
        --depth_;
    }

    void textRead(QByteArrayView utf8) override
    {
        if (capturing_ && depth_ == 3)
            text_.append(utf8.data(), static_cast<size_t>(utf8.size()));
    }

    // Appends the relationships held back so far. Once the reading is over, the table holds every
    // relationship only after this.
    void flushRels() noexcept
    {
        if (pendingRels_.empty())
            return;
        std::vector<RecordTable::RelTexts> rels;
        rels.reserve(pendingRels_.size());
        const auto text = [this](const PendingText& t) -> std::optional<QByteArrayView> {
            if (t.at < 0)
                return std::nullopt;
            return QByteArrayView(pendingText_.data() + t.at, t.length);
        };
        for (const PendingRel& rel : pendingRels_) {
            rels.push_back({rel.record, text(rel.texts[0]), text(rel.texts[1]),
                            text(rel.texts[2]), text(rel.texts[3])});
        }
        try {
            table.appendRels(rels);
        } catch (...) {
            if (!refusal)
                refusal = std::current_exception();
        }
        pendingRels_.clear();
        pendingText_.clear();
    }

    RecordTable table;
    IdCodePageChoice idCodePage;
    RootAttributes root;
    bool sawRoot = false;
    std::vector<TableRewrite> rewrites;
    std::exception_ptr refusal;  // the first; no record after it is read
    // What the table threw inside the parser's handlers, which stopped the parse.
    std::exception_ptr failure;

private:
    // Room for the rows the root's counts promise, if the file could hold them: no record takes
    // fewer than 16 bytes, and a count beyond that is refused at the end anyway. Without the
    // room, the rows grow as they come.
    void reserveRows() noexcept
    {
        const qint64 persons = root.personCount ? root.personCount->toLongLong() : 0;
        const qint64 rels = root.relCount ? root.relCount->toLongLong() : 0;
        const qint64 most = std::min<qint64>(fileSize_ / 16, std::numeric_limits<int>::max());
        if (persons < 0 || rels < 0 || persons > most || rels > most - persons)
            return;
        try {
            table.reserve(static_cast<int>(persons), static_cast<int>(rels));
        } catch (const std::bad_alloc&) {
        } catch (const std::length_error&) {
        }
    }

    static std::optional<QString> Attribute(const char* name,
                                            std::span<const ScannedAttribute> attributes)
    {
        const std::optional<QByteArrayView> utf8 = AttributeUtf8(name, attributes);
        if (!utf8)
            return std::nullopt;
        return QString::fromUtf8(*utf8);
    }

    static std::optional<QByteArrayView> AttributeUtf8(const char* name,
                                                       std::span<const ScannedAttribute> attributes)
    {
        for (const ScannedAttribute& a : attributes) {
            if (std::strcmp(a.name, name) == 0)
                return a.value;
        }
        return std::nullopt;
    }

    void startRecord(const char* localName, std::span<const ScannedAttribute> attributes)
    {
        capturing_ = false;
        seen_ = 0;
        if (std::strcmp(localName, kPersonElement) == 0)
            kind_ = RecordKind::Person;
        else if (std::strcmp(localName, kRelElement) == 0)
            kind_ = RecordKind::Rel;
        else
            kind_ = RecordKind::Other;
        const int record = table.appendRecord(kind_);
        if (refusal)
            return;
        // Called from inside the parser: nothing may be thrown through it.
        try {
            if (kind_ == RecordKind::Person) {
                row_ = table.appendPerson(record);
                const std::optional<QByteArrayView> id = AttributeUtf8(kIdAttribute, attributes);
                check(id, localName, kIdAttribute, RecordKind::Person, 0);
                table.setPersonId(row_, *id);
            } else if (kind_ == RecordKind::Rel) {
                const auto id1 = AttributeUtf8(kId1Attribute, attributes);
                const auto id2 = AttributeUtf8(kId2Attribute, attributes);
                row_ = table.relCount() + static_cast<int>(pendingRels_.size());
                check(id1, localName, kId1Attribute, RecordKind::Rel, 0);
                check(id2, localName, kId2Attribute, RecordKind::Rel, 1);
                holdRel(record, {id1, id2, AttributeUtf8(kDirAttribute, attributes),
                                 AttributeUtf8(kInvAttribute, attributes)});
            }
        } catch (...) {
            refusal = std::current_exception();
        }
    }

    // A relationship's texts (ID1, ID2, Dir, Inv), held back until a batch of them is appended.
    void holdRel(int record, const std::array<std::optional<QByteArrayView>, 4>& texts)
    {
        PendingRel rel;
        rel.record = record;
        for (size_t i = 0; i < texts.size(); ++i) {
            if (!texts[i])
                continue;
            rel.texts[i] = {static_cast<qsizetype>(pendingText_.size()), texts[i]->size()};
            pendingText_.append(texts[i]->data(), static_cast<size_t>(texts[i]->size()));
        }
        pendingRels_.push_back(rel);
        if (pendingRels_.size() >= kRelBatch)
            flushRels();
    }

    void check(std::optional<QByteArrayView> id, const char* recordName, const char* attribute,
               RecordKind kind, int side)
    {
        if (std::optional<OlderId> older = CheckIdText(id, recordName, attribute, idCodePage))
            rewrites.push_back({row_, kind, side, std::move(*older)});
    }

    // The place in the field table of a listed field named `localName`, -1 for any other
    // element.
    int FieldNamed(const char* localName)
    {
        // Every person of a register holds its fields in the same order: the one after the last
        // field is nearly always the next. With the scan's cheaper hash of names, a start on 100k
        // persons took 407 ms of CPU against 416 ms (medians of 10).
        if (nextName_ < names_.size() && names_[nextName_].first == localName)
            return names_[nextName_++].second;
        for (size_t i = 0; i < names_.size(); ++i) {
            if (names_[i].first == localName) {
                nextName_ = i + 1;
                return names_[i].second;
            }
        }
        int found = -1;
        for (size_t i = 0; i < kPersonFields.size(); ++i) {
            if (kCacheSlotOf[i] >= 0 && std::strcmp(kPersonFields[i].element, localName) == 0)
                found = static_cast<int>(i);
        }
        names_.emplace_back(localName, found);
        nextName_ = names_.size();
        return found;
    }

    LoadProgress* progress_;
    qint64 fileSize_;
    int depth_ = 0;
    RecordKind kind_ = RecordKind::Other;
    int row_ = -1;
    int field_ = -1;
    std::uint32_t seen_ = 0;  // the fields of the current person read so far: the first counts
    bool capturing_ = false;
    std::string text_;
    std::vector<std::pair<const char*, int>> names_;
    size_t nextName_ = 0;
    struct PendingText {
        qsizetype at = -1;  // in pendingText_; -1 for an attribute the record lacks
        qsizetype length = 0;
    };
    struct PendingRel {
        int record = 0;
        std::array<PendingText, 4> texts;
    };
    static constexpr size_t kRelBatch = 64;
    std::vector<PendingRel> pendingRels_;
    std::string pendingText_;
    std::vector<ScannedAttribute> parserAttributes_;
    std::vector<QByteArray> decoded_;
};

static_assert(kPersonFields.size() <= 32, "a person's read fields are one bit each");

TableReader& ReaderOf(void* userData)
{
    return *static_cast<TableReader*>(WatchOf(userData).reader);
}

// Runs one handler of the parser's. Nothing may unwind through libxml2's C frames: what the table
// throws (out of memory, say) stops the parser and is thrown again once it has returned.
template <class Step>
void Handle(void* userData, Step&& step) noexcept
{
    TableReader& reader = ReaderOf(userData);
    if (reader.failure)
        return;
    try {
        step(reader);
    } catch (...) {
        reader.failure = std::current_exception();
        xmlStopParser(static_cast<xmlParserCtxtPtr>(userData));
    }
}

void StartElement(void* userData, const xmlChar* localName, const xmlChar*, const xmlChar*, int,
                  const xmlChar**, int attributeCount, int defaultedCount,
                  const xmlChar** attributes)
{
    Handle(userData, [&](TableReader& reader) {
        reader.startFromParser(localName, attributeCount, defaultedCount, attributes);
    });
}

void EndElement(void* userData, const xmlChar*, const xmlChar*, const xmlChar*)
{
    Handle(userData, [](TableReader& reader) { reader.elementEnded(); });
}

void Characters(void* userData, const xmlChar* characters, int length)
{
    Handle(userData, [&](TableReader& reader) {
        reader.textRead(QByteArrayView(AsChars(characters), length));
    });
}

void ProcessingInstruction(void*, const xmlChar*, const xmlChar*) {}
void Reference(void*, const xmlChar*) {}
void Comment(void*, const xmlChar*) {}

// Reads the records of a file in UTF-8 with the own scan; false when the file is in another
// encoding or the scan gave up, and the parser must read it with a new reader.
bool ReadByOwnScan(KeptRegister& kept, ByteForm byteForm, TableReader& reader,
                   std::vector<RecordSpan>& spans)
{
    if (byteForm != ByteForm::AsciiCompatible)
        return false;
    FileHead head = FileHeadOf(kept.bytes, byteForm);
    if (!head.declared.isEmpty() && head.declared.compare("UTF-8", Qt::CaseInsensitive) != 0)
        return false;
    reader.parseStarting(head.declared);
    Utf8Scan scan = ScanUtf8Markup(kept.bytes, reader);
    if (scan.end == ScanEnd::Stopped)
        throw ParseStopped();
    if (scan.end == ScanEnd::GaveUp)
        return false;
    // As the parse has it for a file in UTF-8.
    kept.form = head.form;
    kept.form.crlf = head.crlfLines;
    if (head.form.hasDeclaration)
        kept.prolog = std::move(head.prolog);
    spans = std::move(scan.spans);
    return true;
}

}  // namespace

KeptRegister ReadKeptRegister(QByteArray bytes, const Clock& clock, LoadProgress* progress,
                              KeptReader readers)
{
    KeptRegister kept;
    kept.bytes = std::move(bytes);
    const ByteForm byteForm = ByteFormOf(kept.bytes);
    auto reader = std::make_unique<TableReader>(progress, kept.bytes.size());
    std::vector<RecordSpan> spans;
    // The refusal before parsing can find nothing in a file the own scan reads: it refuses too
    // many attributes and declared entities, and the scan gives up at any document type and at
    // half as many attributes. Left out for those files, it saves 12-14 % of a 100k start
    // (docs/performance.md); every other file meets it first, as the document's load does.
    kept.readByOwnScan = readers == KeptReader::OwnScanFirst &&
                         ReadByOwnScan(kept, byteForm, *reader, spans);
    if (!kept.readByOwnScan) {
        RefuseBeforeParsing(kept.bytes, byteForm);
        if (readers == KeptReader::OwnScanFirst)
            reader = std::make_unique<TableReader>(progress, kept.bytes.size());
        ParseHandlers handlers;
        handlers.refusedBefore = true;
        TableReader* parserReader = reader.get();
        handlers.configure = [parserReader](xmlParserCtxt* ctxt, ParseWatch& watch) {
            watch.reader = parserReader;
            watch.startElement = StartElement;
            watch.processingInstruction = ProcessingInstruction;
            watch.reference = Reference;
            ctxt->sax->endElementNs = EndElement;
            ctxt->sax->characters = Characters;
            ctxt->sax->ignorableWhitespace = Characters;
            ctxt->sax->cdataBlock = Characters;
            ctxt->sax->comment = Comment;
        };
        handlers.hasRoot = [parserReader](const xmlDoc*) { return parserReader->sawRoot; };
        std::optional<GuardedParse> parsed;
        try {
            parsed = RunGuardedParse(kept.bytes, parserReader, handlers);
        } catch (...) {
            // The parse stopped for the table's own failure, not for anything in the file.
            if (parserReader->failure)
                std::rethrow_exception(parserReader->failure);
            throw;
        }
        if (parserReader->failure)
            std::rethrow_exception(parserReader->failure);
        kept.form = parsed->form;
        kept.prolog = std::move(parsed->prolog);
    }
    reader->flushRels();
    kept.idPrefix = CheckRootHead(reader->root, clock);
    if (reader->refusal)
        std::rethrow_exception(reader->refusal);
    RecordTable& table = reader->table;
    kept.idCodePage = SettleOlderIds(reader->idCodePage, reader->rewrites);
    for (TableRewrite& rewrite : reader->rewrites) {
        const QByteArray to = rewrite.id.to.toUtf8();
        if (rewrite.kind == RecordKind::Person) {
            table.renamePersonId(rewrite.row, to);
            kept.changedRecords.push_back(table.recordOfPerson(rewrite.row));
        } else {
            table.renameRelId(rewrite.row, rewrite.side, to);
            const int record = table.recordOfRel(rewrite.row);
            if (kept.changedRecords.empty() || kept.changedRecords.back() != record)
                kept.changedRecords.push_back(record);
        }
        kept.conversions.push_back({std::move(rewrite.id.from), std::move(rewrite.id.to)});
    }
    CheckStoredCounts(reader->root, table.personCount(), table.relCount());
    if (progress && !progress->goOn(kept.bytes.size(), kept.bytes.size()))
        throw ParseStopped();
    table.setSpans(kept.readByOwnScan ? std::move(spans)
                                      : FindRecordSpans(kept.bytes, byteForm));
    kept.table = std::move(table);
    return kept;
}

}  // namespace orvanel
