#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pondrel::bench {

// Called for each line the child writes to its standard output (without the
// line feed), with the time it arrived in seconds after the child started.
using LineHandler = std::function<void(double seconds, std::string_view line)>;

struct ChildRun
{
    bool started = false;
    int exitCode = -1;        // -1 when the child did not start or was killed
    double wallSeconds = 0.0; // from just before the spawn until it was reaped
    double cpuSeconds = 0.0;  // the child's user plus system time
    // The largest resident set seen while the child wrote output; 0 for a
    // child that wrote nothing.
    long peakRssKilobytes = 0;
};

// Runs `program` (found on PATH) with `arguments`, its standard input read
// from `input`, its standard error discarded, and its output handed to
// `onLine` line by line as it arrives. The input goes through an unlinked
// temporary file rather than a pipe, so that reading the output never waits
// on feeding the input.
ChildRun runProcess(const std::string &program,
                    const std::vector<std::string> &arguments,
                    std::string_view input,
                    const LineHandler &onLine);

// The full path of an executable on PATH, or nothing.
std::optional<std::string> findOnPath(std::string_view name);

} // namespace pondrel::bench
