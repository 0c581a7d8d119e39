// Random and truncated layout files through LoadKeyMap. The reader must never
// crash, never raise for a short or malformed file, never ask a file for more
// after it has reported its end, and must build the map a plain decoding of
// the bytes gives. Built with TESSIK_SANITIZE, any read outside a buffer fails too.

#include "engine_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>

namespace tessik::test {
namespace {

using Bytes = std::string;
using Map = std::array<CodeValue, kKeySlotCount>;

// Holds exactly its bytes. A read that comes up short reports the end of the
// file; asking again after that is a fault of the reader.
class BoundedInputFile : public InputFile {
public:
    explicit BoundedInputFile(const Bytes& bytes) {
        const auto view = std::as_bytes(std::span(bytes));
        bytes_.assign(view.begin(), view.end());
    }

    std::size_t Read(std::span<std::byte> into) override {
        EXPECT_FALSE(endReported_) << "read again after the end of the file was reported";
        const std::size_t count = std::min(into.size(), bytes_.size() - position_);
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), count, into.begin());
        position_ += count;
        endReported_ = count < into.size();
        return count;
    }

private:
    std::vector<std::byte> bytes_;
    std::size_t position_ = 0;
    bool endReported_ = false;
};

class OneFileSystem : public FileSystem {
public:
    Bytes content;

    std::unique_ptr<InputFile> OpenForReading(const std::string&) override {
        return std::make_unique<BoundedInputFile>(content);
    }
    std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) override {
        throw Unexpected(path);
    }
    std::unique_ptr<OutputFile> OpenForReplacing(const std::string& path) override {
        throw Unexpected(path);
    }
    std::unique_ptr<OutputFile> OpenForCreating(const std::string& path) override {
        throw Unexpected(path);
    }
    bool Exists(const std::string& path) override { throw Unexpected(path); }
    std::vector<FolderEntry> ListFolder(const std::string& path) override {
        throw Unexpected(path);
    }
    void CreateFolder(const std::string& path) override { throw Unexpected(path); }
    void RemoveFile(const std::string& path) override { throw Unexpected(path); }

private:
    static std::logic_error Unexpected(const std::string& path) {
        return std::logic_error("the reader touched " + path + " other than by reading it");
    }
};

// The map a layout file stands for, decoded straight from its bytes: up to
// 55 complete records, a later record winning over an earlier one.
Map DecodeMap(const Bytes& bytes) {
    Map map{};
    const auto byteAt = [&](std::size_t i) {
        return static_cast<uint32_t>(static_cast<uint8_t>(bytes[i]));
    };
    std::size_t at = 0;
    for (int record = 0; record < kLayoutRecordsPerFile && bytes.size() - at >= 6; ++record) {
        const uint32_t code =
            byteAt(at) | byteAt(at + 1) << 8 | byteAt(at + 2) << 16 | byteAt(at + 3) << 24;
        const std::size_t length = byteAt(at + 4) | byteAt(at + 5) << 8;
        at += 6;
        if (bytes.size() - at < length)
            break;
        if (const auto slot = SlotOfLabel(std::string_view(bytes).substr(at, length)))
            map[static_cast<std::size_t>(*slot)] = static_cast<CodeValue>(code);
        at += length;
    }
    return map;
}

// Files that look like layouts often enough to reach every branch: real and
// nearly-real labels, odd codes, random bytes, cuts and single corrupted bytes.
class LayoutFileGenerator {
public:
    explicit LayoutFileGenerator(uint32_t seed) : random_(seed) {}

    Bytes Next() {
        Bytes bytes = Below(8) == 0 ? RandomBytes(Below(400)) : Records(Below(62));
        if (!bytes.empty() && Below(3) == 0)
            bytes.resize(Below(bytes.size()));
        if (!bytes.empty() && Below(4) == 0)
            bytes[Below(bytes.size())] = static_cast<char>(Below(256));
        return bytes;
    }

private:
    std::size_t Below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }

    Bytes RandomBytes(std::size_t count) {
        Bytes bytes(count, '\0');
        for (char& b : bytes)
            b = static_cast<char>(Below(256));
        return bytes;
    }

    std::string Label() {
        switch (Below(6)) {
        case 0:
            return "";
        case 1: { // a near miss: one character of a real label changed
            std::string label(kKeyLabels[Below(kKeySlotCount)]);
            label[Below(label.size())] = static_cast<char>(Below(256));
            return label;
        }
        case 2:
            return RandomBytes(Below(20));
        default:
            return std::string(kKeyLabels[Below(kKeySlotCount)]);
        }
    }

    CodeValue Code() {
        constexpr CodeValue kOdd[] = {0, 1, 2, 3, 4, 8, -1, 0xFFFF, 0x10000, INT32_MIN, INT32_MAX};
        return Below(3) == 0 ? kOdd[Below(std::size(kOdd))]
                             : static_cast<CodeValue>(0x0980 + Below(0x80));
    }

    Bytes Records(std::size_t count) {
        Bytes bytes;
        for (std::size_t i = 0; i < count; ++i) {
            if (Below(40) == 0) { // a length field that claims more than follows
                Bytes head = RecordBytes(Code(), "");
                const auto claimed = static_cast<uint16_t>(Below(0x10000));
                head[4] = static_cast<char>(claimed & 0xFF);
                head[5] = static_cast<char>(claimed >> 8);
                bytes += head;
            } else {
                bytes += RecordBytes(Code(), Label());
            }
        }
        return bytes;
    }

    std::mt19937 random_;
};

Map LoadedMap(const Engine& engine) {
    Map map{};
    for (KeySlot slot = 0; slot < kKeySlotCount; ++slot)
        map[static_cast<std::size_t>(slot)] = engine.ActiveKeyMap().At(slot);
    return map;
}

TEST(EngineReaderFuzz, RandomAndTruncatedFilesLoadSafelyAndAsDecoded) {
    constexpr int kCases = 4000;
    FakeKeyState keys;
    FakeHookChain hookChain;
    RecordingInjector injector;
    OneFileSystem files;
    FakeForegroundWindow foreground;
    Engine engine({keys, hookChain, injector, files, foreground}, "Layouts");
    engine.SelectLayout("Fuzzed");

    LayoutFileGenerator generator(20240611);
    int filesWithAssignments = 0;
    for (int i = 0; i < kCases && !HasFailure(); ++i) {
        files.content = generator.Next();
        SCOPED_TRACE(::testing::Message()
                     << "case " << i << ", " << files.content.size() << " bytes");
        ASSERT_NO_THROW(engine.LoadKeyMap());
        const Map expected = DecodeMap(files.content);
        ASSERT_EQ(LoadedMap(engine), expected);
        filesWithAssignments +=
            std::any_of(expected.begin(), expected.end(), [](CodeValue c) { return c != 0; });
    }
    // The generator must keep producing files that assign something, or the
    // comparison above would prove little.
    EXPECT_GT(filesWithAssignments, kCases / 2);
}

TEST(EngineReaderFuzz, EveryCutOfAFullLayoutLoadsItsCompleteRecords) {
    Layout layout;
    for (KeySlot slot = 0; slot < kLayoutRecordsPerFile; ++slot)
        layout.push_back({std::string(kKeyLabels[slot]), 0x0980 + slot});
    const Bytes whole = LayoutBytes(layout);

    FakeKeyState keys;
    FakeHookChain hookChain;
    RecordingInjector injector;
    OneFileSystem files;
    FakeForegroundWindow foreground;
    Engine engine({keys, hookChain, injector, files, foreground}, "Layouts");
    for (std::size_t cut = 0; cut <= whole.size() && !HasFailure(); ++cut) {
        files.content = whole.substr(0, cut);
        SCOPED_TRACE(::testing::Message() << "cut at " << cut);
        ASSERT_NO_THROW(engine.LoadKeyMap());
        ASSERT_EQ(LoadedMap(engine), DecodeMap(files.content));
    }
}

} // namespace
} // namespace tessik::test
