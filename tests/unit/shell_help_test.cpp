#include "platform/fake/FakeHelpViewer.h"
#include "platform/fake/FakePopupMenus.h"
#include "shell/HelpAndAbout.h"
#include "shell/InternalError.h"
#include "shell_program.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

namespace tessik::test {
namespace {

constexpr const char* kExecutableFolder = "/app";

class Help : public Program {
protected:
    MainWindow& StartWithHelp() {
        AddLayout("Default", kKa);
        MainWindow& w = Start();
        help.emplace(w, HelpAndAbout::Platform{messages, menus, viewer, files}, kExecutableFolder);
        return w;
    }

    std::string HelpPath(std::string_view file) const {
        return std::string(kExecutableFolder) + "/Help/" + std::string(file);
    }
    void AddHelpFiles() {
        for (const auto file : kHelpFiles)
            files.files[HelpPath(file)] = "ITSF";
    }

    FakeHelpViewer viewer;
    std::optional<HelpAndAbout> help;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line, '\r');)
        lines.push_back(line);
    return lines;
}

TEST_F(Help, HelpDropsTheMenuDownDirectlyUnderTheButton) {
    MainWindow& w = StartWithHelp();

    w.cmdHelp.Click();
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0].menu, "mnuHiddenPopup");
    EXPECT_EQ(menus.shown[0].x, 3930);       // the button's left edge
    EXPECT_EQ(menus.shown[0].y, 4320 + 375); // its bottom edge

    // Wherever the button is, the menu follows it.
    w.cmdHelp.Move(100, 200);
    w.cmdHelp.Click();
    ASSERT_EQ(menus.shown.size(), 2u);
    EXPECT_EQ(menus.shown[1].x, 100);
    EXPECT_EQ(menus.shown[1].y, 200 + 375);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(viewer.calls.empty()); // dropping the menu down opens nothing
}

TEST_F(Help, EachItemOpensItsOwnFileAtItsDefaultTopic) {
    MainWindow& w = StartWithHelp();
    AddHelpFiles();
    // The user picks an item while the menu is open.
    menus.whileOpen = [&] { w.mnuUsing.Click(); };
    w.cmdHelp.Click();
    w.mnuConfigur.Click();
    w.mnuBeginning.Click();
    w.mnuRules.Click();
    w.mnuRules.Click(); // the same file again
    // The tray menu's Help holds the same items.
    menus.whileOpen = nullptr;
    menus.choice = {"Help", "Beginning"};
    w.TrayCallback(wm::RButtonUp);

    ASSERT_EQ(viewer.calls.size(), 6u);
    const char* const expected[] = {"Using the software.chm", "Configuring the system.chm",
                                    "Beginning.chm",          "Writing Rules.chm",
                                    "Writing Rules.chm",      "Beginning.chm"};
    for (std::size_t i = 0; i < viewer.calls.size(); ++i) {
        EXPECT_EQ(viewer.calls[i].file, HelpPath(expected[i]));
        EXPECT_EQ(viewer.calls[i].caller, kMainWindow);
        EXPECT_EQ(viewer.calls[i].command, 0u); // HH_DISPLAY_TOPIC
        EXPECT_EQ(viewer.calls[i].data, 0u);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Help, AHelpFileThatCannotBeOpenedIsNamedToTheUser) {
    MainWindow& w = StartWithHelp();
    AddHelpFiles();
    files.files.erase(HelpPath("Beginning.chm"));

    w.mnuBeginning.Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, HelpFileMissingText(HelpPath("Beginning.chm")));
    EXPECT_NE(messages.shown[0].text.find("/app/Help/Beginning.chm"), std::string::npos);
    EXPECT_EQ(messages.shown[0].style, box::StopOk);
    EXPECT_EQ(messages.shown[0].title, "Tessik");
    EXPECT_TRUE(viewer.calls.empty());

    // The other files still open.
    w.mnuRules.Click();
    EXPECT_EQ(viewer.calls.size(), 1u);

    // A file that is there but cannot be read is told the same way.
    files.failOpenForReading = ErrorNumber::PermissionDenied;
    w.mnuUsing.Click();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, HelpFileMissingText(HelpPath("Using the software.chm")));
    EXPECT_EQ(viewer.calls.size(), 1u);
}

TEST_F(Help, AMissingHelpViewerIsToldAndLookedForAgainNextTime) {
    MainWindow& w = StartWithHelp();
    AddHelpFiles();
    viewer.libraryPresent = false;

    w.mnuConfigur.Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              HelpViewerMissingText(HelpPath("Configuring the system.chm")));
    EXPECT_NE(messages.shown[0].text.find("hhctrl.ocx"), std::string::npos);
    EXPECT_EQ(messages.shown[0].style, box::StopOk);
    EXPECT_TRUE(viewer.calls.empty());

    viewer.libraryPresent = true;
    w.mnuConfigur.Click();
    EXPECT_EQ(viewer.loadAttempts, 2);
    EXPECT_EQ(viewer.calls.size(), 1u);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(Help, AboutShowsFourLabelledLinesUnderTheApplicationTitle) {
    MainWindow& w = StartWithHelp();

    w.cmdAbout.Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    const auto& about = messages.shown[0];
    EXPECT_EQ(about.style, 0x40u);
    EXPECT_EQ(about.title, "Tessik");
    EXPECT_EQ(about.text.find('\n'), std::string::npos); // lines end in CR alone
    const auto lines = Lines(about.text);
    ASSERT_EQ(lines.size(), 4u);
    const char* const labels[] = {"Created by : ", "Web : ", "E-Mail : ", "Phone : "};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[i].rfind(labels[i], 0), 0u) << lines[i];
        EXPECT_GT(lines[i].size(), std::string(labels[i]).size()) << "no value: " << lines[i];
    }

    // A box without a title of its own shows the application title, whatever it is now.
    w.ApplicationTitle = "Previous Instance";
    w.cmdAbout.Click();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].title, "Previous Instance");
}

TEST_F(Help, AFailureInTheHelpButtonIsReportedAsAnInternalError) {
    MainWindow& w = StartWithHelp();
    menus.whileOpen = [] { throw RuntimeError(ErrorNumber::OutOfMemory, "no menu"); };

    w.cmdHelp.Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, InternalErrorText(7));
    EXPECT_EQ(messages.shown[0].title, "Error");
}

} // namespace
} // namespace tessik::test
