#include "IntegerText.h"

#include <gtest/gtest.h>

using vexilor::parseInteger;

TEST(ReadingANumber, TakesDecimalOrHexAfterBlanksAndOneSign) {
    const std::pair<const char*, int> accepted[] = {{"16", 16},
                                                    {"   8", 8},
                                                    {"+24", 24},
                                                    {"-3", -3},
                                                    {"007", 7},
                                                    {"$10", 16},
                                                    {"x1f", 31},
                                                    {"X1F", 31},
                                                    {"0x40", 64},
                                                    {"0XaB", 171},
                                                    {"-$10", -16},
                                                    {" $8", 8},
                                                    {"2147483647", INT32_MAX},
                                                    {"-2147483648", INT32_MIN},
                                                    // Eight hex digits are a bit pattern.
                                                    {"$FFFFFFFF", -1},
                                                    {"$80000000", INT32_MIN},
                                                    {"$7FFFFFFF", INT32_MAX}};
    for (const auto& [text, value] : accepted)
        EXPECT_EQ(parseInteger(text), value) << "text: '" << text << "'";
}

TEST(ReadingANumber, RefusesEverythingElse) {
    for (const char* text :
         {"",          " ",   "abc", "8 ",   "8a",         "1.5",         "+",
          "-",         "+-1", "--1", "$",    "0x",         "x",           "$G",
          "1 6",       "8\t", "\t8", "0x-1", "2147483648", "-2147483649", "99999999999999999999",
          "$100000000"})
        EXPECT_EQ(parseInteger(text), std::nullopt) << "text: '" << text << "'";
}
