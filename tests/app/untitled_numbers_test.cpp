#include "app/frame/untitled_numbers.h"

#include <gtest/gtest.h>

namespace wendax {
namespace {

TEST(UntitledNumbers, TakesTheSmallestFreeNumberFromOne) {
    TUntitledNumbers numbers;
    EXPECT_EQ(numbers.Take(), 1);
    EXPECT_EQ(numbers.Take(), 2);
    EXPECT_EQ(numbers.Take(), 3);
    numbers.Release(2);
    EXPECT_FALSE(numbers.IsTaken(2));
    EXPECT_EQ(numbers.Take(), 2);
    EXPECT_EQ(numbers.Take(), 4);
}

TEST(UntitledNumbers, AReleasedNumberIsReusedWhileSmallerOnesStayTaken) {
    TUntitledNumbers numbers;
    for (int i = 0; i < 5; ++i)
        numbers.Take();
    numbers.Release(3);
    EXPECT_EQ(numbers.Take(), 3);
}

TEST(UntitledNumbers, WhenAll255AreTakenNewWindowsGetZeroAndTakeNothing) {
    TUntitledNumbers numbers;
    for (int n = 1; n <= 255; ++n)
        ASSERT_EQ(numbers.Take(), n);
    EXPECT_EQ(numbers.Take(), 0);
    EXPECT_EQ(numbers.Take(), 0);
    EXPECT_FALSE(numbers.IsTaken(0));
    numbers.Release(0);  // the number of a "NONAME0" window frees nothing
    EXPECT_EQ(numbers.Take(), 0);
    numbers.Release(200);
    EXPECT_EQ(numbers.Take(), 200);
}

TEST(UntitledNumbers, ReleasingNumbersOutOfRangeIsHarmless) {
    TUntitledNumbers numbers;
    numbers.Release(-1);
    numbers.Release(256);
    numbers.Release(100000);
    EXPECT_EQ(numbers.Take(), 1);
}

TEST(UntitledNumbers, NamesAreNonameFollowedByTheNumber) {
    EXPECT_EQ(TUntitledNumbers::NameFor(1), "NONAME1");
    EXPECT_EQ(TUntitledNumbers::NameFor(255), "NONAME255");
    EXPECT_EQ(TUntitledNumbers::NameFor(0), "NONAME0");
}

TEST(UntitledNumbers, OnlyNonameFollowedByDigitsCarriesANumber) {
    EXPECT_EQ(TUntitledNumbers::NumberOf("NONAME12"), 12);
    EXPECT_EQ(TUntitledNumbers::NumberOf("NONAME007"), 7);
    EXPECT_EQ(TUntitledNumbers::NumberOf("NONAME"), std::nullopt);
    EXPECT_EQ(TUntitledNumbers::NumberOf("NONAME1.txt"), std::nullopt);
    EXPECT_EQ(TUntitledNumbers::NumberOf("NONAME-1"), std::nullopt);
    EXPECT_EQ(TUntitledNumbers::NumberOf("noname1"), std::nullopt);
    EXPECT_EQ(TUntitledNumbers::NumberOf("/tmp/NONAME1"), std::nullopt);
    EXPECT_EQ(TUntitledNumbers::NumberOf("NONAME99999999999999"), std::nullopt);
}

TEST(UntitledNumbers, UntitledNamesBeginWithNonameInCapitals) {
    EXPECT_TRUE(IsUntitledName("NONAME3"));
    EXPECT_TRUE(IsUntitledName("NONAMEfile.txt"));
    EXPECT_FALSE(IsUntitledName("Noname3"));
    EXPECT_FALSE(IsUntitledName("a/NONAME3"));
}

}  // namespace
}  // namespace wendax
