// The arithmetic of the expression fields: order of operations, six significant digits
// between operations, one decimal at the end, and a number for every text, however broken.

#include "ztui/widgets/ExpressionEvaluator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zt::ExpressionEvaluator;
using zt::ExpressionStatus;

namespace {

std::string Shown(const std::string& text)
{
    return ExpressionEvaluator::FormatResult(ExpressionEvaluator::Evaluate(text).value);
}

} // namespace

TEST(ExpressionEvaluator, WorksOutTypedExpressions)
{
    struct Case
    {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"12+3", "15.0"},  {"-5*2", "-10.0"},   {"2+3*4", "14.0"},    {"(2+3)*4", "20.0"},
        {"10-4-3", "3.0"}, {"100/10/2", "5.0"}, {"7/2", "3.5"},       {"3600", "3600.0"},
        {".5+1", "1.5"},   {"1.", "1.0"},       {"0.25*4", "1.0"},    {"2*(3+(4-1))", "12.0"},
        {"1.26", "1.3"},   {"-0.01", "0.0"},    {" 12 + 3 ", "15.0"}, {"2-(-3)", "5.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Shown(c.text), c.shown);
    }
}

TEST(ExpressionEvaluator, PostfixPutsTighterOperatorsFirstAndEqualOnesLeftToRight)
{
    auto postfix = ExpressionEvaluator::ToPostfix("1+2*3-4/2");
    ASSERT_TRUE(postfix.has_value());
    EXPECT_EQ(*postfix, (std::vector<std::string>{"1", "2", "3", "*", "+", "4", "2", "/", "-"}));
    postfix = ExpressionEvaluator::ToPostfix("(1+2)*3");
    ASSERT_TRUE(postfix.has_value());
    EXPECT_EQ(*postfix, (std::vector<std::string>{"1", "2", "+", "3", "*"}));
}

TEST(ExpressionEvaluator, IntermediateResultsCarrySixSignificantDigits)
{
    EXPECT_EQ(ExpressionEvaluator::FormatIntermediate(1234567.0), "1.23457e+06");
    // The first product is carried as 1.23457e+06 into the addition.
    EXPECT_EQ(Shown("1234567*1+0"), "1234570.0");
    EXPECT_EQ(Shown("1234567+0"), "1234570.0");
    EXPECT_EQ(Shown("1/3*3"), "1.0");
    EXPECT_DOUBLE_EQ(ExpressionEvaluator::Evaluate("1/3*3000000").value, 999999.0);
    // A number that goes through no operation keeps every digit.
    EXPECT_EQ(Shown("1234567"), "1234567.0");
}

TEST(ExpressionEvaluator, PreparationEmptiesALoneOperatorAndSubtractsALeadingMinusFromZero)
{
    EXPECT_EQ(ExpressionEvaluator::Prepare("-5*2"), "0-5*2");
    EXPECT_EQ(ExpressionEvaluator::Prepare("+"), "");
    EXPECT_EQ(ExpressionEvaluator::Prepare("-"), "");
    EXPECT_EQ(ExpressionEvaluator::Prepare("5"), "5");
}

TEST(ExpressionEvaluator, TextsThatCannotBeWorkedOutStillGiveANumber)
{
    const std::string tooLong(400, '9');
    struct Case
    {
        const char* text;
        ExpressionStatus status;
        const char* shown;
    };
    const Case cases[] = {
        {"", ExpressionStatus::Empty, "0.0"},
        {"*", ExpressionStatus::Empty, "0.0"},
        {"5/0", ExpressionStatus::DivisionByZero, "0.0"},
        {"5/(2-2)", ExpressionStatus::DivisionByZero, "0.0"},
        {"abc", ExpressionStatus::Malformed, "0.0"},
        {"1+*2", ExpressionStatus::Malformed, "0.0"},
        {"1.2.3", ExpressionStatus::Malformed, "0.0"},
        {"2(3)", ExpressionStatus::Malformed, "0.0"},
        {"()", ExpressionStatus::Malformed, "0.0"},
        {tooLong.c_str(), ExpressionStatus::OutOfRange, "0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto result = ExpressionEvaluator::Evaluate(c.text);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(ExpressionEvaluator::FormatResult(result.value), c.shown);
    }
}

TEST(ExpressionEvaluator, AnUnfinishedExpressionMeansWhatWasTypedSoFar)
{
    // Enter pressed after an operator, or with a parenthesis still open.
    EXPECT_EQ(Shown("12+"), "12.0");
    EXPECT_EQ(Shown("12*3/"), "36.0");
    EXPECT_EQ(Shown("(1+2"), "3.0");
    EXPECT_EQ(Shown("2*(3+4"), "14.0");
    EXPECT_EQ(Shown("1+2)"), "3.0");
    EXPECT_EQ(Shown("1+("), "1.0");
}

TEST(ExpressionEvaluator, ResultsTooLargeForADoubleShowZero)
{
    std::string big = "9" + std::string(300, '0');
    auto result = ExpressionEvaluator::Evaluate(big + "*" + big);
    EXPECT_EQ(result.status, ExpressionStatus::OutOfRange);
    EXPECT_EQ(ExpressionEvaluator::FormatResult(result.value), "0.0");
    // Large but finite results are printed in full.
    EXPECT_EQ(ExpressionEvaluator::FormatResult(1e20), "100000000000000000000.0");
}

TEST(ExpressionEvaluator, WideTextsGoThroughTheNarrowCodePage)
{
    EXPECT_EQ(ExpressionEvaluator::EvaluateText(L"12+3"), L"15.0");
    EXPECT_EQ(ExpressionEvaluator::EvaluateText(L"墙+1"), L"0.0");
    EXPECT_EQ(ExpressionEvaluator::EvaluateText(L""), L"0.0");
}
