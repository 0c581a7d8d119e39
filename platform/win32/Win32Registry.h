#pragma once

#include "platform/Registry.h"

namespace tessik {

// The 8-bit registry functions of advapi32, passed through one to one.
class Win32Registry final : public Registry {
public:
    int32_t OpenKey(RegistryKey root, const std::string& path, uint32_t access,
                    RegistryKey& key) override;
    int32_t CreateKey(RegistryKey root, const std::string& path, uint32_t access,
                      RegistryKey& key) override;
    int32_t QueryValue(RegistryKey key, const std::string& name, uint32_t& type, std::byte* data,
                       uint32_t& size) override;
    int32_t SetValue(RegistryKey key, const std::string& name, uint32_t type, const std::byte* data,
                     uint32_t size) override;
    int32_t CloseKey(RegistryKey key) override;
};

} // namespace tessik
