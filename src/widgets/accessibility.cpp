#include "widgets/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>

namespace orvanel {

namespace {

// The dynamic property by which a widget asks for one of the interfaces below.
constexpr const char* kAccessibleKind = "orvanelAccessibleKind";

enum class Kind { Decorative = 1, SilentWhileEmpty = 2, Window = 3 };

class QuietLabel : public QAccessibleWidget {
public:
    QuietLabel(QLabel* label, bool decorative)
        : QAccessibleWidget(label, decorative ? QAccessible::NoRole : QAccessible::StaticText),
          decorative_(decorative)
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

QAccessibleInterface* Interface(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant kind = object->property(kAccessibleKind);
    if (!kind.isValid())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    switch (static_cast<Kind>(kind.toInt())) {
    case Kind::Decorative:
    case Kind::SilentWhileEmpty:
        if (auto* label = qobject_cast<QLabel*>(widget))
            return new QuietLabel(label, static_cast<Kind>(kind.toInt()) == Kind::Decorative);
        return nullptr;
    case Kind::Window:
        return new QAccessibleWidget(widget, QAccessible::Window);
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

}  // namespace

void HideFromScreenReaders(QLabel& picture)
{
    Mark(picture, Kind::Decorative);
}

void SilentWhileEmpty(QLabel& label)
{
    Mark(label, Kind::SilentWhileEmpty);
}

void AnnounceAsWindow(QWidget& window)
{
    Mark(window, Kind::Window);
}

}  // namespace orvanel
