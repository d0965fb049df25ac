#pragma once

#include "store/errors.h"
#include "widgets/messages.h"

#include <QString>
#include <exception>
#include <utility>

namespace orvanel {

// Runs one user action of a window. An error it raises ends that action only: its text is shown
// in an error box and the program goes on. Returns false when the action failed.
template <class Action>
bool Guarded(Messages& messages, Action&& action)
{
    try {
        std::forward<Action>(action)();
        return true;
    } catch (const Error& e) {
        messages.error(e.message());
    } catch (const std::exception& e) {
        messages.error(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

}  // namespace orvanel
