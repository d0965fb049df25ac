#pragma once

#include "persons/ui/person_fields_tab.h"

namespace orvanel {

// The person dialog's "Contact" tab: the postal address on the left, the phones and the e-mail
// address on the right.
class ContactTab : public PersonFieldsTab {
    Q_OBJECT

public:
    explicit ContactTab(QWidget* parent = nullptr);
};

}  // namespace orvanel
