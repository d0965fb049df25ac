#include "store/load.h"

#include "store/data_file.h"
#include "store/errors.h"
#include "store/file_date.h"
#include "store/person_id.h"
#include "store/quoted_text.h"

namespace orvanel {

namespace {

QString refusal(const QString& detail)
{
    return QStringLiteral("Invalid data file content (%1)!").arg(detail);
}

// Reads and converts one identifier attribute of a record; refuses what cannot be an identifier.
void normalizeAttribute(Element record, const char* name, Register& reg, LoadReport& report)
{
    const std::optional<QString> id = record.attribute(name);
    if (!id)
        throw LoadRefused(refusal(QStringLiteral("a %1 without %2").arg(record.localName(),
                                                                        QString::fromLatin1(name))));
    if (id->isEmpty())
        throw LoadRefused(refusal(QStringLiteral("a %1 with an empty %2")
                                      .arg(record.localName(), QString::fromLatin1(name))));
    NormalizedId normalized;
    try {
        normalized = NormalizeId(*id);
    } catch (const ESlikts_formats& e) {
        throw LoadRefused(QStringLiteral("Invalid data file content (wrong ID : ") +
                          quotedInMessage(e.message()) + QStringLiteral(" )!"));
    }
    if (normalized.converted) {
        record.setAttribute(name, normalized.id);
        reg.modified = true;
        report.conversions.push_back({*id, normalized.id});
    }
}

void loadInto(Register& reg, const Clock& clock, LoadReport& report)
{
    DataFileContent file = ReadDataFile(reg.dataPath());
    reg.doc = Document::parse(file.bytes);
    reg.loadedFile = std::move(file.identity);
    Element root = reg.doc.root();

    const std::optional<QString> prefix = root.attribute("Prefix");
    if (!prefix)
        throw LoadRefused(refusal(QStringLiteral("the root has no Prefix")));
    reg.idPrefix = firstCharacters(*prefix, 2);

    const std::optional<QString> dateModified = root.attribute("DateModified");
    if (!dateModified)
        throw LoadRefused(refusal(QStringLiteral("the root has no DateModified")));
    try {
        parseFileDate(*dateModified, clock.today());
    } catch (const InvalidDate&) {
        throw LoadRefused(refusal(QStringLiteral("DateModified: ") +
                                  InvalidDate(quotedInMessage(*dateModified)).message()));
    }

    reg.personCounter = 0;
    reg.relCounter = 0;
    reg.modified = false;
    const int count = reg.doc.rootCount();
    for (int i = 0; i < count; ++i) {
        Element node = reg.doc.rootChild(i);
        if (node.hasLocalName("Person")) {
            normalizeAttribute(node, "ID", reg, report);
            ++reg.personCounter;
        } else if (node.hasLocalName("Rel")) {
            normalizeAttribute(node, "ID1", reg, report);
            normalizeAttribute(node, "ID2", reg, report);
            ++reg.relCounter;
        }
    }

    // The stored counts must match exactly as text: "007" is not 7.
    if (root.attribute("PersonCount") != QString::number(reg.personCounter) ||
        root.attribute("RelCount") != QString::number(reg.relCounter))
        throw LoadRefused(QStringLiteral("Invalid data file content!"));
}

}  // namespace

LoadReport LoadRegister(Register& reg, Messages& messages, const Clock& clock)
{
    LoadReport report;
    reg.loadFailed = false;
    try {
        loadInto(reg, clock, report);
    } catch (const Error& e) {
        // A refused file leaves no half-loaded register behind: nothing of it can be saved.
        reg.doc = Document();
        reg.personCounter = 0;
        reg.relCounter = 0;
        reg.modified = false;
        reg.idPrefix.clear();
        reg.loadedFile = DataFileIdentity();
        reg.loadFailed = true;
        report.conversions.clear();
        report.refusal = e.message();
        messages.error(e.message());
    }
    return report;
}

}  // namespace orvanel
