#include "shell/SettingsStore.h"

#include "platform/RuntimeError.h"

#include <array>
#include <charconv>
#include <cstring>
#include <vector>

namespace tessik {
namespace {

bool IsEmpty(const RegistryValue& value) {
    if (std::holds_alternative<std::monostate>(value))
        return true;
    const auto* text = std::get_if<std::string>(&value);
    return text && text->empty();
}

int32_t ValueAsInteger(const RegistryValue& value) {
    if (const auto* number = std::get_if<int32_t>(&value))
        return *number;
    if (std::holds_alternative<std::monostate>(value))
        return 0;
    const auto& text = std::get<std::string>(value);
    int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        throw RuntimeError(ErrorNumber::TypeMismatch, "not an integer: " + text);
    return number;
}

std::string TextOf(const std::vector<std::byte>& data, uint32_t size) {
    // The terminating NUL, when the value was stored with one, is not text.
    if (size > 0 && data[size - 1] == std::byte{0})
        --size;
    return std::string(reinterpret_cast<const char*>(data.data()), size);
}

std::string HexPairsOf(const std::vector<std::byte>& data, uint32_t size) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (uint32_t i = 0; i < size; ++i) {
        const auto byte = std::to_integer<unsigned>(data[i]);
        if (i > 0)
            text += ' ';
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

// Closes a key on every way out of the operation that opened it.
class KeyCloser {
public:
    KeyCloser(Registry& registry, const RegistryKey& key) : registry_(registry), key_(key) {}
    ~KeyCloser() { registry_.CloseKey(key_); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    Registry& registry_;
    const RegistryKey& key_;
};

} // namespace

std::string JoinKeyPath(std::string_view part1, std::string_view part2, std::string_view part3,
                        std::string_view part4) {
    std::string joined;
    for (const std::string_view part : {part1, part2, part3, part4}) {
        if (part.empty())
            continue;
        if (!joined.empty())
            joined += '\\';
        joined += part;
    }
    // Slashes are converted before the runs are collapsed, so that a slash
    // next to a backslash does not leave an empty key name in the path.
    std::string path;
    for (char c : joined) {
        if (c == '/')
            c = '\\';
        if (c == '\\' && !path.empty() && path.back() == '\\')
            continue;
        path += c;
    }
    return path;
}

int32_t QueryValue(Registry& registry, RegistryKey key, const std::string& valueName,
                   RegistryValue& value, uint32_t& valueType) {
    int32_t status = reg::status::Success;
    try {
        value = std::string();
        uint32_t type = 0;
        uint32_t size = 0;
        status = registry.QueryValue(key, valueName, type, nullptr, size);
        if (status != reg::status::Success)
            return status;
        valueType = type;

        switch (type) {
        case reg::type::Sz:
        case reg::type::ExpandSz:
        case reg::type::Binary: {
            std::vector<std::byte> buffer(size);
            status = registry.QueryValue(key, valueName, type, buffer.data(), size);
            if (status != reg::status::Success) {
                value = std::monostate();
                return status;
            }
            // Environment references of type 2 are left unexpanded.
            value = type == reg::type::Binary ? HexPairsOf(buffer, size) : TextOf(buffer, size);
            break;
        }
        case reg::type::Dword:
        case reg::type::DwordBigEndian: {
            // Never more than the 4 bytes of the integer, whatever size the
            // value claims: a longer value is refused by the registry.
            std::array<std::byte, 4> buffer{};
            uint32_t capacity = buffer.size();
            status = registry.QueryValue(key, valueName, type, buffer.data(), capacity);
            if (status != reg::status::Success)
                return status;
            int32_t number = 0;
            std::memcpy(&number, buffer.data(), buffer.size());
            value = number;
            break;
        }
        default:
            return -1;
        }
        return reg::status::Success;
    } catch (...) {
        return status;
    }
}

int32_t SetValue(Registry& registry, RegistryKey key, const std::string& valueName,
                 uint32_t valueType, const RegistryValue& value) {
    switch (valueType) {
    case reg::type::Sz:
    case reg::type::ExpandSz: {
        const std::string text = ValueAsText(value);
        return registry.SetValue(key, valueName, valueType,
                                 reinterpret_cast<const std::byte*>(text.c_str()),
                                 static_cast<uint32_t>(text.size() + 1));
    }
    case reg::type::Dword:
    case reg::type::DwordBigEndian: {
        const int32_t number = ValueAsInteger(value);
        std::array<std::byte, 4> bytes{};
        std::memcpy(bytes.data(), &number, bytes.size());
        return registry.SetValue(key, valueName, valueType, bytes.data(), bytes.size());
    }
    default:
        return reg::status::Success;
    }
}

RegistryValue ReadSetting(Registry& registry, std::string_view appName, std::string_view section,
                          const std::string& valueName, const std::string& defaultValue,
                          RegistryKey rootKey, std::string_view parentPath) {
    try {
        const std::string path = JoinKeyPath(parentPath, appName, section, "");
        RegistryKey key = 0;
        const KeyCloser closer(registry, key);
        registry.OpenKey(rootKey, path, reg::kAccess, key);
        RegistryValue value;
        uint32_t type = 0;
        QueryValue(registry, key, valueName, value, type);
        if (IsEmpty(value))
            value = defaultValue;
        return value;
    } catch (...) {
        return defaultValue;
    }
}

bool WriteSetting(Registry& registry, std::string_view appName, std::string_view section,
                  const std::string& valueName, const std::string& value, RegistryKey rootKey,
                  std::string_view parentPath) {
    try {
        const std::string path = JoinKeyPath(parentPath, appName, section, "");
        RegistryKey key = 0;
        const KeyCloser closer(registry, key);
        if (registry.CreateKey(rootKey, path, reg::kAccess, key) != reg::status::Success)
            return false;
        return SetValue(registry, key, valueName, reg::type::Sz, value) == reg::status::Success;
    } catch (...) {
        return false;
    }
}

std::string ValueAsText(const RegistryValue& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    if (const auto* number = std::get_if<int32_t>(&value))
        return std::to_string(*number);
    return {};
}

} // namespace tessik
