#pragma once

#include "persons/ui/person_fields_tab.h"

namespace orvanel {

// The person dialog's "Comment" tab: one memo filling the whole tab.
class CommentTab : public PersonFieldsTab {
    Q_OBJECT

public:
    explicit CommentTab(QWidget* parent = nullptr);
};

}  // namespace orvanel
