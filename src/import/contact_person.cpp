#include "import/contact_person.h"

#include "import/birth_comment.h"

#include "import/contact_text.h"
#include "store/file_date.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace orvanel {

void CheckRoomForPerson(const ImportBatch& batch, int line)
{
    if (batch.persons.size() >= kMaxContactPersons)
        RefuseAtLine(line,
                     //: %1 is a number of persons.
                     QCoreApplication::translate("orvanel::Import",
                                                 "expected at most %1 persons in one file")
                         .arg(kMaxContactPersons));
}

void SetFullName(PersonValue& value, const QString& fullName)
{
    QStringList words = fullName.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return;
    value.set(PersonField::Name, words.takeFirst());
    if (words.isEmpty())
        return;
    value.set(PersonField::Surname, words.takeLast());
    if (!words.isEmpty())
        value.set(PersonField::MiddleName, words.join(QLatin1Char(' ')));
}

QDate IsoCalendarDate(const QString& text)
{
    static const QRegularExpression kForm(
        QStringLiteral("^(\\d{4})-?(\\d{2})-?(\\d{2})(T.*)?$"));
    const QRegularExpressionMatch match = kForm.match(text);
    if (!match.hasMatch())
        return {};
    // The dashes come both or neither: "1948-0312" is no form of the standard.
    const bool dashed = text.size() > 4 && text[4] == QLatin1Char('-');
    const bool secondDash = text.size() > 7 && text[dashed ? 7 : 6] == QLatin1Char('-');
    if (dashed != secondDash)
        return {};
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    return date.isValid() && date.year() >= 1 ? date : QDate();
}

void SetBirth(PersonValue& value, QDate exact, const QString& written, ImportBatch& batch)
{
    if (exact.isValid()) {
        value.set(PersonField::DateOfBirth, FormatFileDate(exact));
        return;
    }
    if (written.trimmed().isEmpty())
        return;
    const QString line = BirthCommentLine(written);
    const QString comment = value.text(PersonField::Comment);
    value.set(PersonField::Comment,
              comment.isEmpty() ? line : comment + QLatin1Char('\n') + line);
    ++batch.lost(ImportLoss::ApproximateDate);
}

}  // namespace orvanel
