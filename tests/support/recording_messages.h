#pragma once

#include "widgets/messages.h"

#include <QString>
#include <QStringList>
#include <deque>

namespace orvanel::testing {

// Message boxes answered by the test: records every text shown and answers questions from a
// queue given in advance (an unexpected question fails the test).
class RecordingMessages final : public Messages {
public:
    void error(const QString& text) override { errors << text; }
    void warning(const QString& text) override { warnings << text; }
    void information(const QString& text) override { informations << text; }
    bool question(const QString& title, const QString& text) override;

    void answerNext(bool yes) { answers.push_back(yes); }

    QStringList errors;
    QStringList warnings;
    QStringList informations;
    QStringList questions;  // "title: text"
    std::deque<bool> answers;
};

}  // namespace orvanel::testing
