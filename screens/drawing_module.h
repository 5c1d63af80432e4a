// The drawings are SVG, and the library that draws SVG is large: it lives in a module of
// its own (drawings.so), opened the first time a drawing is drawn from its vectors, so
// that a start that shows only the introduction maps nothing of it. The introduction's
// logo and the window icon are drawn at build time instead, at the sizes the screens
// show them (PreDrawn()); every other drawing, and every drawing on paper, comes from the
// module. The module lies at the same place relative to the program in the build tree
// and where it is installed.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace rula {

// What the module gives the program: one function, drawing an SVG document scaled into
// `area`.
struct DrawingModuleTable {
    void (*paint)(QPainter& painter, const QByteArray& svg, const QRectF& area);
};
inline constexpr int kDrawingModuleVersion = 1;
inline constexpr char kDrawingModuleEntry[] = "rula_drawing_module";
using DrawingModuleEntry = const DrawingModuleTable* (*)(int version);

// Draws the SVG resource (":/images/neck-extension.svg") into `area` through the module,
// opening it on first use, with the words a drawing shows in the user's language. Where
// the module cannot be opened the area is left as it is, and the reason is logged once.
void PaintSvg(QPainter& painter, const QString& resource, const QRectF& area);

// The resource as drawn at build time at `pixels` device pixels, or a null image where it
// was not. The picture is kept raw in the program's resources (PreDrawnName()), so that
// reading it needs none of Qt's image readers, which would look through every image
// plugin installed.
QImage PreDrawn(const QString& resource, QSize pixels);
// ":/images/logo.svg" at 288 x 108 pixels: ":/images/drawn/logo-288x108.argb".
QString PreDrawnName(const QString& resource, QSize pixels);

} // namespace rula
