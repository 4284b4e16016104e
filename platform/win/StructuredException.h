#pragma once
// Structured exceptions as the operating system raises them, with the compiler runtime's
// per-thread translator. A raised exception goes to the translator installed on the raising
// thread, which normally throws a C++ exception of the program's own type in its place; with no
// translator (or one that returns), it unwinds as zt::win::StructuredException, which only a
// catch (...) sees, as code built for asynchronous exceptions sees an untranslated one.
//
// Processor faults (access violations, division by zero) are not turned into exceptions here:
// code that wants a fault to reach the translator raises it with RaiseException.

#include "platform/base/WinTypes.h"

using PVOID = void*;

inline constexpr DWORD EXCEPTION_NONCONTINUABLE = 0x1;
inline constexpr DWORD EXCEPTION_MAXIMUM_PARAMETERS = 15;

inline constexpr DWORD EXCEPTION_ACCESS_VIOLATION = 0xC0000005;
inline constexpr DWORD EXCEPTION_ARRAY_BOUNDS_EXCEEDED = 0xC000008C;
inline constexpr DWORD EXCEPTION_FLT_DIVIDE_BY_ZERO = 0xC000008E;
inline constexpr DWORD EXCEPTION_FLT_INVALID_OPERATION = 0xC0000090;
inline constexpr DWORD EXCEPTION_INT_DIVIDE_BY_ZERO = 0xC0000094;
inline constexpr DWORD EXCEPTION_INT_OVERFLOW = 0xC0000095;
inline constexpr DWORD EXCEPTION_ILLEGAL_INSTRUCTION = 0xC000001D;
inline constexpr DWORD EXCEPTION_STACK_OVERFLOW = 0xC00000FD;

struct EXCEPTION_RECORD
{
    DWORD ExceptionCode = 0;
    DWORD ExceptionFlags = 0;
    EXCEPTION_RECORD* ExceptionRecord = nullptr;
    PVOID ExceptionAddress = nullptr;
    DWORD NumberParameters = 0;
    ULONG_PTR ExceptionInformation[EXCEPTION_MAXIMUM_PARAMETERS] = {};
};
using PEXCEPTION_RECORD = EXCEPTION_RECORD*;

// The processor state is not captured by the stand-in: ContextRecord is always null.
struct CONTEXT;
struct EXCEPTION_POINTERS
{
    PEXCEPTION_RECORD ExceptionRecord = nullptr;
    CONTEXT* ContextRecord = nullptr;
};

// Raises a structured exception on the calling thread. Arguments beyond
// EXCEPTION_MAXIMUM_PARAMETERS are dropped; a null argument array with a non-zero count carries
// no arguments. Never returns.
[[noreturn]] void RaiseException(DWORD dwExceptionCode, DWORD dwExceptionFlags,
                                 DWORD nNumberOfArguments, const ULONG_PTR* lpArguments);

// The calling thread's translator: called with the code and the exception's description while
// the raising frame is still on the stack. Returns the translator it replaces.
using _se_translator_function = void (*)(unsigned int, EXCEPTION_POINTERS*);
_se_translator_function _set_se_translator(_se_translator_function translator);

namespace zt::win {

// A structured exception that no translator turned into something else. Deliberately not a
// std::exception: handlers written for C++ exceptions do not mistake it for one of theirs.
class StructuredException
{
public:
    explicit StructuredException(const EXCEPTION_RECORD& record) : m_record(record) {}
    DWORD Code() const { return m_record.ExceptionCode; }
    const EXCEPTION_RECORD& Record() const { return m_record; }

private:
    EXCEPTION_RECORD m_record;
};

} // namespace zt::win
