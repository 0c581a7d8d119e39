#include "engine/LayoutRecord.h"

#include "engine/KeySlots.h"
#include "platform/RuntimeError.h"

#include <array>
#include <cstdint>

namespace tessik {
namespace {

// A short read means the file has ended, so it is never asked again.
bool ReadExactly(InputFile& file, std::span<std::byte> into) {
    return into.empty() || file.Read(into) == into.size();
}

uint32_t LittleEndian(std::span<const std::byte> bytes) {
    uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = (value << 8) | static_cast<uint32_t>(bytes[i]);
    return value;
}

} // namespace

bool ReadLayoutRecord(InputFile& file, LayoutRecord& record) {
    record.Empty();
    std::array<std::byte, 6> head;
    if (!ReadExactly(file, head))
        return false;
    const auto length = static_cast<std::size_t>(LittleEndian(std::span(head).subspan(4, 2)));
    std::string label(length, '\0');
    if (!ReadExactly(file, std::as_writable_bytes(std::span(label))))
        return false;
    record.Code = static_cast<CodeValue>(LittleEndian(std::span(head).first(4)));
    record.KeyLabel = std::move(label);
    return true;
}

bool ReadLayoutRecords(InputFile& file, LayoutRecord& buffer,
                       const std::function<void(const LayoutRecord&)>& onRecord) {
    bool namesAKeySlot = false;
    for (int i = 0; i < kLayoutRecordsPerFile && ReadLayoutRecord(file, buffer); ++i) {
        namesAKeySlot = namesAKeySlot || SlotOfLabel(buffer.KeyLabel).has_value();
        onRecord(buffer);
    }
    return namesAKeySlot;
}

void WriteLayoutRecord(OutputFile& file, const LayoutRecord& record) {
    if (record.KeyLabel.size() > 0xFFFF)
        throw RuntimeError(ErrorNumber::InvalidArgument, "key label too long for a layout record");
    const auto code = static_cast<uint32_t>(record.Code);
    const auto length = static_cast<uint32_t>(record.KeyLabel.size());
    const std::array<std::byte, 6> head = {
        std::byte(code & 0xFF),         std::byte((code >> 8) & 0xFF),
        std::byte((code >> 16) & 0xFF), std::byte((code >> 24) & 0xFF),
        std::byte(length & 0xFF),       std::byte((length >> 8) & 0xFF),
    };
    file.Write(head);
    file.Write(std::as_bytes(std::span(record.KeyLabel)));
}

} // namespace tessik
