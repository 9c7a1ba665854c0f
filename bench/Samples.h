#pragma once

#include <algorithm>
#include <vector>

// Times of one repeated action, in milliseconds.
struct Samples {
    std::vector<double> values;

    void add(double value) { values.push_back(value); }
    // The value below which the given share (0 to 1) of the samples lies.
    double percentile(double share) const {
        if (values.empty())
            return 0;
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const size_t index = std::min(sorted.size() - 1, size_t(share * double(sorted.size())));
        return sorted[index];
    }
    double median() const { return percentile(0.5); }
};
