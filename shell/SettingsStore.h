#pragma once

#include "platform/Registry.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tessik {

// A value read from the registry: nothing, a text or a 32-bit integer.
using RegistryValue = std::variant<std::monostate, std::string, int32_t>;

// The stored setting: the layout that was selected when the program ended.
namespace setting {
constexpr const char* kAppName = "Tessik";
constexpr const char* kSection = "Settings";
constexpr const char* kKeyLayout = "KeyLayout";
constexpr const char* kParentPath = "SOFTWARE";
constexpr RegistryKey kRoot = reg::CurrentUser;
} // namespace setting

// Joins up to four pieces of a key path with backslashes, skipping empty
// pieces. Slashes become backslashes and a run of backslashes shrinks to one.
std::string JoinKeyPath(std::string_view part1, std::string_view part2, std::string_view part3,
                        std::string_view part4);

// Reads a value of an open key. Texts (types 1 and 2) lose their
// terminating NUL, binary data (3) becomes hexadecimal pairs separated by
// spaces, integers (4 and 5) are taken as they lie in memory. Returns 0,
// the registry's status when a query failed, or -1 for any other type.
// valueType receives the stored type once the first query succeeded.
int32_t QueryValue(Registry& registry, RegistryKey key, const std::string& valueName,
                   RegistryValue& value, uint32_t& valueType);

// Stores a text (types 1 and 2, with a terminating NUL) or a 32-bit integer
// (types 4 and 5). Returns the registry's status; other types store nothing
// and give 0. Throws RuntimeError (TypeMismatch) for a text that is not an
// integer when an integer type is asked for.
int32_t SetValue(Registry& registry, RegistryKey key, const std::string& valueName,
                 uint32_t valueType, const RegistryValue& value);

// The value under rootKey\parentPath\appName\section, or defaultValue when
// there is no usable value. Never fails.
RegistryValue ReadSetting(Registry& registry, std::string_view appName, std::string_view section,
                          const std::string& valueName, const std::string& defaultValue,
                          RegistryKey rootKey, std::string_view parentPath);

// Stores value as text under rootKey\parentPath\appName\section, creating
// the key when it is missing. Returns whether the value was stored.
bool WriteSetting(Registry& registry, std::string_view appName, std::string_view section,
                  const std::string& valueName, const std::string& value, RegistryKey rootKey,
                  std::string_view parentPath);

// A value read, as the text the callers work with: integers in decimal.
std::string ValueAsText(const RegistryValue& value);

} // namespace tessik
