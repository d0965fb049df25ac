#pragma once

#include <QString>

#include <optional>
#include <sys/types.h>

namespace orvanel {

// A file written beside its final name and put in its place only once every byte is on disk,
// so that a failed or interrupted write leaves the old file as it was.
//
// The new file is a temporary created in the same folder under a name of the program's own
// (store/temporary_files.h; never through a link: a link found under the final name is itself
// replaced, and its target is left alone), renamed over the final name, and the folder is
// flushed so that the rename survives a crash. Every failed write, a failed flush to disk and a
// failed change of permissions is reported. Temporaries of that form that an earlier,
// interrupted run left in the folder are removed first; no other file is.
class DurableFile {
public:
    // `shownName` names the file in error messages. With `mode`, the new file gets exactly
    // these permission bits (set while it is still empty); without, it keeps the bits of the
    // file it replaces, or the usual ones for a new file.
    DurableFile(const QString& path, const QString& shownName,
                std::optional<mode_t> mode = std::nullopt);
    ~DurableFile();
    DurableFile(const DurableFile&) = delete;
    DurableFile& operator=(const DurableFile&) = delete;

    // Each throws IoError; the old file is then untouched and no temporary file stays behind.
    void open();
    void write(const char* data, qint64 size);
    void commit();

    // True once the new file stands under the final name: a commit that failed after that
    // point (flushing the folder) has still replaced the old file.
    bool placed() const { return placed_; }

private:
    [[noreturn]] void fail(const QString& message);
    void discard();

    QString folder_;
    QByteArray finalName_;  // the name inside the folder, as the system sees it
    QByteArray tempName_;
    QString shownName_;
    std::optional<mode_t> mode_;
    int folderFd_ = -1;
    int fd_ = -1;
    bool placed_ = false;
};

}  // namespace orvanel
