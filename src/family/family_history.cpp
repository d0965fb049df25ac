#include "family/family_history.h"

namespace orvanel {

void FamilyHistory::start(const QString& id)
{
    steps_ = {id};
    at_ = 0;
}

void FamilyHistory::visit(const QString& id)
{
    if (id == current())
        return;
    steps_.resize(steps_.isEmpty() ? 0 : at_ + 1);
    steps_.append(id);
    at_ = steps_.size() - 1;
}

QString FamilyHistory::back()
{
    if (canGoBack())
        --at_;
    return current();
}

QString FamilyHistory::forward()
{
    if (canGoForward())
        ++at_;
    return current();
}

}  // namespace orvanel
