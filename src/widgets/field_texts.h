#pragma once

#include "store/person_fields.h"

#include <QString>

namespace orvanel {

// How the windows name a person's field, in the user's language: the field table holds the
// source texts, translated in one context, so every window says the same.

// Its caption: what the dialog's messages and screen readers call it.
QString FieldCaption(PersonField field);
// The title of its column in the lists of persons.
QString FieldColumnTitle(PersonField field);

}  // namespace orvanel
