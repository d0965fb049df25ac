#pragma once

#include "store/document.h"

#include <QByteArray>
#include <QByteArrayView>

namespace orvanel {

// Gives libxml2's output of a document back the form of the file it was read from, a piece at a
// time as the output comes, so that no copy of the whole file is ever held: UTF-16 big-endian
// stays big-endian (libxml2 writes little-endian), lines end in CR LF again, the file's own XML
// declaration comes back byte for byte, and so does a UTF-8 byte-order mark.
//
// The bytes given on are the same whatever the pieces: a pair of UTF-16 bytes or the declaration
// split between two pieces is held back until it is whole. Each step sees the output of the one
// before, in the order above.
class FileFormFilter {
public:
    // `prolog` is the declaration as the file had it, empty to keep libxml2's own.
    FileFormFilter(const FileForm& form, QByteArray prolog, ByteSink out);

    void write(QByteArrayView piece);
    // Gives on what is still held back; once, after the last piece.
    void finish();

private:
    enum class Step { Undecided, Change, Pass };

    void swapBytes(QByteArrayView piece);
    void endLines(QByteArrayView piece);
    void restoreDeclaration(QByteArrayView piece);
    void restoreByteOrderMark(QByteArrayView piece);

    FileForm form_;
    QByteArray prolog_;
    ByteSink out_;

    Step swap_;
    QByteArray swapHead_;  // the first bytes, until they tell whether libxml2 wrote UTF-16
    bool oddByteHeld_ = false;
    char oddByte_ = 0;
    QByteArray swapped_;

    QByteArray lines_;

    Step declaration_;
    QByteArray declarationHead_;  // from the start of the file to the end of its declaration

    Step mark_;
    QByteArray markHead_;
};

}  // namespace orvanel
