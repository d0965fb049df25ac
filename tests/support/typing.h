#pragma once

// Typing into a window's fields as a user does, key by key.

#include <QLineEdit>
#include <QTest>

namespace orvanel::testing {

// Replaces what the field holds by `typed`, key by key, and leaves it with Tab.
inline void TypeInto(QLineEdit* field, const QString& typed)
{
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    for (const QChar c : typed) {
        // QTest maps only ASCII to keys; other characters arrive as a key that carries its text,
        // as they do from an input method or a keyboard of another script.
        if (c.unicode() < 0x80)
            QTest::keyClick(field, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QTest::keyClick(field, Qt::Key_Tab);
}

}  // namespace orvanel::testing
