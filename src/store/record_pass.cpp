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

// Checks one identifier attribute and gives its text in UTF-8, viewed in the record or in
// `scratch`; notes one in an older form.
QByteArrayView CheckIdAttribute(Element record, const char* name, IdCodePageChoice& idCodePage,
                                std::vector<IdRewrite>& rewrites, QByteArray& scratch)
{
    const std::optional<QByteArrayView> utf8 = record.attributeUtf8(name, scratch);
    if (std::optional<OlderId> older =
            CheckIdText(utf8, record.localNameUtf8(), name, idCodePage))
        rewrites.push_back({record, name, std::move(*older)});
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
            (std::strcmp(rewrite.attribute, kId1Attribute) == 0 ? id1 : id2) = rewrite.id.to;
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
    pass.idCodePage = SettleOlderIds(idCodePage_, pass.rewrites);
    pass.listed.adoptInto(doc);
    pass.related.adoptInto(doc);
    for (IdRewrite& rewrite : pass.rewrites)
        rewrite.record = doc.adopt(rewrite.record);
    FileRewrittenRelations(pass, doc);
    return pass;
}

}  // namespace orvanel
