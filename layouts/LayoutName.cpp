#include "layouts/LayoutName.h"

#include "platform/FileSystem.h"
#include "platform/SystemValues.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tessik {
namespace {

constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";

const char* const kForbiddenCharacterMessage =
    "A layout name cannot contain any of the following characters:\r\\ / : * ? \" < > |";
const char* const kTrailingBlankOrDotMessage =
    "A layout name cannot end with a blank or a dot. Please give another name.";
const char* const kTemporaryNameMessage = "Layout names that begin with '~' and end with '.tmp' "
                                          "are kept for the temporary files of a save. Please "
                                          "give another name.";
const char* const kTooLongMessage = "The layout name is too long. Please give a shorter name.";

// The longest path that the system's ANSI file functions take, less the
// closing NUL. The temporary file of a save has the longest path.
constexpr std::size_t kLongestPath = path::MaxPath - 1;

// Names that Windows takes for devices, with or without an extension. The
// superscript digits are those of the Latin-1 code page.
constexpr std::array<std::string_view, 32> kDeviceNames{
    "CON",  "PRN",  "AUX",     "NUL",     "CONIN$",  "CONOUT$", "COM0",    "COM1",
    "COM2", "COM3", "COM4",    "COM5",    "COM6",    "COM7",    "COM8",    "COM9",
    "LPT0", "LPT1", "LPT2",    "LPT3",    "LPT4",    "LPT5",    "LPT6",    "LPT7",
    "LPT8", "LPT9", "COM\xB9", "COM\xB2", "COM\xB3", "LPT\xB9", "LPT\xB2", "LPT\xB3"};

// C0, DEL and C1: control characters belong in no file name.
bool IsControl(char16_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

bool IsForbidden(char16_t code) {
    return code < 0x80 && kForbiddenCharacters.find(static_cast<char>(code)) != std::string::npos;
}

std::string Hex(unsigned value, int digits) {
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits; i-- > 0; value >>= 4)
        text[static_cast<std::size_t>(i)] = "0123456789ABCDEF"[value & 0xF];
    return text;
}

// The message for a character that no file name can hold, naming it by its
// code, since a control character or stray bytes cannot be shown.
std::string UnusableCharacterMessage(const AnsiCharacter& character) {
    std::string named;
    if (character.code) {
        named = "the control character U+" + Hex(*character.code, 4);
    } else {
        const bool one = character.bytes.size() == 1;
        named = one ? "the byte" : "the bytes";
        for (const char byte : character.bytes)
            named += " 0x" + Hex(static_cast<unsigned char>(byte), 2);
        named += one ? ", which is" : ", which are";
        named += " no character of the system's code page";
    }
    return "The layout name contains " + named +
           ", and that cannot be used in a file name. Please give another name.";
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

std::optional<std::string> FileNameProblem(std::string_view name, std::string_view path,
                                           const AnsiCodePage& codePage) {
    const std::vector<AnsiCharacter> characters = codePage.Characters(name);
    const auto forbidden = [](const AnsiCharacter& c) { return c.code && IsForbidden(*c.code); };
    if (std::any_of(characters.begin(), characters.end(), forbidden))
        return kForbiddenCharacterMessage;
    const auto unusable = [](const AnsiCharacter& c) { return !c.code || IsControl(*c.code); };
    if (const auto found = std::find_if(characters.begin(), characters.end(), unusable);
        found != characters.end())
        return UnusableCharacterMessage(*found);
    if (!characters.empty() && (characters.back().code == u' ' || characters.back().code == u'.'))
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
