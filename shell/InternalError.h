#pragma once

#include "platform/MessageDialog.h"

#include <cstdint>
#include <string>

namespace tessik {

// The text of the internal-error report for an error number.
std::string InternalErrorText(int32_t errorNumber);

// The one report of an unexpected failure: a modal stop box titled "Error".
void ShowInternalError(MessageDialog& messages, int32_t errorNumber);

// Reports the exception being handled with ShowInternalError: a
// RuntimeError with its own number, anything else with the number of its
// kind. Call it only from inside a catch block. Never throws.
void ReportCurrentException(MessageDialog& messages) noexcept;

// Runs an event handler's body so that a failure anywhere in it abandons
// the rest of the body and is reported; what was done before stays done.
// Nothing escapes, since the caller is a window procedure.
template <class Body> void RunHandler(MessageDialog& messages, Body&& body) noexcept {
    try {
        body();
    } catch (...) {
        ReportCurrentException(messages);
    }
}

} // namespace tessik
