#include "model/TypeRange.h"

#include <gtest/gtest.h>

#include <functional>

namespace g20seq {
namespace {

std::string RangeMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const ERangeError& e) {
        return e.what();
    }
    return "no error";
}

TEST(TypeRange, IntegerRangeKeepsItsInvariant) {
    TIntegerRange range(0, 10, 5);
    EXPECT_EQ(range.GetValue(), 5);

    EXPECT_EQ(RangeMessage([&] { range.SetRange(0, 10, 11); }),
              "Range Error : Min {0} <= Value {5} <= Max {10}");
    EXPECT_EQ(range.GetMin(), 0);
    EXPECT_EQ(range.GetMax(), 10);
    EXPECT_EQ(range.GetDefault(), 5);

    range.SetValue(10); // bounds are inclusive
    EXPECT_EQ(range.GetValue(), 10);
    EXPECT_EQ(RangeMessage([&] { range.SetValue(11); }),
              "Range Error : Min {0} <= Default {5} <= Max {10}");
    EXPECT_EQ(range.GetValue(), 10);
    // A refused SetRange shows the value held before the call.
    EXPECT_EQ(RangeMessage([&] { range.SetRange(3, 2, 2); }),
              "Range Error : Min {3} <= Value {10} <= Max {2}");

    range.SetRange(-4, 4, -1);
    EXPECT_EQ(range.GetValue(), -1);
    EXPECT_TRUE(range.IsRange(-4));
    EXPECT_FALSE(range.IsRange(5));
}

TEST(TypeRange, DoubleRangeMessagesShowFixedDecimals) {
    TDoubleRange range(0.5, 2.5, 1.0);
    EXPECT_EQ(RangeMessage([&] { range.SetRange(1.0, 2.0, 3.0); }),
              "Range Error : Min {1.00} <= Default {3.00} <= Max {2.00}");
    EXPECT_EQ(RangeMessage([&] { range.SetValue(2.75); }),
              "Range Error : Min {0.50} <= Default {1.00} <= Max {2.50}");
    range.SetValue(2.5);
    EXPECT_DOUBLE_EQ(range.GetValue(), 2.5);
    EXPECT_THROW(TDoubleRange(1.0, 0.0, 0.5), ERangeError);
}

TEST(TypeRange, AssignAndEqualsRequireTheSameClass) {
    TIntegerRange a(0, 10, 5), b(1, 20, 2);
    TDoubleRange d(0.0, 10.0, 5.0);
    b.SetValue(7);
    EXPECT_FALSE(a.Equals(&b));
    a.Assign(&b);
    EXPECT_TRUE(a.Equals(&b));
    EXPECT_EQ(a.GetValue(), 7);
    EXPECT_EQ(a.GetMin(), 1);

    EXPECT_FALSE(a.Equals(&d));
    EXPECT_FALSE(d.Equals(&a));
    EXPECT_THROW(a.Assign(&d), EConvertError);
    EXPECT_THROW(d.Assign(&a), EConvertError);
    EXPECT_EQ(a.GetValue(), 7);
}

} // namespace
} // namespace g20seq
