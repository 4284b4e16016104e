// Any bytes typed or pasted into an expression field: the evaluator must come back with a
// number the field can show, without crashing, hanging or recursing with the input.

#include "platform/base/Encoding.h"
#include "ztui/widgets/ExpressionEvaluator.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// What the field shows is always "-?digits.digit".
bool IsFieldNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 || point + 2 != text.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != point && (text[i] < '0' || text[i] > '9'))
            return false;
    return true;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    zt::ExpressionResult result = zt::ExpressionEvaluator::Evaluate(text);
    Check(std::isfinite(result.value));
    Check(result.ok() || result.value == 0.0);
    Check(IsFieldNumber(zt::ExpressionEvaluator::FormatResult(result.value)));

    // The same bytes read as the field's wide text, through the narrow code page and back.
    std::wstring wide = zt::base::AnsiToWide(text);
    std::wstring shown = zt::ExpressionEvaluator::EvaluateText(wide);
    Check(IsFieldNumber(zt::base::WideToUtf8(shown)));
    return 0;
}
