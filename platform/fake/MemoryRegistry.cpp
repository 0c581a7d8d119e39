#include "platform/fake/MemoryRegistry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace tessik {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsRoot(RegistryKey key) {
    return key >= reg::ClassesRoot && key <= reg::DynData;
}

} // namespace

MemoryRegistry::KeyName MemoryRegistry::NameOf(RegistryKey root, const std::string& path) {
    return {root, Lower(path)};
}

void MemoryRegistry::Put(RegistryKey root, const std::string& path, const std::string& name,
                         uint32_t type, std::vector<std::byte> data) {
    EnsureKey(root, path).values[Lower(name)] = {type, std::move(data)};
}

void MemoryRegistry::PutString(RegistryKey root, const std::string& path, const std::string& name,
                               const std::string& text, uint32_t type) {
    std::vector<std::byte> data(text.size() + 1);
    std::memcpy(data.data(), text.c_str(), text.size() + 1);
    Put(root, path, name, type, std::move(data));
}

void MemoryRegistry::PutDword(RegistryKey root, const std::string& path, const std::string& name,
                              uint32_t value) {
    std::vector<std::byte> data(4);
    std::memcpy(data.data(), &value, 4);
    Put(root, path, name, reg::type::Dword, std::move(data));
}

bool MemoryRegistry::KeyExists(RegistryKey root, const std::string& path) const {
    return keys_.count(NameOf(root, path)) != 0;
}

std::optional<MemoryRegistry::Value> MemoryRegistry::Find(RegistryKey root, const std::string& path,
                                                          const std::string& name) const {
    const auto key = keys_.find(NameOf(root, path));
    if (key == keys_.end())
        return std::nullopt;
    const auto value = key->second.values.find(Lower(name));
    if (value == key->second.values.end())
        return std::nullopt;
    return value->second;
}

int32_t MemoryRegistry::OpenKey(RegistryKey root, const std::string& path, uint32_t access,
                                RegistryKey& key) {
    accessAsked.push_back(access);
    if (failOpen)
        return *failOpen;
    if (!IsRoot(root) && !open_.count(root))
        return reg::status::InvalidHandle;
    const KeyName name = NameOf(root, path);
    if (!path.empty() && !keys_.count(name))
        return reg::status::FileNotFound;
    key = NewHandle(name);
    return reg::status::Success;
}

int32_t MemoryRegistry::CreateKey(RegistryKey root, const std::string& path, uint32_t access,
                                  RegistryKey& key) {
    accessAsked.push_back(access);
    if (failCreate)
        return *failCreate;
    if (!IsRoot(root))
        return reg::status::InvalidHandle;
    EnsureKey(root, path);
    key = NewHandle(NameOf(root, path));
    return reg::status::Success;
}

int32_t MemoryRegistry::QueryValue(RegistryKey key, const std::string& name, uint32_t& type,
                                   std::byte* data, uint32_t& size) {
    if (failQuery)
        return *failQuery;
    if (data && failDataQuery)
        return *failDataQuery;
    Key* found = KeyOfHandle(key);
    if (!found)
        return reg::status::InvalidHandle;
    const auto value = found->values.find(Lower(name));
    if (value == found->values.end())
        return reg::status::FileNotFound;
    const auto needed = static_cast<uint32_t>(value->second.data.size());
    type = value->second.type;
    if (data && size < needed) {
        size = needed;
        return reg::status::MoreData;
    }
    if (data && needed > 0)
        std::memcpy(data, value->second.data.data(), needed);
    size = needed;
    return reg::status::Success;
}

int32_t MemoryRegistry::SetValue(RegistryKey key, const std::string& name, uint32_t type,
                                 const std::byte* data, uint32_t size) {
    if (failSet)
        return *failSet;
    Key* found = KeyOfHandle(key);
    if (!found)
        return reg::status::InvalidHandle;
    found->values[Lower(name)] = {type, std::vector<std::byte>(data, data + size)};
    return reg::status::Success;
}

int32_t MemoryRegistry::CloseKey(RegistryKey key) {
    return open_.erase(key) ? reg::status::Success : reg::status::InvalidHandle;
}

MemoryRegistry::Key& MemoryRegistry::EnsureKey(RegistryKey root, const std::string& path) {
    // Every parent on the way is created as well.
    for (std::size_t end = path.find('\\'); end != std::string::npos;
         end = path.find('\\', end + 1))
        keys_[NameOf(root, path.substr(0, end))];
    return keys_[NameOf(root, path)];
}

MemoryRegistry::Key* MemoryRegistry::KeyOfHandle(RegistryKey handle) {
    if (IsRoot(handle))
        return &keys_[NameOf(handle, "")];
    const auto open = open_.find(handle);
    if (open == open_.end())
        return nullptr;
    return &keys_[open->second];
}

RegistryKey MemoryRegistry::NewHandle(const KeyName& name) {
    const RegistryKey handle = nextHandle_;
    nextHandle_ += 4;
    open_[handle] = name;
    return handle;
}

} // namespace tessik
