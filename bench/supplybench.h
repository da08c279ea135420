#pragma once

#include <string>
#include <utility>
#include <vector>

namespace pondrel::bench {

// Times the puzzle supply against a full supply file (4000 fingerprints and
// three prepared puzzles per difficulty): constructing it, and takeReady()
// (one validation of a prepared puzzle). Returns each row's label with its
// median in microseconds over `repetitions` runs.
std::vector<std::pair<std::string, double>> supplyBenchmarkMedians(int repetitions);

} // namespace pondrel::bench
