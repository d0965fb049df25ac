#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace orvanel {

// The program's texts and Qt's own (standard buttons, edit menus, the calendar) in the user's
// language, installed for as long as this object lives. Create it before the first window, so
// that every window is built with translated texts; English stays when no translation matches.
class InstalledTranslations {
public:
    // `locale` gives the user's languages; the default follows LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
    explicit InstalledTranslations(const QLocale& locale = QLocale());
    ~InstalledTranslations();
    InstalledTranslations(const InstalledTranslations&) = delete;
    InstalledTranslations& operator=(const InstalledTranslations&) = delete;

    // The translation in use ("de", "lv", ...); empty for English.
    const QString& language() const { return language_; }

private:
    QTranslator program_;
    QTranslator qt_;
    QString language_;
    bool programInstalled_ = false;
    bool qtInstalled_ = false;
};

// The languages the program is translated into, as found among its built-in translations.
QStringList ProgramTranslations();

}  // namespace orvanel
