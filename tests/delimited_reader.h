// Delimited text read back as a spreadsheet reads it (RFC 4180): a field that begins with
// a quote runs to the closing quote, doubled quotes inside it stand for one, and every
// record ends in CR LF. A bare line end or an unfinished last record reads as one record
// that names the fault, so a comparison with the expected records fails.
#pragma once

#include <QList>
#include <QStringList>

#include <utility>

inline QList<QStringList> ReadDelimited(const QString& text, QChar separator) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < text.size() && text.at(i + 1) == u'"')
                field += text.at(++i);
            else
                quoted = false;
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == separator) {
            record << std::exchange(field, {});
        } else if (text.mid(i, 2) == QLatin1String("\r\n")) {
            record << std::exchange(field, {});
            records << std::exchange(record, {});
            ++i;
        } else if (c == u'\n' || c == u'\r') {
            return {{QStringLiteral("bare line end at %1").arg(i)}};
        } else {
            field += c;
        }
    }
    if (quoted || !field.isEmpty() || !record.isEmpty())
        return {{QStringLiteral("last record unfinished")}};
    return records;
}
