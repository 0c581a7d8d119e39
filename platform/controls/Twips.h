#pragma once

namespace tessik {

// Positions and sizes of the window design are in twips, 1/1440 inch.
constexpr int kTwipsPerInch = 1440;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipRect&) const = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// The display's resolution, which turns twips into pixels. Edges are
// converted, not sizes, so that controls that touch in the design still
// touch on screen at any resolution.
struct DisplayScale {
    int dpiX = 96;
    int dpiY = 96;

    int XPixels(int twips) const;
    int YPixels(int twips) const;
    double TwipsPerPixelX() const { return double(kTwipsPerInch) / dpiX; }
    double TwipsPerPixelY() const { return double(kTwipsPerInch) / dpiY; }
    PixelRect ToPixels(const TwipRect& rect) const;
    TwipRect ToTwips(const PixelRect& rect) const;
    // The character height of a font of the given size, as a negative
    // LOGFONT height asks for it.
    int FontHeightPixels(double points) const;
};

} // namespace tessik
