#include "platform/win/StructuredException.h"

#include <algorithm>
#include <utility>

namespace {

thread_local _se_translator_function t_translator = nullptr;

} // namespace

void RaiseException(DWORD dwExceptionCode, DWORD dwExceptionFlags, DWORD nNumberOfArguments,
                    const ULONG_PTR* lpArguments)
{
    EXCEPTION_RECORD record;
    record.ExceptionCode = dwExceptionCode;
    record.ExceptionFlags = dwExceptionFlags;
    record.ExceptionAddress = __builtin_return_address(0);
    if (lpArguments) {
        record.NumberParameters = std::min(nNumberOfArguments, EXCEPTION_MAXIMUM_PARAMETERS);
        std::copy_n(lpArguments, record.NumberParameters, record.ExceptionInformation);
    }
    EXCEPTION_POINTERS pointers{&record, nullptr};
    if (_se_translator_function translator = t_translator)
        translator(dwExceptionCode, &pointers);
    throw zt::win::StructuredException(record);
}

_se_translator_function _set_se_translator(_se_translator_function translator)
{
    return std::exchange(t_translator, translator);
}
