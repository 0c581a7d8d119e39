// The letter pictures that the build draws: the generator's list against the
// row table, and the bitmap strip as the image list will cut it.

#include "layouts/RowTable.h"
#include "shell/MainWindowDesign.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <queue>
#include <sstream>
#include <string>
#include <vector>

namespace tessik {
namespace {

struct ListedLetter {
    int code;
    std::string letter;
};

std::vector<ListedLetter> ReadLetterList() {
    std::ifstream file(TESSIK_LETTER_LIST);
    std::vector<ListedLetter> letters;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        ListedLetter listed{};
        fields >> listed.code >> listed.letter;
        letters.push_back(listed);
    }
    return letters;
}

TEST(LetterPictures, ListHoldsTheRowTableInOrder) {
    const std::vector<ListedLetter> letters = ReadLetterList();
    ASSERT_EQ(letters.size(), kRows.size());
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1));
        EXPECT_EQ(letters[i].code, kRows[i].code);
        EXPECT_EQ(letters[i].letter, kRows[i].letter);
    }
}

using Rgb = std::uint32_t; // 0xRRGGBB

// A 24-bit uncompressed BMP, rows top first.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

std::uint32_t Little(const std::vector<unsigned char>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
    return value;
}

// Fails the calling test (and returns an empty bitmap) unless the file is a
// BMP that a plain LoadImage reads: 24 bits a pixel, no compression.
Bitmap ReadStrip() {
    std::ifstream file(TESSIK_LETTER_STRIP, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    Bitmap bitmap;
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
        ADD_FAILURE() << "not a BMP file: " << TESSIK_LETTER_STRIP;
        return bitmap;
    }
    const std::size_t pixelsAt = Little(bytes, 10, 4);
    const auto width = static_cast<std::int32_t>(Little(bytes, 18, 4));
    const auto height = static_cast<std::int32_t>(Little(bytes, 22, 4));
    EXPECT_EQ(Little(bytes, 14, 4), 40u) << "BITMAPINFOHEADER";
    EXPECT_EQ(Little(bytes, 28, 2), 24u) << "bits per pixel";
    EXPECT_EQ(Little(bytes, 30, 4), 0u) << "compression";
    const int rows = height < 0 ? -height : height;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (width <= 0 || bytes.size() < pixelsAt + stride * static_cast<std::size_t>(rows)) {
        ADD_FAILURE() << "pixel data missing";
        return bitmap;
    }
    bitmap.width = width;
    bitmap.height = rows;
    for (int y = 0; y < rows; ++y) {
        const int stored = height < 0 ? y : rows - 1 - y; // positive height: bottom row first
        const std::size_t row = pixelsAt + stride * static_cast<std::size_t>(stored);
        for (int x = 0; x < width; ++x)
            bitmap.pixels.push_back(Little(bytes, row + static_cast<std::size_t>(x) * 3, 3));
    }
    return bitmap;
}

constexpr int kCell = design::kLetterPictureSize;

int Luma(Rgb c) {
    return (299 * (c >> 16 & 0xFF) + 587 * (c >> 8 & 0xFF) + 114 * (c & 0xFF)) / 1000;
}

std::vector<Rgb> Cell(const Bitmap& strip, int index) {
    std::vector<Rgb> cell;
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            cell.push_back(strip.At(index * kCell + x, y));
    return cell;
}

// Mask-coloured pixels that the border cannot reach through other mask
// pixels: holes that would show the list's background through a picture.
int MaskHoles(const std::vector<Rgb>& cell) {
    std::vector<bool> reached(cell.size(), false);
    std::queue<int> open;
    auto visit = [&](int x, int y) {
        const int at = y * kCell + x;
        if (x < 0 || y < 0 || x >= kCell || y >= kCell || reached[at] ||
            cell[at] != design::kLetterPictureMask)
            return;
        reached[at] = true;
        open.push(at);
    };
    for (int i = 0; i < kCell; ++i) {
        visit(i, 0);
        visit(i, kCell - 1);
        visit(0, i);
        visit(kCell - 1, i);
    }
    while (!open.empty()) {
        const int x = open.front() % kCell, y = open.front() / kCell;
        open.pop();
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    int holes = 0;
    for (std::size_t i = 0; i < cell.size(); ++i)
        holes += cell[i] == design::kLetterPictureMask && !reached[i];
    return holes;
}

TEST(LetterPictures, StripIsOneRowOf55SquareCells) {
    const Bitmap strip = ReadStrip();
    EXPECT_EQ(strip.width, design::kLetterPictureCount * kCell);
    EXPECT_EQ(strip.height, kCell);
}

TEST(LetterPictures, EveryCellIsDarkInkOnLightPaperWithoutTransparentHoles) {
    const Bitmap strip = ReadStrip();
    ASSERT_EQ(strip.width, design::kLetterPictureCount * kCell);
    for (int i = 0; i < design::kLetterPictureCount; ++i) {
        SCOPED_TRACE("picture " + std::to_string(i + 1));
        const std::vector<Rgb> cell = Cell(strip, i);
        std::map<Rgb, int> counts;
        int ink = 0;
        for (Rgb pixel : cell) {
            if (pixel != design::kLetterPictureMask)
                ++counts[pixel];
            ink += Luma(pixel) < 100;
        }
        ASSERT_FALSE(counts.empty()) << "the whole picture is transparent";
        const Rgb paper =
            std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                return a.second < b.second;
            })->first;
        EXPECT_GT(Luma(paper), 200) << std::hex << "paper 0x" << paper;
        EXPECT_GE(ink, 20) << "too little ink for a letter";
        EXPECT_EQ(MaskHoles(cell), 0);
    }
}

TEST(LetterPictures, NoTwoCellsAreAlike) {
    const Bitmap strip = ReadStrip();
    ASSERT_EQ(strip.width, design::kLetterPictureCount * kCell);
    std::map<std::vector<Rgb>, int> seen;
    for (int i = 0; i < design::kLetterPictureCount; ++i) {
        const auto [first, added] = seen.emplace(Cell(strip, i), i + 1);
        EXPECT_TRUE(added) << "picture " << i + 1 << " repeats picture " << first->second;
    }
}

} // namespace
} // namespace tessik
