// MapView's drawing and tile paths, timed in-process under Wine (not a test: it prints
// figures). Run from build/win/bin:  wine mapview_bench.exe [MapView.exe run count]
//   paint    a 1280 x 1024 map with every visible tile in memory (a pan frame), with and
//            without the base map under it
//   disk     one tile from the disk cache to the screen: read, decode, draw
//   start    MapView.exe started with a warm cache: time to its window, and to its first
//            tile drawn from the cache (from its call record)
#include <windows.h>
#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "basemap_layer.h"
#include "map_geometry.h"
#include "map_model.h"
#include "map_painter.h"
#include "tile_decode.h"
#include "tile_disk_cache.h"
#include "tile_layer.h"

using namespace mapview;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Figures {
    double median = 0, p90 = 0, worst = 0;
};

Figures Summarise(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    Figures f;
    f.median = v[v.size() / 2];
    f.p90 = v[v.size() * 9 / 10];
    f.worst = v.back();
    return f;
}

// A 256 x 256 tile of one colour with a stripe, as PNG bytes (WIC's encoder).
std::string TilePng(COLORREF colour) {
    IWICImagingFactory* factory = nullptr;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                     reinterpret_cast<void**>(&factory));
    std::vector<BYTE> pixels(256 * 256 * 4);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            BYTE* p = &pixels[(y * 256 + x) * 4];
            const bool stripe = (x + y) % 64 < 8;
            p[0] = static_cast<BYTE>(GetBValue(colour) / (stripe ? 2 : 1));
            p[1] = static_cast<BYTE>(GetGValue(colour) / (stripe ? 2 : 1));
            p[2] = static_cast<BYTE>(GetRValue(colour) / (stripe ? 2 : 1));
            p[3] = 255;
        }
    }
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    IWICBitmapEncoder* encoder = nullptr;
    factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
    encoder->Initialize(stream, WICBitmapEncoderNoCache);
    IWICBitmapFrameEncode* frame = nullptr;
    encoder->CreateNewFrame(&frame, nullptr);
    frame->Initialize(nullptr);
    frame->SetSize(256, 256);
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    frame->SetPixelFormat(&format);
    frame->WritePixels(256, 256 * 4, static_cast<UINT>(pixels.size()), pixels.data());
    frame->Commit();
    encoder->Commit();
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    std::string bytes(static_cast<size_t>(stat.cbSize.QuadPart), '\0');
    LARGE_INTEGER zero = {};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    stream->Read(&bytes[0], static_cast<ULONG>(bytes.size()), &read);
    frame->Release();
    encoder->Release();
    stream->Release();
    factory->Release();
    return bytes;
}

TileView ViewOf(const Viewport& v) {
    TileView t;
    t.zoom = v.zoom;
    t.originX = v.originX;
    t.originY = v.originY;
    t.width = v.width;
    t.height = v.height;
    return t;
}

void BenchPaint(const BaseMapLayer& baseMap, const std::string& png) {
    const int width = 1280, height = 1024;
    MapModel model(MapFamily::ProAtlas);
    model.setZoom(12);
    for (int i = 0; i < 200; ++i) {
        PlacedText t;
        t.at = t.labelAt = GeoPoint{model.centre().lat + (i % 20 - 10) * 20000, model.centre().lon + (i / 20 - 5) * 30000};
        t.label = "point";
        int16_t id = 0;
        model.addText(t, &id);
    }
    // Drawn into a real window on the display, as the map window's paint is.
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MapViewBench";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"bench", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    HDC target = GetDC(window);
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"MS UI Gothic");
    RECT client = {0, 0, width, height};
    for (int withTiles = 1; withTiles >= 0; --withTiles) {
        TileMemory memory(1000);
        std::vector<double> times;
        for (int frame = 0; frame < 120; ++frame) {
            // A pan frame: the centre moves by a few pixels each time.
            model.panBy(0, 3000);
            const Viewport view = ViewportAtZoom(model.centre(), 12, kDefaultDatum, width, height - kStatusBandHeight);
            if (withTiles) {
                for (const TileKey& k : TilesInView(ViewOf(view))) {
                    if (memory.has(k)) continue;
                    DecodedTile tile;
                    DecodeTile(png, &tile);
                    memory.put(k, tile);
                }
            }
            MapBackdrop backdrop;
            backdrop.baseMap = &baseMap;
            backdrop.tiles = withTiles ? &memory : nullptr;
            backdrop.tileCredit = "credit";
            const auto start = Clock::now();
            PaintMap(target, client, view, kStatusBandHeight, model, font, &backdrop);
            GdiFlush();
            times.push_back(Ms(Clock::now() - start));
        }
        const Figures f = Summarise(times);
        std::printf("paint 1280x1024 to a window, zoom 12, 200 texts, %s: median %.2f ms, p90 %.2f ms, worst %.2f ms\n",
                    withTiles ? "every tile in memory" : "base map only", f.median, f.p90, f.worst);
    }
    DeleteObject(font);
    ReleaseDC(window, target);
    DestroyWindow(window);
}

void BenchDiskTile(const std::string& png) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::filesystem::path root = std::filesystem::path(temp) / "mapview-bench-cache";
    std::filesystem::remove_all(root);
    TileDiskCache cache;
    cache.open(root, "bench", kDefaultCacheLimitBytes);
    for (int i = 0; i < 100; ++i)
        cache.store(TileKey{12, 3600 + i, 1600}, png, NowSeconds() + 3600, NowSeconds());
    cache.flush();
    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, 256, 256);
    SelectObject(target, surface);
    HDC source = CreateCompatibleDC(screen);
    TileDiskCache reopened;
    reopened.open(root, "bench", kDefaultCacheLimitBytes);
    std::vector<double> times;
    for (int i = 0; i < 100; ++i) {
        const auto start = Clock::now();
        std::string bytes;
        reopened.read(TileKey{12, 3600 + i, 1600}, NowSeconds(), &bytes);
        DecodedTile tile;
        DecodeTile(bytes, &tile);
        HGDIOBJ old = SelectObject(source, tile.bitmap);
        BitBlt(target, 0, 0, 256, 256, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        GdiFlush();
        times.push_back(Ms(Clock::now() - start));
        DeleteObject(tile.bitmap);
    }
    const Figures f = Summarise(times);
    std::printf("tile from the disk cache to the screen (read, decode, draw; %zu-byte PNG): median %.2f ms, "
                "p90 %.2f ms, worst %.2f ms\n",
                png.size(), f.median, f.p90, f.worst);
    DeleteDC(source);
    DeleteDC(target);
    DeleteObject(surface);
    ReleaseDC(nullptr, screen);
    std::filesystem::remove_all(root);
}

std::string ReadAll(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// MapView started by hand, its cache warm from a first run with a tile server at
// TENMARK_TILE_SERVER_B (bench/run_mapview_bench.sh starts one).
void BenchStart(int runs) {
    char port[16] = "";
    if (GetEnvironmentVariableA("TENMARK_TILE_SERVER_B", port, sizeof port) == 0) {
        std::printf("start: skipped (no TENMARK_TILE_SERVER_B; use bench/run_mapview_bench.sh)\n");
        return;
    }
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring cache = std::wstring(temp) + L"mapview-bench-start-cache";
    const std::wstring record = std::wstring(temp) + L"mapview-bench-record.log";
    const std::wstring url = L"http://127.0.0.1:" + std::wstring(port, port + strlen(port)) + L"/tiles/{z}/{x}/{y}.png";
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Vorn\\MapView", L"TileUrl", REG_SZ, url.c_str(),
                    static_cast<DWORD>((url.size() + 1) * sizeof(wchar_t)));
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Vorn\\MapView", L"TileCacheDir", REG_SZ, cache.c_str(),
                    static_cast<DWORD>((cache.size() + 1) * sizeof(wchar_t)));
    SetEnvironmentVariableW(L"TENMARK_MAPVIEW_LOG", record.c_str());
    std::vector<double> toWindow, toTile;
    for (int run = 0; run <= runs; ++run) {
        DeleteFileW(record.c_str());
        std::wstring command = L"MapView.exe";
        STARTUPINFOW si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        const auto start = Clock::now();
        if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
        double window = -1, tile = -1;
        while (Ms(Clock::now() - start) < 30000 && tile < 0) {
            const std::string text = ReadAll(record);
            if (window < 0 && text.find("\t@Start\t") != std::string::npos) window = Ms(Clock::now() - start);
            // The first run fills the cache from the network; later ones read it.
            if (text.find(run == 0 ? "\tnetwork\tok" : "\tdisk\tok") != std::string::npos) tile = Ms(Clock::now() - start);
            Sleep(2);
        }
        if (run == 0) Sleep(2000); // every visible tile in
        HWND w = nullptr;
        for (HWND c = FindWindowW(L"MapViewWindow", nullptr); c != nullptr; c = FindWindowExW(nullptr, c, L"MapViewWindow", nullptr)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(c, &pid);
            if (pid == pi.dwProcessId) w = c;
        }
        if (w != nullptr) PostMessageW(w, WM_CLOSE, 0, 0);
        WaitForSingleObject(pi.hProcess, 15000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        if (run > 0) {
            toWindow.push_back(window);
            toTile.push_back(tile - window);
        }
    }
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Vorn\\MapView", L"TileUrl");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Vorn\\MapView", L"TileCacheDir");
    const Figures w = Summarise(toWindow), t = Summarise(toTile);
    std::printf("warm start (%d runs): process start to window %.0f ms (median); window to first cached tile "
                "median %.1f ms, worst %.1f ms\n",
                runs, w.median, t.median, t.worst);
}

} // namespace

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const std::string png = TilePng(RGB(200, 180, 150));
    BaseMapLayer baseMap;
    if (baseMap.load(BaseMapPath()) != 0) std::printf("(no base map beside the program)\n");
    BenchPaint(baseMap, png);
    BenchDiskTile(png);
    BenchStart(argc > 1 ? std::atoi(argv[1]) : 5);
    ReleaseTileDecoder();
    CoUninitialize();
    return 0;
}
