#include "persons/ui/comment_tab.h"

#include "widgets/field_texts.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orvanel {

CommentTab::CommentTab(QWidget* parent) : PersonFieldsTab(parent)
{
    setObjectName(QStringLiteral("ts_comment"));
    auto* memo_comment = bind(FieldMemo(this, "memo_comment"), PersonField::Comment);
    // The memo has no caption of its own: screen readers name it by its field.
    memo_comment->setAccessibleName(FieldCaption(PersonField::Comment));
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(memo_comment);
}

}  // namespace orvanel
