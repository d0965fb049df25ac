#include "store/kept_register.h"

#include "store/guarded_parse.h"
#include "store/id_check.h"
#include "store/id_code_page.h"
#include "store/markup_scan.h"
#include "store/parser_guards.h"
#include "store/record_names.h"
#include "store/root_checks.h"
#include "store/xml_node.h"

#include <cstring>
#include <exception>
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

// What the parse's handlers read into the table as the parser goes, one element at a time: the
// root's attributes, each record's kind and identifiers, and the text of each listed field of a
// person. Depth counts the open elements: 1 is the root, 2 a record, 3 a field of it.
class TableReader final : public ParseObserver {
public:
    explicit TableReader(LoadProgress* progress) : progress_(progress) {}

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

    void start(const xmlChar* localName, int attributeCount, int defaultedCount,
               const xmlChar** attributes)
    {
        ++depth_;
        // A default the DTD declares is not an attribute of the element, as in the document.
        const int written = attributeCount - defaultedCount;
        if (depth_ == 1) {
            sawRoot = true;
            root.prefix = Attribute(kPrefixAttribute, written, attributes);
            root.dateModified = Attribute(kDateModifiedAttribute, written, attributes);
            root.personCount = Attribute(kPersonCountAttribute, written, attributes);
            root.relCount = Attribute(kRelCountAttribute, written, attributes);
        } else if (depth_ == 2) {
            startRecord(AsChars(localName), written, attributes);
        } else if (depth_ == 3 && kind_ == RecordKind::Person && !refusal) {
            field_ = FieldNamed(localName);
            if (field_ >= 0 && (seen_ & (1u << field_)) == 0) {
                seen_ |= 1u << field_;
                capturing_ = true;
                text_.clear();
            }
        }
    }

    void end()
    {
        if (depth_ == 3 && capturing_) {
            table.setPersonText(row_, kPersonFields[static_cast<size_t>(field_)].field,
                                QByteArrayView(text_.data(), static_cast<qsizetype>(text_.size())));
            capturing_ = false;
        }
        --depth_;
    }

    void text(const xmlChar* characters, int length)
    {
        if (capturing_ && depth_ == 3)
            text_.append(AsChars(characters), static_cast<size_t>(length));
    }

    RecordTable table;
    IdCodePageChoice idCodePage;
    RootAttributes root;
    bool sawRoot = false;
    std::vector<TableRewrite> rewrites;
    std::exception_ptr refusal;  // the first; no record after it is read

private:
    // A plain attribute (one in no namespace) among the element's own, as the document would
    // give its text: the parser hands an ampersand on as "&#38;" for the tree to read again.
    static std::optional<QString> Attribute(const char* name, int count,
                                            const xmlChar** attributes)
    {
        QByteArray scratch;
        const std::optional<QByteArrayView> utf8 = AttributeUtf8(name, count, attributes, scratch);
        if (!utf8)
            return std::nullopt;
        return QString::fromUtf8(*utf8);
    }

    static std::optional<QByteArrayView> AttributeUtf8(const char* name, int count,
                                                       const xmlChar** attributes,
                                                       QByteArray& scratch)
    {
        for (int i = 0; i < count; ++i) {
            const xmlChar** a = attributes + 5 * i;
            if (a[1] != nullptr || std::strcmp(AsChars(a[0]), name) != 0)
                continue;
            const QByteArrayView value(AsChars(a[3]), a[4] - a[3]);
            if (std::memchr(value.data(), '&', static_cast<size_t>(value.size())) == nullptr)
                return value;
            scratch = value.toByteArray();
            scratch.replace("&#38;", "&");
            return QByteArrayView(scratch);
        }
        return std::nullopt;
    }

    void startRecord(const char* localName, int count, const xmlChar** attributes)
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
                QByteArray scratch;
                const std::optional<QByteArrayView> id =
                    AttributeUtf8(kIdAttribute, count, attributes, scratch);
                check(id, localName, kIdAttribute, RecordKind::Person, 0);
                table.setPersonId(row_, *id);
            } else if (kind_ == RecordKind::Rel) {
                QByteArray s1, s2, s3, s4;
                const auto id1 = AttributeUtf8(kId1Attribute, count, attributes, s1);
                const auto id2 = AttributeUtf8(kId2Attribute, count, attributes, s2);
                row_ = table.relCount();
                check(id1, localName, kId1Attribute, RecordKind::Rel, 0);
                check(id2, localName, kId2Attribute, RecordKind::Rel, 1);
                table.appendRel(record, id1, id2,
                                AttributeUtf8(kDirAttribute, count, attributes, s3),
                                AttributeUtf8(kInvAttribute, count, attributes, s4));
            }
        } catch (...) {
            refusal = std::current_exception();
        }
    }

    void check(std::optional<QByteArrayView> id, const char* recordName, const char* attribute,
               RecordKind kind, int side)
    {
        if (std::optional<OlderId> older = CheckIdText(id, recordName, attribute, idCodePage))
            rewrites.push_back({row_, kind, side, std::move(*older)});
    }

    // The place in the field table of a listed field named `localName`, -1 for any other
    // element. The parser keeps one copy of each name, so a name met before is found by its
    // address.
    int FieldNamed(const xmlChar* localName)
    {
        for (const auto& [name, field] : names_) {
            if (name == localName)
                return field;
        }
        int found = -1;
        for (size_t i = 0; i < kPersonFields.size(); ++i) {
            if (kCacheSlotOf[i] >= 0 && std::strcmp(kPersonFields[i].element, AsChars(localName)) == 0)
                found = static_cast<int>(i);
        }
        names_.emplace_back(localName, found);
        return found;
    }

    LoadProgress* progress_;
    int depth_ = 0;
    RecordKind kind_ = RecordKind::Other;
    int row_ = -1;
    int field_ = -1;
    std::uint32_t seen_ = 0;  // the fields of the current person read so far: the first counts
    bool capturing_ = false;
    std::string text_;
    std::vector<std::pair<const xmlChar*, int>> names_;
};

static_assert(kPersonFields.size() <= 32, "a person's read fields are one bit each");

TableReader& ReaderOf(void* userData)
{
    return *static_cast<TableReader*>(WatchOf(userData).reader);
}

void StartElement(void* userData, const xmlChar* localName, const xmlChar*, const xmlChar*, int,
                  const xmlChar**, int attributeCount, int defaultedCount,
                  const xmlChar** attributes)
{
    ReaderOf(userData).start(localName, attributeCount, defaultedCount, attributes);
}

void EndElement(void* userData, const xmlChar*, const xmlChar*, const xmlChar*)
{
    ReaderOf(userData).end();
}

void Characters(void* userData, const xmlChar* characters, int length)
{
    ReaderOf(userData).text(characters, length);
}

void ProcessingInstruction(void*, const xmlChar*, const xmlChar*) {}
void Reference(void*, const xmlChar*) {}
void Comment(void*, const xmlChar*) {}

}  // namespace

KeptRegister ReadKeptRegister(QByteArray bytes, const Clock& clock, LoadProgress* progress)
{
    KeptRegister kept;
    kept.bytes = std::move(bytes);
    TableReader reader(progress);
    ParseHandlers handlers;
    handlers.configure = [&reader](xmlParserCtxt* ctxt, ParseWatch& watch) {
        watch.reader = &reader;
        watch.startElement = StartElement;
        watch.processingInstruction = ProcessingInstruction;
        watch.reference = Reference;
        ctxt->sax->endElementNs = EndElement;
        ctxt->sax->characters = Characters;
        ctxt->sax->ignorableWhitespace = Characters;
        ctxt->sax->cdataBlock = Characters;
        ctxt->sax->comment = Comment;
    };
    handlers.hasRoot = [&reader](const xmlDoc*) { return reader.sawRoot; };
    GuardedParse parsed = RunGuardedParse(kept.bytes, &reader, nullptr, handlers);
    kept.form = parsed.form;
    kept.prolog = std::move(parsed.prolog);
    kept.idPrefix = CheckRootHead(reader.root, clock);
    if (reader.refusal)
        std::rethrow_exception(reader.refusal);
    RecordTable& table = reader.table;
    kept.idCodePage = SettleOlderIds(reader.idCodePage, reader.rewrites);
    for (TableRewrite& rewrite : reader.rewrites) {
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
    CheckStoredCounts(reader.root, table.personCount(), table.relCount());
    if (progress && !progress->goOn(kept.bytes.size(), kept.bytes.size()))
        throw ParseStopped();
    table.setSpans(FindRecordSpans(kept.bytes, ByteFormOf(kept.bytes)));
    kept.table = std::move(table);
    return kept;
}

}  // namespace orvanel
