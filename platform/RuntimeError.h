#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tessik {

// The run-time error numbers that the internal-error report shows, one per
// kind of failure. They follow the numbering Windows users know from classic
// run-time libraries, so that 53 keeps meaning "file not found".
enum class ErrorNumber : int32_t {
    InvalidArgument = 5,
    OutOfMemory = 7,
    TypeMismatch = 13,
    InternalError = 51,
    BadFileName = 52,
    FileNotFound = 53,
    DeviceIoError = 57,
    FileAlreadyExists = 58,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
    ObjectVariableNotSet = 91,
    TextNotInList = 383,
};

// A failure inside an operation that the calling event handler reports with
// the internal-error message. Platform code throws it; handlers catch it.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorNumber number, const std::string& what)
        : std::runtime_error(what), number_(static_cast<int32_t>(number)) {}

    int32_t Number() const { return number_; }

private:
    int32_t number_;
};

} // namespace tessik
