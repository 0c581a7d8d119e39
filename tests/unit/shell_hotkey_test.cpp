#include "platform/fake/FakeHotKeySystem.h"
#include "shell/HotKey.h"

#include <gtest/gtest.h>

namespace tessik {
namespace {

constexpr WindowHandle kMainWindow = 0x1010;
constexpr WindowHandle kTarget = 0x2020;
constexpr WindowProcedure kOriginalProcedure = 0x4000;

class HotKeyModule : public ::testing::Test {
protected:
    HotKeyModule() { system.procedures[kMainWindow] = kOriginalProcedure; }

    FakeHotKeySystem system;
    HotKey hotKey{system};
};

TEST_F(HotKeyModule, InstallRegistersCtrlAltSpaceAndReplacesTheWindowProcedure) {
    EXPECT_TRUE(hotKey.InstallHotKey(kMainWindow, kTarget));

    ASSERT_EQ(system.hotKeys.count({3u, 0x20u}), 1u);
    EXPECT_EQ(system.hotKeys.at({3u, 0x20u}).window, kMainWindow);
    EXPECT_EQ(system.hotKeys.at({3u, 0x20u}).id, 0);
    EXPECT_EQ(system.procedures[kMainWindow], FakeHotKeySystem::kHotKeyProcedure);
    EXPECT_EQ(hotKey.PreviousWindowProc(), kOriginalProcedure);
    EXPECT_EQ(hotKey.HotKeyWindow(), kMainWindow);
    EXPECT_EQ(hotKey.HotKeyTarget(), kTarget);
}

TEST_F(HotKeyModule, ATakenCombinationStillReplacesTheProcedure) {
    system.hotKeys[{3u, 0x20u}] = {0x9999, 7};
    EXPECT_FALSE(hotKey.InstallHotKey(kMainWindow, kTarget));
    EXPECT_EQ(system.hotKeys.at({3u, 0x20u}).window, 0x9999u);
    EXPECT_EQ(system.procedures[kMainWindow], FakeHotKeySystem::kHotKeyProcedure);
}

TEST_F(HotKeyModule, HotKeyPostsAMoveToTheTargetAndPassesTheMessageOn) {
    hotKey.InstallHotKey(kMainWindow, kTarget);

    const intptr_t result = hotKey.HotKeyWindowProc(kMainWindow, wm::HotKey, 0, 0x00200003);

    ASSERT_EQ(system.posted.size(), 1u);
    EXPECT_EQ(system.posted[0].window, kTarget);
    EXPECT_EQ(system.posted[0].message, wm::MouseMove);
    EXPECT_EQ(system.posted[0].wParam, 0u);
    EXPECT_EQ(system.posted[0].lParam, 0); // the hot key's id: a move to (0, 0)
    ASSERT_EQ(system.passedOn.size(), 1u);
    EXPECT_EQ(system.passedOn[0].first, kOriginalProcedure);
    EXPECT_EQ(system.passedOn[0].second.lParam, 0x00200003);
    EXPECT_EQ(result, FakeHotKeySystem::kPreviousResult);

    // Any other message only passes through.
    hotKey.HotKeyWindowProc(kMainWindow, wm::MouseMove, 0, 0);
    EXPECT_EQ(system.posted.size(), 1u);
    EXPECT_EQ(system.passedOn.size(), 2u);
}

TEST_F(HotKeyModule, RemovalFreesTheCombinationAndRestoresTheProcedure) {
    hotKey.InstallHotKey(kMainWindow, kTarget);
    hotKey.RemoveHotKey();
    EXPECT_TRUE(system.hotKeys.empty());
    EXPECT_EQ(system.procedures[kMainWindow], kOriginalProcedure);
}

TEST_F(HotKeyModule, TheWindowsLastMessageRemovesTheHotKeyAndStillPassesOn) {
    hotKey.InstallHotKey(kMainWindow, kTarget);

    hotKey.HotKeyWindowProc(kMainWindow, wm::NcDestroy, 0, 0);

    EXPECT_TRUE(system.hotKeys.empty());
    EXPECT_EQ(system.procedures[kMainWindow], kOriginalProcedure);
    ASSERT_EQ(system.passedOn.size(), 1u);
    EXPECT_EQ(system.passedOn[0].second.message, wm::NcDestroy);
    EXPECT_TRUE(system.posted.empty());
}

} // namespace
} // namespace tessik
