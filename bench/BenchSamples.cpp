#include "BenchSamples.h"

#include <algorithm>

double BenchSamples::Median() const
{
    if (fValues.empty())
        return 0;
    std::vector<double> sorted(fValues);
    std::sort(sorted.begin(), sorted.end());
    size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double BenchSamples::Min() const
{
    return fValues.empty() ? 0 : *std::min_element(fValues.begin(), fValues.end());
}

double BenchSamples::Max() const
{
    return fValues.empty() ? 0 : *std::max_element(fValues.begin(), fValues.end());
}
