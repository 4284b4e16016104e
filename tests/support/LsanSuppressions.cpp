// Test programs that draw text link this, so that running them by hand under the address
// sanitizer reports no third-party caches as leaks (ctest passes the same list through
// LSAN_OPTIONS; see tests/support/lsan.supp).

extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
