// The timings of one side of one row: median and spread. Byte-level, so it
// builds without <windows.h>.
#pragma once

#include <vector>

class BenchSamples {
public:
    void Add(double value) { fValues.push_back(value); }
    bool Empty() const { return fValues.empty(); }
    double Median() const;
    double Min() const;
    double Max() const;

private:
    std::vector<double> fValues;
};
