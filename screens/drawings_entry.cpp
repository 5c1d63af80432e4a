// The drawing module (drawings.so): the one part of the program that links Qt's SVG
// library. The program opens it the first time it draws a drawing from its vectors.
#include "screens/drawing_module.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

void Paint(QPainter& painter, const QByteArray& svg, const QRectF& area) {
    QSvgRenderer(svg).render(&painter, area);
}

const rula::DrawingModuleTable kTable{&Paint};

} // namespace

extern "C" Q_DECL_EXPORT const rula::DrawingModuleTable* rula_drawing_module(int version) {
    return version == rula::kDrawingModuleVersion ? &kTable : nullptr;
}
