// Test programs that draw text link this, so that running them by hand under a sanitizer
// reports nothing about fontconfig's and pango's internals (ctest passes the same lists through
// LSAN_OPTIONS and TSAN_OPTIONS; see tests/support/lsan.supp and tsan.supp).

extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libpangoft2-1.0.so\n";
}

extern "C" const char* __tsan_default_suppressions();

extern "C" const char* __tsan_default_suppressions()
{
    return "race:libfontconfig.so\nrace:libpangoft2-1.0.so\nrace:libpango-1.0.so\n";
}
