// Reading numbers typed into edit boxes, strictly for dialogs and leniently for the repeat box.
#include <gtest/gtest.h>

#include "model/IntegerText.h"

namespace glintwick {
namespace {

TEST(IntegerText, DialogValidationAcceptsOnlyWholeSignedIntegers) {
    EXPECT_EQ(ParseDialogInteger("7"), 7);
    EXPECT_EQ(ParseDialogInteger(" 7 "), 7);
    EXPECT_EQ(ParseDialogInteger("\t-12\t"), -12);
    EXPECT_EQ(ParseDialogInteger("+3"), 3);
    EXPECT_EQ(ParseDialogInteger("0"), 0);
    EXPECT_EQ(ParseDialogInteger("00"), 0);
    EXPECT_EQ(ParseDialogInteger("50"), 50);
    for (const char* bad : {"", "   ", "abc", "-0", "+0", "7x", "1 2", "-", "x7"})
        EXPECT_FALSE(ParseDialogInteger(bad).has_value()) << bad;
    EXPECT_EQ(ParseDialogInteger("99999999999999999999"), INT_MAX);
    EXPECT_EQ(ParseDialogInteger(std::string(30, ' ') + "5"), 5);
    EXPECT_FALSE(ParseDialogInteger(std::string(31, ' ') + "5").has_value())
        << "only the first 31 characters are read";
}

TEST(IntegerText, LeadingDigitsReadLikeAtoi) {
    EXPECT_EQ(ParseLeadingInteger("250"), 250);
    EXPECT_EQ(ParseLeadingInteger("  42abc"), 42);
    EXPECT_EQ(ParseLeadingInteger("-5"), -5);
    EXPECT_EQ(ParseLeadingInteger("abc"), 0);
    EXPECT_EQ(ParseLeadingInteger(""), 0);
    EXPECT_EQ(ParseLeadingInteger("123456789012"), INT_MAX);
}

}  // namespace
}  // namespace glintwick
