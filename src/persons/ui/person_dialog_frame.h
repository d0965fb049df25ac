#pragma once

#include "persons/ui/person_dialog.h"

class QPushButton;
class QTabWidget;

namespace orvanel {

// The person dialog's own controls around its tabs.
struct TForm_Person::Frame {
    QPushButton* btn_Ok = nullptr;
    QPushButton* btn_Cancel = nullptr;
    QTabWidget* pgc_Persona = nullptr;
};

}  // namespace orvanel
