// Operating-system exceptions as the stand-in raises them, their translation into the tool
// library's km::SE_Exception, and the debugger output channel that reports them.

#include "platform/host/SE_Exception.h"
#include "platform/win/DebugOutput.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

int g_returningCalls = 0;
void ReturningTranslator(unsigned int, EXCEPTION_POINTERS*)
{
    ++g_returningCalls;
}

DWORD RaiseUntranslated(DWORD code)
{
    try {
        RaiseException(code, 0, 0, nullptr);
    } catch (const zt::win::StructuredException& e) {
        return e.Code();
    }
    return 0;
}

} // namespace

TEST(StructuredException, WithoutATranslatorItUnwindsWithItsRecord)
{
    ULONG_PTR args[20];
    for (int i = 0; i < 20; ++i)
        args[i] = static_cast<ULONG_PTR>(100 + i);
    try {
        RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 20, args);
        FAIL() << "RaiseException returned";
    } catch (const std::exception&) {
        FAIL() << "an untranslated exception is no C++ exception";
    } catch (const zt::win::StructuredException& e) {
        EXPECT_EQ(e.Code(), EXCEPTION_ACCESS_VIOLATION);
        EXPECT_EQ(e.Record().ExceptionFlags, EXCEPTION_NONCONTINUABLE);
        EXPECT_EQ(e.Record().NumberParameters, EXCEPTION_MAXIMUM_PARAMETERS);
        EXPECT_EQ(e.Record().ExceptionInformation[14], 114u);
    }
    // A count without arguments carries none.
    try {
        RaiseException(EXCEPTION_INT_DIVIDE_BY_ZERO, 0, 3, nullptr);
    } catch (const zt::win::StructuredException& e) {
        EXPECT_EQ(e.Record().NumberParameters, 0u);
    }
}

TEST(StructuredException, TheTranslatorScopeTurnsItIntoSE_Exception)
{
    struct Case
    {
        DWORD code;
        const char* text;
    };
    const Case cases[] = {
        {EXCEPTION_ACCESS_VIOLATION, "structured exception 0xC0000005 (access violation)"},
        {EXCEPTION_INT_DIVIDE_BY_ZERO,
         "structured exception 0xC0000094 (integer division by zero)"},
        {0xE0001234, "structured exception 0xE0001234"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        km::SE_TranslatorScope scope;
        try {
            RaiseException(c.code, 0, 0, nullptr);
            FAIL() << "RaiseException returned";
        } catch (const km::SE_Exception& e) {
            EXPECT_EQ(e.getSeNumber(), c.code);
            EXPECT_STREQ(e.what(), c.text);
        }
    }
}

TEST(StructuredException, ScopesNestAndPutThePreviousTranslatorBack)
{
    EXPECT_EQ(RaiseUntranslated(EXCEPTION_STACK_OVERFLOW), EXCEPTION_STACK_OVERFLOW);
    {
        km::SE_TranslatorScope outer;
        {
            km::SE_TranslatorScope inner;
        }
        EXPECT_THROW(RaiseException(EXCEPTION_INT_OVERFLOW, 0, 0, nullptr), km::SE_Exception);
    }
    EXPECT_EQ(RaiseUntranslated(EXCEPTION_INT_OVERFLOW), EXCEPTION_INT_OVERFLOW);
    EXPECT_EQ(_set_se_translator(nullptr), nullptr);
}

TEST(StructuredException, ATranslatorThatReturnsLeavesTheExceptionUntranslated)
{
    g_returningCalls = 0;
    _se_translator_function previous = _set_se_translator(&ReturningTranslator);
    EXPECT_EQ(RaiseUntranslated(EXCEPTION_ILLEGAL_INSTRUCTION), EXCEPTION_ILLEGAL_INSTRUCTION);
    EXPECT_EQ(g_returningCalls, 1);
    _set_se_translator(previous);
}

TEST(StructuredException, TheTranslatorBelongsToTheThreadThatInstalledIt)
{
    km::SE_TranslatorScope scope;
    DWORD seenOnOtherThread = 0;
    std::thread other([&] { seenOnOtherThread = RaiseUntranslated(EXCEPTION_ACCESS_VIOLATION); });
    other.join();
    EXPECT_EQ(seenOnOtherThread, EXCEPTION_ACCESS_VIOLATION);
    EXPECT_THROW(RaiseException(EXCEPTION_ACCESS_VIOLATION, 0, 0, nullptr), km::SE_Exception);
}

TEST(DebugOutput, ASinkReceivesWideAndNarrowText)
{
    std::vector<std::wstring> lines;
    zt::win::SetDebugOutputSink([&](const wchar_t* text) { lines.emplace_back(text); });
    OutputDebugStringW(L"颜色 1\n");
    OutputDebugStringA("plain\n");
    OutputDebugStringW(nullptr);
    zt::win::SetDebugOutputSink(nullptr);
    OutputDebugStringW(L"to the error stream\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], L"颜色 1\n");
    EXPECT_EQ(lines[1], L"plain\n");
}
