#include "widgets/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QVariant>

namespace orvanel {

namespace {

// The dynamic property by which a widget asks for one of the interfaces below.
constexpr const char* kAccessibleKind = "orvanelAccessibleKind";

enum class Kind {
    Decorative = 1,
    SilentWhileEmpty = 2,
    Window = 3,
    Alert = 4,
    StatusLine = 5,
    // A window that holds decoration and asked for nothing else.
    HoldsDecoration = 6,
};

bool IsMarked(const QObject* object, Kind kind)
{
    const QVariant marked = object->property(kAccessibleKind);
    return marked.isValid() && marked.toInt() == static_cast<int>(kind);
}

class QuietLabel : public QAccessibleWidget {
public:
    QuietLabel(QLabel* label, QAccessible::Role role, bool decorative)
        : QAccessibleWidget(label, role), decorative_(decorative)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (decorative_)
            return QString();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (decorative_ || label()->text().isEmpty())
            state.invisible = true;
        return state;
    }

private:
    const QLabel* label() const { return static_cast<const QLabel*>(widget()); }
    bool decorative_;
};

// A window whose decorative pictures are not among its children: a picture with no role would
// still be listed, and read out as an object of unknown kind.
class WindowWithoutDecoration : public QAccessibleWidget {
public:
    WindowWithoutDecoration(QWidget* window, QAccessible::Role role)
        : QAccessibleWidget(window, role)
    {
    }

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QAccessibleInterface*> children = shownChildren();
        return index >= 0 && index < children.size() ? children.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return static_cast<int>(
            shownChildren().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

private:
    QList<QAccessibleInterface*> shownChildren() const
    {
        QList<QAccessibleInterface*> shown;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child && !IsMarked(child->object(), Kind::Decorative))
                shown << child;
        }
        return shown;
    }
};

QAccessibleInterface* Interface(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant kind = object->property(kAccessibleKind);
    if (!kind.isValid())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    auto* label = qobject_cast<QLabel*>(widget);
    switch (static_cast<Kind>(kind.toInt())) {
    case Kind::Decorative:
        return label ? new QuietLabel(label, QAccessible::NoRole, true) : nullptr;
    case Kind::SilentWhileEmpty:
        return label ? new QuietLabel(label, QAccessible::StaticText, false) : nullptr;
    case Kind::StatusLine:
        return label ? new QuietLabel(label, QAccessible::StatusBar, false) : nullptr;
    case Kind::Window:
        return new WindowWithoutDecoration(widget, QAccessible::Window);
    case Kind::Alert:
        return new WindowWithoutDecoration(widget, QAccessible::AlertMessage);
    case Kind::HoldsDecoration:
        return new WindowWithoutDecoration(
            widget, qobject_cast<QDialog*>(widget) ? QAccessible::Dialog : QAccessible::Client);
    }
    return nullptr;
}

void Mark(QWidget& widget, Kind kind)
{
    // Installed once, the first time a widget asks; it answers only widgets so marked.
    static const bool installed = (QAccessible::installFactory(Interface), true);
    Q_UNUSED(installed);
    widget.setProperty(kAccessibleKind, static_cast<int>(kind));
}

// Tells screen readers that an alert came up, as a message box does when it is shown.
class AlertOnShow final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleEvent alert(watched, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        }
        return false;
    }
};

}  // namespace

void HideFromScreenReaders(QLabel& picture)
{
    Mark(picture, Kind::Decorative);
    // The window must leave the picture out of its children; one that asked for an interface of
    // its own does so already.
    QWidget* holder = picture.parentWidget();
    if (holder && !holder->property(kAccessibleKind).isValid())
        Mark(*holder, Kind::HoldsDecoration);
}

void SilentWhileEmpty(QLabel& label)
{
    Mark(label, Kind::SilentWhileEmpty);
}

void AnnounceAsWindow(QWidget& window)
{
    Mark(window, Kind::Window);
}

void AnnounceAsAlert(QWidget& dialog)
{
    Mark(dialog, Kind::Alert);
    dialog.installEventFilter(new AlertOnShow(&dialog));
}

void UseAsStatusLine(QLabel& label)
{
    Mark(label, Kind::StatusLine);
}

void ShowStatus(QLabel& statusLine, const QString& text)
{
    // A new text is announced by the label itself; the same text again only by this.
    if (statusLine.text() != text) {
        statusLine.setText(text);
        return;
    }
    QAccessibleEvent changed(&statusLine, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace orvanel
