#pragma once

#include "store/clock.h"

#include <QDate>
#include <QLineEdit>
#include <QPointer>

class QCalendarWidget;

namespace orvanel {

// A date field: one line of text read as the data file reads dates (year/month/day, the digits
// of any script, or eight digits alone as yyyymmdd), shown as the file stores it, with a
// calendar that opens from its button, Alt+Down or F4. Unlike a sectioned date editor, what is
// typed is read as a whole, so the date kept is the date the text shows; a text that is not a
// whole date gives no date, and the dialog refuses it. One Tab stop.
class DateField : public QLineEdit {
    Q_OBJECT

public:
    explicit DateField(const Clock& clock, QWidget* parent = nullptr);

    // The date the text stands for; invalid while the text is not a whole date.
    QDate date() const { return date_; }
    // Shows the date as the file writes it. Signals dateChanged when the date differs.
    void setDate(QDate date);
    // Shows a text in place of a date, for a value that is not one; date() is then invalid.
    void showInPlaceOfDate(const QString& text);

    // The calendar while it is open, for the tests that pick from it.
    QCalendarWidget* openCalendar();

    // The warning for a field left without a whole date, naming the field by its caption.
    static QString notADateWarning(const QString& caption);

signals:
    // The text came to stand for another date, by typing, picking or setDate.
    void dateChanged(QDate date);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followText();
    void showAsStored();

    const Clock& clock_;
    QDate date_;
    // Deleted when it closes, by a pick, Esc or a click elsewhere.
    QPointer<QCalendarWidget> calendar_;
};

}  // namespace orvanel
