#include "store/file_form_filter.h"

#include <algorithm>
#include <utility>

namespace orvanel {

namespace {

constexpr QByteArrayView kLittleEndianMark("\xFF\xFE", 2);
constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);
constexpr QByteArrayView kDeclarationOpen("<?xml");
constexpr QByteArrayView kDeclarationClose("?>");

// Whether `head` can still turn out to start with `pattern`: it does, or it is a beginning of it.
bool MayStart(QByteArrayView head, QByteArrayView pattern)
{
    const qsizetype n = std::min(head.size(), pattern.size());
    return head.first(n) == pattern.first(n);
}

}  // namespace

FileFormFilter::FileFormFilter(const FileForm& form, QByteArray prolog, ByteSink out)
    : form_(form),
      prolog_(std::move(prolog)),
      out_(std::move(out)),
      swap_(form.utf16BigEndian ? Step::Undecided : Step::Pass),
      declaration_(prolog_.isEmpty() ? Step::Pass : Step::Undecided),
      mark_(form.utf8Bom ? Step::Undecided : Step::Pass)
{
}

void FileFormFilter::write(QByteArrayView piece)
{
    if (!piece.isEmpty())
        swapBytes(piece);
}

void FileFormFilter::finish()
{
    // Each step gives on what it holds before the next one is told the end: a step left
    // undecided at the end takes its bytes as they are, as the whole file would have been taken.
    if (swap_ == Step::Undecided) {
        swap_ = Step::Pass;
        endLines(std::exchange(swapHead_, {}));
    } else if (oddByteHeld_) {
        oddByteHeld_ = false;
        endLines(QByteArrayView(&oddByte_, 1));
    }
    if (declaration_ == Step::Undecided) {
        declaration_ = Step::Pass;
        restoreByteOrderMark(std::exchange(declarationHead_, {}));
    }
    if (mark_ == Step::Undecided) {
        mark_ = Step::Pass;
        out_(kUtf8Mark);
        if (!markHead_.isEmpty())
            out_(std::exchange(markHead_, {}));
    }
}

void FileFormFilter::swapBytes(QByteArrayView piece)
{
    if (swap_ == Step::Undecided) {
        const qsizetype take = std::min(piece.size(), 2 - swapHead_.size());
        swapHead_.append(piece.first(take));
        piece = piece.sliced(take);
        if (swapHead_.size() < 2)
            return;
        swap_ = swapHead_ == kLittleEndianMark ? Step::Change : Step::Pass;
        const QByteArray head = std::exchange(swapHead_, {});
        swapBytes(head);
        if (piece.isEmpty())
            return;
    }
    if (swap_ == Step::Pass) {
        endLines(piece);
        return;
    }
    swapped_.clear();
    if (oddByteHeld_)
        swapped_.append(oddByte_);
    swapped_.append(piece);
    const qsizetype pairs = swapped_.size() & ~qsizetype{1};
    oddByteHeld_ = pairs != swapped_.size();
    if (oddByteHeld_)
        oddByte_ = swapped_.back();
    for (qsizetype i = 0; i < pairs; i += 2)
        std::swap(swapped_[i], swapped_[i + 1]);
    if (pairs > 0)
        endLines(QByteArrayView(swapped_).first(pairs));
}

void FileFormFilter::endLines(QByteArrayView piece)
{
    if (!form_.crlf || !piece.contains('\n')) {
        restoreDeclaration(piece);
        return;
    }
    // A line feed is one byte in every form that keeps CR LF, so no piece splits one.
    lines_.clear();
    qsizetype from = 0;
    for (qsizetype at = piece.indexOf('\n'); at >= 0; at = piece.indexOf('\n', from)) {
        lines_.append(piece.sliced(from, at - from));
        lines_.append("\r\n", 2);
        from = at + 1;
    }
    lines_.append(piece.sliced(from));
    restoreDeclaration(lines_);
}

void FileFormFilter::restoreDeclaration(QByteArrayView piece)
{
    if (declaration_ == Step::Pass) {
        restoreByteOrderMark(piece);
        return;
    }
    const qsizetype searchFrom = std::max<qsizetype>(0, declarationHead_.size() - 1);
    declarationHead_.append(piece);
    if (!MayStart(declarationHead_, kDeclarationOpen)) {
        declaration_ = Step::Pass;
        restoreByteOrderMark(std::exchange(declarationHead_, {}));
        return;
    }
    if (declarationHead_.size() < kDeclarationOpen.size())
        return;
    const qsizetype end = declarationHead_.indexOf(kDeclarationClose, searchFrom);
    if (end < 0)
        return;
    declaration_ = Step::Pass;
    const QByteArray head = std::exchange(declarationHead_, {});
    restoreByteOrderMark(prolog_);
    restoreByteOrderMark(QByteArrayView(head).sliced(end + kDeclarationClose.size()));
}

void FileFormFilter::restoreByteOrderMark(QByteArrayView piece)
{
    if (mark_ == Step::Pass) {
        if (!piece.isEmpty())
            out_(piece);
        return;
    }
    markHead_.append(piece);
    if (MayStart(markHead_, kUtf8Mark) && markHead_.size() < kUtf8Mark.size())
        return;
    if (!markHead_.startsWith(kUtf8Mark))
        out_(kUtf8Mark);
    mark_ = Step::Pass;
    out_(std::exchange(markHead_, {}));
}

}  // namespace orvanel
