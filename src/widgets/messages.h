#pragma once

#include <QString>

namespace orvanel {

// The modal message boxes, behind an interface so that tests can read and answer them.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void error(const QString& text) = 0;
    virtual void warning(const QString& text) = 0;
    // Something the user should know that is neither an error nor a failed check.
    virtual void information(const QString& text) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool question(const QString& title, const QString& text) = 0;
};

}  // namespace orvanel
