#include "shell/ui/main_window.h"
#include "shell/ui/program_identity.h"
#include "widgets/qt_messages.h"
#include "shell/ui/translations.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    orvanel::IdentifyProgram();
    // Before any window: each window takes its texts when it is built.
    const orvanel::InstalledTranslations translations;

    orvanel::QtMessages messages;
    const orvanel::SystemClock clock;
    // The data file lives in the working directory.
    orvanel::TForm1 mainWindow(QStringLiteral("."), messages, clock);
    // The user closed the window of a slow load: nothing was read that could be shown or saved.
    if (mainWindow.loadStopped())
        return 0;
    mainWindow.show();
    return app.exec();
}
