#include "tournament/ReadNumber.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ReadInteger, ReadsTheLeadingNumberLikeAtoi)
{
    EXPECT_EQ(ReadInteger("3.1"), 3);
    EXPECT_EQ(ReadInteger("  \t-42abc"), -42);
    EXPECT_EQ(ReadInteger("+7"), 7);
    EXPECT_EQ(ReadInteger("?"), 0);
    EXPECT_EQ(ReadInteger(""), 0);
    EXPECT_EQ(ReadInteger("- 5"), 0);
    EXPECT_EQ(ReadInteger("0x1A"), 0);
}

TEST(ReadInteger, SaturatesBeyondThirtyTwoBits)
{
    EXPECT_EQ(ReadInteger("2147483647"), 2147483647);
    EXPECT_EQ(ReadInteger("2147483648"), 2147483647);
    EXPECT_EQ(ReadInteger("99999999999999999999999"), 2147483647);
    EXPECT_EQ(ReadInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ReadInteger("-99999999999"), -2147483647 - 1);
}

TEST(ReadDecimal, ReadsDecimalNumbersWithExponents)
{
    EXPECT_EQ(ReadDecimal("99999.9"), 99999.9);
    EXPECT_EQ(ReadDecimal(" -0.25x"), -0.25);
    EXPECT_EQ(ReadDecimal(".5"), 0.5);
    EXPECT_EQ(ReadDecimal("5."), 5.0);
    EXPECT_EQ(ReadDecimal("1e3"), 1000.0);
    EXPECT_EQ(ReadDecimal("2E-2"), 0.02);
    EXPECT_EQ(ReadDecimal("7e"), 7.0);
    EXPECT_EQ(ReadDecimal("7e+"), 7.0);
    EXPECT_EQ(ReadDecimal("."), 0.0);
    EXPECT_EQ(ReadDecimal("yes"), 0.0);
}

TEST(ReadDecimal, NamedAndHexadecimalFormsAreNotNumbers)
{
    EXPECT_EQ(ReadDecimal("nan"), 0.0);
    EXPECT_EQ(ReadDecimal("inf"), 0.0);
    EXPECT_EQ(ReadDecimal("-infinity"), 0.0);
    EXPECT_EQ(ReadDecimal("0x10"), 0.0);
    EXPECT_TRUE(std::isinf(ReadDecimal("1e999")));
}
