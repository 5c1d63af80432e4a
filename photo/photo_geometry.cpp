#include "photo/photo_geometry.h"

#include <QTransform>

#include <algorithm>

namespace rula {
namespace {

bool Transposes(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

// The stored pixel that shows at upright pixel (u, v).
QPoint StoredPixel(QPoint p, QSize s, int orientation) {
    const int u = p.x(), v = p.y(), w = s.width(), h = s.height();
    switch (orientation) {
    case 2:
        return {w - 1 - u, v};
    case 3:
        return {w - 1 - u, h - 1 - v};
    case 4:
        return {u, h - 1 - v};
    case 5:
        return {v, u};
    case 6:
        return {v, h - 1 - u};
    case 7:
        return {w - 1 - v, h - 1 - u};
    case 8:
        return {w - 1 - v, u};
    default:
        return p;
    }
}

} // namespace

QSize UprightSize(QSize stored, int orientation) {
    return Transposes(orientation) ? stored.transposed() : stored;
}

QImage MakeUpright(const QImage& stored, int orientation) {
    switch (orientation) {
    case 2:
        return stored.mirrored(true, false);
    case 3:
        return stored.mirrored(true, true);
    case 4:
        return stored.mirrored(false, true);
    // A quarter turn clockwise, then a mirror.
    case 5:
        return stored.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6:
        return stored.transformed(QTransform().rotate(90));
    case 7:
        return stored.transformed(QTransform().rotate(90)).mirrored(false, true);
    case 8:
        return stored.transformed(QTransform().rotate(270));
    default:
        return stored;
    }
}

QRect StoredRect(const QRect& upright, QSize stored, int orientation) {
    if (upright.isEmpty())
        return {};
    const QPoint a = StoredPixel(upright.topLeft(), stored, orientation);
    const QPoint b = StoredPixel(upright.bottomRight(), stored, orientation);
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

QSize FittedSize(QSize size, QSize fit) {
    if (size.isEmpty() || fit.isEmpty())
        return size;
    if (size.width() <= fit.width() && size.height() <= fit.height())
        return size;
    return size.scaled(fit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

int ReductionToFit(QSize size, QSize fit) {
    const QSize wanted = FittedSize(size, fit);
    for (int denominator : {8, 4, 2}) {
        const qint64 w = (size.width() + denominator - 1) / denominator;
        const qint64 h = (size.height() + denominator - 1) / denominator;
        if (w * 10 >= wanted.width() * 9LL && h * 10 >= wanted.height() * 9LL)
            return denominator;
    }
    return 1;
}

} // namespace rula
