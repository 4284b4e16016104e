// Leaks libFuzzer must not stop for: the font caches that fontconfig, pango and cairo fill on
// a font's first use and keep for the process. libFuzzer checks for leaks after an input with
// the fast unwinder, which stops at the first frame inside these libraries, so the whole stack
// cannot be matched and the libraries themselves are named. The targets' own checks count the
// windows and GDI objects an input leaves behind.

extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libpangoft2-1.0.so\n"
           "leak:libpangocairo-1.0.so\n"
           "leak:libpango-1.0.so\n"
           "leak:libcairo.so\n"
           "leak:libharfbuzz.so\n"
           "leak:libfreetype.so\n";
}
