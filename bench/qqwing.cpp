#include "qqwing.h"

#include "childprocess.h"
#include "puzzleset.h"
#include "statistics.h"

#include <algorithm>
#include <utility>

namespace pondrel::bench {

Qqwing::Qqwing(std::string path) : m_path(std::move(path)) {}

void Qqwing::measureStartup()
{
    std::vector<double> walls;
    for (int i = 0; i < kStartupRuns; ++i) {
        const ChildRun run =
            track(runProcess(m_path, {"--version"}, {}, [](double, std::string_view) {}));
        if (run.started) {
            walls.push_back(run.wallSeconds);
        }
    }
    m_startupSeconds = median(walls);
}

Qqwing::Generation Qqwing::generate(std::string_view level, int count)
{
    Generation result;
    double previous = m_startupSeconds;
    auto onLine = [&result, &previous](double seconds, std::string_view line) {
        if (line.size() != static_cast<std::size_t>(kCellCount)) {
            return;
        }
        result.milliseconds.push_back((seconds - previous) * 1000.0);
        previous = seconds;
        int clues = 0;
        for (const char c : line) {
            clues += c >= '1' && c <= '9' ? 1 : 0;
        }
        ++result.clueHistogram[clues];
    };
    const std::vector<std::string> arguments{
        "--generate", std::to_string(count), "--difficulty", std::string(level), "--one-line"};
    const ChildRun run = track(runProcess(m_path, arguments, {}, onLine));
    result.cpuSeconds = run.cpuSeconds;
    result.ok = run.exitCode == 0 && static_cast<int>(result.milliseconds.size()) == count;
    return result;
}

Qqwing::Solving Qqwing::solve(const std::vector<Grid> &grids, bool stats)
{
    Solving result;
    auto onLine = [&result](double, std::string_view line) {
        constexpr std::string_view kTime = "Time: ";
        constexpr std::string_view kLevel = "Difficulty: ";
        if (line.starts_with(kTime)) {
            result.microseconds.push_back(std::stod(std::string(line.substr(kTime.size()))) *
                                          1000.0);
        } else if (line.starts_with(kLevel)) {
            ++result.levels[std::string(line.substr(kLevel.size()))];
        } else if (line.find("is unique") != std::string_view::npos) {
            ++result.unique;
        }
    };
    const std::vector<std::string> arguments{
        "--solve", "--nosolution", "--timer", stats ? "--stats" : "--count-solutions"};
    const ChildRun run = track(runProcess(m_path, arguments, qqwingInput(grids), onLine));
    result.seconds = std::max(run.wallSeconds - m_startupSeconds, 1e-9);
    result.ok = run.exitCode == 0 && result.microseconds.size() == grids.size();
    return result;
}

ChildRun Qqwing::track(const ChildRun &run)
{
    m_peakRssKilobytes = std::max(m_peakRssKilobytes, run.peakRssKilobytes);
    return run;
}

} // namespace pondrel::bench
