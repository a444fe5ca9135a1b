#pragma once
// What the benchmark reads about a process from /proc.
#include <QtGlobal>

// Milliseconds since this process was started, as the kernel recorded the start (in clock ticks).
double msSinceProcessStart();

// Proportional set size of a process and every process descended from it, in MiB.
double treePssMiB(qint64 pid);
