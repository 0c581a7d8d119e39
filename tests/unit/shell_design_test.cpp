#include "shell/MainWindowDesign.h"

#include <gtest/gtest.h>

#include <set>

namespace tessik {
namespace {

TEST(MainWindowDesign, TabOrderRunsFromTheLetterTableToHelpWithoutGaps) {
    int expected = 0;
    for (const design::Control* control : design::kControls) {
        if (control->tabIndex == design::kNotInTabOrder)
            continue;
        EXPECT_EQ(control->tabIndex, expected++) << control->name;
    }
    EXPECT_EQ(expected, 16);
    EXPECT_EQ(design::kControls.front()->name, "lstTessikLetters");
    EXPECT_EQ(design::kControls[15]->name, "cmdHelp");

    std::set<std::string_view> names;
    for (std::size_t i = 0; i < design::kControls.size(); ++i) {
        const design::Control& control = *design::kControls[i];
        names.insert(control.name);
        if (control.kind != design::ControlKind::Image) {
            EXPECT_EQ(control.id, 1000 + static_cast<int>(i)) << control.name;
        }
    }
    EXPECT_EQ(names.size(), design::kControls.size());
}

TEST(MainWindowDesign, EveryControlLiesInsideTheClientArea) {
    for (const design::Control* control : design::kControls) {
        const TwipRect& r = control->bounds;
        EXPECT_GE(r.left, 0) << control->name;
        EXPECT_GE(r.top, 0) << control->name;
        EXPECT_LE(r.left + r.width, design::kClientWidth) << control->name;
        EXPECT_LE(r.top + r.height, design::kClientHeight) << control->name;
    }
}

TEST(MainWindowDesign, AccessKeysAreDistinct) {
    std::set<char> keys;
    int captionsWithKey = 0;
    for (const design::Control* control : design::kControls) {
        const auto amp = control->caption.find('&');
        if (amp == std::string_view::npos)
            continue;
        ++captionsWithKey;
        keys.insert(control->caption[amp + 1]);
    }
    EXPECT_EQ(captionsWithKey, 7);
    EXPECT_EQ(keys, (std::set<char>{'S', 'N', 'H', 'D', 'M', 'C', 'E'}));
}

TEST(MainWindowDesign, LetterTableColumnsFitWithoutAHorizontalScrollBar) {
    int width = 0;
    for (const auto& column : design::kLetterColumns)
        width += column.width;
    // The list's client area is its width less the vertical scroll bar (at
    // most 17 pixels, 255 twips) and its border.
    EXPECT_LE(width, design::lstTessikLetters.bounds.width - 255 - 60);
    // 55 rows of 36-pixel pictures cannot fit its height: it scrolls.
    EXPECT_GT(design::kLetterPictureCount * design::kLetterPictureSize * 15,
              design::lstTessikLetters.bounds.height);
}

} // namespace
} // namespace tessik
