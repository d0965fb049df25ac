#pragma once

#include "widgets/messages.h"

#include <QCoreApplication>

namespace orvanel {

// The program's message boxes, each modal over the window that is taking input.
class QtMessages final : public Messages {
    Q_DECLARE_TR_FUNCTIONS(orvanel::QtMessages)

public:
    void error(const QString& text) override;
    void warning(const QString& text) override;
    void information(const QString& text) override;
    bool question(const QString& title, const QString& text) override;
};

}  // namespace orvanel
