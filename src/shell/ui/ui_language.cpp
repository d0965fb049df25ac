#include "shell/ui/ui_language.h"

#include <QLocale>

namespace orvanel {

QString ChosenTranslation(const QStringList& preferred, const QStringList& translated)
{
    for (const QString& wanted : preferred) {
        const QLocale locale(wanted);
        // "C" and unparsable names say nothing about a language: look further.
        if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
            continue;
        if (locale.language() == QLocale::English)
            return QString();
        if (translated.contains(locale.name()))
            return locale.name();
        const QString language = QLocale::languageToCode(locale.language());
        if (translated.contains(language))
            return language;
    }
    return QString();
}

}  // namespace orvanel
