// Linked into a library together with the real DllMain: stands in for the system's
// DisableThreadLibraryCalls, so that a test can see what the entry point asks of the loader.
#include <windows.h>

namespace {

int g_calls = 0;
HMODULE g_module = nullptr;

BOOL WINAPI recordDisableThreadLibraryCalls(HMODULE module)
{
    ++g_calls;
    g_module = module;
    return TRUE;
}

} // namespace

extern "C" {

// The import slot through which DllMain calls the system; defined here, the linker takes it
// instead of kernel32's.
decltype(&recordDisableThreadLibraryCalls) __imp_DisableThreadLibraryCalls
    = recordDisableThreadLibraryCalls;

__declspec(dllexport) int disableThreadLibraryCallsCount()
{
    return g_calls;
}

__declspec(dllexport) HMODULE disableThreadLibraryCallsModule()
{
    return g_module;
}
}
