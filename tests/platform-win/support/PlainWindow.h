// A plain top-level window titled like the wizard's, hidden until shown.
#pragma once

#include <windows.h>

inline HWND createPlainWindow(const wchar_t *className, WNDPROC procedure)
{
    WNDCLASSW description = {};
    description.lpfnWndProc = procedure;
    description.hInstance = GetModuleHandleW(nullptr);
    description.lpszClassName = className;
    RegisterClassW(&description); // fails harmlessly once the class exists
    return CreateWindowExW(0,
                           className,
                           L"Demo Suite Uninstall",
                           WS_OVERLAPPEDWINDOW,
                           CW_USEDEFAULT,
                           CW_USEDEFAULT,
                           320,
                           240,
                           nullptr,
                           nullptr,
                           description.hInstance,
                           nullptr);
}
