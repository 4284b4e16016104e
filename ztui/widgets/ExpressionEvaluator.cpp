#include "ztui/widgets/ExpressionEvaluator.h"

#include "platform/base/Encoding.h"

#include <charconv>
#include <cmath>
#include <locale>
#include <sstream>

namespace zt {

namespace {

bool IsOperator(char c)
{
    return ExpressionEvaluator::kOperators.find(c) != std::string_view::npos;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int Precedence(char op)
{
    return op == '*' || op == '/' ? 2 : 1;
}

// Operands are read back exactly as they were written; a number the stream wrote is always
// readable, so a failure here means a typed number out of the range of a double.
bool ReadNumber(const std::string& text, double& value, ExpressionStatus& status)
{
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        status = ExpressionStatus::OutOfRange;
        return false;
    }
    if (ec != std::errc() || end != last) {
        status = ExpressionStatus::Malformed;
        return false;
    }
    if (!std::isfinite(value)) {
        status = ExpressionStatus::OutOfRange;
        return false;
    }
    return true;
}

ExpressionResult Failure(ExpressionStatus status)
{
    return ExpressionResult{0.0, status};
}

// Drops what cannot end an expression: blanks, operators and opening parentheses left by a
// user who pressed Enter before finishing.
std::string_view TrimDangling(std::string_view text)
{
    while (!text.empty()) {
        char c = text.back();
        if (!IsBlank(c) && !IsOperator(c) && c != '(')
            break;
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::string ExpressionEvaluator::Prepare(std::string_view text)
{
    std::string prepared(text);
    if (prepared.size() == 1 && IsOperator(prepared[0]))
        prepared.clear();
    if (!prepared.empty() && prepared[0] == '-')
        prepared.insert(0, 1, '0');
    return prepared;
}

std::optional<std::vector<std::string>> ExpressionEvaluator::ToPostfix(std::string_view expression)
{
    std::string_view text = TrimDangling(expression);
    std::vector<std::string> output;
    std::vector<char> operators;
    bool expectOperand = true;
    // A sign at the start of the expression or of a parenthesis subtracts from (or adds to)
    // zero, as the leading minus of the whole text does.
    bool signAllowed = true;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (IsBlank(c)) {
            ++i;
            continue;
        }
        if (IsDigit(c) || c == '.') {
            if (!expectOperand)
                return std::nullopt;
            std::size_t start = i;
            int points = 0;
            while (i < text.size() && (IsDigit(text[i]) || text[i] == '.')) {
                points += text[i] == '.' ? 1 : 0;
                ++i;
            }
            if (points > 1)
                return std::nullopt;
            std::string number(text.substr(start, i - start));
            if (number == ".")
                number = "0";
            else if (number.front() == '.')
                number.insert(0, 1, '0');
            output.push_back(std::move(number));
            expectOperand = false;
            signAllowed = false;
            continue;
        }
        if (c == '(') {
            if (!expectOperand)
                return std::nullopt;
            operators.push_back(c);
            signAllowed = true;
            ++i;
            continue;
        }
        if (c == ')') {
            if (expectOperand)
                return std::nullopt;
            while (!operators.empty() && operators.back() != '(') {
                output.emplace_back(1, operators.back());
                operators.pop_back();
            }
            if (!operators.empty())
                operators.pop_back();
            ++i;
            continue;
        }
        if (IsOperator(c)) {
            if (expectOperand) {
                if (!signAllowed || (c != '-' && c != '+'))
                    return std::nullopt;
                output.emplace_back("0");
            }
            while (!operators.empty() && operators.back() != '(' &&
                   Precedence(operators.back()) >= Precedence(c)) {
                output.emplace_back(1, operators.back());
                operators.pop_back();
            }
            operators.push_back(c);
            expectOperand = true;
            signAllowed = false;
            ++i;
            continue;
        }
        return std::nullopt;
    }
    while (!operators.empty()) {
        if (operators.back() != '(')
            output.emplace_back(1, operators.back());
        operators.pop_back();
    }
    return output;
}

ExpressionResult ExpressionEvaluator::EvaluatePostfix(const std::vector<std::string>& postfix)
{
    if (postfix.empty())
        return Failure(ExpressionStatus::Empty);
    std::vector<std::string> stack;
    ExpressionStatus status = ExpressionStatus::Ok;
    for (const std::string& token : postfix) {
        if (token.size() != 1 || !IsOperator(token[0])) {
            stack.push_back(token);
            continue;
        }
        if (stack.size() < 2)
            return Failure(ExpressionStatus::Malformed);
        double b = 0.0;
        double a = 0.0;
        if (!ReadNumber(stack.back(), b, status))
            return Failure(status);
        stack.pop_back();
        if (!ReadNumber(stack.back(), a, status))
            return Failure(status);
        stack.pop_back();
        double r = 0.0;
        switch (token[0]) {
        case '+':
            r = a + b;
            break;
        case '-':
            r = a - b;
            break;
        case '*':
            r = a * b;
            break;
        default:
            if (b == 0.0)
                return Failure(ExpressionStatus::DivisionByZero);
            r = a / b;
            break;
        }
        if (!std::isfinite(r))
            return Failure(ExpressionStatus::OutOfRange);
        stack.push_back(FormatIntermediate(r));
    }
    if (stack.size() != 1)
        return Failure(ExpressionStatus::Malformed);
    double value = 0.0;
    if (!ReadNumber(stack.back(), value, status))
        return Failure(status);
    return ExpressionResult{value, ExpressionStatus::Ok};
}

ExpressionResult ExpressionEvaluator::Evaluate(std::string_view text)
{
    std::optional<std::vector<std::string>> postfix = ToPostfix(Prepare(text));
    if (!postfix)
        return Failure(ExpressionStatus::Malformed);
    return EvaluatePostfix(*postfix);
}

std::string ExpressionEvaluator::FormatIntermediate(double value)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

std::string ExpressionEvaluator::FormatResult(double value)
{
    if (!std::isfinite(value))
        value = 0.0;
    // "%.1f" without the decimal comma that a host's locale could bring into printf.
    char buffer[400];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string();
    if (text.empty() || text == "-0.0")
        text = "0.0";
    return text;
}

std::wstring ExpressionEvaluator::EvaluateText(std::wstring_view text)
{
    ExpressionResult result = Evaluate(base::WideToAnsi(text));
    return base::AnsiToWide(FormatResult(result.value));
}

} // namespace zt
