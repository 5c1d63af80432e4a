// One writer for the clipboard's tab-separated text and the CSV export: each field goes
// through DelimitedField, each line ends in CR LF.
#include "study/delimited_text.h"

#include <QCoreApplication>

namespace rula {

namespace {

const QLatin1String kLineEnd("\r\n");

// Joins already written fields with the separator.
QString JoinFields(const QStringList& fields, Separator separator) {
    return fields.join(QChar(static_cast<char16_t>(separator))) + kLineEnd;
}

} // namespace

QString SideLetter(Side side) {
    switch (side) {
    case Side::Left:
        return QCoreApplication::translate("rula::SideLetter", "L", "left side");
    case Side::Right:
        return QCoreApplication::translate("rula::SideLetter", "R", "right side");
    case Side::NotSaid:
        break;
    }
    return {};
}

QString DelimitedField(const QString& text, Separator separator, bool isText) {
    QString field = text;
    // A spreadsheet would take such text for a formula; the apostrophe makes it text.
    if (isText && !field.isEmpty()) {
        const QChar first = field.front();
        if (first == u'=' || first == u'+' || first == u'-' || first == u'@')
            field.prepend(u'\'');
    }
    const bool mustQuote = field.contains(QChar(static_cast<char16_t>(separator))) ||
                           field.contains(u'\t') || field.contains(u'"') || field.contains(u'\n') ||
                           field.contains(u'\r');
    if (!mustQuote)
        return field;
    field.replace(u'"', QLatin1String("\"\""));
    return u'"' + field + u'"';
}

QList<QStringList> ChartCells(const Study& study, const QStringList& headings) {
    QStringList headingRow = headings;
    if (headingRow.size() != kChartColumns + 4) {
        headingRow.prepend(QCoreApplication::translate("rula::ChartTable", "Row"));
        headingRow << QCoreApplication::translate("rula::ChartTable", "Side")
                   << QCoreApplication::translate("rula::ChartTable", "Task")
                   << QCoreApplication::translate("rula::ChartTable", "Notes");
    }
    QList<QStringList> cells = {headingRow};
    int number = 0;
    for (const ChartRow& row : study.rows) {
        QStringList line = {QString::number(++number)};
        for (const QString& score : row.scores)
            line << score;
        line << SideLetter(row.side) << row.task << row.notes;
        cells << line;
    }
    return cells;
}

QString ChartTable(const Study& study, const QStringList& headings, Separator separator) {
    // The number and scores are never guarded: a blank or a digit is what they hold.
    constexpr int kFirstText = kChartColumns + 1;
    QString table;
    bool heading = true;
    for (const QStringList& line : ChartCells(study, headings)) {
        QStringList fields;
        for (int column = 0; column < line.size(); ++column)
            fields << DelimitedField(line[column], separator, heading || column >= kFirstText);
        table += JoinFields(fields, separator);
        heading = false;
    }
    return table;
}

QByteArray ChartCsv(const Study& study, const QStringList& headings) {
    const auto detail = [](const char* name, const QString& value, bool isText) {
        return JoinFields({DelimitedField(QCoreApplication::translate("rula::ChartCsv", name),
                                          Separator::Comma, true),
                           DelimitedField(value, Separator::Comma, isText)},
                          Separator::Comma);
    };
    const StudyDetails& details = study.details;
    QString text;
    text += detail(QT_TRANSLATE_NOOP("rula::ChartCsv", "Title"), details.title, true);
    text += detail(QT_TRANSLATE_NOOP("rula::ChartCsv", "Site"), details.site, true);
    text += detail(QT_TRANSLATE_NOOP("rula::ChartCsv", "Assessor"), details.assessor, true);
    // The date as data, the same in every language: a spreadsheet reads it as a date.
    text += detail(QT_TRANSLATE_NOOP("rula::ChartCsv", "Observed"),
                   details.observed.toString(Qt::ISODate), false);
    text += kLineEnd;
    text += ChartTable(study, headings, Separator::Comma);
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace rula
