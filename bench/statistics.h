#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace pondrel::bench {

// The nearest-rank percentile (fraction 0.5 = median, 0.9 = 90th); 0 for an
// empty list.
inline double percentile(const std::vector<double> &samples, double fraction)
{
    if (samples.empty()) {
        return 0.0;
    }
    std::vector<double> values = samples; // nth_element reorders
    const auto rank =
        static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(values.size())));
    const std::size_t index = rank == 0 ? 0 : std::min(rank, values.size()) - 1;
    std::nth_element(
        values.begin(), values.begin() + static_cast<std::ptrdiff_t>(index), values.end());
    return values[index];
}

inline double median(const std::vector<double> &values)
{
    return percentile(values, 0.5);
}

} // namespace pondrel::bench
