#include "IntegerText.h"

#include <gtest/gtest.h>

using vexilor::parseInteger;

TEST(IntegerText, AcceptsDecimalWithBlanksAndOneSign) {
    EXPECT_EQ(parseInteger("16"), 16);
    EXPECT_EQ(parseInteger("   8"), 8);
    EXPECT_EQ(parseInteger("+24"), 24);
    EXPECT_EQ(parseInteger("-3"), -3);
    EXPECT_EQ(parseInteger("0"), 0);
    EXPECT_EQ(parseInteger("007"), 7);
}

TEST(IntegerText, ChecksTheThirtyTwoBitRange) {
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseInteger("2147483648"), std::nullopt);
    EXPECT_EQ(parseInteger("-2147483649"), std::nullopt);
    EXPECT_EQ(parseInteger("99999999999999999999"), std::nullopt);
}

TEST(IntegerText, ReadsHexadecimalAfterEveryPrefix) {
    EXPECT_EQ(parseInteger("$10"), 16);
    EXPECT_EQ(parseInteger("x1f"), 31);
    EXPECT_EQ(parseInteger("X1F"), 31);
    EXPECT_EQ(parseInteger("0x40"), 64);
    EXPECT_EQ(parseInteger("0XaB"), 171);
    EXPECT_EQ(parseInteger("-$10"), -16);
    EXPECT_EQ(parseInteger(" $8"), 8);
}

TEST(IntegerText, TakesEightHexDigitsAsABitPattern) {
    EXPECT_EQ(parseInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(parseInteger("$80000000"), INT32_MIN);
    EXPECT_EQ(parseInteger("$7FFFFFFF"), INT32_MAX);
    EXPECT_EQ(parseInteger("$100000000"), std::nullopt);
}

TEST(IntegerText, RefusesEverythingElse) {
    for (const char* text : {"", " ", "abc", "8 ", "8a", "1.5", "+", "-", "+-1", "--1", "$", "0x",
                             "x", "$G", "1 6", "8\t", "\t8", "0x-1"}) {
        EXPECT_EQ(parseInteger(text), std::nullopt) << "text: '" << text << "'";
    }
}
