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

QString ChartTable(const Study& study, const QStringList& headings, Separator separator) {
    QStringList headingRow = headings;
    if (headingRow.size() != kChartColumns + 2) {
        headingRow.prepend(QCoreApplication::translate("rula::ChartTable", "Row"));
        headingRow.append(QCoreApplication::translate("rula::ChartTable", "Task"));
    }
    QStringList fields;
    for (const QString& heading : headingRow)
        fields << DelimitedField(heading, separator, true);
    QString table = JoinFields(fields, separator);

    int number = 0;
    for (const ChartRow& row : study.rows) {
        fields.clear();
        fields << QString::number(++number);
        for (const QString& score : row.scores)
            fields << DelimitedField(score, separator, false);
        fields << DelimitedField(row.task, separator, true);
        table += JoinFields(fields, separator);
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
    text += detail("Title", details.title, true);
    text += detail("Site", details.site, true);
    text += detail("Assessor", details.assessor, true);
    text += detail("Observed", details.observed.toString(Qt::ISODate), false);
    text += kLineEnd;
    text += ChartTable(study, headings, Separator::Comma);
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace rula
