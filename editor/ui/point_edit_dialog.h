#pragma once
// The point edit dialog (153, "編集") and EditPoint, which runs it for one point of a document.
#include "mark_picker_dialog.h"
#include "coord_input.h"
#include "point_edit_values.h"

#include <windows.h>

#include <string>

class PointDocument;

// Edits the point at `index` of `document` (or a new one opened there when `isNew`) in a modal
// dialog owned by `owner`. Returns 1 when closed with OK (the changes are written), 2 when
// cancelled (nothing is written), -1 when `index` names no point to edit or the dialog could
// not be created.
int EditPoint(HWND owner, PointDocument& document, const MarkIconSource& icons, bool isNew, int index);

class PointEditDialog {
  public:
    PointEditDialog(PointEditValues& values, MarkIconSource icons);
    PointEditDialog(const PointEditDialog&) = delete;
    PointEditDialog& operator=(const PointEditDialog&) = delete;

    // 1 (OK), 2 (cancel) or -1 (not created).
    int Run(HWND owner);

  private:
    // The boxes whose texts are exchanged with the working values.
    struct TextBox {
        int id;
        char* value;
    };
    static constexpr int kTextBoxCount = 5;
    static constexpr int kLongitudeBox = 3;
    static constexpr int kLatitudeBox = 4;

    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog();
    void OnCommand(int id, int code);
    void OnDestroy();

    void OnSoundChanged();
    void OnDirectionOptionClicked();
    void OnPreviousDirection();
    void OnNextDirection();
    void OnMarkTextChanged();
    void OnPreviewClicked();
    void OnOk();
    void OnCancel();

    void UpdateDirectionControls(int k);
    void ShowDirection();
    void ShowMarkPreview(int n);
    void SetPreviewIcon(HICON icon);
    int SoundSelection() const;
    bool ReadTextBoxes();

    // The 経度 and 緯度 boxes take a coordinate in any common form, or a pasted "lat, lon"
    // pair that fills both; they show it as the record's DDD/MM/SS.s.
    static LRESULT CALLBACK CoordBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    bool PasteCoordPair();
    bool FillFromPair(const std::wstring& text);
    static CoordAxis AxisOfBox(int k) { return k == kLatitudeBox ? CoordAxis::Latitude : CoordAxis::Longitude; }
    void TidyCoordBox(int k);
    void OnLongitudeLeft() { TidyCoordBox(kLongitudeBox); }
    void OnLatitudeLeft() { TidyCoordBox(kLatitudeBox); }
    // The box's coordinate as the record's text; false (told, the box focused) when it is none.
    bool ReadCoordBox(int k, const std::wstring& text, char (&out)[kEditTextSize]);
    void FocusBox(int k);
    // Says why the text of box k cannot be stored and puts the focus on it.
    void RefuseBox(int k, const char* message);

    HWND window_ = nullptr;
    PointEditValues& values_;
    MarkIconSource icons_;
    TextBox textBoxes_[kTextBoxCount];
    // What each text box showed when the dialog opened: a box left as it was keeps the stored
    // bytes, even those that do not survive a round trip through the control.
    std::wstring shownTexts_[kTextBoxCount];
    HICON previewIcon_ = nullptr;
    bool initialised_ = false;
    bool markTouched_ = false;
    bool soundTouched_ = false;
};
