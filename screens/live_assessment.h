// The assessment the screens show: one record that every posture screen and the
// frequency and force screen edit through their options and boxes, and that the chart,
// the Photo window and New Assessment replace as a whole. Whenever it changes, every
// existing screen shows it again (its options, boxes and hidden labels). With it goes
// the photo its postures were chosen on, if they were: the Photo window sets it when it
// chooses them, a reviewed row brings its own, a new assessment has none.
#pragma once

#include "angles/measured_photo.h"
#include "assessment/assessment.h"

#include <QObject>

namespace rula {

class LiveAssessment final : public QObject {
    Q_OBJECT
public:
    const Assessment& record() const { return record_; }
    const std::optional<MeasuredPhoto>& photo() const { return photo_; }

    // Replaces the record; `changed` follows only when something differs.
    void set(const Assessment& record) {
        if (record == record_)
            return;
        record_ = record;
        emit changed();
    }
    // Changes one part of the record: `change` is called with a copy to edit.
    template <class Change> void edit(Change&& change) {
        Assessment next = record_;
        change(next);
        set(next);
    }

    // The photo the postures were chosen on; `photoChanged` follows a change.
    void setPhoto(const std::optional<MeasuredPhoto>& photo) {
        if (photo == photo_)
            return;
        photo_ = photo;
        emit photoChanged();
    }

signals:
    void changed();
    void photoChanged();

private:
    Assessment record_;
    std::optional<MeasuredPhoto> photo_;
};

} // namespace rula
