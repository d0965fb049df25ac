#include "widgets/window_look.h"

#include "widgets/pictures.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QEvent>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QWidget>

namespace orvanel {

namespace {

// Push buttons and tab bars paint their own face, and some desktop styles draw that face in the
// theme's colours whatever the palette says: their text must then come from the theme too, or a
// dark theme's dark face would carry the window's dark text. So they keep the desktop's colours,
// set again when the desktop's theme changes.
class DesktopColouredFaces final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::ApplicationPaletteChange)
            apply(*static_cast<QWidget*>(watched));
        return false;
    }

private:
    static void apply(QWidget& window)
    {
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (!qobject_cast<QPushButton*>(control) && !qobject_cast<QTabBar*>(control))
                continue;
            QPalette desktop = QApplication::palette(control);
            // Every colour set on the control itself, so that none is taken from the window.
            desktop.setResolveMask(~QPalette::ResolveMask(0));
            control->setPalette(desktop);
        }
    }
};

}  // namespace

QPalette FixedColourPalette()
{
    // Every colour is derived from the fixed window colour, so that the captions, fields and
    // lists on it stay dark on light whatever theme the desktop uses: a dark theme's light text
    // on this light background could not be read.
    QPalette palette(kWindowColour, kWindowColour);
    palette.setColor(QPalette::Button, kButtonColour);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, kTextColour);
        palette.setColor(group, QPalette::Text, kTextColour);
        palette.setColor(group, QPalette::ButtonText, kTextColour);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::AlternateBase, kWindowColour);
        palette.setColor(group, QPalette::ToolTipBase, Qt::white);
        palette.setColor(group, QPalette::ToolTipText, kTextColour);
        palette.setColor(group, QPalette::PlaceholderText, kMutedTextColour);
        palette.setColor(group, QPalette::Highlight, kHighlightColour);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, kMutedTextColour);
    palette.setColor(QPalette::Disabled, QPalette::Text, kMutedTextColour);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, kMutedTextColour);
    palette.setColor(QPalette::Disabled, QPalette::Base, kWindowColour);
    return palette;
}

void PaintWindowColour(QWidget& window)
{
    window.setPalette(FixedColourPalette());
    window.setAutoFillBackground(true);
    window.installEventFilter(new DesktopColouredFaces(&window));
}

void UseFixedDialogFrame(QWidget& window)
{
    // A dialog stays a dialog; a window without a parent is a top-level window.
    const Qt::WindowType type = window.windowType() == Qt::Widget ? Qt::Window : window.windowType();
    window.setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
}

void PrepareProgramWindow(QWidget& window, const char* objectName, const QString& title)
{
    window.setObjectName(QLatin1String(objectName));
    window.setWindowTitle(title);
    window.setWindowIcon(ProgramIcon());
    UseFixedDialogFrame(window);
}

QHBoxLayout* ButtonsAtRight(std::initializer_list<QWidget*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons)
        row->addWidget(button);
    return row;
}

int WidthForCaption(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const QStyle& style = *button.style();
    const int perSide = style.pixelMetric(QStyle::PM_ButtonMargin, &option, &button) +
                        style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
    return button.fontMetrics().size(Qt::TextShowMnemonic, button.text()).width() + 2 * perSide;
}

}  // namespace orvanel
