// libemf2svg keeps a few bytes of every conversion to itself; the leak
// checker of the sanitizer build is told so, and still sees our own leaks.

extern "C" const char* __lsan_default_suppressions();
// Visible, so the sanitizer runtime finds it in the program.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() { return "leak:libemf2svg.so\n"; }
