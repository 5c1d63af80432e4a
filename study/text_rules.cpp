// Cleaning typed text: code units are filtered first (line, controls, lone surrogates),
// then the rest is cut on grapheme cluster boundaries so that no character is split.
#include "study/text_rules.h"

#include <QTextBoundaryFinder>

namespace rula {

bool IsLineBreak(char16_t c) {
    return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

bool IsControlCharacter(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

namespace {

enum class Lines { First, All };

// The first line or every line (each break as one LF; CR LF is one break), tabs as
// spaces, without controls or lone surrogates.
QString FilterUnits(const QString& text, Lines lines = Lines::First) {
    QString kept;
    kept.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text.at(i).unicode();
        if (IsLineBreak(c)) {
            if (lines == Lines::First)
                break;
            if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
                ++i;
            kept += u'\n';
        } else if (c == u'\t') {
            kept += u' ';
        } else if (QChar::isHighSurrogate(c)) {
            if (i + 1 < size && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
                kept += text.at(i);
                kept += text.at(i + 1);
                ++i;
            }
        } else if (!QChar::isLowSurrogate(c) && !IsControlCharacter(c)) {
            kept += text.at(i);
        }
    }
    return kept;
}

// The length in UTF-16 units of the first `count` grapheme clusters.
qsizetype PrefixUnits(const QString& text, int count) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (int seen = 0; seen < count; ++seen) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            break;
        end = next;
    }
    return end;
}

} // namespace

int VisibleLength(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() >= 0)
        ++count;
    return count;
}

namespace {

QString CutAt(QString kept, int maxCharacters) {
    if (maxCharacters < 0)
        maxCharacters = 0;
    // Every cluster holds at least one unit, so a short text needs no look at clusters.
    if (kept.size() > maxCharacters)
        kept.truncate(PrefixUnits(kept, maxCharacters));
    return kept;
}

} // namespace

QString CleanLine(const QString& text, int maxCharacters) {
    return CutAt(FilterUnits(text), maxCharacters);
}

QString CleanNotes(const QString& text, int maxCharacters) {
    return CutAt(FilterUnits(text, Lines::All), maxCharacters);
}

bool IsCleanLine(const QString& text, int maxCharacters) {
    return CleanLine(text, maxCharacters) == text;
}

} // namespace rula
