#pragma once
// The mark picker (IDD_MARK_PICKER): a grid of 55 buttons, button k showing mark k. Clicking a mark
// the caller can store chooses it and closes the picker; OK and Cancel just close it.
#include <windows.h>

#include <functional>

// Gives a new icon for a mark image (index = mark number - 1), or nullptr; the caller owns it.
using MarkIconSource = std::function<HICON(int index)>;

constexpr int kPickerMarkCount = 55;

class MarkPickerDialog {
  public:
    // Marks above `selectableMax` are shown disabled.
    MarkPickerDialog(MarkIconSource icons, int selectableMax);
    MarkPickerDialog(const MarkPickerDialog&) = delete;
    MarkPickerDialog& operator=(const MarkPickerDialog&) = delete;

    // Runs the picker modally over `owner`, its top-left corner at `anchor` (screen
    // coordinates) when given: the chosen mark number (1..selectableMax), 0 when it was closed
    // without a choice, -1 when it could not be created.
    int Run(HWND owner, const POINT* anchor = nullptr);

    // Control id of the grid button of mark k (1..55), or 0.
    static int ButtonIdOfMark(int mark);

  private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog();
    void OnCommand(int id, int code);
    void OnDestroy();
    void OnMarkClicked(int mark);
    int IconSizeFor(HWND button) const;
    void PlaceAtAnchor() const;

    HWND window_ = nullptr;
    MarkIconSource icons_;
    int selectableMax_;
    int chosen_ = 0;
    bool hasAnchor_ = false;
    POINT anchor_ = {};
    HICON buttonIcons_[kPickerMarkCount] = {};
};
