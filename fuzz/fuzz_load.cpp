// Any bytes as the data file: loading either refuses them, leaving nothing half loaded, or gives
// a register that a user can add a person to, save, and load again with everything in place.
#include "store/clock.h"
#include "store/errors.h"
#include "store/file_date.h"
#include "store/kept_edits.h"
#include "store/kept_register.h"
#include "store/load.h"
#include "store/lookup.h"
#include "store/person_fields.h"
#include "store/person_id.h"
#include "store/register.h"
#include "store/save.h"
#include "support/fixed_clock.h"

#include <QDir>
#include <QFile>
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

// The same bytes read into the kept bytes and record table must be refused in the same words,
// or give the same persons, relationships, prefix and conversions as the document; and the own
// scan must agree with the parser.
void compareKept(const QByteArray& bytes, const Loaded& loaded, const FixedClock& clock)
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
    if (loaded.report.refused()) {
        if (kept || refusal != *loaded.report.refusal)
            finding("the kept register refused otherwise", refusal);
        return;
    }
    if (!kept)
        finding("the kept register refused a file the document loads", refusal);
    const RecordTable& table = kept->table;
    if (table.personCount() != loaded.reg.personCounter() ||
        table.relCount() != loaded.reg.relCounter() ||
        table.recordCount() != loaded.reg.doc.rootCount() || kept->idPrefix != loaded.reg.idPrefix ||
        kept->conversions.size() != loaded.report.conversions.size())
        finding("the kept register holds other records than the document");
    for (int p = 0; p < table.personCount(); ++p) {
        if (table.personId(p) != loaded.reg.persons().at(p).id())
            finding("the kept register holds another ID", table.personId(p).value_or(QString()));
        for (const PersonFieldInfo& info : kPersonFields) {
            if (info.keeping == CacheKeeping::None)
                continue;
            const QString text = loaded.reg.persons().at(p).textOrEmpty(info.field);
            if (table.personText(p, info.field) != text)
                finding("the kept register holds another field", info.element);
        }
    }
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
    compareKept(bytes, first, clock);
    if (first.reg.loadFailed()) {
        // A refusal names its reason and keeps nothing of the file.
        if (!first.report.refused() || first.report.refusal->isEmpty() ||
            !first.report.conversions.empty() || !first.reg.doc.isNull() ||
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

    // The same person added to the kept register and saved by copying the untouched records
    // gives the register the document's save gave.
    QString keptRefusal;
    const std::optional<KeptRegister> kept =
        readKept(bytes, clock, KeptReader::OwnScanFirst, keptRefusal);
    KeptEdits edits(*kept);
    if (added) {
        PersonValue person;
        person.id = newId;
        edits.addPerson(person);
    }
    KeptChanges changes = edits.changes();
    changes.rootAttributes = {{kDateModifiedAttribute, FormatFileDate(clock.today()).toLatin1()},
                              {kPersonCountAttribute, QByteArray::number(persons)},
                              {kRelCountAttribute, QByteArray::number(rels)}};
    QByteArray keptSaved;
    WriteKeptFile(*kept, changes, [&keptSaved](QByteArrayView piece) { keptSaved.append(piece); });
    {
        QFile file(dir.filePath(QStringLiteral("zok.xml")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(keptSaved) != keptSaved.size())
            finding("cannot write the kept save");
    }
    Loaded third;
    load(third, clock);
    if (third.reg.loadFailed())
        finding("a kept save is refused", third.report.refusal.value_or(QString()));
    if (!third.report.conversions.empty() || third.reg.doc.rootCount() != second.reg.doc.rootCount())
        finding("a kept save loads with other records");
    for (int i = 0; i < third.reg.doc.rootCount(); ++i) {
        const Element a = third.reg.doc.rootChild(i);
        const Element b = second.reg.doc.rootChild(i);
        if (a.localName() != b.localName() || a.text() != b.text())
            finding("a kept save holds another record", a.localName());
        for (const char* name : {"ID", "ID1", "ID2", "Dir", "Inv"}) {
            if (a.attribute(name) != b.attribute(name))
                finding("a kept save holds another attribute", QString::fromLatin1(name));
        }
        for (const PersonFieldInfo& info : kPersonFields) {
            const Element x = a.childOrNull(info.element);
            const Element y = b.childOrNull(info.element);
            if (bool(x) != bool(y) || (x && x.text() != y.text()))
                finding("a kept save holds another field", QString::fromLatin1(info.element));
        }
    }
    return 0;
}
