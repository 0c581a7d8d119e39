#pragma once

#include "platform/AnsiCodePage.h"

#include <optional>
#include <string>
#include <string_view>

// The tests of the name typed for a new layout. The name is the text of the
// name box as typed, in the ANSI code page, and it becomes the layout file's
// name: each test gives the message that tells the user why a name cannot
// be used, or nothing when it can.
namespace tessik {

// Nothing but blanks, or nothing at all.
bool IsBlankName(std::string_view name);

// Why `name` cannot be the name of a plain file in the Layouts folder, where
// it would be written at `path`: a character that file names may not hold
// (path separators and the colon among them, control characters, and bytes
// that are no character of the code page), a trailing blank or dot (so
// also "." and ".."), a device name, the form of the temporary files of a
// save, or a path too long for the system. Every other character of the
// code page is allowed.
std::optional<std::string> FileNameProblem(std::string_view name, std::string_view path,
                                           const AnsiCodePage& codePage);

// The refusal of a name that the system would take for a file that is
// already in the Layouts folder, such as "default" beside "Default".
std::string FileAlreadyThereMessage(std::string_view name);

} // namespace tessik
