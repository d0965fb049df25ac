#include "shell/ui/program_identity.h"

#include "widgets/pictures.h"

#include <QApplication>

namespace orvanel {

void IdentifyProgram()
{
    QApplication::setApplicationName(QStringLiteral("Orvanel"));
    QGuiApplication::setDesktopFileName(QLatin1String(kDesktopEntryName));
    QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace orvanel
