#include "vantor/automation/TextFunctions.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace vantor;

TEST(LeadingNumber, ReadsTheNumberThatStartsTheText) {
    const std::pair<const char*, double> cases[] = {
        {"", 0},         {"abc", 0},       {".", 0},      {"0.5abc", 0.5}, {"1E-3", 0.001},
        {"  .001", 0.001}, {"\t2", 2},     {"-.5", -0.5}, {"+.5e1", 5},    {"12pt", 12},
        {"2e1x", 20},    {"7e", 7},        {"2E-", 2},    {"3,5", 3}, // "," is no decimal point
        {"1E-999", 0},   {"- 1", 0},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(LeadingNumber(text), value) << '"' << text << '"';
    }
    EXPECT_TRUE(std::isinf(LeadingNumber("1E999")));
    EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9'))));
}
