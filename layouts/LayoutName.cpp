#include "layouts/LayoutName.h"

#include "platform/FileSystem.h"
#include "platform/SystemValues.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

namespace tessik {
namespace {

constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";

const char* const kTrailingBlankOrDotMessage =
    "A layout name cannot end with a blank or a dot. Please give another name.";
const char* const kTemporaryNameMessage = "Layout names that begin with '~' and end with '.tmp' "
                                          "are kept for the temporary files of a save. Please "
                                          "give another name.";
const char* const kTooLongMessage = "The layout name is too long. Please give a shorter name.";

// The longest path that the system's ANSI file functions take, less the
// closing NUL. The temporary file of a save has the longest path.
constexpr std::size_t kLongestPath = path::MaxPath - 1;

// Names that Windows takes for devices, with or without an extension, in
// Unicode: the superscript digits are found in whatever code page has them.
constexpr std::array<std::u32string_view, 32> kDeviceNames{
    U"CON",       U"PRN",       U"AUX",       U"NUL",      U"CONIN$", U"CONOUT$",   U"COM0",
    U"COM1",      U"COM2",      U"COM3",      U"COM4",     U"COM5",   U"COM6",      U"COM7",
    U"COM8",      U"COM9",      U"LPT0",      U"LPT1",     U"LPT2",   U"LPT3",      U"LPT4",
    U"LPT5",      U"LPT6",      U"LPT7",      U"LPT8",     U"LPT9",   U"COM\u00B9", U"COM\u00B2",
    U"COM\u00B3", U"LPT\u00B9", U"LPT\u00B2", U"LPT\u00B3"};

// C0, DEL and C1: control characters belong in no file name.
bool IsControl(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

bool IsForbidden(char32_t code) {
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

// Names the character, as the list of them may be missed.
std::string ForbiddenCharacterMessage(char32_t code) {
    return "The layout name contains '" + std::string(1, static_cast<char>(code)) +
           "', and that cannot be used in a file name. A layout name cannot contain any of the "
           "following characters:\r\\ / : * ? \" < > |";
}

char32_t UpperAscii(char32_t code) {
    return code >= U'a' && code <= U'z' ? code - (U'a' - U'A') : code;
}

bool HasCode(const AnsiCharacter& character, char32_t code) {
    return character.code == code;
}

// Windows reads a name as a device when the part before the first dot,
// blanks at its end not counted, is a device name in any letter case.
bool IsDeviceName(const std::vector<AnsiCharacter>& characters) {
    auto end = std::find_if(characters.begin(), characters.end(),
                            [](const AnsiCharacter& c) { return HasCode(c, U'.'); });
    while (end != characters.begin() && HasCode(*std::prev(end), U' '))
        --end;
    std::u32string base;
    for (auto character = characters.begin(); character != end; ++character) {
        if (!character->code)
            return false;
        base += UpperAscii(*character->code);
    }
    return std::find(kDeviceNames.begin(), kDeviceNames.end(), base) != kDeviceNames.end();
}

} // namespace

bool IsBlankName(std::string_view name) {
    return name.find_first_not_of(' ') == std::string_view::npos;
}

std::optional<std::string> FileNameProblem(std::string_view name, std::string_view path,
                                           const AnsiCodePage& codePage) {
    const std::vector<AnsiCharacter> characters = codePage.Characters(name);
    const auto forbidden = [](const AnsiCharacter& c) { return c.code && IsForbidden(*c.code); };
    if (const auto found = std::find_if(characters.begin(), characters.end(), forbidden);
        found != characters.end())
        return ForbiddenCharacterMessage(*found->code);
    const auto unusable = [](const AnsiCharacter& c) { return !c.code || IsControl(*c.code); };
    if (const auto found = std::find_if(characters.begin(), characters.end(), unusable);
        found != characters.end())
        return UnusableCharacterMessage(*found);
    if (!characters.empty() &&
        (HasCode(characters.back(), U' ') || HasCode(characters.back(), U'.')))
        return kTrailingBlankOrDotMessage;
    if (IsDeviceName(characters))
        return "The layout name '" + std::string(name) +
               "' is reserved by Windows for a device. Please give another name.";
    if (IsTemporaryFileName(name))
        return kTemporaryNameMessage;
    // The system counts a path in UTF-16 units, whatever bytes the code page
    // gives a character.
    if (codePage.Utf16Length(TemporaryPathFor(path, codePage.NameStart(path))) > kLongestPath)
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
