#pragma once

#include "platform/Registry.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tessik {

// An in-memory registry with the status codes and size rules of the 8-bit
// registry functions. Key paths and value names compare without regard to
// case, as the real registry does. Every call can be made to fail.
class MemoryRegistry : public Registry {
public:
    struct Value {
        uint32_t type = 0;
        std::vector<std::byte> data;
    };

    // Stores a value directly, creating its key: the state before a test.
    void Put(RegistryKey root, const std::string& path, const std::string& name, uint32_t type,
             std::vector<std::byte> data);
    void PutString(RegistryKey root, const std::string& path, const std::string& name,
                   const std::string& text, uint32_t type = reg::type::Sz);
    void PutDword(RegistryKey root, const std::string& path, const std::string& name,
                  uint32_t value);

    bool KeyExists(RegistryKey root, const std::string& path) const;
    std::optional<Value> Find(RegistryKey root, const std::string& path,
                              const std::string& name) const;

    std::optional<int32_t> failOpen;
    std::optional<int32_t> failCreate;
    std::optional<int32_t> failQuery;     // every query
    std::optional<int32_t> failDataQuery; // only queries that ask for data
    std::optional<int32_t> failSet;

    // Access rights asked by every open and create, in order.
    std::vector<uint32_t> accessAsked;
    // Handles opened and not closed yet.
    std::size_t OpenHandles() const { return open_.size(); }

    int32_t OpenKey(RegistryKey root, const std::string& path, uint32_t access,
                    RegistryKey& key) override;
    int32_t CreateKey(RegistryKey root, const std::string& path, uint32_t access,
                      RegistryKey& key) override;
    int32_t QueryValue(RegistryKey key, const std::string& name, uint32_t& type, std::byte* data,
                       uint32_t& size) override;
    int32_t SetValue(RegistryKey key, const std::string& name, uint32_t type, const std::byte* data,
                     uint32_t size) override;
    int32_t CloseKey(RegistryKey key) override;

private:
    // A key is named by its root and its path, lower-cased.
    using KeyName = std::pair<RegistryKey, std::string>;
    struct Key {
        std::map<std::string, Value> values; // by lower-cased name
    };

    static KeyName NameOf(RegistryKey root, const std::string& path);
    Key& EnsureKey(RegistryKey root, const std::string& path);
    Key* KeyOfHandle(RegistryKey handle);
    RegistryKey NewHandle(const KeyName& name);

    std::map<KeyName, Key> keys_;
    std::map<RegistryKey, KeyName> open_;
    RegistryKey nextHandle_ = 0x100;
};

} // namespace tessik
