#pragma once

#include "grid.h"

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pondrel::bench {

struct ChildRun;

// qqwing's level names for our difficulties: its levels are defined by the
// same technique ladder (simple = naked singles only, easy = hidden singles,
// intermediate = locked candidates and pairs, expert = beyond those).
inline constexpr std::array<std::string_view, 4> kQqwingLevels{
    "simple", "easy", "intermediate", "expert"};

// Runs the qqwing program and reads its timings. qqwing is timed as whole
// processes: its generation per puzzle from the arrival of each output line
// (it flushes after every puzzle), its solving from its own --timer figures,
// and its throughput from wall time minus a separately measured process
// start-up (measureStartup(), before the other calls).
class Qqwing
{
public:
    // qqwing --version does nothing but start and exit: its median wall time
    // over this many runs is the start-up cost subtracted from every qqwing
    // throughput figure.
    static constexpr int kStartupRuns = 10;

    explicit Qqwing(std::string path);

    // Median wall time of a process that only starts and exits.
    void measureStartup();

    double startupSeconds() const { return m_startupSeconds; }
    // The largest resident set of any qqwing process run so far.
    long peakRssKilobytes() const { return m_peakRssKilobytes; }

    struct Generation
    {
        bool ok = false;
        std::vector<double> milliseconds; // per puzzle, from line arrival times
        double cpuSeconds = 0.0;
        std::map<int, int> clueHistogram;
    };

    Generation generate(std::string_view level, int count);

    struct Solving
    {
        bool ok = false;
        std::vector<double> microseconds; // per puzzle, qqwing's own --timer
        double seconds = 0.0;             // wall time less start-up
        int unique = 0;
        std::map<std::string, int> levels; // from --stats
    };

    // With `stats` false: --count-solutions, the uniqueness check. With
    // `stats` true: --stats, its technique-based rating.
    Solving solve(const std::vector<Grid> &grids, bool stats);

private:
    ChildRun track(const ChildRun &run);

    std::string m_path;
    double m_startupSeconds = 0.0;
    long m_peakRssKilobytes = 0;
};

} // namespace pondrel::bench
