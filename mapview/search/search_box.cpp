#include "search_box.h"

#include "window_text.h"

#include <commctrl.h>

#include <algorithm>

#include "cp932_text.h"
#include "mapview_texts.h"

namespace mapview {

namespace {

constexpr int kBoxWidth = 280;
constexpr int kMargin = 8;
constexpr int kEditHeight = 24;
constexpr int kRowsShown = 8;

} // namespace

int SearchBox::create(HWND parent, HFONT font, int editId, int listId, UINT enterMessage) {
    parent_ = parent;
    enterMessage_ = enterMessage;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, kBoxWidth, kEditHeight,
                            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(editId)), instance, nullptr);
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                            WS_CHILD | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0, kBoxWidth, 100,
                            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(listId)), instance, nullptr);
    if (edit_ == nullptr || list_ == nullptr) return -1;
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(edit_, EM_LIMITTEXT, 200, 0);
    SendMessageW(edit_, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(kSearchCue));
    SetWindowSubclass(edit_, EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
    return 0;
}

LRESULT CALLBACK SearchBox::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR data) {
    auto* self = reinterpret_cast<SearchBox*>(data);
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        PostMessageW(self->parent_, self->enterMessage_, 0, 0);
        return 0;
    }
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        self->hidePlaces();
        SetFocus(self->parent_);
        return 0;
    }
    // Enter and Escape as characters would only beep.
    if (message == WM_CHAR && (wParam == '\r' || wParam == 27)) return 0;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, EditProc, 1);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void SearchBox::layout(int mapWidth) {
    mapWidth_ = mapWidth;
    const int x = std::max(kMargin, mapWidth - kBoxWidth - kMargin);
    MoveWindow(edit_, x, kMargin, kBoxWidth, kEditHeight, TRUE);
    const int rowHeight = static_cast<int>(SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
    const int rows = static_cast<int>(std::min<size_t>(places_.size(), kRowsShown));
    MoveWindow(list_, x, kMargin + kEditHeight + 2, kBoxWidth,
               std::max(1, rows) * std::max(12, rowHeight) + 6, TRUE);
}

std::wstring SearchBox::text() const {
    return GetWindowWide(edit_);
}

void SearchBox::showPlaces(const std::vector<FoundPlace>& places) {
    places_ = places;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const FoundPlace& p : places_) {
        const std::wstring title = utf8ToWide(p.title);
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
    }
    SendMessageW(list_, LB_SETCURSEL, 0, 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    layout(mapWidth_);
    ShowWindow(list_, places_.empty() ? SW_HIDE : SW_SHOWNA);
}

void SearchBox::hidePlaces() {
    ShowWindow(list_, SW_HIDE);
}

const FoundPlace* SearchBox::picked() const {
    const LRESULT i = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (i == LB_ERR || i < 0 || static_cast<size_t>(i) >= places_.size()) return nullptr;
    return &places_[static_cast<size_t>(i)];
}

} // namespace mapview
