#include "bench/process_probe.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <ctime>
#include <unistd.h>

namespace {
// The fields of /proc/<pid>/stat after the command name, which may itself hold spaces and ')'.
QList<QByteArray> statFields(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = file.readAll();
    const qsizetype end = line.lastIndexOf(')');
    return end < 0 ? QList<QByteArray>() : line.mid(end + 2).split(' ');
}

double pssKiB(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return 0; // gone meanwhile
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').first().toDouble();
    }
    return 0;
}

QMultiHash<qint64, qint64> childrenByParent() {
    QMultiHash<qint64, qint64> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid)
            continue;
        const QList<QByteArray> fields = statFields(pid);
        if (fields.size() > 1)
            children.insert(fields.at(1).toLongLong(), pid); // state, ppid, ...
    }
    return children;
}
} // namespace

double msSinceProcessStart() {
    // starttime is field 22 of stat, the 20th after the command name; it counts from boot.
    static const double startMs = [] {
        const QList<QByteArray> fields = statFields(getpid());
        return fields.size() > 19 ? fields.at(19).toDouble() * 1000.0 / double(sysconf(_SC_CLK_TCK)) : 0.0;
    }();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6 - startMs;
}

double treePssMiB(qint64 pid) {
    const QMultiHash<qint64, qint64> children = childrenByParent();
    QList<qint64> pending{pid};
    double total = 0;
    while (!pending.isEmpty()) {
        const qint64 next = pending.takeLast();
        total += pssKiB(next);
        pending.append(children.values(next));
    }
    return total / 1024.0;
}
