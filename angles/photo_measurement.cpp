// Every change first remembers the whole state before it; Undo restores the last one
// remembered. A state is small (a facing, six points, a line), so the history copies it.
#include "angles/photo_measurement.h"

namespace rula {
namespace {

std::size_t Index(Landmark which) {
    return static_cast<std::size_t>(which);
}

} // namespace

PhotoMeasurement::Step PhotoMeasurement::step() const {
    if (!facing_)
        return Step::Facing;
    return wantedPoint() ? Step::Point : Step::Done;
}

std::optional<Landmark> PhotoMeasurement::wantedPoint() const {
    if (!facing_)
        return std::nullopt;
    for (std::size_t i = 0; i < kLandmarkCount; ++i)
        if (!points_[i])
            return static_cast<Landmark>(i);
    return std::nullopt;
}

void PhotoMeasurement::remember(bool joinsLastMove) {
    if (!joinsLastMove)
        history_.push_back(now());
    lastMoved_.reset();
}

void PhotoMeasurement::setFacing(Facing facing) {
    if (facing_ == facing)
        return;
    remember();
    facing_ = facing;
}

void PhotoMeasurement::placeNext(PhotoPoint at) {
    const std::optional<Landmark> wanted = wantedPoint();
    if (!wanted)
        return;
    remember();
    points_[Index(*wanted)] = at;
}

void PhotoMeasurement::move(Landmark which, PhotoPoint to, bool continuing) {
    std::optional<PhotoPoint>& point = points_[Index(which)];
    if (!point || *point == to)
        return;
    remember(continuing && lastMoved_ == which && !history_.empty());
    point = to;
    lastMoved_ = which;
}

void PhotoMeasurement::setPlumb(const std::optional<PlumbLine>& plumb) {
    if (plumb_ == plumb)
        return;
    remember();
    plumb_ = plumb;
}

bool PhotoMeasurement::undo() {
    if (history_.empty())
        return false;
    const State& last = history_.back();
    facing_ = last.facing;
    points_ = last.points;
    plumb_ = last.plumb;
    history_.pop_back();
    lastMoved_.reset();
    return true;
}

void PhotoMeasurement::reset() {
    *this = PhotoMeasurement();
}

BodyAngles PhotoMeasurement::angles() const {
    if (!facing_)
        return {};
    return MeasureBodyAngles(points_, *facing_, plumb_);
}

void PhotoMeasurement::restore(std::optional<Facing> facing, const Landmarks& points,
                               const std::optional<PlumbLine>& plumb) {
    facing_ = facing;
    points_ = points;
    plumb_ = plumb;
    history_.clear();
    lastMoved_.reset();
}

} // namespace rula
