#pragma once

#include <QtGlobal>

namespace orvanel {

// Told how far a load has come, between the pieces of the file that the parser is fed, so that a
// window can show a long load and let the user stop it. The store shows nothing itself.
class LoadProgress {
public:
    virtual ~LoadProgress() = default;
    // `done` of the file's `total` bytes are read. False stops the load: it ends without a
    // register and reports that it was stopped (LoadReport::stopped), not that the file was
    // refused. Called from inside the parser, so it must not throw.
    virtual bool goOn(qint64 done, qint64 total) noexcept = 0;
};

}  // namespace orvanel
