#pragma once
// Table-driven checks of an operational-amplifier form's compute function:
// each row gives the mode, every field before, and every field after.

#include <gtest/gtest.h>

#include <initializer_list>
#include <span>
#include <vector>

#include "engine/FormModel.h"

namespace opamp_rows {

struct Row {
    int mode;
    std::vector<double> in;    // in the form's field order
    std::vector<double> want;  // exact: the same operations in the same order
};

inline void ExpectRows(engine::ComputeFunction compute, std::initializer_list<Row> rows) {
    for (const Row& row : rows) {
        ::testing::Message trace;
        trace << "mode " << row.mode << ", fields";
        for (double value : row.in)
            trace << " " << value;
        SCOPED_TRACE(trace);
        std::vector<double> v = row.in;
        compute(v, std::span<const int>(&row.mode, 1));
        for (size_t i = 0; i < v.size(); ++i)
            EXPECT_EQ(v[i], row.want[i]) << "field " << i;
    }
}

}  // namespace opamp_rows
