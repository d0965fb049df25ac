#include "widgets/date_field.h"

#include "widgets/line_edits.h"
#include "store/file_date.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QStyle>

namespace orvanel {

DateField::DateField(const Clock& clock, QWidget* parent) : QLineEdit(parent), clock_(clock)
{
    KeepWholeText(*this);
    // The form a screen reader cannot see in the field's text until something is typed.
    setAccessibleDescription(tr("Date as yyyy/m/d, for example 1950/12/31; Alt+Down opens a "
                                "calendar"));
    QAction* pick = addAction(style()->standardIcon(QStyle::SP_ArrowDown), TrailingPosition);
    pick->setText(tr("Choose a date"));
    pick->setToolTip(tr("Choose a date (Alt+Down)"));
    connect(pick, &QAction::triggered, this, [this] { openCalendar(); });
    connect(this, &QLineEdit::textChanged, this, &DateField::followText);
    connect(this, &QLineEdit::editingFinished, this, &DateField::showAsStored);
}

void DateField::setDate(QDate date)
{
    // Kept here as well as by followText: a caller may block this field's signals while it sets
    // a date, and the date must follow the text all the same.
    const bool changed = date.isValid() && date != date_;
    date_ = date;
    setText(date.isValid() ? FormatFileDate(date) : QString());
    if (changed)
        emit dateChanged(date_);
}

void DateField::showInPlaceOfDate(const QString& text)
{
    setText(text);
    // A caption such as "(not readable)" must never be taken for a date.
    date_ = QDate();
}

void DateField::followText()
{
    const QDate read = ParseTypedDate(text(), clock_.today());
    const bool changed = read.isValid() && read != date_;
    date_ = read;
    if (changed)
        emit dateChanged(date_);
}

void DateField::showAsStored()
{
    // "99/1/5" or "19990105" become "2099/1/5" and "1999/1/5": the user sees what will be kept.
    if (date_.isValid() && text() != FormatFileDate(date_))
        setDate(date_);
}

QString DateField::notADateWarning(const QString& caption)
{
    return tr("The field \"%1\" does not hold a whole date. Please type it as year/month/day, "
              "for example 1950/12/31.")
        .arg(caption);
}

QCalendarWidget* DateField::openCalendar()
{
    if (isReadOnly() || !isEnabled())
        return nullptr;
    if (calendar_)
        return calendar_;
    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("calendar"));
    calendar_->setAccessibleName(tr("Choose a date"));
    calendar_->setWindowFlag(Qt::Popup);
    calendar_->setAttribute(Qt::WA_DeleteOnClose);
    calendar_->setGridVisible(true);
    if (date_.isValid())
        calendar_->setSelectedDate(date_);
    const auto picked = [this](QDate date) {
        setDate(date);
        calendar_->close();
        setFocus(Qt::PopupFocusReason);
    };
    connect(calendar_, &QCalendarWidget::clicked, this, picked);
    connect(calendar_, &QCalendarWidget::activated, this, picked);
    calendar_->move(mapToGlobal(rect().bottomLeft()));
    calendar_->show();
    calendar_->setFocus(Qt::PopupFocusReason);
    return calendar_;
}

void DateField::keyPressEvent(QKeyEvent* event)
{
    // Alt+Down and F4 open the calendar, as in the usual date pickers; they never change the date.
    const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if (altDown || (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier)) {
        openCalendar();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace orvanel
