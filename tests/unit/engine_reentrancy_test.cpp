// The system calls the hook again from inside the injection, once for every
// injected character (as VK_PACKET) and Backspace. Those calls must pass the
// events on untranslated and leave the batch being delivered and the history
// as they were.

#include "engine_fixtures.h"

#include <gtest/gtest.h>

namespace tessik::test {
namespace {

using Units = std::vector<uint16_t>;
using History = std::array<CodeValue, OutputHistory::kLength>;

const Layout kLayout = {
    {"k ", bn::Ka},
    {"t ", bn::Ta},
    {"n ", bn::Na},
    {"r ", bn::Ra},
    {"h ", bn::Hasanta},
    {"a ", bn::SignAa},
    {"y ", special::HasantaYa},
    {"Shift + Z", special::Reph},
    // Injected as the characters 1 to 4: their re-entrant events must pass as well.
    {"Shift + 3", 1},
    {"Shift + 6", 4}};

// Re-enters the hook the way the system does while a batch is delivered: a
// key-down and a key-up for each item, Backspace as VK_BACK and every
// character as VK_PACKET, each marked as this program's own.
class EngineReentrancy : public ::testing::Test {
protected:
    void SetUp() override {
        rig.Use(kLayout);
        rig.injector.onDeliver = [this](uint16_t unit) {
            delivered.push_back(unit);
            const uint32_t key = unit == kBs ? vk::Back : vk::Packet;
            const std::size_t passedBefore = rig.hookChain.calls.size();
            for (uintptr_t message : {msg::KeyDown, msg::KeyUp}) {
                const intptr_t result =
                    rig.engine.KeyboardHookProc(0, message, KeyEvent{key, nullptr, true});
                EXPECT_EQ(result, FakeHookChain::kPassedOn) << "re-entrant " << key;
            }
            ASSERT_EQ(rig.hookChain.calls.size(), passedBefore + 2);
            for (std::size_t i = passedBefore; i < rig.hookChain.calls.size(); ++i)
                EXPECT_EQ(rig.hookChain.calls[i].virtualKey, key);
        };
    }

    // Presses the key and checks that what was delivered, one item at a time
    // with the hook re-entered for each, is exactly the key's batch.
    void ExpectDelivered(std::string_view label, const Units& expected) {
        delivered.clear();
        const std::size_t batchesBefore = rig.injector.batches.size();
        const KeyResult result = rig.Press(label);
        EXPECT_TRUE(result.Swallowed()) << label;
        EXPECT_EQ(result.injected, expected) << label;
        EXPECT_EQ(delivered, expected) << label;
        // The re-entrant events injected nothing of their own.
        EXPECT_EQ(rig.injector.batches.size(), batchesBefore + (expected.empty() ? 0 : 1)) << label;
    }

    EngineRig rig;
    Units delivered;
};

TEST_F(EngineReentrancy, PlainCharactersComeThroughAndTheHistoryIsKept) {
    ExpectDelivered("k ", {bn::Ka});
    ExpectDelivered("Shift + 3", {1});
    ExpectDelivered("Shift + 6", {4});
    EXPECT_EQ(rig.History(), (History{0, 0, bn::Ka, 1, 4}));
}

TEST_F(EngineReentrancy, VowelSignCompositionComesThroughWhole) {
    ExpectDelivered("h ", {bn::Hasanta});
    ExpectDelivered("a ", {bn::SignAa, kBs, kBs, bn::LetterAa});
    EXPECT_EQ(rig.History(), (History{0, 0, 0, bn::Hasanta, bn::SignAa}));
    EXPECT_EQ(rig.TargetText(), u"\u0986");
}

TEST_F(EngineReentrancy, SpecialCodesComeThroughWhole) {
    rig.Press("k ");
    ExpectDelivered("y ", {bn::Hasanta, bn::Ya});
    EXPECT_EQ(rig.History(), (History{0, 0, bn::Ka, bn::Hasanta, bn::Ya}));

    rig.Type({"n ", "h ", "t ", "h ", "r "});
    const History conjunct{bn::Na, bn::Hasanta, bn::Ta, bn::Hasanta, bn::Ra};
    const Units reph{kBs,         kBs,    kBs,         kBs,    kBs,         bn::Ra,
                     bn::Hasanta, bn::Na, bn::Hasanta, bn::Ta, bn::Hasanta, bn::Ra};
    ExpectDelivered("Shift + Z", reph);
    EXPECT_EQ(rig.History(), conjunct);
    // A second reph finds the same history, however often it was re-entered.
    ExpectDelivered("Shift + Z", reph);
    EXPECT_EQ(rig.History(), conjunct);
}

// A key the user typed, arriving while the previous key's batch is still
// being delivered, is translated on its own, after the first key's history.
TEST(EngineReentrancyOfUserKeys, AKeyArrivingDuringDeliveryFollowsTheFirstKey) {
    EngineRig rig;
    rig.Use(kLayout);
    bool typedDuringDelivery = false;
    rig.injector.onDeliver = [&](uint16_t unit) {
        if (unit == bn::Hasanta && !typedDuringDelivery) {
            typedDuringDelivery = true;
            EXPECT_EQ(rig.engine.KeyboardHookProc(0, msg::KeyDown, KeyEvent{'A'}), 1);
        }
    };
    rig.Press("k ");
    EXPECT_EQ(rig.engine.KeyboardHookProc(0, msg::KeyDown, KeyEvent{'H'}), 1);
    ASSERT_TRUE(typedDuringDelivery);
    ASSERT_EQ(rig.injector.batches.size(), 3u);
    EXPECT_EQ(rig.injector.batches[1], (Units{bn::Hasanta}));
    EXPECT_EQ(rig.injector.batches[2], (Units{bn::SignAa, kBs, kBs, bn::LetterAa}));
    EXPECT_EQ(rig.History(), (History{0, 0, bn::Ka, bn::Hasanta, bn::SignAa}));
}

} // namespace
} // namespace tessik::test
