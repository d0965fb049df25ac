// Any bytes as the data file: loading either refuses them, leaving nothing half loaded, or gives
// a register that a user can add a person to, save, and load again with everything in place.
// The register's reading and save are held to the whole file parsed into a document: the same
// refusals of the markup, the same records, and a save that gives what the same change made to
// the document gives.
#include "store/clock.h"
#include "store/document.h"
#include "store/errors.h"
#include "store/file_date.h"
#include "store/kept_register.h"
#include "store/load.h"
#include "store/lookup.h"
#include "store/person_fields.h"
#include "store/person_id.h"
#include "store/record_names.h"
#include "store/record_writing.h"
#include "store/register.h"
#include "store/save.h"
#include "support/fixed_clock.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <cstdint>
#include <optional>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace orvanel;

[[noreturn]] void finding(const char* what, const QString& detail = QString())
{
    std::fprintf(stderr, "FINDING: %s %s\n", what, detail.toUtf8().constData());
    std::abort();
}

// One folder for the whole run, in memory when the system offers it: a save flushes to disk.
const QString& folder()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/orvanel-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/orvanel-fuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Loaded {
    Register reg;
    LoadReport report;
};

void load(Loaded& loaded, const FixedClock& clock)
{
    loaded.reg.folder = folder();
    loaded.report = LoadRegister(loaded.reg, clock);
}

std::optional<KeptRegister> readKept(const QByteArray& bytes, const FixedClock& clock,
                                     KeptReader readers, QString& refusal)
{
    try {
        return ReadKeptRegister(bytes, clock, nullptr, readers);
    } catch (const Error& e) {
        refusal = e.message();
    } catch (const std::exception& e) {
        refusal = QString::fromLocal8Bit(e.what());
    }
    return std::nullopt;
}

// The own scan, where it reads a file, must give exactly the table the parser gives.
void compareReaders(const KeptRegister& fast, const KeptRegister& parsed)
{
    const RecordTable& a = fast.table;
    const RecordTable& b = parsed.table;
    if (a.recordCount() != b.recordCount() || a.personCount() != b.personCount() ||
        a.relCount() != b.relCount() || fast.prolog != parsed.prolog ||
        fast.form.crlf != parsed.form.crlf || fast.form.utf8Bom != parsed.form.utf8Bom ||
        fast.form.hasDeclaration != parsed.form.hasDeclaration ||
        fast.idCodePage.name() != parsed.idCodePage.name() ||
        fast.changedRecords != parsed.changedRecords)
        finding("the own scan read other records than the parser");
    for (int r = 0; r < a.recordCount(); ++r) {
        if (a.kindOf(r) != b.kindOf(r) || a.spanOf(r).begin != b.spanOf(r).begin ||
            a.spanOf(r).end != b.spanOf(r).end)
            finding("the own scan read another record than the parser");
    }
    for (int p = 0; p < a.personCount(); ++p) {
        if (a.personId(p) != b.personId(p))
            finding("the own scan read another ID than the parser");
        for (const PersonFieldInfo& info : kPersonFields) {
            if (info.keeping == CacheKeeping::None)
                continue;
            if (a.personHas(p, info.field) != b.personHas(p, info.field) ||
                a.personText(p, info.field) != b.personText(p, info.field))
                finding("the own scan read another field than the parser", info.element);
        }
    }
    for (int r = 0; r < a.relCount(); ++r) {
        for (int side = 0; side < 2; ++side) {
            if (a.relId(r, side) != b.relId(r, side) || a.relWord(r, side) != b.relWord(r, side))
                finding("the own scan read another relationship than the parser");
        }
    }
}

// The identifiers the kept register converted, from their old form to their current one.
QHash<QString, QString> ConversionsOf(const KeptRegister& kept)
{
    QHash<QString, QString> converted;
    for (const IdConversion& conversion : kept.conversions)
        converted.insert(conversion.from, conversion.to);
    return converted;
}

// Writes the converted identifiers into the document's records, as the load writes them.
void ConvertIds(Document& doc, const QHash<QString, QString>& converted)
{
    for (int i = 0; i < doc.rootCount(); ++i) {
        Element record = doc.rootChild(i);
        for (const char* name : {kIdAttribute, kId1Attribute, kId2Attribute}) {
            const std::optional<QString> id = record.attribute(name);
            if (id && converted.contains(*id))
                record.setAttribute(name, converted.value(*id));
        }
    }
}

// The same bytes read by the own scan and by the parser must be refused in the same words or
// give the same records; a file the whole document's parse refuses they refuse in its words,
// and a file it reads gives the document's records and persons' fields.
void compareKept(const QByteArray& bytes, const FixedClock& clock)
{
    QString refusal;
    const std::optional<KeptRegister> kept =
        readKept(bytes, clock, KeptReader::OwnScanFirst, refusal);
    QString parserRefusal;
    const std::optional<KeptRegister> parsed =
        readKept(bytes, clock, KeptReader::ParserOnly, parserRefusal);
    if (kept.has_value() != parsed.has_value() || refusal != parserRefusal)
        finding("the own scan refused otherwise than the parser", refusal + " / " + parserRefusal);
    if (kept)
        compareReaders(*kept, *parsed);
    Document doc;
    try {
        doc = Document::parse(bytes);
    } catch (const Error& e) {
        if (kept || refusal != e.message())
            finding("the kept register refused otherwise than the document", refusal);
        return;
    }
    if (!kept)
        return;  // refused past the markup, by the root's or the identifiers' checks
    ConvertIds(doc, ConversionsOf(*kept));
    const RecordTable& table = kept->table;
    if (table.recordCount() != doc.rootCount())
        finding("the kept register holds other records than the document");
    int person = 0;
    for (int i = 0; i < doc.rootCount(); ++i) {
        const Element record = doc.rootChild(i);
        if (!record.hasLocalName(kPersonElement))
            continue;
        if (person >= table.personCount())
            finding("the kept register holds fewer persons than the document");
        if (table.personId(person) != record.attribute(kIdAttribute))
            finding("the kept register holds another ID", table.personId(person).value_or(QString()));
        for (const PersonFieldInfo& info : kPersonFields) {
            if (info.keeping == CacheKeeping::None)
                continue;
            const Element child = record.childOrNull(info.element);
            if (table.personText(person, info.field) != (child ? child.text() : QString()))
                finding("the kept register holds another field", info.element);
        }
        ++person;
    }
    if (person != table.personCount())
        finding("the kept register holds more persons than the document");
}

// Every record of a register file, to compare two files record by record.
QStringList RecordsOf(Document& doc)
{
    QStringList out;
    for (int i = 0; i < doc.rootCount(); ++i) {
        const Element record = doc.rootChild(i);
        QString line = record.localName() + u'|' + record.text();
        for (const char* name : {"ID", "ID1", "ID2", "Dir", "Inv"})
            line += u'|' + record.attribute(name).value_or(QStringLiteral("-"));
        for (const PersonFieldInfo& info : kPersonFields) {
            const Element child = record.childOrNull(info.element);
            line += u'|' + (child ? child.text() : QStringLiteral("-"));
        }
        out << line;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QDir dir(folder());
    dir.remove(QStringLiteral("zok.bak"));
    {
        QFile file(dir.filePath(QStringLiteral("zok.xml")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            finding("cannot write the input file");
    }
    const FixedClock clock(QDate(2026, 12, 7));

    Loaded first;
    load(first, clock);
    compareKept(bytes, clock);
    if (first.reg.loadFailed()) {
        // A refusal names its reason and keeps nothing of the file.
        if (!first.report.refused() || first.report.refusal->isEmpty() ||
            !first.report.conversions.empty() || first.reg.loaded() ||
            first.reg.modified() || first.reg.personCounter() != 0 || first.reg.relCounter() != 0)
            finding("a refused load left state behind", first.report.refusal.value_or(QString()));
        return 0;
    }
    if (first.report.refused())
        finding("a load was refused without the register saying so", *first.report.refusal);

    // A user adds one person, as the program does, and saves. Like the program, it adds none
    // when the register's prefix makes identifiers that would not load back.
    Register& reg = first.reg;
    const QString newId = NextFreeId(reg, reg.personCounter());
    const bool added = IdReadsBack(newId, reg.idCodePage);
    if (added) {
        PersonValue person;
        person.id = newId;
        reg.addPerson(person);
    }
    const int persons = reg.personCounter();
    const int rels = reg.relCounter();
    const QString prefix = reg.idPrefix;
    try {
        SaveRegister(reg, clock);
    } catch (const Error& e) {
        finding("a loaded register could not be saved", e.message());
    }
    if (readAll(dir.filePath(QStringLiteral("zok.bak"))) != bytes)
        finding("the backup is not the file as it was");
    const QByteArray saved = readAll(dir.filePath(QStringLiteral("zok.xml")));

    // The saved register loads again, whole, with nothing left to convert.
    Loaded second;
    load(second, clock);
    if (second.reg.loadFailed())
        finding("a saved register is refused", second.report.refusal.value_or(QString()));
    if (second.reg.personCounter() != persons || second.reg.relCounter() != rels ||
        second.reg.idPrefix != prefix || second.reg.modified() || (added && !FindPerson(second.reg, newId)))
        finding("a saved register loads with other contents");

    // Saving what was loaded changes nothing more.
    try {
        SaveRegister(second.reg, clock);
    } catch (const Error& e) {
        finding("a reloaded register could not be saved", e.message());
    }
    if (readAll(dir.filePath(QStringLiteral("zok.xml"))) != saved)
        finding("saving a saved register changed it");

    // The same person added to the whole document, with the identifiers converted, gives the
    // records the register's save gave.
    Document doc = Document::parse(bytes);
    QString refusal;
    const std::optional<KeptRegister> kept =
        readKept(bytes, clock, KeptReader::OwnScanFirst, refusal);
    if (!kept)
        finding("a register that loaded is refused by its reader", refusal);
    ConvertIds(doc, ConversionsOf(*kept));
    if (added) {
        PersonValue person;
        person.id = newId;
        WritePersonRecord(doc.appendRootChild(kPersonElement), person);
    }
    Document savedDoc = Document::parse(saved);
    if (RecordsOf(savedDoc) != RecordsOf(doc))
        finding("a save holds other records than the same change made to the document");
    return 0;
}
