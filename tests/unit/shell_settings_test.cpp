#include "platform/RuntimeError.h"
#include "platform/fake/MemoryRegistry.h"
#include "shell/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tessik {
namespace {

constexpr const char* kSettingsKey = "SOFTWARE\\Tessik\\Settings";

std::vector<std::byte> Bytes(std::initializer_list<int> values) {
    std::vector<std::byte> bytes;
    for (int v : values)
        bytes.push_back(static_cast<std::byte>(v));
    return bytes;
}

class SettingsStore : public ::testing::Test {
protected:
    RegistryValue ReadKeyLayout() {
        return ReadSetting(registry, "Tessik", "Settings", "KeyLayout", "Default", reg::CurrentUser,
                           "SOFTWARE");
    }
    bool WriteKeyLayout(const std::string& name) {
        return WriteSetting(registry, "Tessik", "Settings", "KeyLayout", name, reg::CurrentUser,
                            "SOFTWARE");
    }
    // Queries KeyLayout through an open key, as ReadSetting does.
    int32_t QueryKeyLayout(RegistryValue& value, uint32_t& type) {
        RegistryKey key = 0;
        registry.OpenKey(reg::CurrentUser, kSettingsKey, reg::kAccess, key);
        const int32_t status = QueryValue(registry, key, "KeyLayout", value, type);
        registry.CloseKey(key);
        return status;
    }

    MemoryRegistry registry;
};

TEST(JoinKeyPath, JoinsNonEmptyPartsWithSingleBackslashes) {
    EXPECT_EQ(JoinKeyPath("SOFTWARE", "Tessik", "Settings", ""), "SOFTWARE\\Tessik\\Settings");
    EXPECT_EQ(JoinKeyPath("", "", "", ""), "");
    EXPECT_EQ(JoinKeyPath("", "Tessik", "", "Settings"), "Tessik\\Settings");
    EXPECT_EQ(JoinKeyPath("SOFTWARE\\", "\\Tessik", "", ""), "SOFTWARE\\Tessik");
    EXPECT_EQ(JoinKeyPath("A\\\\\\B", "", "", ""), "A\\B");
    EXPECT_EQ(JoinKeyPath("SOFTWARE/Tessik", "Settings", "", ""), "SOFTWARE\\Tessik\\Settings");
    // Runs made with slashes shrink as well, so no key name is left empty.
    EXPECT_EQ(JoinKeyPath("SOFTWARE/", "Tessik", "", ""), "SOFTWARE\\Tessik");
    EXPECT_EQ(JoinKeyPath("SOFTWARE/\\Tessik", "", "", ""), "SOFTWARE\\Tessik");
}

TEST_F(SettingsStore, ReadGivesTheDefaultWhenNothingUsableIsStored) {
    EXPECT_EQ(ReadKeyLayout(), RegistryValue("Default")); // no key at all

    registry.PutString(reg::CurrentUser, kSettingsKey, "KeyLayout", "");
    EXPECT_EQ(ReadKeyLayout(), RegistryValue("Default"));

    registry.Put(reg::CurrentUser, kSettingsKey, "KeyLayout", reg::type::Sz, {}); // size 0
    EXPECT_EQ(ReadKeyLayout(), RegistryValue("Default"));

    registry.Put(reg::CurrentUser, kSettingsKey, "KeyLayout", reg::type::MultiSz,
                 Bytes({'a', 0, 0}));
    EXPECT_EQ(ReadKeyLayout(), RegistryValue("Default"));

    registry.PutString(reg::CurrentUser, kSettingsKey, "KeyLayout", "Phonetic");
    registry.failOpen = reg::status::AccessDenied;
    EXPECT_EQ(ReadKeyLayout(), RegistryValue("Default"));
    EXPECT_EQ(registry.accessAsked.back(), 0x3Fu);
    EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST_F(SettingsStore, ReadGivesTheStoredTextOrInteger) {
    registry.PutString(reg::CurrentUser, kSettingsKey, "KeyLayout", "Phonetic");
    EXPECT_EQ(ReadKeyLayout(), RegistryValue("Phonetic"));

    registry.PutString(reg::CurrentUser, kSettingsKey, "KeyLayout", "%USERNAME%",
                       reg::type::ExpandSz);
    EXPECT_EQ(ReadKeyLayout(), RegistryValue("%USERNAME%"));

    registry.PutDword(reg::CurrentUser, kSettingsKey, "KeyLayout", 0xFFFFFFFE);
    EXPECT_EQ(ReadKeyLayout(), RegistryValue(int32_t{-2}));
    EXPECT_EQ(ValueAsText(ReadKeyLayout()), "-2");
    EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST_F(SettingsStore, QueryValueReportsTypesAndStatuses) {
    RegistryValue value;
    uint32_t type = 99;
    EXPECT_EQ(QueryKeyLayout(value, type), reg::status::InvalidHandle); // key missing: handle 0
    EXPECT_EQ(type, 99u);
    EXPECT_EQ(value, RegistryValue(""));

    registry.Put(reg::CurrentUser, kSettingsKey, "KeyLayout", reg::type::MultiSz,
                 Bytes({'a', 0, 0}));
    EXPECT_EQ(QueryKeyLayout(value, type), -1);
    EXPECT_EQ(type, reg::type::MultiSz);
    EXPECT_EQ(value, RegistryValue(""));

    // Big-endian integers are taken as they lie in memory, unswapped.
    registry.Put(reg::CurrentUser, kSettingsKey, "KeyLayout", reg::type::DwordBigEndian,
                 Bytes({0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(QueryKeyLayout(value, type), 0);
    EXPECT_EQ(value, RegistryValue(int32_t{1}));

    // An integer value that claims more than 4 bytes is not read past them.
    registry.Put(reg::CurrentUser, kSettingsKey, "KeyLayout", reg::type::Dword,
                 Bytes({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(QueryKeyLayout(value, type), reg::status::MoreData);
    EXPECT_EQ(value, RegistryValue(""));

    // A failing second query leaves a text value empty.
    registry.PutString(reg::CurrentUser, kSettingsKey, "KeyLayout", "Phonetic");
    registry.failDataQuery = reg::status::AccessDenied;
    EXPECT_EQ(QueryKeyLayout(value, type), reg::status::AccessDenied);
    EXPECT_EQ(value, RegistryValue());
}

TEST_F(SettingsStore, TextsLoseOnlyTheirTerminatingNul) {
    RegistryValue value;
    uint32_t type = 0;
    registry.Put(reg::CurrentUser, kSettingsKey, "KeyLayout", reg::type::Sz,
                 Bytes({'a', 'b', 'c', 0}));
    QueryKeyLayout(value, type);
    EXPECT_EQ(value, RegistryValue("abc"));

    // Stored without a NUL by another program: every character is kept.
    registry.Put(reg::CurrentUser, kSettingsKey, "KeyLayout", reg::type::Sz,
                 Bytes({'a', 'b', 'c'}));
    QueryKeyLayout(value, type);
    EXPECT_EQ(value, RegistryValue("abc"));
}

TEST_F(SettingsStore, BinaryValuesReadAsHexPairsIncludingTheLastByte) {
    RegistryValue value;
    uint32_t type = 0;
    registry.Put(reg::CurrentUser, kSettingsKey, "KeyLayout", reg::type::Binary,
                 Bytes({0x0A, 0xFF, 0x00, 0x7}));
    EXPECT_EQ(QueryKeyLayout(value, type), 0);
    EXPECT_EQ(type, reg::type::Binary);
    EXPECT_EQ(value, RegistryValue("0A FF 00 07"));

    registry.Put(reg::CurrentUser, kSettingsKey, "KeyLayout", reg::type::Binary, {});
    QueryKeyLayout(value, type);
    EXPECT_EQ(value, RegistryValue(""));
}

TEST_F(SettingsStore, WriteCreatesTheKeyAndStoresTheTextWithItsNul) {
    EXPECT_TRUE(WriteKeyLayout("Bornona 1"));
    EXPECT_TRUE(registry.KeyExists(reg::CurrentUser, "SOFTWARE\\Tessik"));
    const auto stored = registry.Find(reg::CurrentUser, kSettingsKey, "KeyLayout");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, reg::type::Sz);
    ASSERT_EQ(stored->data.size(), 10u);
    EXPECT_EQ(std::memcmp(stored->data.data(), "Bornona 1", 10), 0);
    EXPECT_EQ(registry.accessAsked.back(), 0x3Fu);
    EXPECT_EQ(registry.OpenHandles(), 0u);

    EXPECT_EQ(ReadKeyLayout(), RegistryValue("Bornona 1"));
}

TEST_F(SettingsStore, WriteReportsAFailureToCreateOrStore) {
    registry.failCreate = reg::status::AccessDenied;
    EXPECT_FALSE(WriteKeyLayout("Phonetic"));
    EXPECT_FALSE(registry.KeyExists(reg::CurrentUser, kSettingsKey));

    registry.failCreate.reset();
    registry.failSet = reg::status::AccessDenied;
    EXPECT_FALSE(WriteKeyLayout("Phonetic"));
    EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST_F(SettingsStore, SetValueStoresIntegersAndIgnoresOtherTypes) {
    RegistryKey key = 0;
    registry.CreateKey(reg::CurrentUser, kSettingsKey, reg::kAccess, key);
    EXPECT_EQ(SetValue(registry, key, "Number", reg::type::Dword, RegistryValue("-3")), 0);
    EXPECT_EQ(SetValue(registry, key, "Blob", reg::type::Binary, RegistryValue("x")), 0);
    EXPECT_THROW(SetValue(registry, key, "Bad", reg::type::Dword, RegistryValue("three")),
                 RuntimeError);
    registry.CloseKey(key);

    const auto number = registry.Find(reg::CurrentUser, kSettingsKey, "Number");
    ASSERT_TRUE(number);
    EXPECT_EQ(number->data, Bytes({0xFD, 0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(registry.Find(reg::CurrentUser, kSettingsKey, "Blob"));
    EXPECT_FALSE(registry.Find(reg::CurrentUser, kSettingsKey, "Bad"));
}

} // namespace
} // namespace tessik
