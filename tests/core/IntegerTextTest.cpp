#include "IntegerText.h"

#include <gmock/gmock.h>

using testing::ElementsAre;

namespace {

std::vector<std::optional<int>> read(std::initializer_list<const char*> texts) {
    std::vector<std::optional<int>> numbers;
    for (const char* text : texts)
        numbers.push_back(vexilor::parseInteger(text));
    return numbers;
}

}  // namespace

TEST(ReadingANumber, TakesDecimalOrHexAfterBlanksAndOneSign) {
    EXPECT_THAT(read({"16", "   8", "+24", "-3", "007"}), ElementsAre(16, 8, 24, -3, 7));
    EXPECT_THAT(read({"$10", "x1f", "X1F", "0x40", "0XaB", "-$10", " $8"}),
                ElementsAre(16, 31, 31, 64, 171, -16, 8));
    // Eight hex digits are a bit pattern.
    EXPECT_THAT(read({"2147483647", "-2147483648", "$FFFFFFFF", "$80000000", "$7FFFFFFF"}),
                ElementsAre(INT32_MAX, INT32_MIN, -1, INT32_MIN, INT32_MAX));
}

TEST(ReadingANumber, RefusesEverythingElse) {
    EXPECT_THAT(
        read(
            {"",          " ",   "abc", "8 ",   "8a",         "1.5",         "+",
             "-",         "+-1", "--1", "$",    "0x",         "x",           "$G",
             "1 6",       "8\t", "\t8", "0x-1", "2147483648", "-2147483649", "99999999999999999999",
             "$100000000"}),
        testing::Each(std::nullopt));
}
