// The composition rules: hasanta + vowel sign, the explicit hasanta (the
// hasanta key twice), and special codes 1 to 4.

#include "engine_fixtures.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessik::test {
namespace {

using Units = std::vector<uint16_t>;
using History = std::array<CodeValue, OutputHistory::kLength>;

// A small typing layout: consonants, the hasanta, two vowel signs and the
// four special codes on letter keys. "q " is left unassigned.
const Layout kTypingLayout = {{"k ", bn::Ka},
                              {"t ", bn::Ta},
                              {"n ", bn::Na},
                              {"s ", bn::Ssa},
                              {"r ", bn::Ra},
                              {"h ", bn::Hasanta},
                              {"a ", bn::SignAa},
                              {"i ", bn::SignI},
                              {"Shift + T", special::KhandaTa},
                              {"y ", special::HasantaYa},
                              {"Shift + R", special::HasantaRa},
                              {"Shift + Z", special::Reph},
                              {"Shift + 3", bn::SignAa}};

class EngineComposition : public ::testing::Test {
protected:
    void SetUp() override { rig.Use(kTypingLayout); }
    EngineRig rig;
};

TEST(EngineVowelSignRule, EachVowelSignAfterHasantaBecomesItsIndependentVowel) {
    const std::pair<CodeValue, uint16_t> pairs[] = {
        {0x09BE, 0x0986}, {0x09BF, 0x0987}, {0x09C0, 0x0988}, {0x09C1, 0x0989}, {0x09C2, 0x098A},
        {0x09C3, 0x098B}, {0x09C7, 0x098F}, {0x09C8, 0x0990}, {0x09CB, 0x0993}, {0x09CC, 0x0994}};
    for (const auto& [sign, vowel] : pairs) {
        Composer composer;
        InjectionBatch batch;
        composer.RecordOutput(bn::Hasanta, batch);
        EXPECT_TRUE(batch.Empty());
        composer.RecordOutput(sign, batch);
        EXPECT_EQ(Units(batch.begin(), batch.end()), (Units{kBs, kBs, vowel})) << std::hex << sign;
        EXPECT_EQ(composer.History()[3], bn::Hasanta);
        EXPECT_EQ(composer.History()[4], sign);
    }
}

TEST(EngineVowelSignRule, CodesNextToTheVowelSignsAreLeftAlone) {
    for (CodeValue notASign : {0x09BD, 0x09C4, 0x09C5, 0x09C6, 0x09C9, 0x09CA, 0x09CD, 0x09D7,
                               0x0986, 0x09BE + 0x10000, 0}) {
        Composer composer;
        InjectionBatch batch;
        composer.RecordOutput(bn::Hasanta, batch);
        composer.RecordOutput(notASign, batch);
        EXPECT_TRUE(batch.Empty()) << std::hex << notASign;
    }
}

TEST_F(EngineComposition, HasantaThenVowelSignTypesTheIndependentVowel) {
    rig.Press("h ");
    EXPECT_EQ(rig.Press("i ").injected, (Units{bn::SignI, kBs, kBs, bn::LetterI}));
    EXPECT_EQ(rig.TargetText(), u"\u0987");
    EXPECT_EQ(rig.History(), (History{0, 0, 0, bn::Hasanta, bn::SignI}));

    // A vowel sign from a digit key with Shift composes too.
    rig.Type({"k ", "h "});
    EXPECT_EQ(rig.Press("Shift + 3").injected, (Units{bn::SignAa, kBs, kBs, bn::LetterAa}));
    EXPECT_EQ(rig.TargetText(), u"\u0987\u0995\u0986");
}

TEST_F(EngineComposition, VowelSignWithoutHasantaJustBeforeIsTypedAsItIs) {
    EXPECT_EQ(rig.Press("a ").injected, Units{bn::SignAa});
    // Hasanta, consonant, vowel sign: the hasanta is not just before the sign.
    rig.Type({"k ", "h ", "t "});
    EXPECT_EQ(rig.Press("a ").injected, Units{bn::SignAa});
    EXPECT_EQ(rig.TargetText(), u"\u09BE\u0995\u09CD\u09A4\u09BE");
    // The independent vowel is not recorded: a second sign stays a sign.
    rig.Type({"h ", "a "});
    EXPECT_EQ(rig.Press("i ").injected, Units{bn::SignI});
}

TEST_F(EngineComposition, KhandaTaIsTypedAndRecordedAndStopsTheVowelRule) {
    EXPECT_EQ(rig.Press("Shift + T").injected, Units{bn::KhandaTa});
    EXPECT_EQ(rig.Press("a ").injected, Units{bn::SignAa});
    EXPECT_EQ(rig.TargetText(), u"\u09CE\u09BE");
    EXPECT_EQ(rig.History(), (History{0, 0, 0, bn::KhandaTa, bn::SignAa}));
}

TEST_F(EngineComposition, HasantaYaAndHasantaRaTypeAndRecordBothCharacters) {
    rig.Press("k ");
    EXPECT_EQ(rig.Press("y ").injected, (Units{bn::Hasanta, bn::Ya}));
    EXPECT_EQ(rig.History(), (History{0, 0, bn::Ka, bn::Hasanta, bn::Ya}));

    EXPECT_EQ(rig.Press("Shift + R").injected, (Units{bn::Hasanta, bn::Ra}));
    EXPECT_EQ(rig.History(), (History{bn::Ka, bn::Hasanta, bn::Ya, bn::Hasanta, bn::Ra}));
    EXPECT_EQ(rig.TargetText(), u"\u0995\u09CD\u09AF\u09CD\u09B0");
    // The phala's consonant sits between the hasanta and a following sign.
    EXPECT_EQ(rig.Press("a ").injected, Units{bn::SignAa});
}

TEST_F(EngineComposition, RephBeforeASingleCharacter) {
    rig.Press("k ");
    EXPECT_EQ(rig.Press("Shift + Z").injected, (Units{kBs, bn::Ra, bn::Hasanta, bn::Ka}));
    EXPECT_EQ(rig.TargetText(), u"\u09B0\u09CD\u0995");
    EXPECT_EQ(rig.History(), (History{0, 0, 0, 0, bn::Ka}));
}

TEST_F(EngineComposition, RephBeforeATwoConsonantConjunct) {
    rig.Type({"k ", "h ", "s "});
    EXPECT_EQ(rig.Press("Shift + Z").injected,
              (Units{kBs, kBs, kBs, bn::Ra, bn::Hasanta, bn::Ka, bn::Hasanta, bn::Ssa}));
    EXPECT_EQ(rig.TargetText(), u"\u09B0\u09CD\u0995\u09CD\u09B7");
}

TEST_F(EngineComposition, RephBeforeAThreeConsonantConjunct) {
    rig.Type({"n ", "h ", "t ", "h ", "r "});
    const KeyResult reph = rig.Press("Shift + Z");
    EXPECT_EQ(reph.injected, (Units{kBs, kBs, kBs, kBs, kBs, bn::Ra, bn::Hasanta, bn::Na,
                                    bn::Hasanta, bn::Ta, bn::Hasanta, bn::Ra}));
    EXPECT_EQ(rig.TargetText(), u"\u09B0\u09CD\u09A8\u09CD\u09A4\u09CD\u09B0");
    EXPECT_EQ(rig.History(), (History{bn::Na, bn::Hasanta, bn::Ta, bn::Hasanta, bn::Ra}));
}

TEST_F(EngineComposition, RephTwiceWorksTwiceOnTheSameHistory) {
    rig.Press("k ");
    rig.Press("Shift + Z");
    EXPECT_EQ(rig.Press("Shift + Z").injected, (Units{kBs, bn::Ra, bn::Hasanta, bn::Ka}));
    EXPECT_EQ(rig.TargetText(), u"\u09B0\u09CD\u09B0\u09CD\u0995");
    EXPECT_EQ(rig.History(), (History{0, 0, 0, 0, bn::Ka}));
}

TEST_F(EngineComposition, RephSkipsCodesThatAreNoCharacterButKeepsItsBackspaces) {
    // Right after start the history is all 0.
    EXPECT_EQ(rig.Press("Shift + Z").injected, (Units{kBs, bn::Ra, bn::Hasanta}));

    // An unassigned key records 0 inside a two-consonant cluster.
    rig.Type({"k ", "h ", "q "});
    EXPECT_EQ(rig.Press("Shift + Z").injected,
              (Units{kBs, kBs, kBs, bn::Ra, bn::Hasanta, bn::Ka, bn::Hasanta}));
}

TEST(EngineRephSequence, SkipsEveryCodeOutsideOneToFFFFInAThreeConsonantCluster) {
    EngineRig rig;
    rig.Use({{"h ", bn::Hasanta}, {"t ", bn::Ta}, {"b ", -5}, {"c ", 0x10000}, {"Shift + Z", 4}});
    rig.Type({"c ", "h ", "b ", "h ", "t "});
    EXPECT_EQ(rig.History(), (History{0x10000, bn::Hasanta, -5, bn::Hasanta, bn::Ta}));
    EXPECT_EQ(rig.Press("Shift + Z").injected, (Units{kBs, kBs, kBs, kBs, kBs, bn::Ra, bn::Hasanta,
                                                      bn::Hasanta, bn::Hasanta, bn::Ta}));
}

TEST_F(EngineComposition, HasantaKeyRightAfterAHasantaTypesZeroWidthNonJoiner) {
    rig.Type({"k ", "h "});
    EXPECT_EQ(rig.Press("h ").injected, Units{bn::Zwnj});
    EXPECT_EQ(rig.Press("h ").injected, Units{bn::Hasanta}); // third press: a hasanta again
    EXPECT_EQ(rig.Press("h ").injected, Units{bn::Zwnj});
    // The vowel sign follows the joiner, not the hasanta: it stays a sign.
    EXPECT_EQ(rig.Press("a ").injected, Units{bn::SignAa});
    EXPECT_EQ(rig.History(), (History{bn::Hasanta, bn::Zwnj, bn::Hasanta, bn::Zwnj, bn::SignAa}));
    // The hasanta typed by special code 2 is not the hasanta's key.
    rig.Press("h ");
    EXPECT_EQ(rig.Press("y ").injected, (Units{bn::Hasanta, bn::Ya}));
    EXPECT_EQ(rig.TargetText(), u"\u0995\u09CD\u200C\u09CD\u200C\u09BE\u09CD\u09CD\u09AF");
}

// Only straight after its own hasanta: whatever interrupts the keys typed
// one after the other leaves the hasanta key a hasanta, whose vowel rule then
// works. A modifier alone, a key-up and this program's own characters coming
// back do not interrupt.
TEST(EngineExplicitHasanta, PairsOnlyKeysTypedOneAfterTheOther) {
    constexpr WindowHandle kEditor = 0x10, kOther = 0x20;
    using Event = std::function<void(EngineRig&)>;
    const auto hook = [](uintptr_t message, uint32_t key, bool own = false) -> Event {
        return [=](EngineRig& rig) {
            rig.engine.KeyboardHookProc(0, message, KeyEvent{key, nullptr, own});
        };
    };
    const Event withControl = [](EngineRig& rig) {
        rig.keys.Hold(vk::Control);
        rig.KeyDown('C');
        rig.keys.Hold(vk::Control, false);
    };
    const Event otherWindow = [](EngineRig& rig) { rig.foreground.foreground = kOther; };
    // Columns: what comes between two presses of the hasanta key, whether the
    // second still types the joiner.
    const struct {
        const char* between;
        Event event;
        bool paired;
    } cases[] = {
        {"nothing", [](EngineRig&) {}, true},
        {"Shift alone", hook(msg::KeyDown, vk::LeftShift), true},
        {"Alt alone", hook(msg::SysKeyDown, vk::LeftMenu), true},
        {"the hasanta coming back", hook(msg::KeyDown, vk::Packet, true), true},
        {"a key-up", hook(msg::KeyUp, vk::Space), true},
        {"Space", hook(msg::KeyDown, vk::Space), false},
        {"Backspace", hook(msg::KeyDown, vk::Back), false},
        {"another program's character", hook(msg::KeyDown, vk::Packet), false},
        {"Alt+Tab", hook(msg::SysKeyDown, vk::Tab), false},
        {"Alt+F", hook(msg::SysKeyDown, 'F'), false},
        {"F10", hook(msg::SysKeyDown, 0x79), false},
        {"Ctrl+C", withControl, false},
        {"a click into another window", otherWindow, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.between);
        EngineRig rig;
        rig.Use(kTypingLayout);
        rig.foreground.foreground = kEditor;
        rig.Type({"k ", "h "});
        c.event(rig);
        if (c.paired) {
            EXPECT_EQ(rig.Press("h ").injected, Units{bn::Zwnj});
            EXPECT_EQ(rig.Press("a ").injected, Units{bn::SignAa});
        } else {
            EXPECT_EQ(rig.Press("h ").injected, Units{bn::Hasanta});
            EXPECT_EQ(rig.Press("a ").injected, (Units{bn::SignAa, kBs, kBs, bn::LetterAa}));
        }
    }
}

TEST_F(EngineComposition, RephAroundAnExplicitHasanta) {
    // Right after it, the hasanta and the joiner go with the consonant.
    rig.Type({"k ", "h ", "h "});
    EXPECT_EQ(rig.Press("Shift + Z").injected,
              (Units{kBs, kBs, kBs, bn::Ra, bn::Hasanta, bn::Ka, bn::Hasanta, bn::Zwnj}));
    // After it, the reph stops at the joiner: the next consonant stands alone...
    rig.Press("t ");
    EXPECT_EQ(rig.Press("Shift + Z").injected, (Units{kBs, bn::Ra, bn::Hasanta, bn::Ta}));
    // ...and so does a conjunct: position 1 holds the joiner, not a hasanta.
    rig.Type({"h ", "s "});
    EXPECT_EQ(rig.Press("Shift + Z").injected,
              (Units{kBs, kBs, kBs, bn::Ra, bn::Hasanta, bn::Ta, bn::Hasanta, bn::Ssa}));
}

TEST(EngineRunSpecialCode, OtherValuesDoNothing) {
    for (CodeValue value : {0, 5, -1, 0x0995}) {
        Composer composer;
        InjectionBatch batch;
        composer.RecordOutput(bn::Ka, batch);
        composer.RunSpecialCode(value, batch);
        EXPECT_TRUE(batch.Empty()) << value;
        EXPECT_EQ(composer.History()[4], bn::Ka);
        EXPECT_EQ(composer.History()[3], 0);
    }
}

} // namespace
} // namespace tessik::test
