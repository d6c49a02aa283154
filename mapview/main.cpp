// MapView.exe: the map application automation clients drive when no other one is installed.
//   MapView.exe                      a plain map window
//   MapView.exe /RegServer [ID...]   register MapView.Map and further identifiers
//   MapView.exe /UnregServer [ID...] remove them (all of ours when none are given)
//   MapView.exe /Family F -Embedding started by COM for a client (F: ProAtlas or Mapple)
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "call_log.h"
#include "console_out.h"
#include "map_server.h"
#include "mapview_texts.h"
#include "registration.h"

namespace {

using mapview::MapFamily;

enum class Mode { Plain, Embedding, Register, Unregister };

struct CommandLine {
    Mode mode = Mode::Plain;
    MapFamily family = MapFamily::ProAtlas;
    std::vector<std::wstring> ids;
    bool valid = true;
};

bool IsSwitch(const wchar_t* arg, const wchar_t* name) {
    return (arg[0] == L'/' || arg[0] == L'-') && lstrcmpiW(arg + 1, name) == 0;
}

CommandLine ParseCommandLine() {
    CommandLine cl;
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr) return cl;
    for (int i = 1; i < argc; ++i) {
        const wchar_t* arg = argv[i];
        if (IsSwitch(arg, L"RegServer")) {
            cl.mode = Mode::Register;
        } else if (IsSwitch(arg, L"UnregServer")) {
            cl.mode = Mode::Unregister;
        } else if (IsSwitch(arg, L"Embedding") || IsSwitch(arg, L"Automation")) {
            if (cl.mode == Mode::Plain) cl.mode = Mode::Embedding;
        } else if (IsSwitch(arg, L"Family") && i + 1 < argc) {
            cl.family = lstrcmpiW(argv[++i], L"Mapple") == 0 ? MapFamily::Mapple : MapFamily::ProAtlas;
        } else if (arg[0] != L'/' && arg[0] != L'-') {
            cl.ids.emplace_back(arg);
        } else {
            cl.valid = false;
        }
    }
    LocalFree(argv);
    // Identifiers only make sense for the registration commands.
    if (!cl.ids.empty() && cl.mode != Mode::Register && cl.mode != Mode::Unregister) cl.valid = false;
    return cl;
}

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const CommandLine cl = ParseCommandLine();
    if (!cl.valid) {
        mapview::ConsoleLine(mapview::kUsage);
        return 1;
    }
    if (cl.mode == Mode::Register) return mapview::RegisterServer(OwnPath(), cl.ids);
    if (cl.mode == Mode::Unregister) return mapview::UnregisterServer(cl.ids);

    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    mapview::CallLogOpen();
    int code = 0;
    {
        mapview::MapServer server(cl.family, cl.mode == Mode::Embedding);
        code = server.run();
    }
    CoUninitialize();
    return code;
}
