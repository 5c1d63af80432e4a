// The assessment the screens show: one record that every posture screen and the
// frequency and force screen edit through their options and boxes, and that the chart,
// the Photo window and New Assessment replace as a whole. Whenever it changes, every
// existing screen shows it again (its options, boxes and hidden labels).
#pragma once

#include "assessment/assessment.h"

#include <QObject>

namespace rula {

class LiveAssessment final : public QObject {
    Q_OBJECT
public:
    const Assessment& record() const { return record_; }

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

signals:
    void changed();

private:
    Assessment record_;
};

} // namespace rula
