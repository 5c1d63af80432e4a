// Where a photo's pixels go between the file and the screen: the EXIF orientation (1-8)
// that turns the stored image upright, and the size a photo is decoded at to fit a view.
// Used by the program and by the decoder module alike.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace rula {

// The stored image's size seen upright.
QSize UprightSize(QSize stored, int orientation);
// The stored image turned upright.
QImage MakeUpright(const QImage& stored, int orientation);
// The part of the stored image (of size `stored`) that shows `upright` once turned.
QRect StoredRect(const QRect& upright, QSize stored, int orientation);
// `size` scaled to fit whole into `fit`, its proportions kept; never larger than `size`.
QSize FittedSize(QSize size, QSize fit);
// Of the reductions 1/1, 1/2, 1/4 and 1/8, the largest that still shows `size` at nearly
// the size it takes fitted into `fit` (up to a tenth smaller, which the view's scaling
// does not show); returns the denominator.
int ReductionToFit(QSize size, QSize fit);

} // namespace rula
