// The chart as delimited text: tab-separated for the clipboard, comma-separated (RFC
// 4180) for the CSV export. One writer serves both, so that a spreadsheet reads the
// same cells from either: a field holding the separator, a quote or a line break is
// quoted with its quotes doubled, lines end in CR LF, and text that a spreadsheet would
// run as a formula (beginning with =, +, - or @) gets a leading apostrophe. Scores are
// never changed.
#pragma once

#include "study/chart_record.h"

#include <QString>
#include <QStringList>

namespace rula {

enum class Separator : char16_t { Tab = u'\t', Comma = u',' };

// The side as the chart shows, copies and prints it: "L", "R" or nothing.
QString SideLetter(Side side);

// One field as the writer puts it: quoted when it must be, guarded when it is text.
QString DelimitedField(const QString& text, Separator separator, bool isText);

// The chart as cells, in the chart's order: a heading row ("Row", the sixteen headings as
// the chart shows them, "Side", "Task", "Notes"), then per row its number, the sixteen
// score texts, the side letter, the task and the notes (line breaks kept). `headings`
// holds either the sixteen column headings, or all twenty as shown.
QList<QStringList> ChartCells(const Study& study, const QStringList& headings);

// ChartCells as delimited lines, as Copy puts them on the clipboard.
QString ChartTable(const Study& study, const QStringList& headings, Separator separator);

// The CSV export: a byte-order mark, the details as a first block of lines ("Title",
// value; "Site"; "Assessor"; "Observed"), an empty line, then ChartTable. UTF-8.
QByteArray ChartCsv(const Study& study, const QStringList& headings);

} // namespace rula
