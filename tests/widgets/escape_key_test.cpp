#include "widgets/escape_key.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

namespace orvanel::testing {
namespace {

// Escape in a field of a dialog reaches the dialog, which takes it as Cancel and hides: unless
// the dialog's Escape is ignored, and only for as long as that lasts.
TEST(EscapeIgnored, HoldsForItsWindowAndWhatIsInItOnlyWhileItLives)
{
    QDialog window;
    auto* field = new QLineEdit(&window);
    // A window of its own over the guarded one keeps Escape as Cancel.
    auto* over = new QDialog(&window);
    window.show();
    over->show();

    std::optional<EscapeIgnored> ignored(std::in_place, window);
    QTest::keyClick(field, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible()) << "Escape closed the window it is ignored in";
    QTest::keyClick(over, Qt::Key_Escape);
    EXPECT_FALSE(over->isVisible()) << "the window over it lost its Cancel";

    ignored.reset();
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible()) << "Escape stayed ignored after the guard went";
}

}  // namespace
}  // namespace orvanel::testing
