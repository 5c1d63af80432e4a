// Every answer in the screens' own words, kept once for the screens that ask it and for
// the report that lists it: each posture's drawing (its picture, its caption naming the
// band, its description), the drawings of the lower arm's and wrist's adjustments, each
// box's caption, and the captions of the wrist twist, muscle use and force or load
// options. The texts are marked for translation under the screen that shows them.
#pragma once

#include "assessment/assessment.h"
#include "screens/controls.h"

#include <QString>

namespace rula {

// The drawing of a posture; the posture is never None.
const Drawing& DrawingOf(UpperArmPosture posture);
const Drawing& DrawingOf(LowerArmPosture posture);
const Drawing& DrawingOf(WristPosture posture);
const Drawing& DrawingOf(NeckPosture posture);
const Drawing& DrawingOf(TrunkPosture posture);
// The drawings beside the lower arm's and the wrist's adjustment boxes.
extern const Drawing kArmsAcrossDrawing;
extern const Drawing kWristMidlineDrawing;

// A drawing's caption and description as shown.
QString DrawingCaption(const Drawing& drawing);
QString DrawingDescription(const Drawing& drawing);

// A box's caption as shown: "Shoulder is raised". Every bool of Assessment is a box.
QString BoxCaption(bool Assessment::*box);

// An option's caption as shown; empty for None.
QString OptionCaption(WristTwist twist);
QString OptionCaption(MuscleUse use);
QString OptionCaption(ForceLoad force);

} // namespace rula
