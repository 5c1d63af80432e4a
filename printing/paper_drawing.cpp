#include "printing/paper_drawing.h"

namespace rula {
namespace {

int paperDepth = 0;

} // namespace

DrawingForPaper::DrawingForPaper() {
    ++paperDepth;
}

DrawingForPaper::~DrawingForPaper() {
    --paperDepth;
}

bool DrawingForPaper::active() {
    return paperDepth > 0;
}

} // namespace rula
