#pragma once

#include <QString>
#include <QStringList>

namespace orvanel {

// The persons a walk through the family picture has centred on, for Back and Forward: as a
// browser's history, a new step after going back drops the steps ahead.
class FamilyHistory {
public:
    // Starts a new walk at `id`.
    void start(const QString& id);
    // Centres on `id` after the current step; the same person twice in a row is one step.
    void visit(const QString& id);

    bool canGoBack() const { return at_ > 0; }
    bool canGoForward() const { return at_ + 1 < steps_.size(); }
    // The person of the step before or after; the current one when there is none.
    QString back();
    QString forward();
    QString current() const { return at_ < steps_.size() ? steps_[at_] : QString(); }

private:
    QStringList steps_;
    qsizetype at_ = 0;
};

}  // namespace orvanel
