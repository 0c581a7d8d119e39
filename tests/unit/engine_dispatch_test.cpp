// Which key-downs the hook translates, and to what; which it passes on.

#include "engine_fixtures.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessik::test {
namespace {

using Units = std::vector<uint16_t>;

// Every letter slot and both backslash slots, each with its own character.
// None of these is a vowel sign or the hasanta, so no composition interferes.
Layout LetterLayout() {
    Layout layout;
    for (char c = 'a'; c <= 'z'; ++c)
        layout.push_back({std::string(1, c) + " ", 0x0985 + (c - 'a')});
    for (char c = 'A'; c <= 'Z'; ++c)
        layout.push_back({std::string("Shift + ") + c, 0x09A0 + (c - 'A')});
    layout.push_back({"\\ ", 0x0964});
    layout.push_back({"Shift + |", 0x0965});
    return layout;
}

void ExpectPassedOn(const EngineRig& rig, const KeyResult& result, uint32_t virtualKey,
                    uintptr_t message = msg::KeyDown, int32_t code = 0) {
    EXPECT_TRUE(result.Passed()) << "key " << virtualKey;
    EXPECT_TRUE(result.injected.empty()) << "key " << virtualKey;
    ASSERT_FALSE(rig.hookChain.calls.empty()) << "key " << virtualKey;
    const FakeHookChain::Call& call = rig.hookChain.calls.back();
    EXPECT_EQ(call.code, code);
    EXPECT_EQ(call.message, message);
    EXPECT_EQ(call.virtualKey, virtualKey);
}

TEST(EngineDispatch, LetterAndBackslashKeysTypeTheirSlotWithAndWithoutShift) {
    EngineRig rig;
    rig.Use(LetterLayout());
    for (char c = 'A'; c <= 'Z'; ++c) {
        const auto key = static_cast<uint32_t>(c);
        const KeyResult plain = rig.Press(key);
        EXPECT_TRUE(plain.Swallowed()) << c;
        EXPECT_EQ(plain.injected, Units{static_cast<uint16_t>(0x0985 + (c - 'A'))}) << c;
        const KeyResult shifted = rig.Press(key, true);
        EXPECT_TRUE(shifted.Swallowed()) << c;
        EXPECT_EQ(shifted.injected, Units{static_cast<uint16_t>(0x09A0 + (c - 'A'))}) << c;
    }
    EXPECT_EQ(rig.Press(vk::Oem5Backslash).injected, Units{0x0964});
    EXPECT_EQ(rig.Press(vk::Oem5Backslash, true).injected, Units{0x0965});
    EXPECT_TRUE(rig.hookChain.calls.empty());
    // Each typed character is recorded.
    EXPECT_EQ(rig.History()[4], 0x0965);
    EXPECT_EQ(rig.History()[3], 0x0964);
}

TEST(EngineDispatch, DigitRowAndKeypadTypeBengaliDigits) {
    EngineRig rig;
    rig.Use({{"Shift + 3", 0x0983}, {"Shift + 6", 0x0981}, {"Shift + 7", 0x0982}});
    for (int d = 0; d <= 9; ++d) {
        const auto digit = static_cast<uint16_t>(bn::DigitZero + d);
        EXPECT_EQ(rig.Press(vk::Digit0 + d).injected, Units{digit}) << d;
        EXPECT_EQ(rig.Press(vk::Numpad0 + d).injected, Units{digit}) << d;
        const KeyResult keypadShifted = rig.Press(vk::Numpad0 + d, true);
        EXPECT_TRUE(keypadShifted.Swallowed()) << d;
        EXPECT_EQ(keypadShifted.injected, Units{digit}) << d;
        EXPECT_EQ(rig.History()[4], digit);
    }
}

TEST(EngineDispatch, DigitRowWithShift) {
    EngineRig rig;
    rig.Use({{"Shift + 3", 0x0983}, {"Shift + 6", 0x0981}, {"Shift + 7", 0x0982}});
    for (int d : {0, 1, 2, 5, 8, 9})
        ExpectPassedOn(rig, rig.Press(vk::Digit0 + d, true), vk::Digit0 + d);
    EXPECT_EQ(rig.Press(vk::Digit0 + 4, true).injected, Units{bn::RupeeSign});
    EXPECT_EQ(rig.Press("Shift + 3").injected, Units{0x0983});
    EXPECT_EQ(rig.Press("Shift + 6").injected, Units{0x0981});
    EXPECT_EQ(rig.Press("Shift + 7").injected, Units{0x0982});
    EXPECT_EQ(rig.History()[4], 0x0982);

    // Empty slots let the key type what the system layout gives it.
    rig.Use({{"a ", bn::LetterA}});
    for (int d : {3, 6, 7})
        ExpectPassedOn(rig, rig.Press(vk::Digit0 + d, true), vk::Digit0 + d);
    // The rupee sign does not depend on the layout.
    EXPECT_EQ(rig.Press(vk::Digit0 + 4, true).injected, Units{bn::RupeeSign});
}

TEST(EngineDispatch, SpecialValuesInDigitShiftSlotsAreTypedAsCharacters) {
    EngineRig rig;
    rig.Use({{"Shift + 3", 1}, {"Shift + 6", 4}, {"Shift + 7", 2}, {"k ", bn::Ka}});
    rig.Press("k ");
    for (const auto& [label, value] :
         {std::pair{"Shift + 3", 1}, {"Shift + 6", 4}, {"Shift + 7", 2}}) {
        const KeyResult result = rig.Press(label);
        EXPECT_TRUE(result.Swallowed()) << label;
        EXPECT_EQ(result.injected, Units{static_cast<uint16_t>(value)}) << label;
        EXPECT_EQ(rig.History()[4], value) << label;
    }
    EXPECT_EQ(rig.History(), (std::array<CodeValue, 5>{0, bn::Ka, 1, 4, 2}));
}

TEST(EngineDispatch, LetterSlotsWithoutACharacterAreSwallowedAndRecorded) {
    EngineRig rig;
    rig.Use({{"a ", bn::LetterA}, {"b ", -7}, {"c ", 0x10000}, {"d ", 8}});
    // "q " is not in the layout: swallowed, nothing typed, 0 recorded.
    rig.Press("a ");
    const KeyResult unassigned = rig.Press("q ");
    EXPECT_TRUE(unassigned.Swallowed());
    EXPECT_TRUE(unassigned.injected.empty());
    EXPECT_EQ(rig.History()[4], 0);
    EXPECT_EQ(rig.History()[3], bn::LetterA);
    EXPECT_TRUE(rig.Press("\\ ").Swallowed());
    EXPECT_EQ(rig.History()[4], 0);

    // Codes that are no UTF-16 character are not typed but stand in the history.
    for (const auto& [label, value] : {std::pair{"b ", -7}, {"c ", 0x10000}}) {
        const KeyResult result = rig.Press(label);
        EXPECT_TRUE(result.Swallowed()) << label;
        EXPECT_TRUE(result.injected.empty()) << label;
        EXPECT_EQ(rig.History()[4], value) << label;
    }
    // Code 8 is a press of Backspace.
    EXPECT_EQ(rig.Press("d ").injected, Units{kBs});
    EXPECT_TRUE(rig.hookChain.calls.empty());
}

TEST(EngineDispatch, KeysThatNoRowNamesPassOnUnchanged) {
    EngineRig rig;
    rig.Use(LetterLayout());
    // Backspace, Tab, Enter, the modifiers, Caps Lock, Escape, Space, an
    // arrow, Delete, an unassigned code, the Windows key, Sleep, the keypad's
    // operators, F1, Num Lock, the punctuation keys, the extra backslash key
    // of 102-key keyboards, injected characters (VK_PACKET) and 0 and 0xFF.
    const uint32_t unnamed[] = {0x08, 0x09, 0x0D, 0x10, 0x11, 0x12, 0x14, 0x1B, 0x20, 0x25, 0x2E,
                                0x40, 0x5B, 0x5F, 0x6A, 0x6B, 0x6D, 0x6E, 0x6F, 0x70, 0x90, 0xBA,
                                0xBC, 0xBE, 0xBF, 0xC0, 0xDB, 0xDD, 0xDE, 0xE2, 0xE7, 0x00, 0xFF};
    // Codes whose low byte alone would name a translated key.
    const uint32_t wide[] = {0x141, 0x10041, 0x1DC, 0x134, 0xFFFFFF41};
    for (const auto& keys : {std::span<const uint32_t>(unnamed), std::span<const uint32_t>(wide)}) {
        for (uint32_t key : keys) {
            ExpectPassedOn(rig, rig.Press(key), key);
            ExpectPassedOn(rig, rig.Press(key, true), key);
        }
    }
    EXPECT_TRUE(rig.injector.batches.empty());
    EXPECT_EQ(rig.History(), (std::array<CodeValue, 5>{}));
}

TEST(EngineDispatch, OnlyKeyDownsWithHookCodeZeroAreTranslated) {
    EngineRig rig;
    rig.Use(LetterLayout());
    const uint32_t a = 'A';

    ExpectPassedOn(rig, rig.Hook(0, msg::KeyUp, a), a, msg::KeyUp);
    for (uintptr_t message : {msg::SysKeyDown, msg::SysKeyUp, uintptr_t{0x0102}})
        ExpectPassedOn(rig, rig.Hook(0, message, a), a, message);
    for (int32_t code : {-1, 1, 3, INT32_MIN})
        ExpectPassedOn(rig, rig.Hook(code, msg::KeyDown, a), a, msg::KeyDown, code);
    EXPECT_TRUE(rig.injector.batches.empty());

    // The key-up of a swallowed key-down still passes.
    EXPECT_TRUE(rig.Press(a).Swallowed());
    ExpectPassedOn(rig, rig.Hook(0, msg::KeyUp, a), a, msg::KeyUp);
}

TEST(EngineDispatch, ControlHeldNowPassesEveryKey) {
    EngineRig rig;
    rig.Use(LetterLayout());
    for (int16_t control : {int16_t(0x8000), int16_t(0x8001), int16_t(-1)}) {
        rig.keys.SetRaw(vk::Control, control);
        for (uint32_t key : {uint32_t{'C'}, uint32_t{'A'}, uint32_t{vk::Oem5Backslash},
                             uint32_t{vk::Digit0 + 4}, uint32_t{vk::Numpad0 + 5}}) {
            ExpectPassedOn(rig, rig.Press(key), key);
            ExpectPassedOn(rig, rig.Press(key, true), key);
        }
        // AltGr comes as Control and Alt.
        rig.keys.Hold(vk::Menu);
        ExpectPassedOn(rig, rig.Press('A'), 'A');
        rig.keys.Hold(vk::Menu, false);
    }
    EXPECT_TRUE(rig.injector.batches.empty());
}

TEST(EngineDispatch, OnlyTheHeldNowBitOfControlAndShiftCounts) {
    EngineRig rig;
    rig.Use(LetterLayout());
    // Control pressed and released since the last query (as after
    // Ctrl+Alt+Space) must not keep the next letter from being typed.
    rig.keys.SetRaw(vk::Control, 0x0001);
    EXPECT_EQ(rig.Press('A').injected, Units{0x0985});

    rig.keys.SetRaw(vk::Control, 0);
    rig.keys.SetRaw(vk::Shift, 0x0001);
    EXPECT_EQ(rig.KeyDown('A').injected, Units{0x0985});
    rig.keys.SetRaw(vk::Shift, int16_t(0x8001));
    EXPECT_EQ(rig.KeyDown('A').injected, Units{0x09A0});
}

TEST(EngineDispatch, CapsLockDoesNotChangeTheSlot) {
    EngineRig rig;
    rig.Use(LetterLayout());
    for (int16_t capsLock : {int16_t(0x0001), int16_t(0x8001)}) {
        rig.keys.SetRaw(0x14, capsLock);
        EXPECT_EQ(rig.Press('A').injected, Units{0x0985});
        EXPECT_EQ(rig.Press('A', true).injected, Units{0x09A0});
    }
}

TEST(EngineDispatch, KeysPassWithAWindowsKeyOrIntoWindowsThatMustNotBeTranslated) {
    constexpr WindowHandle kOther = 0x10, kOwn = 0x20, kElevated = 0x30, kOtherUser = 0x40,
                           kLowIntegrity = 0x50;
    // Columns: key held (0 for none), foreground window, whether B is typed.
    const struct {
        int held;
        WindowHandle foreground;
        bool translated;
    } cases[] = {
        {0, kOther, true},
        {vk::LeftWindows, kOther, false},
        {vk::RightWindows, kOther, false},
        {0, kOwn, false},
        {0, kElevated, false},
        // A process whose token cannot be read is not taken for an elevated one.
        {0, kOtherUser, true},
        {0, kLowIntegrity, true},
        {0, 0, true},
        {0, kOther, true},
    };
    EngineRig rig;
    rig.Use(LetterLayout());
    rig.foreground.ownWindows = {kOwn};
    rig.foreground.integrityLevels = {{kOther, FakeForegroundWindow::kMediumIntegrity},
                                      {kElevated, FakeForegroundWindow::kHighIntegrity},
                                      {kLowIntegrity, 0x1000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "held " << c.held << ", window " << c.foreground);
        rig.keys.Hold(c.held);
        rig.foreground.foreground = c.foreground;
        const auto historyBefore = rig.History();
        const KeyResult result = rig.Press('B');
        if (c.translated) {
            EXPECT_EQ(result.injected, Units{0x0986});
        } else {
            ExpectPassedOn(rig, result, 'B');
            EXPECT_EQ(rig.History(), historyBefore);
        }
        rig.keys.Hold(c.held, false);
    }

    // Each window's process is looked at once, when the window comes to the
    // foreground, not on every key.
    const int judged = rig.foreground.judgements;
    for (int i = 0; i < 3; ++i)
        rig.Press('B');
    EXPECT_EQ(rig.foreground.judgements, judged);
    rig.foreground.foreground = kOwn;
    rig.Press('B');
    rig.Press('B');
    EXPECT_EQ(rig.foreground.judgements, judged + 1);
}

TEST(EngineDispatch, RepeatedKeyDownsTypeOncePerRepeat) {
    EngineRig rig;
    rig.Use(LetterLayout());
    for (int i = 0; i < 3; ++i)
        rig.Press('A');
    EXPECT_EQ(rig.TargetText(), u"\u0985\u0985\u0985");
}

TEST(EngineDispatch, ANewlyLoadedLayoutTakesEffectWithTheNextKey) {
    EngineRig rig;
    rig.Use({{"a ", bn::LetterA}}, "One");
    EXPECT_EQ(rig.Press('A').injected, Units{bn::LetterA});
    rig.Use({{"a ", bn::Ka}}, "Two");
    EXPECT_EQ(rig.Press('A').injected, Units{bn::Ka});
}

// With the phonetic layout the letters spell a word that each key renders
// again; the digits and the rupee sign still type; every other key ends the
// word and does what it does with any layout. A key after the end starts a
// new word: h after k and an ending is HA, never an edit of KA into KHA.
TEST(EngineDispatch, PhoneticKeysSpellAWordThatEveryOtherKeyEnds) {
    constexpr uint16_t kKha = 0x0996, kHa = 0x09B9, kDanda = 0x0964, kRupee = 0x09F3;
    EngineRig rig;
    rig.engine.SelectLayout("Phonetic");
    rig.engine.LoadKeyMap();

    EXPECT_EQ(rig.Press('K').injected, Units{bn::Ka});
    EXPECT_EQ(rig.Press('H').injected, (Units{kBs, kKha}));
    EXPECT_EQ(rig.Press(vk::Back).injected, (Units{kBs, bn::Ka}));
    EXPECT_EQ(rig.Press(vk::Back).injected, Units{kBs});
    ExpectPassedOn(rig, rig.Press(vk::Back), vk::Back); // the word has no key left
    // Only Shift makes a capital: Caps Lock leaves t as TA, not TTA.
    rig.keys.SetRaw(vk::Capital, 0x0001);
    EXPECT_EQ(rig.Press('T').injected, Units{bn::Ta});
    rig.keys.SetRaw(vk::Capital, 0);
    EXPECT_EQ(rig.Press(vk::OemPeriod).injected, Units{kDanda});
    // A full stop right after a digit is the decimal point.
    EXPECT_EQ(rig.Press('1').injected, Units{bn::DigitZero + 1});
    ExpectPassedOn(rig, rig.Press(vk::OemPeriod), vk::OemPeriod);
    EXPECT_EQ(rig.Press('5').injected, Units{bn::DigitZero + 5});
    EXPECT_EQ(rig.Press('4', true).injected, Units{kRupee});

    // Each of these keys ends the word and goes on unchanged.
    const auto press = [&](int key, int held = 0, uintptr_t message = msg::KeyDown) {
        return [&rig, key, held, message] {
            rig.keys.Hold(held);
            EXPECT_TRUE(rig.Hook(0, message, static_cast<uint32_t>(key)).Passed());
            rig.keys.Hold(held, false);
        };
    };
    const std::pair<const char*, std::function<void()>> endings[] = {
        {"space", press(vk::Space)},
        {"Enter", press(vk::Return)},
        {"Tab", press(vk::Tab)},
        {"Escape", press(0x1B)},
        {"Page Up", press(0x21)},
        {"End", press(0x23)},
        {"Home", press(0x24)},
        {"Left", press(0x25)},
        {"Down", press(0x28)},
        {"Insert", press(0x2D)},
        {"Delete", press(0x2E)},
        {"Control", press('K', vk::Control)},
        {"Alt", press('K', vk::Menu, msg::SysKeyDown)},
        {"Windows", press('K', vk::LeftWindows)},
        {"minus", press(vk::OemMinus)},
        {"Shift+3", press('3', vk::Shift)},
        {"Shift+7", press('7', vk::Shift)},
        {"backslash", press(vk::Oem5Backslash)},
        {"Shift+backslash", press(vk::Oem5Backslash, vk::Shift)},
        {"digit", [&] { EXPECT_EQ(rig.Press('7').injected, Units{bn::DigitZero + 7}); }},
        {"another window", [&] { rig.foreground.foreground += 0x10; }},
        {"a mouse button", [&] { rig.engine.OnMouseButtonDown(); }},
        {"the layout chosen again", [&] { rig.engine.LoadKeyMap(); }},
    };
    for (const auto& [name, end] : endings) {
        SCOPED_TRACE(name);
        EXPECT_EQ(rig.Press('K').injected, Units{bn::Ka});
        end();
        EXPECT_EQ(rig.Press('H').injected, Units{kHa});
        rig.engine.InterruptKeySequence();
    }
}

} // namespace
} // namespace tessik::test
