#include "store/record_pass.h"

#include "store/errors.h"
#include "store/person_id.h"
#include "store/quoted_text.h"
#include "store/record_names.h"

#include <QCoreApplication>
#include <system_error>
#include <utility>

namespace orvanel {

namespace {

// Records are handed to the pass in batches, so that the two threads meet once in a thousand
// records rather than at every one.
constexpr size_t kBatch = 1024;

// Checks one identifier attribute; refuses what cannot be an identifier and notes one in an
// older form.
void CheckIdAttribute(Element record, const char* name, std::vector<IdRewrite>& rewrites)
{
    const std::optional<QString> id = record.attribute(name);
    if (!id)
        //: %1 and %2 are names of the data file's records and attributes (Person, ID1), shown as
        //: they are.
        throw LoadRefused(QCoreApplication::translate(
                              "orvanel::Store", "Invalid data file content (a %1 without %2)!")
                              .arg(record.localName(), QString::fromLatin1(name)));
    if (id->isEmpty())
        //: %1 and %2 are names of the data file's records and attributes (Person, ID1), shown as
        //: they are.
        throw LoadRefused(QCoreApplication::translate(
                              "orvanel::Store",
                              "Invalid data file content (a %1 with an empty %2)!")
                              .arg(record.localName(), QString::fromLatin1(name)));
    NormalizedId normalized;
    try {
        normalized = NormalizeId(*id);
    } catch (const ESlikts_formats& e) {
        //: %1 is the identifier as the file has it.
        throw LoadRefused(QCoreApplication::translate("orvanel::Store",
                                                      "Invalid data file content (wrong ID : %1 )!")
                              .arg(QuotedInMessage(e.message())));
    }
    if (normalized.converted)
        rewrites.push_back({record, name, *id, normalized.id});
}

void ReadRecord(const Element& node, RecordPass& found)
{
    if (node.hasLocalName(kPersonElement)) {
        CheckIdAttribute(node, kIdAttribute, found.rewrites);
        found.listed.append(node);
        ++found.persons;
    } else if (node.hasLocalName(kRelElement)) {
        CheckIdAttribute(node, kId1Attribute, found.rewrites);
        CheckIdAttribute(node, kId2Attribute, found.rewrites);
        ++found.rels;
    }
}

}  // namespace

std::thread RecordPassBesideParse::StartThread(std::function<void()> body)
{
    if (qEnvironmentVariableIsSet("ORVANEL_LOAD_ONE_THREAD"))
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    return std::thread(std::move(body));
}

RecordPassBesideParse::RecordPassBesideParse(const ThreadStart& start)
{
    batch_.reserve(kBatch);
    try {
        thread_ = start([this] { run(); });
    } catch (const std::system_error&) {
        // Out of threads (EAGAIN): the same pass, on the parser's thread. A load is no reason to
        // lock the user out of their register.
    }
}

RecordPassBesideParse::~RecordPassBesideParse()
{
    parseEnded();
}

void RecordPassBesideParse::rootChildClosed(Element child)
{
    // Called from inside the parser: nothing may be thrown through it.
    try {
        if (!thread_.joinable()) {
            if (!refusal_)
                ReadRecord(child, found_);
            return;
        }
        batch_.push_back(child);
        if (batch_.size() >= kBatch)
            handOver();
    } catch (...) {
        const std::lock_guard lock(mutex_);
        if (!refusal_)
            refusal_ = std::current_exception();
    }
}

void RecordPassBesideParse::handOver()
{
    {
        const std::lock_guard lock(mutex_);
        waiting_.insert(waiting_.end(), batch_.begin(), batch_.end());
    }
    batch_.clear();
    handedOver_.notify_one();
}

void RecordPassBesideParse::parseEnded()
{
    if (!thread_.joinable())
        return;
    try {
        handOver();
    } catch (...) {
        const std::lock_guard lock(mutex_);
        if (!refusal_)
            refusal_ = std::current_exception();
    }
    {
        const std::lock_guard lock(mutex_);
        ended_ = true;
    }
    handedOver_.notify_one();
    thread_.join();
}

void RecordPassBesideParse::run()
{
    std::vector<Element> taken;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            handedOver_.wait(lock, [this] { return !waiting_.empty() || ended_; });
            if (waiting_.empty() || refusal_)
                return;  // ended, or nothing more worth reading
            taken.swap(waiting_);
        }
        try {
            for (const Element& node : taken)
                ReadRecord(node, found_);
        } catch (...) {
            const std::lock_guard lock(mutex_);
            if (!refusal_)
                refusal_ = std::current_exception();
        }
        taken.clear();
    }
}

RecordPass RecordPassBesideParse::result(Document& doc)
{
    parseEnded();
    if (refusal_)
        std::rethrow_exception(refusal_);
    RecordPass pass = std::move(found_);
    pass.listed.adoptInto(doc);
    for (IdRewrite& rewrite : pass.rewrites)
        rewrite.record = doc.adopt(rewrite.record);
    return pass;
}

}  // namespace orvanel
