// Cartolink2: the map bridge the editor starts. It reads no command line.
#include "cartolink_form.h"

#include <objbase.h>
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // Without component services no map opens; the bridge still runs and says so on opening.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    CartolinkForm cartolink;
    HWND form = cartolink.Create(instance);
    if (form == nullptr) return 1;
    if (cartolink.Form_Load() < 0) {
        DestroyWindow(form);
        return 1;
    }
    ShowWindow(form, showCommand);
    UpdateWindow(form);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }

    // The ProAtlas-family object is dropped with the process, before COM goes.
    cartolink.ReleaseMapObjects();
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}
