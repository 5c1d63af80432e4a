// Screen geometry is designed in twips (1/1440 inch): 15 twips are one pixel at 96 dpi.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace rula {

inline constexpr int kTwipsPerPixel = 15;

constexpr int ToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

// Left, top, width and height of a control, in twips.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect pixels() const {
        return {ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height)};
    }
};

// A place (left, top) in twips.
struct TwipsAt {
    int left = 0;
    int top = 0;

    QPoint pixels() const { return {ToPixels(left), ToPixels(top)}; }
};

inline QSize ToPixels(int widthTwips, int heightTwips) {
    return {ToPixels(widthTwips), ToPixels(heightTwips)};
}

} // namespace rula
