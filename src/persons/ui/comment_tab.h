#pragma once

#include "persons/person_record.h"
#include "persons/ui/person_fields_tab.h"

class QPlainTextEdit;

namespace orvanel {

// The person dialog's "Comment" tab: one memo filling the whole tab.
class CommentTab : public PersonFieldsTab {
    Q_OBJECT

public:
    explicit CommentTab(QWidget* parent = nullptr);

    void showRecord(const PersonRecord& record) override;
    void readInto(PersonRecord& record) const override;
    void setEditable(bool editable) override;

    StoredTexts storedTexts() const override;
    QList<QWidget*> focusChain() const override;

private:
    QPlainTextEdit* memo_comment = nullptr;
};

}  // namespace orvanel
