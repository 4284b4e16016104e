#pragma once
// The tool library's structured exception: what an operating-system exception becomes when it
// is raised under the library's translator. Code that calls into foreign handlers installs the
// translator for the duration (SE_TranslatorScope) and catches SE_Exception like any other
// C++ exception.

#include "platform/win/StructuredException.h"

#include <exception>
#include <string>

namespace km {

class SE_Exception : public std::exception
{
public:
    explicit SE_Exception(unsigned int code);

    // The operating system's exception code (EXCEPTION_ACCESS_VIOLATION, ...).
    unsigned int getSeNumber() const { return m_code; }
    // "structured exception 0xC0000005 (access violation)".
    const char* what() const noexcept override { return m_what.c_str(); }

    // The translator: throws SE_Exception with the raised code.
    [[noreturn]] static void Translate(unsigned int code, EXCEPTION_POINTERS* pointers);

private:
    unsigned int m_code;
    std::string m_what;
};

// Installs SE_Exception::Translate on the calling thread and puts the previous translator back
// when it goes. Scopes nest.
class SE_TranslatorScope
{
public:
    SE_TranslatorScope();
    ~SE_TranslatorScope();
    SE_TranslatorScope(const SE_TranslatorScope&) = delete;
    SE_TranslatorScope& operator=(const SE_TranslatorScope&) = delete;

private:
    _se_translator_function m_previous;
};

} // namespace km
