#pragma once

#include "platform/SystemValues.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessik {

// An open registry key, or a predefined root such as HKEY_CURRENT_USER.
using RegistryKey = uintptr_t;

// The 8-bit registry functions, one method each, with their semantics: names
// and text data are ANSI, results are the system's status codes, and nothing
// throws.
class Registry {
public:
    virtual ~Registry() = default;
    // RegOpenKeyExA(root, path, 0, access, &key); key stays untouched on failure.
    virtual int32_t OpenKey(RegistryKey root, const std::string& path, uint32_t access,
                            RegistryKey& key) = 0;
    // RegCreateKeyExA(root, path, 0, NULL, REG_OPTION_NON_VOLATILE, access,
    // NULL, &key, NULL): opens the key, creating it and missing parents.
    virtual int32_t CreateKey(RegistryKey root, const std::string& path, uint32_t access,
                              RegistryKey& key) = 0;
    // RegQueryValueExA(key, name, NULL, &type, data, &size). With data null it
    // reports type and size only; with a buffer too small it returns MoreData
    // and the size needed.
    virtual int32_t QueryValue(RegistryKey key, const std::string& name, uint32_t& type,
                               std::byte* data, uint32_t& size) = 0;
    // RegSetValueExA(key, name, 0, type, data, size).
    virtual int32_t SetValue(RegistryKey key, const std::string& name, uint32_t type,
                             const std::byte* data, uint32_t size) = 0;
    // RegCloseKey(key).
    virtual int32_t CloseKey(RegistryKey key) = 0;
};

} // namespace tessik
