// The search box over the map's top-right corner: an edit field that sends its text on Enter
// (never per keystroke) and a list of the places found, shown after a search.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "address_answer.h"

namespace mapview {

class SearchBox {
  public:
    // Children of parent; Enter in the field sends `enterMessage` to parent, a pick in the
    // list arrives as WM_COMMAND LBN_SELCHANGE from listId.
    int create(HWND parent, HFONT font, int editId, int listId, UINT enterMessage);
    void layout(int mapWidth);

    std::wstring text() const;
    void showPlaces(const std::vector<FoundPlace>& places);
    void hidePlaces();
    // The place picked in the list, or nullptr.
    const FoundPlace* picked() const;
    HWND edit() const { return edit_; }
    HWND list() const { return list_; }

  private:
    static LRESULT CALLBACK EditProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    HWND parent_ = nullptr;
    HWND edit_ = nullptr;
    HWND list_ = nullptr;
    UINT enterMessage_ = 0;
    int mapWidth_ = 0;
    std::vector<FoundPlace> places_;
};

} // namespace mapview
