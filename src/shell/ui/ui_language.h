#pragma once

#include <QString>
#include <QStringList>

namespace orvanel {

// The translation to use for a user who prefers `preferred` languages, most wanted first (as
// QLocale::uiLanguages() gives them, "de-AT", "lv", "en-GB", ...), when the program is translated
// into `translated` ("de", "pt_BR", ...). The first preferred language the program speaks wins;
// English, the program's own language, wins as well and gives the empty text, and so does a list
// with no language the program speaks. A regional translation is taken before the plain one.
QString ChosenTranslation(const QStringList& preferred, const QStringList& translated);

}  // namespace orvanel
