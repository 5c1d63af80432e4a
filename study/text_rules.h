// The rules for text the user types into the chart: a task or a study detail is one
// line of at most so many characters as the user sees them, with no control
// characters. A line break, tab or other control character never enters, and a
// character is never cut in half: an emoji, or a letter with combining accents,
// counts as one and is kept or dropped whole.
#pragma once

#include <QString>

namespace rula {

// Where a line ends: LF, CR, vertical tab, form feed, U+0085, U+2028, U+2029.
bool IsLineBreak(char16_t unit);
// U+0000 to U+001F and U+007F to U+009F (a tab and the line breaks among them).
bool IsControlCharacter(char16_t unit);

// Characters as the user sees them (grapheme clusters).
int VisibleLength(const QString& text);

// Keeps the first line (up to the first line break), turns tabs into spaces, drops
// every other control character (U+0000 to U+001F, U+007F to U+009F) and lone
// surrogates, and cuts after `maxCharacters` visible characters.
QString CleanLine(const QString& text, int maxCharacters);

// As CleanLine, keeping every line: each line break becomes one LF.
QString CleanNotes(const QString& text, int maxCharacters);

// Whether `text` is already what CleanLine would make of it.
bool IsCleanLine(const QString& text, int maxCharacters);

} // namespace rula
