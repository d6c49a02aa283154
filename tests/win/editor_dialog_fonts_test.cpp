// Every label of the editor's dialogs is drawn whole: each control's text, measured with the
// font the dialog really got, fits the part of the control the text is drawn in, and the
// control's pixels on the screen hold as much ink as the same text drawn with no bounds.
// Under Wine this checks the prefix's font replacements (a substitute wider than the font the
// templates were laid out for cuts the labels). With TENMARK_SHOT_DIR set, each dialog is also
// saved there as a screenshot (BMP) to look at.
#include "cp932_text.h"
#include "resource_ids.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

struct Label {
    int id;
    std::wstring text;
    SIZE needed;      // the text in the control's font
    SIZE room;        // where the control draws its text
    int inkShown = 0; // dark pixels of the control as the screen shows it, in its text's room
    int inkWhole = 0; // dark pixels of the same text drawn with nothing to cut it
};

bool IsInk(COLORREF c) {
    return GetRValue(c) < 0x80 && GetGValue(c) < 0x80 && GetBValue(c) < 0x80;
}

// Dark pixels in `area` of what `source` shows, read back through a bitmap.
int CountInk(HDC source, const RECT& area) {
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return 0;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, area.left, area.top, SRCCOPY);
    int ink = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ink += IsInk(GetPixel(memory, x, y));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return ink;
}

// The ink of `text` in `font` drawn on the dialog's face colour with room to spare.
int WholeTextInk(HDC like, HFONT font, const std::wstring& text, SIZE needed) {
    RECT area = {0, 0, needed.cx + 8, needed.cy + 8};
    HDC memory = CreateCompatibleDC(like);
    HBITMAP bitmap = CreateCompatibleBitmap(like, area.right, area.bottom);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HGDIOBJ oldFont = SelectObject(memory, font);
    FillRect(memory, &area, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, GetSysColor(COLOR_BTNTEXT));
    TextOutW(memory, 4, 4, text.c_str(), static_cast<int>(text.size()));
    int ink = CountInk(memory, area);
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return ink;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

// The text as drawn: "&" marks the next character as the access key and is not drawn.
std::wstring WithoutPrefix(const std::wstring& text) {
    std::wstring shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

// The room a control leaves its text, or false for a control that shows no label: a static
// uses its whole client area, a push button all but its frame, a radio button or check box
// what is right of its box, a group box its width less the frame's ends. `inkArea` is where
// the control's own pixels hold only its text: a push button's frame and a check box's box
// are left out, and a group box's other lines and the controls inside it are below its text.
bool TextRoom(HWND control, HDC dc, SIZE& room, RECT& inkArea) {
    RECT client = {};
    GetClientRect(control, &client);
    room = SIZE{client.right, client.bottom};
    inkArea = client;
    LONG style = GetWindowLongW(control, GWL_STYLE);
    std::wstring kind = ClassOf(control);
    if (_wcsicmp(kind.c_str(), L"Static") == 0) {
        LONG type = style & SS_TYPEMASK;
        return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP ||
               type == SS_SIMPLE;
    }
    if (_wcsicmp(kind.c_str(), L"Button") != 0 || (style & (BS_ICON | BS_BITMAP)) != 0) return false;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        room.cx -= 4;
        room.cy -= 4;
        InflateRect(&inkArea, -3, -3);
        return true;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX: {
        int zero = 0;
        GetCharWidth32W(dc, L'0', L'0', &zero);
        room.cx -= 13 + zero / 2;
        inkArea.left = client.right - room.cx;
        return true;
    }
    case BS_GROUPBOX: {
        room.cx -= 14;
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        inkArea.bottom = metrics.tmHeight;
        return true;
    }
    default:
        return false;
    }
}

// Creates template `id` with a plain dialog procedure, shows it and measures every label.
std::vector<Label> MeasureLabels(int id, const char* shotName) {
    std::vector<Label> labels;
    HWND dialog =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr, PlainDialogProc, 0);
    if (!dialog) {
        ADD_FAILURE() << "template " << id << " was not created";
        return labels;
    }
    SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(dialog);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring text = WithoutPrefix(TextOf(child));
        if (text.empty()) continue;
        HDC dc = GetDC(child);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        HGDIOBJ old = SelectObject(dc, font ? font : dialogFont);
        Label label{GetDlgCtrlID(child), text, {}, {}};
        RECT inkArea = {};
        bool shown = TextRoom(child, dc, label.room, inkArea) && IsWindowEnabled(child);
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &label.needed);
        if (shown) {
            label.inkShown = CountInk(dc, inkArea);
            label.inkWhole = WholeTextInk(dc, font ? font : dialogFont, text, label.needed);
        }
        SelectObject(dc, old);
        ReleaseDC(child, dc);
        if (shown) labels.push_back(label);
    }

    const char* folder = getenv("TENMARK_SHOT_DIR");
    if (folder && *folder) {
        MSG message;
        for (int i = 0; i < 20; ++i) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            Sleep(10);
        }
        RECT r = {};
        GetWindowRect(dialog, &r);
        int width = r.right - r.left;
        int height = r.bottom - r.top;
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
        GdiFlush();
        DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
        BITMAPFILEHEADER file = {0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
        file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(height);
        std::string path = std::string(folder) + "\\" + shotName + ".bmp";
        HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(out, &file, sizeof file, &written, nullptr);
        WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
        WriteFile(out, bits, stride * static_cast<DWORD>(height), &written, nullptr);
        CloseHandle(out);
        SelectObject(memory, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    DestroyWindow(dialog);
    return labels;
}

} // namespace

TEST(DialogFonts, EveryLabelOfTheEditorsDialogsFitsItsControl) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    struct Template {
        int id;
        const char* name;
        size_t atLeast; // labels the template holds, so a check that found none fails
    } templates[] = {
        {IDD_MAIN, "main_window", 7},
        {IDD_POINT_EDIT, "point_edit", 16},
        {IDD_MARK_PICKER, "mark_picker", 2},
        {IDD_MAP_OBJECT, "map_object", 4},
        {IDD_ABOUT, "about", 2},
        {IDD_FIND, "find", 3},
    };
    for (const Template& t : templates) {
        std::vector<Label> labels = MeasureLabels(t.id, t.name);
        EXPECT_GE(labels.size(), t.atLeast) << t.name;
        for (const Label& label : labels) {
            EXPECT_LE(label.needed.cx, label.room.cx) << t.name << " control " << label.id << " \""
                                                      << wideToUtf8(label.text) << "\" is cut at the side";
            EXPECT_LE(label.needed.cy, label.room.cy) << t.name << " control " << label.id << " \""
                                                      << wideToUtf8(label.text) << "\" is cut at the bottom";
            // Anti-aliased edges may blend a little differently on the control's face.
            EXPECT_GE(label.inkShown * 100, label.inkWhole * 97)
                << t.name << " control " << label.id << " \"" << wideToUtf8(label.text) << "\" shows "
                << label.inkShown << " of " << label.inkWhole << " pixels of ink";
            EXPECT_GT(label.inkWhole, 0) << t.name << " control " << label.id;
        }
    }
}
