#include "store/record_pass.h"

#include "store/errors.h"
#include "store/person_id.h"
#include "store/quoted_text.h"
#include "store/record_names.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <utility>

namespace orvanel {

namespace {

LoadRefused WrongId(const QString& id)
{
    //: %1 is the identifier as the file has it.
    return LoadRefused(QCoreApplication::translate("orvanel::Store",
                                                   "Invalid data file content (wrong ID : %1 )!")
                           .arg(QuotedInMessage(id)));
}

// Checks one identifier attribute and gives its text in UTF-8, viewed in the record or in
// `scratch`; refuses what cannot be an identifier and notes one in an older form.
QByteArrayView CheckIdAttribute(Element record, const char* name, IdCodePageChoice& idCodePage,
                                std::vector<IdRewrite>& rewrites, QByteArray& scratch)
{
    const std::optional<QByteArrayView> utf8 = record.attributeUtf8(name, scratch);
    if (!utf8)
        //: %1 and %2 are names of the data file's records and attributes (Person, ID1), shown as
        //: they are.
        throw LoadRefused(QCoreApplication::translate(
                              "orvanel::Store", "Invalid data file content (a %1 without %2)!")
                              .arg(record.localName(), QString::fromLatin1(name)));
    if (utf8->isEmpty())
        //: %1 and %2 are names of the data file's records and attributes (Person, ID1), shown as
        //: they are.
        throw LoadRefused(QCoreApplication::translate(
                              "orvanel::Store",
                              "Invalid data file content (a %1 with an empty %2)!")
                              .arg(record.localName(), QString::fromLatin1(name)));
    // Nearly every identifier of a file, checked from its bytes: making a text of each of the
    // 400,000 of 100k persons cost the load two allocations apiece (docs/performance.md).
    if (IsCurrentAsciiId(*utf8))
        return *utf8;
    const QString id = QString::fromUtf8(*utf8);
    std::optional<NormalizedId> normalized;
    try {
        normalized = idCodePage.normalize(id);
    } catch (const ESlikts_formats& e) {
        throw WrongId(e.message());
    }
    if (!normalized)
        rewrites.push_back({record, name, id, {}});  // converted once the code page is known
    else if (normalized->converted)
        rewrites.push_back({record, name, id, normalized->id});
    return *utf8;
}

void ReadRecord(const Element& node, IdCodePageChoice& idCodePage, RecordPass& found)
{
    QByteArray scratch1;
    if (node.hasLocalName(kPersonElement)) {
        CheckIdAttribute(node, kIdAttribute, idCodePage, found.rewrites, scratch1);
        found.listed.append(node);
        ++found.persons;
    } else if (node.hasLocalName(kRelElement)) {
        QByteArray scratch2;
        const size_t rewrites = found.rewrites.size();
        const QByteArrayView id1 =
            CheckIdAttribute(node, kId1Attribute, idCodePage, found.rewrites, scratch1);
        const QByteArrayView id2 =
            CheckIdAttribute(node, kId2Attribute, idCodePage, found.rewrites, scratch2);
        // A relationship is filed under the identifiers it will hold once the load is done:
        // one holding an older form waits for FileRewrittenRelations.
        if (found.rewrites.size() == rewrites)
            found.related.append(node, id1, id2);
        ++found.rels;
    }
}

// Files every relationship again, each under the identifiers the load writes into it, when one
// of them holds an identifier in an older form. A filed relationship knows only its neighbours in
// its chains, not its place in the document, so the late ones cannot be put in order among them:
// the walk files all of them in document order. Only registers of the older form pay for it.
// Rewrites follow the document's order.
void FileRewrittenRelations(RecordPass& pass, Document& doc)
{
    const bool anyRel =
        std::any_of(pass.rewrites.cbegin(), pass.rewrites.cend(),
                    [](const IdRewrite& r) { return r.record.hasLocalName(kRelElement); });
    if (!anyRel)
        return;
    pass.related = RelationIndex();
    pass.related.adoptInto(doc);
    size_t at = 0;
    for (int i = 0; i < doc.rootCount(); ++i) {
        const Element rel = doc.rootChild(i);
        if (!rel.hasLocalName(kRelElement))
            continue;
        QString id1 = rel.attribute(kId1Attribute).value_or(QString());
        QString id2 = rel.attribute(kId2Attribute).value_or(QString());
        while (at < pass.rewrites.size() && !pass.rewrites[at].record.hasLocalName(kRelElement))
            ++at;
        for (; at < pass.rewrites.size() && pass.rewrites[at].record == rel; ++at) {
            const IdRewrite& rewrite = pass.rewrites[at];
            (std::strcmp(rewrite.attribute, kId1Attribute) == 0 ? id1 : id2) = rewrite.to;
        }
        pass.related.append(rel, id1.toUtf8(), id2.toUtf8());
    }
}

}  // namespace

void RecordPassDuringParse::parseStarting(const QByteArray& declaredEncoding)
{
    idCodePage_ = IdCodePageChoice(declaredEncoding);
}

void RecordPassDuringParse::rootChildClosed(Element child)
{
    if (refusal_)
        return;
    // Called from inside the parser: nothing may be thrown through it.
    try {
        ReadRecord(child, idCodePage_, found_);
    } catch (...) {
        refusal_ = std::current_exception();
    }
}

RecordPass RecordPassDuringParse::result(Document& doc)
{
    if (refusal_)
        std::rethrow_exception(refusal_);
    RecordPass pass = std::move(found_);
    // Identifiers in the old form that waited for the code page are converted under it now.
    std::vector<QString> waiting;
    for (const IdRewrite& rewrite : pass.rewrites) {
        if (rewrite.to.isEmpty())
            waiting.push_back(rewrite.from);
    }
    pass.idCodePage = idCodePage_.settle(waiting);
    for (IdRewrite& rewrite : pass.rewrites) {
        if (!rewrite.to.isEmpty())
            continue;
        try {
            rewrite.to = NormalizeId(rewrite.from, pass.idCodePage).id;
        } catch (const ESlikts_formats& e) {
            throw WrongId(e.message());
        }
    }
    pass.listed.adoptInto(doc);
    pass.related.adoptInto(doc);
    for (IdRewrite& rewrite : pass.rewrites)
        rewrite.record = doc.adopt(rewrite.record);
    FileRewrittenRelations(pass, doc);
    return pass;
}

}  // namespace orvanel
