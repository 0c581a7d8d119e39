#include "platform/win32/Win32Registry.h"

#include <windows.h>

namespace tessik {
namespace {

HKEY ToHkey(RegistryKey key) {
    return reinterpret_cast<HKEY>(key);
}

} // namespace

int32_t Win32Registry::OpenKey(RegistryKey root, const std::string& path, uint32_t access,
                               RegistryKey& key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(ToHkey(root), path.c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<RegistryKey>(opened);
    return status;
}

int32_t Win32Registry::CreateKey(RegistryKey root, const std::string& path, uint32_t access,
                                 RegistryKey& key) {
    HKEY opened = nullptr;
    const LONG status = RegCreateKeyExA(ToHkey(root), path.c_str(), 0, nullptr,
                                        REG_OPTION_NON_VOLATILE, access, nullptr, &opened, nullptr);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<RegistryKey>(opened);
    return status;
}

int32_t Win32Registry::QueryValue(RegistryKey key, const std::string& name, uint32_t& type,
                                  std::byte* data, uint32_t& size) {
    DWORD storedType = 0;
    DWORD storedSize = size;
    const LONG status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &storedType,
                                         reinterpret_cast<BYTE*>(data), &storedSize);
    if (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        type = storedType;
        size = storedSize;
    }
    return status;
}

int32_t Win32Registry::SetValue(RegistryKey key, const std::string& name, uint32_t type,
                                const std::byte* data, uint32_t size) {
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data),
                          size);
}

int32_t Win32Registry::CloseKey(RegistryKey key) {
    return RegCloseKey(ToHkey(key));
}

} // namespace tessik
