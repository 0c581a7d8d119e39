#include "layouts/LayoutName.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tessik {
namespace {

constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";

const char* const kForbiddenCharacterMessage =
    "A layout name cannot contain any of the following characters:\r\\ / : * ? \" < > |";
const char* const kUnusableCharacterMessage =
    "The layout name contains a character that cannot be used in a file name, such as a tab. "
    "Please give another name.";
const char* const kTrailingBlankOrDotMessage =
    "A layout name cannot end with a blank or a dot. Please give another name.";
const char* const kTemporaryNameMessage = "Layout names that begin with '~' and end with '.tmp' "
                                          "are kept for the temporary files of a save. Please "
                                          "give another name.";
const char* const kTooLongMessage = "The layout name is too long. Please give a shorter name.";

// The longest path that the system's ANSI file functions take (MAX_PATH,
// less the closing NUL). The temporary file of a save has the longest path.
constexpr std::size_t kLongestPath = 259;

// Names that Windows takes for devices, with or without an extension. The
// superscript digits are those of the Latin-1 code page.
constexpr std::array<std::string_view, 32> kDeviceNames{
    "CON",  "PRN",  "AUX",     "NUL",     "CONIN$",  "CONOUT$", "COM0",    "COM1",
    "COM2", "COM3", "COM4",    "COM5",    "COM6",    "COM7",    "COM8",    "COM9",
    "LPT0", "LPT1", "LPT2",    "LPT3",    "LPT4",    "LPT5",    "LPT6",    "LPT7",
    "LPT8", "LPT9", "COM\xB9", "COM\xB2", "COM\xB3", "LPT\xB9", "LPT\xB2", "LPT\xB3"};

// Printable ASCII and the printable Latin-1 range, which the Western ANSI
// code pages share. Control characters (C0 and C1) belong in no file name,
// and a character that the name box could not give in the ANSI code page
// arrives as '?', which is refused with the forbidden characters.
bool IsUsableCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 0x20 && u < 0x7F) || u >= 0xA0;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

// Windows reads a name as a device when the part before the first dot,
// blanks at its end not counted, is a device name in any letter case.
bool IsDeviceName(std::string_view name) {
    std::string_view base = name.substr(0, name.find('.'));
    base = base.substr(0, base.find_last_not_of(' ') + 1);
    const auto matches = [base](std::string_view device) { return SameLetters(base, device); };
    return std::any_of(kDeviceNames.begin(), kDeviceNames.end(), matches);
}

} // namespace

bool IsBlankName(std::string_view name) {
    return name.find_first_not_of(' ') == std::string_view::npos;
}

std::optional<std::string> FileNameProblem(std::string_view name, std::string_view path) {
    if (name.find_first_of(kForbiddenCharacters) != std::string_view::npos)
        return kForbiddenCharacterMessage;
    if (!std::all_of(name.begin(), name.end(), IsUsableCharacter))
        return kUnusableCharacterMessage;
    if (name.ends_with(' ') || name.ends_with('.'))
        return kTrailingBlankOrDotMessage;
    if (IsDeviceName(name))
        return "The layout name '" + std::string(name) +
               "' is reserved by Windows for a device. Please give another name.";
    if (IsTemporaryFileName(name))
        return kTemporaryNameMessage;
    if (TemporaryPathFor(path).size() > kLongestPath)
        return kTooLongMessage;
    return std::nullopt;
}

std::string FileAlreadyThereMessage(std::string_view name) {
    return "The layout name '" + std::string(name) +
           "' cannot be used, because a file of that name is already in the Layouts folder "
           "(Windows does not tell capital from small letters in file names). Please give "
           "another name.";
}

} // namespace tessik
