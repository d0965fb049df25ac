#pragma once

#include "store/document.h"
#include "store/person_cache.h"

#include <QString>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace orvanel {

// An identifier attribute that the file holds in an older form, to be written in its current one.
struct IdRewrite {
    Element record;
    const char* attribute;
    QString from;
    QString to;
};

// What the load's pass over the records found.
struct RecordPass {
    int persons = 0;
    int rels = 0;
    PersonCache listed;               // every Person, its identifier as the file holds it
    std::vector<IdRewrite> rewrites;  // in document order
};

// The load's one pass over the records, run on a thread of its own while the parser still reads
// the file: each child of the root is read as soon as the parser has closed it. It counts the
// persons and relationships, lists the persons and checks every identifier, noting those in an
// older form; the document is only read. Hand it to Document::parse, then take the result.
class RecordPassBesideParse final : public ParseObserver {
public:
    // Starts the pass's thread, running `body`; throws std::system_error when the system has no
    // thread to give, as std::thread does.
    using ThreadStart = std::function<std::thread(std::function<void()> body)>;
    static std::thread StartThread(std::function<void()> body);

    // The thread is started last, once everything else of the pass is in place; when it cannot
    // be started, the pass reads each record on the parser's thread as it is closed.
    explicit RecordPassBesideParse(const ThreadStart& start = StartThread);
    ~RecordPassBesideParse() override;
    RecordPassBesideParse(const RecordPassBesideParse&) = delete;
    RecordPassBesideParse& operator=(const RecordPassBesideParse&) = delete;

    void rootChildClosed(Element child) override;
    void parseEnded() override;

    // After the parse: what the pass found, its handles tied to `doc`. Throws LoadRefused for the
    // first identifier in document order that cannot be one.
    RecordPass result(Document& doc);

private:
    void handOver();
    void run();

    std::vector<Element> batch_;  // the parser's thread only

    std::mutex mutex_;
    std::condition_variable handedOver_;
    std::vector<Element> waiting_;
    bool ended_ = false;

    // The pass's thread only, until it has been joined.
    RecordPass found_;
    std::exception_ptr refusal_;

    std::thread thread_;
};

}  // namespace orvanel
