#include "export/export_report.h"

#include <QCoreApplication>
#include <QStringList>

namespace orvanel {

QString ExportReportText(const ExportReport& report)
{
    QStringList sentences;
    if (report.relationsLeftOut > 0)
        sentences << QCoreApplication::translate(
            "orvanel::Export",
            "%n relationship(s) lead to persons outside the export and were left out.", nullptr,
            report.relationsLeftOut);
    if (report.relationsUnwritable > 0)
        sentences << QCoreApplication::translate(
            "orvanel::Export",
            "%n relationship(s) of an unknown kind, or of a person with themselves, were left out.",
            nullptr, report.relationsUnwritable);
    if (report.parentsInFamiliesOfTheirOwn > 0)
        sentences << QCoreApplication::translate(
            "orvanel::Export",
            "%n parent(s) beyond a child's first two were written in families of their own.",
            nullptr, report.parentsInFamiliesOfTheirOwn);
    return sentences.join(QLatin1Char('\n'));
}

}  // namespace orvanel
