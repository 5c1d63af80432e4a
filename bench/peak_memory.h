// What a benchmark measures of its own memory: a field of /proc/self/status in KiB
// (VmRSS now, VmHWM the peak), and the peak reset to the memory resident now, so that the
// peak after a step, less the resident memory before it, is what the step added.
#pragma once

#include <QFile>

inline qint64 StatusKib(const char* field) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').first().toLongLong();
    return -1;
}

inline void ResetPeak() {
    QFile refs("/proc/self/clear_refs");
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}
