// The editor as a program: it lives exactly as long as one modal main window.
#pragma once

#include <objbase.h>
#include <windows.h>

class EditorApplication {
  public:
    // Initialises OLE and the common controls, runs the main window modally on the command
    // line's file, and returns false in every case: the process ends when it returns.
    // `commandLine` is the text after the program's name (UTF-16).
    bool InitInstance(const wchar_t* commandLine);

    // OLE initialisation, replaceable so its failure can be shown.
    HRESULT(WINAPI* oleInitialize)(LPVOID reserved) = OleInitialize;
};
