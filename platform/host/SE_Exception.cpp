#include "platform/host/SE_Exception.h"

#include <cstdio>

namespace km {

namespace {

const char* CodeName(unsigned int code)
{
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
        return "access violation";
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
        return "array bounds exceeded";
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
        return "floating-point division by zero";
    case EXCEPTION_FLT_INVALID_OPERATION:
        return "invalid floating-point operation";
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
        return "integer division by zero";
    case EXCEPTION_INT_OVERFLOW:
        return "integer overflow";
    case EXCEPTION_ILLEGAL_INSTRUCTION:
        return "illegal instruction";
    case EXCEPTION_STACK_OVERFLOW:
        return "stack overflow";
    default:
        return nullptr;
    }
}

} // namespace

SE_Exception::SE_Exception(unsigned int code) : m_code(code)
{
    char text[80];
    if (const char* name = CodeName(code))
        std::snprintf(text, sizeof text, "structured exception 0x%08X (%s)", code, name);
    else
        std::snprintf(text, sizeof text, "structured exception 0x%08X", code);
    m_what = text;
}

void SE_Exception::Translate(unsigned int code, EXCEPTION_POINTERS*)
{
    throw SE_Exception(code);
}

SE_TranslatorScope::SE_TranslatorScope() : m_previous(_set_se_translator(&SE_Exception::Translate))
{}

SE_TranslatorScope::~SE_TranslatorScope()
{
    _set_se_translator(m_previous);
}

} // namespace km
