// A photo's measurement as a record: which way the worker faces, the six points, an
// optional plumb line, and the history that Undo takes back. The Photo window shows
// this record and changes it only through it; the angles come from it. No GUI.
#pragma once

#include "angles/body_angles.h"

#include <optional>
#include <vector>

namespace rula {

class PhotoMeasurement {
public:
    // What the window asks for next: the facing first, then the six points in order.
    enum class Step { Facing, Point, Done };
    Step step() const;
    // The point asked for next while step() is Point.
    std::optional<Landmark> wantedPoint() const;

    std::optional<Facing> facing() const { return facing_; }
    const Landmarks& points() const { return points_; }
    const std::optional<PlumbLine>& plumb() const { return plumb_; }

    void setFacing(Facing facing);
    // Places the point asked for next; does nothing while none is asked for.
    void placeNext(PhotoPoint at);
    // Moves a placed point (a drag, or the arrow keys); does nothing to a point not yet
    // placed. A move `continuing` the last change, when that moved the same point, joins
    // it: one Undo then takes back a whole drag.
    void move(Landmark which, PhotoPoint to, bool continuing = false);
    void setPlumb(const std::optional<PlumbLine>& plumb);
    // Takes back the last facing, placing, move or plumb line; false when nothing is left.
    // Setting what is already set is no change and leaves nothing to take back.
    bool undo();
    bool canUndo() const { return !history_.empty(); }
    // A new photo starts afresh.
    void reset();
    // A measurement kept earlier, as it was, with nothing to take back.
    void restore(std::optional<Facing> facing, const Landmarks& points,
                 const std::optional<PlumbLine>& plumb);

    // The angles of the points placed so far, against the plumb line where there is one.
    BodyAngles angles() const;

private:
    struct State {
        std::optional<Facing> facing;
        Landmarks points;
        std::optional<PlumbLine> plumb;
    };
    State now() const { return {facing_, points_, plumb_}; }
    void remember(bool joinsLastMove = false);

    std::optional<Facing> facing_;
    Landmarks points_{};
    std::optional<PlumbLine> plumb_;
    std::vector<State> history_;
    // The point the last change moved, while that change was a move.
    std::optional<Landmark> lastMoved_;
};

} // namespace rula
