#include "platform/controls/Twips.h"

#include <cmath>

namespace tessik {
namespace {

int Scale(double value, int numerator, int denominator) {
    return static_cast<int>(std::lround(value * numerator / denominator));
}

} // namespace

int DisplayScale::XPixels(int twips) const {
    return Scale(twips, dpiX, kTwipsPerInch);
}

int DisplayScale::YPixels(int twips) const {
    return Scale(twips, dpiY, kTwipsPerInch);
}

PixelRect DisplayScale::ToPixels(const TwipRect& rect) const {
    const int left = XPixels(rect.left);
    const int top = YPixels(rect.top);
    return {left, top, XPixels(rect.left + rect.width) - left,
            YPixels(rect.top + rect.height) - top};
}

TwipRect DisplayScale::ToTwips(const PixelRect& rect) const {
    const int left = Scale(rect.left, kTwipsPerInch, dpiX);
    const int top = Scale(rect.top, kTwipsPerInch, dpiY);
    return {left, top, Scale(rect.left + rect.width, kTwipsPerInch, dpiX) - left,
            Scale(rect.top + rect.height, kTwipsPerInch, dpiY) - top};
}

int DisplayScale::FontHeightPixels(double points) const {
    return Scale(points, dpiY, 72);
}

} // namespace tessik
