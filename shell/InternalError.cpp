#include "shell/InternalError.h"

#include "platform/RuntimeError.h"

#include <new>

namespace tessik {
namespace {

constexpr uint32_t kErrorBoxStyle = box::StopOk;
constexpr const char* kErrorBoxTitle = "Error";

int32_t NumberOfCurrentException() {
    try {
        throw;
    } catch (const RuntimeError& error) {
        return error.Number();
    } catch (const std::bad_alloc&) {
        return static_cast<int32_t>(ErrorNumber::OutOfMemory);
    } catch (...) {
        return static_cast<int32_t>(ErrorNumber::InternalError);
    }
}

} // namespace

std::string InternalErrorText(int32_t errorNumber) {
    return "An internal error has occurred; please send the description when the error "
           "occurred and the error number.\r\rThe error number is : " +
           std::to_string(errorNumber) + ".";
}

void ShowInternalError(MessageDialog& messages, int32_t errorNumber) {
    messages.Show(InternalErrorText(errorNumber), kErrorBoxStyle, kErrorBoxTitle);
}

void ReportCurrentException(MessageDialog& messages) noexcept {
    const int32_t number = NumberOfCurrentException();
    try {
        ShowInternalError(messages, number);
    } catch (...) {
        // Not even the report could be made (no memory for its text); the
        // handler still returns to the window procedure that called it.
    }
}

} // namespace tessik
