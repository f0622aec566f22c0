// The sanitizer defaults of our Qt programs under test: include once, in the
// file with main().
//
// Qt's platform plugins, D-Bus and the GL driver keep a few allocations until
// exit; they are not ours. Full unwinding lets the suppression see the
// plugin's frames.
#pragma once

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libqoffscreen.so\nleak:libqxcb.so\nleak:libQt5XcbQpa\nleak:libxcb\nleak:libfontconfig\n"
           "leak:libdbus-1\nleak:libGLX_mesa\n";
}
extern "C" const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}
