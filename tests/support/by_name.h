// Names each row of a parameterised test after its `name` field, so that a failing row is
// named and runs alone (--gtest_filter='*/TheName').
#pragma once

#include <gtest/gtest.h>

#include <string>

struct ByName {
  template <typename Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
    return row.param.name;
  }
};
