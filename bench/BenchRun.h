#pragma once
// What the benchmarks share: running a child process and measuring it
// (wall time, peak memory), medians, and the machine's load average, which
// is printed beside every figure because timings on a busy machine mean
// little without it.
#include <QString>
#include <QStringList>

#include <vector>

namespace sw::bench {

struct ChildRun
{
    double seconds = 0;   // wall time from start to exit
    double cpuSeconds = 0; // user and system time (less hostage to the load)
    double peakMB = 0;    // the child's peak resident memory (with its own children)
    int exitStatus = -1;  // -1: did not start or was killed
};

// Runs `program` with `arguments` (no shell) and waits for it; its output
// goes to /dev/null unless `showOutput`.
ChildRun runChild(const QString &program, const QStringList &arguments, bool showOutput = false);

// The middle value (the mean of the two middle ones for an even count).
double median(std::vector<double> values);

// The 1-minute load average, or -1 when it cannot be read.
double loadAverage();

// Seconds of a monotonic clock, for timing work inside the process.
double now();

// Before the application object: runs on the offscreen platform and keeps
// the platform's notes (a missing runtime folder, size hints) off the
// output; warnings that matter still reach stderr.
void prepareOffscreen();

} // namespace sw::bench
