#pragma once
// The arithmetic behind the expression fields of the tracer boxes, kept apart from any window
// so that it can be tested and fuzzed on its own. A typed text is turned into postfix order and
// worked off on a stack of number texts; every operation writes its result back as text with
// six significant digits, which is how far the value fields have always carried intermediate
// results. Nothing here throws: a text that is not a sum of numbers still gives a number.

#include "ztui/ZTUiExport.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

enum class ExpressionStatus
{
    Ok,
    // Nothing left to evaluate (an empty field, a lone operator).
    Empty,
    DivisionByZero,
    // Characters or an order of operators that no reading can make sense of.
    Malformed,
    // A number or a result too large for a double.
    OutOfRange,
};

struct ExpressionResult
{
    // 0 whenever the status is not Ok, so that the field always shows a number.
    double value = 0.0;
    ExpressionStatus status = ExpressionStatus::Ok;

    bool ok() const { return status == ExpressionStatus::Ok; }
};

class ZTUI_EXPORT ExpressionEvaluator
{
public:
    static constexpr std::string_view kOperators = "+-*/";
    static constexpr std::string_view kOperatorsAndPoint = "+-*/.";

    // A lone operator reads as nothing, and a leading minus subtracts from zero.
    static std::string Prepare(std::string_view text);

    // Infix to postfix: numbers as typed, then operators in the order they apply. Blanks are
    // skipped, operators left dangling at the end are dropped and parentheses still open at the
    // end are closed, because that is what someone who pressed Enter too early meant. A stray
    // closing parenthesis is ignored for the same reason. Empty when the text cannot be read.
    static std::optional<std::vector<std::string>> ToPostfix(std::string_view expression);

    static ExpressionResult EvaluatePostfix(const std::vector<std::string>& postfix);

    // Prepare, ToPostfix and EvaluatePostfix of a narrow text.
    static ExpressionResult Evaluate(std::string_view text);

    // The field's text for a value: one decimal; minus zero and values that are not finite
    // show as "0.0".
    static std::string FormatResult(double value);

    // What the field shows after evaluating a wide text: converted to the narrow code page,
    // evaluated and formatted.
    static std::wstring EvaluateText(std::wstring_view text);

    // The text of an intermediate result: the default stream format, six significant digits.
    static std::string FormatIntermediate(double value);
};

} // namespace zt
