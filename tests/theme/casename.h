#pragma once

#include <gtest/gtest.h>

#include <string>

namespace tabulet::theme::test {

// Names a parameterised case after the `name` field of its parameter.
template<typename Case> std::string caseName(const ::testing::TestParamInfo<Case> &testCase)
{
    return testCase.param.name;
}

} // namespace tabulet::theme::test
