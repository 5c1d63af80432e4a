// The words of the answers, each marked with the context of the screen that shows it, so
// that a translation keeps them with that screen's texts.
#include "screens/answer_words.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <utility>

namespace rula {
namespace {

// The drawings are named for screen readers and described in their tooltips, as their
// picture boxes translate them.
constexpr std::array kUpperArm = {
    Drawing{":/images/upper-arm-neutral.svg",
            {58, 104},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Upper arm 20° back to 20° forward"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Upper arm hanging down, between 20° behind and 20° in front of the "
                              "vertical. Base score 1.")},
    Drawing{":/images/upper-arm-extension.svg",
            {78, 104},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Upper arm in extension beyond 20°"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Upper arm reaching behind the body, more than 20° of extension. "
                              "Base score 2.")},
    Drawing{":/images/upper-arm-20-45.svg",
            {65, 104},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Upper arm 20° to 45° forward"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Upper arm raised forward between 20° and 45°. Base score 2.")},
    Drawing{":/images/upper-arm-45-90.svg",
            {81, 104},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Upper arm 45° to 90° forward"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Upper arm raised forward between 45° and 90°. Base score 3.")},
    Drawing{":/images/upper-arm-90-plus.svg",
            {60, 104},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Upper arm over 90° forward"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Upper arm raised forward beyond 90°, above the shoulder. Base "
                              "score 4.")},
};

constexpr std::array kLowerArm = {
    Drawing{":/images/lower-arm-60-100.svg",
            {76, 105},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Lower arm 60° to 100° of elbow flexion"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Standing figure with the elbow bent between 60° and 100°. Base "
                              "score 1.")},
    Drawing{":/images/lower-arm-outside.svg",
            {62, 105},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Lower arm below 60° or beyond 100°"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Lower arm raised beyond 100° or lowered to between 0° and 60° of "
                              "elbow flexion. Base score 2.")},
};

constexpr std::array kWrist = {
    Drawing{":/images/wrist-neutral.svg",
            {114, 36},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Wrist neutral, 0°"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Hand and forearm in a straight line: the wrist is not bent. Base "
                              "score 1.")},
    Drawing{
        ":/images/wrist-15.svg",
        {112, 56},
        QT_TRANSLATE_NOOP("rula::PictureBox", "Wrist bent up to 15°"),
        QT_TRANSLATE_NOOP("rula::PictureBox", "Wrist bent up or down by up to 15°. Base score 2.")},
    Drawing{":/images/wrist-15-plus.svg",
            {91, 68},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Wrist bent more than 15°"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Wrist bent up or down by more than 15°. Base score 3.")},
};

constexpr std::array kNeck = {
    Drawing{":/images/neck-0-10.svg",
            {52, 107},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Neck 0° to 10° forward"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Head bent forward between 0° and 10°. Base score 1.")},
    Drawing{":/images/neck-10-20.svg",
            {54, 107},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Neck 10° to 20° forward"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Head bent forward between 10° and 20°. Base score 2.")},
    Drawing{
        ":/images/neck-20-plus.svg",
        {77, 107},
        QT_TRANSLATE_NOOP("rula::PictureBox", "Neck over 20° forward"),
        QT_TRANSLATE_NOOP("rula::PictureBox", "Head bent forward more than 20°. Base score 3.")},
    Drawing{":/images/neck-extension.svg",
            {78, 105},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Neck in extension"),
            QT_TRANSLATE_NOOP("rula::PictureBox", "Head bent backwards. Base score 4.")},
};

constexpr std::array kTrunk = {
    Drawing{":/images/trunk-upright.svg",
            {45, 107},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Trunk upright, 0°"),
            QT_TRANSLATE_NOOP("rula::PictureBox", "Upright trunk. Base score 1.")},
    Drawing{":/images/trunk-0-20.svg",
            {55, 106},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Trunk 0° to 20° forward"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Trunk bent forward between 0° and 20°. Base score 2.")},
    Drawing{":/images/trunk-20-60.svg",
            {98, 106},
            QT_TRANSLATE_NOOP("rula::PictureBox", "Trunk 20° to 60° forward"),
            QT_TRANSLATE_NOOP("rula::PictureBox",
                              "Trunk bent forward between 20° and 60°. Base score 3.")},
    Drawing{
        ":/images/trunk-60-plus.svg",
        {132, 106},
        QT_TRANSLATE_NOOP("rula::PictureBox", "Trunk over 60° forward"),
        QT_TRANSLATE_NOOP("rula::PictureBox", "Trunk bent forward more than 60°. Base score 4.")},
};

// The drawing of the posture numbered `posture` (1 for the first after None).
template <std::size_t N> const Drawing& Nth(const std::array<Drawing, N>& drawings, int posture) {
    return drawings.at(static_cast<std::size_t>(std::max(posture, 1) - 1));
}

struct BoxWords {
    bool Assessment::*box;
    const char* context;
    const char* caption;
};
const std::array kBoxes = {
    BoxWords{&Assessment::shoulderRaised, "rula::Form2",
             QT_TRANSLATE_NOOP("rula::Form2", "Shoulder is raised")},
    BoxWords{&Assessment::upperArmAbducted, "rula::Form2",
             QT_TRANSLATE_NOOP("rula::Form2", "Upper arm is abducted")},
    BoxWords{&Assessment::armSupported, "rula::Form2",
             QT_TRANSLATE_NOOP("rula::Form2", "Leaning or supporting the weight of the arm")},
    BoxWords{
        &Assessment::lowerArmAcrossOrOut, "rula::Form3",
        QT_TRANSLATE_NOOP("rula::Form3", "Working across the mid-line or out to the side of body")},
    BoxWords{&Assessment::wristBentFromMidline, "rula::Form4",
             QT_TRANSLATE_NOOP("rula::Form4", "Wrist is bent away from the mid-line")},
    BoxWords{&Assessment::neckTwisted, "rula::Form6",
             QT_TRANSLATE_NOOP("rula::Form6", "Neck is twisting")},
    BoxWords{&Assessment::neckSideBent, "rula::Form6",
             QT_TRANSLATE_NOOP("rula::Form6", "Neck is side-bending")},
    BoxWords{&Assessment::trunkTwisted, "rula::Form7",
             QT_TRANSLATE_NOOP("rula::Form7", "Trunk is twisting")},
    BoxWords{&Assessment::trunkSideBent, "rula::Form7",
             QT_TRANSLATE_NOOP("rula::Form7", "Trunk is side-bending")},
    BoxWords{&Assessment::trunkSupportedSeated, "rula::Form7",
             QT_TRANSLATE_NOOP("rula::Form7", "Trunk is well supported while seated")},
    BoxWords{&Assessment::legsSupported, "rula::Form7",
             QT_TRANSLATE_NOOP("rula::Form7", "Are legs and feet supported and balanced")},
};

const std::array<const char*, 2> kTwist = {
    QT_TRANSLATE_NOOP("rula::Form5", "Mainly in mid-range of twist"),
    QT_TRANSLATE_NOOP("rula::Form5", "At or near the end of twisting range")};
const std::array<const char*, 3> kMuscleUse = {
    QT_TRANSLATE_NOOP("rula::Form8", "Moderate posture, not static, not lightly repetitive"),
    QT_TRANSLATE_NOOP("rula::Form8", "Activity is mainly static (held longer than 1 minute)"),
    QT_TRANSLATE_NOOP("rula::Form8", "Activity is repeated more than 4 times/minute")};
const std::array<const char*, 4> kForceLoad = {
    QT_TRANSLATE_NOOP("rula::Form8", "Load < 5 lbs. ( 2 kg ); intermittent"),
    QT_TRANSLATE_NOOP("rula::Form8", "Load is 5-25 lbs. ( 2-10 kg ); intermittent"),
    QT_TRANSLATE_NOOP("rula::Form8", "Load is 5-25 lbs. ( 2-10 kg ); static or repeated"),
    QT_TRANSLATE_NOOP("rula::Form8", "Load > 25 lbs. ( 10 kg ); repeated or shocks")};

template <class Option, std::size_t N>
QString Caption(const char* context, const std::array<const char*, N>& captions, Option option) {
    const auto index = static_cast<std::size_t>(option);
    return index == 0 ? QString() : QCoreApplication::translate(context, captions.at(index - 1));
}

} // namespace

const Drawing kArmsAcrossDrawing{
    ":/images/lower-arm-across.svg",
    {140, 104},
    QT_TRANSLATE_NOOP("rula::PictureBox", "Arms across the mid-line or out to the side"),
    QT_TRANSLATE_NOOP("rula::PictureBox",
                      "Person seen from above: the arms reach across the mid-line of the "
                      "body or swing out to the side. Adds 1.")};
const Drawing kWristMidlineDrawing{
    ":/images/wrist-bent-midline.svg",
    {92, 104},
    QT_TRANSLATE_NOOP("rula::PictureBox", "Wrist bent away from the mid-line"),
    QT_TRANSLATE_NOOP("rula::PictureBox",
                      "Hand seen from above, bent to either side of the mid-line. Adds 1.")};

const Drawing& DrawingOf(UpperArmPosture posture) {
    return Nth(kUpperArm, static_cast<int>(posture));
}
const Drawing& DrawingOf(LowerArmPosture posture) {
    return Nth(kLowerArm, static_cast<int>(posture));
}
const Drawing& DrawingOf(WristPosture posture) {
    return Nth(kWrist, static_cast<int>(posture));
}
const Drawing& DrawingOf(NeckPosture posture) {
    return Nth(kNeck, static_cast<int>(posture));
}
const Drawing& DrawingOf(TrunkPosture posture) {
    return Nth(kTrunk, static_cast<int>(posture));
}

QString DrawingCaption(const Drawing& drawing) {
    return QCoreApplication::translate("rula::PictureBox", drawing.name);
}

QString DrawingDescription(const Drawing& drawing) {
    return QCoreApplication::translate("rula::PictureBox", drawing.description);
}

QString BoxCaption(bool Assessment::*box) {
    for (const BoxWords& words : kBoxes)
        if (words.box == box)
            return QCoreApplication::translate(words.context, words.caption);
    return {};
}

QString OptionCaption(WristTwist twist) {
    return Caption("rula::Form5", kTwist, twist);
}
QString OptionCaption(MuscleUse use) {
    return Caption("rula::Form8", kMuscleUse, use);
}
QString OptionCaption(ForceLoad force) {
    return Caption("rula::Form8", kForceLoad, force);
}

} // namespace rula
