#include "persons/ui/comment_tab.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orvanel {

CommentTab::CommentTab(QWidget* parent) : PersonFieldsTab(parent)
{
    setObjectName(QStringLiteral("ts_comment"));
    memo_comment = FieldMemo(this, "memo_comment");
    memo_comment->setAccessibleName(tr("Comment"));
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(memo_comment);
}

void CommentTab::showRecord(const PersonRecord& record)
{
    memo_comment->setPlainText(FillMemo(record.comment).join(QLatin1Char('\n')));
}

void CommentTab::readInto(PersonRecord& record) const
{
    record.comment = memo_comment->toPlainText();
}

void CommentTab::setEditable(bool editable)
{
    memo_comment->setReadOnly(!editable);
}

StoredTexts CommentTab::storedTexts() const
{
    return {{memo_comment, tr("Comment"), memo_comment->toPlainText()}};
}

QList<QWidget*> CommentTab::focusChain() const
{
    return {memo_comment};
}

}  // namespace orvanel
