// Reading layout files into the active key map, and writing layout records.

#include "engine_fixtures.h"

#include <gtest/gtest.h>

namespace tessik::test {
namespace {

// Every key label but "Shift + 6" and "Shift + 7", each with its own code.
Layout FiftyFiveDistinctLabels() {
    Layout layout;
    for (KeySlot slot = 0; slot < kKeySlotCount; ++slot) {
        if (slot != slot::Shift6 && slot != slot::Shift7)
            layout.push_back({std::string(kKeyLabels[slot]), 0x0980 + slot});
    }
    return layout;
}

std::vector<CodeValue> AllSlots(const EngineRig& rig) {
    std::vector<CodeValue> codes;
    for (KeySlot slot = 0; slot < kKeySlotCount; ++slot)
        codes.push_back(rig.engine.ActiveKeyMap().At(slot));
    return codes;
}

const std::vector<CodeValue> kEmptyMap(kKeySlotCount, 0);

TEST(EngineKeyLabels, AreTheFiftySevenLabelsOfTheLayoutFormat) {
    std::vector<std::string> expected;
    for (char c = 'A'; c <= 'Z'; ++c)
        expected.push_back(std::string("Shift + ") + c);
    for (char c = 'a'; c <= 'z'; ++c)
        expected.push_back(std::string(1, c) + " ");
    for (const char* label : {"Shift + |", "\\ ", "Shift + 3", "Shift + 6", "Shift + 7"})
        expected.push_back(label);

    ASSERT_EQ(kKeyLabels.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(kKeyLabels[i], expected[i]);
        EXPECT_EQ(SlotOfLabel(expected[i]), static_cast<KeySlot>(i));
    }
}

TEST(EngineLoadKeyMap, FiftyFiveDistinctLabelsSetExactlyTheirSlots) {
    EngineRig rig;
    rig.Use(FiftyFiveDistinctLabels());

    for (KeySlot slot = 0; slot < kKeySlotCount; ++slot) {
        const CodeValue expected =
            (slot == slot::Shift6 || slot == slot::Shift7) ? 0 : 0x0980 + slot;
        EXPECT_EQ(rig.engine.ActiveKeyMap().At(slot), expected) << kKeyLabels[slot];
    }
}

TEST(EngineLoadKeyMap, LabelsThatNameNoSlotChangeNothing) {
    const std::string nearMisses[] = {
        "A ",      "a",         "a  ",       " a",         "shift + a",  "Shift + a",
        "Shift+A", "Shift +A",  "SHIFT + A", "Shift + A ", "\\",         "Shift + \\",
        "| ",      "Shift + 4", "3 ",        "",           "Shift + 66", std::string("a \0", 3)};
    Layout layout;
    for (const std::string& label : nearMisses)
        layout.push_back({label, 0x0995});
    EngineRig rig;
    rig.Use(layout);
    EXPECT_EQ(AllSlots(rig), kEmptyMap);

    // Ignored records still count among the 55 that are read.
    Layout padded(54, {"Q ", 7});
    padded.push_back({"q ", 0x0995});
    padded.push_back({"w ", 0x0996});
    rig.Use(padded);
    EXPECT_EQ(rig.Slot("q "), 0x0995);
    EXPECT_EQ(rig.Slot("w "), 0);
    EXPECT_EQ(rig.Slot("Shift + Q"), 0);
}

TEST(EngineLoadKeyMap, CodesAreStoredWithoutRangeTest) {
    EngineRig rig;
    rig.Use(
        {{"a ", -1}, {"b ", 0x10000}, {"c ", INT32_MAX}, {"d ", INT32_MIN}, {"e ", 4}, {"f ", 0}});
    EXPECT_EQ(rig.Slot("a "), -1);
    EXPECT_EQ(rig.Slot("b "), 0x10000);
    EXPECT_EQ(rig.Slot("c "), INT32_MAX);
    EXPECT_EQ(rig.Slot("d "), INT32_MIN);
    EXPECT_EQ(rig.Slot("e "), 4);
    EXPECT_EQ(rig.Slot("f "), 0);
}

TEST(EngineLoadKeyMap, LaterRecordWithTheSameLabelWins) {
    EngineRig rig;
    rig.Use({{"k ", 0x0995}, {"g ", 0x0997}, {"k ", 0x0996}});
    EXPECT_EQ(rig.Slot("k "), 0x0996);
    EXPECT_EQ(rig.Slot("g "), 0x0997);

    // A later zero clears the slot too.
    rig.Use({{"k ", 0x0995}, {"k ", 0}});
    EXPECT_EQ(rig.Slot("k "), 0);
}

TEST(EngineLoadKeyMap, EmptyFileGivesAnEmptyMapAndNoError) {
    EngineRig rig;
    rig.Use(FiftyFiveDistinctLabels(), "Full");
    rig.AddLayoutFile("Empty", "");
    rig.engine.SelectLayout("Empty");
    EXPECT_NO_THROW(rig.engine.LoadKeyMap());
    EXPECT_EQ(AllSlots(rig), kEmptyMap);
}

TEST(EngineLoadKeyMap, AFileOfWhichNoRecordNamesAKeyIsNoLayoutAndPassesEveryKey) {
    Layout noLabels(kLayoutRecordsPerFile, {"", 0x0995});
    noLabels.push_back({"k ", 0x0995}); // the 56th record, never read
    const std::pair<std::string, std::string> notLayouts[] = {
        {"empty", ""},
        {"text form", "# Tessik keyboard layout.\n\"Shift + A\"  U+0985  \u0985\n"},
        {"labels of no key", LayoutBytes({{"K ", 0x0995}, {"", 0x0996}, {"k", 0x0997}})},
        {"55 records without a label", LayoutBytes(noLabels)},
    };
    for (const auto& [what, bytes] : notLayouts) {
        EngineRig rig;
        rig.AddLayoutFile("Not", bytes);
        rig.engine.SelectLayout("Not");
        rig.engine.LoadKeyMap();
        EXPECT_TRUE(rig.engine.CurrentFileIsNotALayout()) << what;
        EXPECT_TRUE(rig.Press('K').Passed()) << what;
        EXPECT_TRUE(rig.Press('4', true).Passed()) << what;
        EXPECT_TRUE(rig.Press(vk::Numpad0).Passed()) << what;

        // One record that names a key, even with nothing assigned, is a layout.
        rig.Use({{"K ", 0x0995}, {"k ", 0}});
        EXPECT_FALSE(rig.engine.CurrentFileIsNotALayout()) << what;
        EXPECT_TRUE(rig.Press('K').Swallowed()) << what;
        EXPECT_EQ(rig.Press('4', true).injected, std::vector<uint16_t>{bn::RupeeSign});
    }
}

TEST(EngineLoadKeyMap, RecordCutByTheEndOfTheFileAssignsNothing) {
    const std::string whole = LayoutBytes({{"a ", 0x0985}, {"Shift + B", 0x09AD}});
    const std::size_t firstRecordEnd = 8;

    // Cut at every byte of the second record: its head, its length, its label.
    for (std::size_t cut = firstRecordEnd; cut < whole.size(); ++cut) {
        EngineRig rig;
        rig.AddLayoutFile("Short", whole.substr(0, cut));
        rig.engine.SelectLayout("Short");
        ASSERT_NO_THROW(rig.engine.LoadKeyMap()) << "cut at " << cut;
        EXPECT_EQ(rig.Slot("a "), 0x0985) << "cut at " << cut;
        EXPECT_EQ(rig.Slot("Shift + B"), 0) << "cut at " << cut;
        EXPECT_TRUE(rig.engine.RecordBuffer().KeyLabel.empty()) << "cut at " << cut;
    }
}

TEST(EngineLoadKeyMap, RecordsAfterTheFiftyFifthAreNeverRead) {
    Layout layout = FiftyFiveDistinctLabels();
    layout.push_back({"Shift + 6", 0x09F0});
    layout.push_back({"a ", 0x09F1});
    EngineRig rig;
    rig.Use(layout);
    EXPECT_EQ(rig.Slot("Shift + 6"), 0);
    EXPECT_EQ(rig.Slot("a "), 0x0980 + slot::Letter('A'));

    // Old bytes left behind a rewritten file are not records either.
    rig.AddLayoutFile("Rewritten", LayoutBytes(FiftyFiveDistinctLabels()) + "garbage");
    rig.engine.SelectLayout("Rewritten");
    EXPECT_NO_THROW(rig.engine.LoadKeyMap());
    EXPECT_EQ(rig.Slot("z "), 0x0980 + slot::Letter('Z'));
}

TEST(EngineLoadKeyMap, LoadingAnotherLayoutKeepsNothingOfTheFirst) {
    EngineRig rig;
    rig.Use({{"a ", 0x0985}, {"b ", 0x09AC}, {"Shift + 3", 0x0983}}, "X");
    rig.Use({{"b ", 0x09AD}, {"c ", 0x099A}}, "Y");

    std::vector<CodeValue> expected = kEmptyMap;
    expected[static_cast<std::size_t>(slot::Letter('B'))] = 0x09AD;
    expected[static_cast<std::size_t>(slot::Letter('C'))] = 0x099A;
    EXPECT_EQ(AllSlots(rig), expected);
}

TEST(EngineLoadKeyMap, MissingFileRaisesFileNotFoundAndLeavesAnEmptyMap) {
    EngineRig rig;
    rig.Use(FiftyFiveDistinctLabels(), "Present");
    rig.engine.SelectLayout("Absent");
    try {
        rig.engine.LoadKeyMap();
        FAIL() << "loading a missing layout did not raise";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 53);
    }
    EXPECT_EQ(AllSlots(rig), kEmptyMap);
}

TEST(EngineLoadKeyMap, ReadsTheFileOfTheCurrentLayoutInTheLayoutsFolder) {
    EngineRig rig;
    rig.files.files[JoinPath(EngineRig::kLayoutsFolder, "Mine")] = RecordBytes(0x0995, "k ");
    rig.files.files["Mine"] = RecordBytes(0x0996, "k ");
    rig.engine.SelectLayout("Mine");
    rig.engine.LoadKeyMap();
    EXPECT_EQ(rig.Slot("k "), 0x0995);
}

TEST(EngineLoadKeyMap, ReadFailureIsRaisedToTheCallerAndLeavesAnEmptyMap) {
    const Layout layout = FiftyFiveDistinctLabels();
    // The read of each record in turn fails, the first one included.
    std::size_t recordStart = 0;
    for (const auto& [label, code] : layout) {
        EngineRig rig;
        rig.Use(layout, "Good");
        rig.AddLayoutFile("Bad", LayoutBytes(layout));
        rig.files.failRead = ErrorNumber::DeviceIoError;
        rig.files.failReadAt = recordStart;
        rig.engine.SelectLayout("Bad");
        try {
            rig.engine.LoadKeyMap();
            ADD_FAILURE() << "a failing read of " << label << " was not raised";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), 57);
        }
        EXPECT_EQ(AllSlots(rig), kEmptyMap) << "failing at " << label;
        recordStart += 6 + label.size();
    }
}

std::string WrittenBytes(const LayoutRecord& record) {
    MemoryFileSystem files;
    auto file = files.OpenForWriting("out");
    WriteLayoutRecord(*file, record);
    file->Close();
    return files.files["out"];
}

TEST(EngineWriteLayoutRecord, WritesCodeLengthAndLabelLittleEndian) {
    EXPECT_EQ(WrittenBytes({0x0985, "a "}), std::string("\x85\x09\x00\x00\x02\x00\x61\x20", 8));
    EXPECT_EQ(WrittenBytes({0x09AD, "Shift + A"}),
              std::string("\xAD\x09\x00\x00\x09\x00", 6) + "Shift + A");
    EXPECT_EQ(WrittenBytes({-2, ""}), std::string("\xFE\xFF\xFF\xFF\x00\x00", 6));
    EXPECT_EQ(WrittenBytes({0x12345678, "\\ "}), std::string("\x78\x56\x34\x12\x02\x00\\ ", 8));

    const std::string longest(0xFFFF, 'x');
    const std::string bytes = WrittenBytes({4, longest});
    EXPECT_EQ(bytes.substr(0, 6), std::string("\x04\x00\x00\x00\xFF\xFF", 6));
    EXPECT_EQ(bytes.size(), 6u + 0xFFFF);
}

TEST(EngineWriteLayoutRecord, RefusesALabelTooLongToStoreAndWritesNothing) {
    MemoryFileSystem files;
    auto file = files.OpenForWriting("out");
    try {
        WriteLayoutRecord(*file, {0x0985, std::string(0x10000, 'x')});
        FAIL() << "an oversized label was written";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 5);
    }
    EXPECT_EQ(files.files["out"], "");
}

TEST(EngineWriteLayoutRecord, RecordsWrittenAreReadBackUnchanged) {
    const std::vector<LayoutRecord> records = {{0x0985, "a "},
                                               {INT32_MIN, "Shift + 7"},
                                               {-1, ""},
                                               {0x09F3, std::string(300, 'L')},
                                               {0, "\\ "}};
    MemoryFileSystem files;
    auto out = files.OpenForWriting("file");
    for (const auto& record : records)
        WriteLayoutRecord(*out, record);
    out->Close();

    auto in = files.OpenForReading("file");
    LayoutRecord buffer;
    for (const auto& record : records) {
        ASSERT_TRUE(ReadLayoutRecord(*in, buffer));
        EXPECT_EQ(buffer.Code, record.Code);
        EXPECT_EQ(buffer.KeyLabel, record.KeyLabel);
    }
    EXPECT_FALSE(ReadLayoutRecord(*in, buffer));
    EXPECT_EQ(buffer.Code, 0);
    EXPECT_TRUE(buffer.KeyLabel.empty());
}

TEST(EngineWriteLayoutRecord, AFileOfWrittenRecordsLoadsAsTheSameKeyMap) {
    EngineRig rig;
    auto out = rig.files.OpenForWriting(rig.engine.LayoutPath("Written"));
    for (const auto& [label, code] : FiftyFiveDistinctLabels())
        WriteLayoutRecord(*out, {code, label});
    out->Close();
    rig.engine.SelectLayout("Written");
    rig.engine.LoadKeyMap();
    const std::vector<CodeValue> loaded = AllSlots(rig);

    rig.Use(FiftyFiveDistinctLabels(), "HandMade");
    EXPECT_EQ(loaded, AllSlots(rig));
    EXPECT_EQ(rig.files.files[rig.engine.LayoutPath("Written")],
              rig.files.files[rig.engine.LayoutPath("HandMade")]);
}

} // namespace
} // namespace tessik::test
