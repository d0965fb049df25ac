#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace orvanel {

// XML 1.0 cannot hold most control characters, unpaired surrogates, U+FFFE or U+FFFF: a file
// holding one could not be read again.

// Position of the first such character of `text`, or -1 when it can be stored as it is.
qsizetype FirstUnstorableCharacter(const QString& text);

// The text with every such character replaced by U+FFFD, so that a saved file always loads.
QString StorableText(const QString& text);

// The storable form of a text in UTF-8, ended by a NUL, as the register writes it. A text of a
// record's usual length is encoded into a buffer of its own rather than into a QByteArray that
// is made and freed again: an import of 100k persons writes two million texts
// (docs/performance.md).
class StorableUtf8 {
public:
    explicit StorableUtf8(const QString& text);
    StorableUtf8(const StorableUtf8&) = delete;
    StorableUtf8& operator=(const StorableUtf8&) = delete;

    const char* data() const { return data_; }
    qsizetype size() const { return size_; }
    QByteArrayView view() const { return {data_, size_}; }

private:
    char buffer_[512];
    QByteArray long_;
    const char* data_ = nullptr;
    qsizetype size_ = 0;
};

}  // namespace orvanel
