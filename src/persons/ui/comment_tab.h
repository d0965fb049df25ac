#pragma once

#include "persons/person_record.h"
#include "persons/ui/person_tab_controls.h"

#include <QWidget>

class QPlainTextEdit;

namespace orvanel {

// The person dialog's "Comment" tab: one memo filling the whole tab.
class CommentTab : public QWidget {
    Q_OBJECT

public:
    explicit CommentTab(QWidget* parent = nullptr);

    void showRecord(const PersonRecord& record);
    void readInto(PersonRecord& record) const;
    void setEditable(bool editable);

    StoredTexts storedTexts() const;
    QList<QWidget*> focusChain() const;

private:
    QPlainTextEdit* memo_comment = nullptr;
};

}  // namespace orvanel
