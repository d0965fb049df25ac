#include "support/recording_messages.h"

#include <gtest/gtest.h>

namespace orvanel::testing {

bool RecordingMessages::question(const QString& title, const QString& text)
{
    questions << title + QStringLiteral(": ") + text;
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

}  // namespace orvanel::testing
