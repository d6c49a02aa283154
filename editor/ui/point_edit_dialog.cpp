#include "point_edit_dialog.h"
#include "window_object.h"

#include "coord_entry.h"
#include "edit_dialog_ids.h"
#include "field_conversions.h"
#include "message_box_notifier.h"
#include "point_document.h"
#include "editor_texts.h"
#include "window_text.h"
#include "text_bytes.h"
#include "cp932_text.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <utility>

int EditPoint(HWND owner, PointDocument& document, const MarkIconSource& icons, bool isNew, int index) {
    PointEditValues values;
    if (isNew) {
        if (index < 0 || index > document.count() || document.count() >= kMaxPoints) return -1;
        fillNewPointValues(values);
    } else {
        if (!document.isUsed(index)) return -1;
        fillPointValues(document, index, values);
    }
    PointEditDialog dialog(values, icons);
    int result = dialog.Run(owner);
    if (result != IDOK) return result;
    if (commitPointValues(document, isNew, index, values) < 0) return -1;
    return IDOK;
}

PointEditDialog::PointEditDialog(PointEditValues& values, MarkIconSource icons)
    : values_(values), icons_(std::move(icons)), textBoxes_{{IDC_EDIT_NAME, values.name},
                                                            {IDC_EDIT_VOICE_WORD, values.voiceWord},
                                                            {IDC_EDIT_PHONE, values.phone},
                                                            {IDC_EDIT_LONGITUDE, values.longitude},
                                                            {IDC_EDIT_LATITUDE, values.latitude}} {}

int PointEditDialog::Run(HWND owner) {
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_POINT_EDIT), owner,
                                     &PointEditDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (result == -1 || result == 0) return -1;
    return static_cast<int>(result);
}

INT_PTR CALLBACK PointEditDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    PointEditDialog* self = DialogObject(dialog, message, lParam, &PointEditDialog::window_);
    return self != nullptr ? self->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR PointEditDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}

void PointEditDialog::OnCommand(int id, int code) {
    struct Binding {
        int id;
        int code;
        void (PointEditDialog::*handler)();
    };
    static const Binding kBindings[] = {
        {IDC_EDIT_SOUND_LIST, CBN_SELCHANGE, &PointEditDialog::OnSoundChanged},
        {IDC_EDIT_DIRECTION_ON, BN_CLICKED, &PointEditDialog::OnDirectionOptionClicked},
        {IDC_EDIT_DIRECTION_OFF, BN_CLICKED, &PointEditDialog::OnDirectionOptionClicked},
        {IDC_EDIT_DIRECTION_PREVIOUS, BN_CLICKED, &PointEditDialog::OnPreviousDirection},
        {IDC_EDIT_DIRECTION_NEXT, BN_CLICKED, &PointEditDialog::OnNextDirection},
        {IDC_EDIT_MARK_NUMBER, EN_CHANGE, &PointEditDialog::OnMarkTextChanged},
        {IDC_EDIT_LONGITUDE, EN_KILLFOCUS, &PointEditDialog::OnLongitudeLeft},
        {IDC_EDIT_LATITUDE, EN_KILLFOCUS, &PointEditDialog::OnLatitudeLeft},
        {IDC_EDIT_MARK_PREVIEW, STN_CLICKED, &PointEditDialog::OnPreviewClicked},
        {IDOK, BN_CLICKED, &PointEditDialog::OnOk},
        {IDCANCEL, BN_CLICKED, &PointEditDialog::OnCancel},
    };
    for (const Binding& binding : kBindings) {
        if (binding.id == id && binding.code == code) {
            (this->*binding.handler)();
            return;
        }
    }
}

BOOL PointEditDialog::OnInitDialog() {
    for (int k = 0; k < kTextBoxCount; ++k) {
        SetItemCp932(window_, textBoxes_[k].id, textBoxes_[k].value);
        shownTexts_[k] = GetItemWide(window_, textBoxes_[k].id);
    }
    for (int k : {kLongitudeBox, kLatitudeBox})
        SetWindowSubclass(GetDlgItem(window_, textBoxes_[k].id), CoordBoxProc, 1,
                          reinterpret_cast<DWORD_PTR>(this));
    SetItemCp932(window_, IDC_EDIT_DATE, values_.date);
    SetItemCp932(window_, IDC_EDIT_TIME, values_.time);
    SetItemCp932(window_, IDC_EDIT_COMMENT, "");

    EnableWindow(GetDlgItem(window_, IDC_EDIT_DATE), FALSE);
    EnableWindow(GetDlgItem(window_, IDC_EDIT_TIME), FALSE);
    EnableWindow(GetDlgItem(window_, IDC_EDIT_COMMENT), FALSE);

    HWND sounds = GetDlgItem(window_, IDC_EDIT_SOUND_LIST);
    SendMessageW(sounds, CB_RESETCONTENT, 0, 0);
    for (int k = 0; PointDocument::soundNameAt(k)[0] != '\0'; ++k) {
        SendMessageW(sounds, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(cp932ToWide(PointDocument::soundNameAt(k)).c_str()));
    }
    values_.soundIndex = PointDocument::soundIndexOfCode(values_.soundCode);
    SendMessageW(sounds, CB_SETCURSEL, static_cast<WPARAM>(values_.soundIndex), 0);

    bool enabled = values_.directionEnabled == 1;
    CheckDlgButton(window_, IDC_EDIT_DIRECTION_ON, enabled ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window_, IDC_EDIT_DIRECTION_OFF, enabled ? BST_UNCHECKED : BST_CHECKED);

    HWND spin = GetDlgItem(window_, IDC_EDIT_MARK_SPIN);
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(window_, IDC_EDIT_MARK_NUMBER)), 0);
    SendMessageW(spin, UDM_SETRANGE32, 0, kEditMarkMax);
    int position = values_.markNumber < 0              ? 0
                   : values_.markNumber > kEditMarkMax ? kEditMarkMax
                                                       : values_.markNumber;
    SendMessageW(spin, UDM_SETPOS32, 0, position);
    if (values_.markNumber > kEditMarkMax) {
        // The box cannot step to this mark, but it shows the point's real mark; OK keeps it
        // unless the user changes the box.
        char text[16];
        std::snprintf(text, sizeof text, "%d", static_cast<int>(values_.markNumber));
        SetItemCp932(window_, IDC_EDIT_MARK_NUMBER, text);
    }

    values_.directionIndex = static_cast<uint16_t>(leadingDigits(values_.directionCode));
    ShowDirection();
    UpdateDirectionControls(values_.soundIndex);
    ShowMarkPreview(values_.markNumber);
    initialised_ = true;
    return TRUE;
}

void PointEditDialog::OnDestroy() {
    for (int k : {kLongitudeBox, kLatitudeBox})
        RemoveWindowSubclass(GetDlgItem(window_, textBoxes_[k].id), CoordBoxProc, 1);
    SetPreviewIcon(nullptr);
}

int PointEditDialog::SoundSelection() const {
    return static_cast<int>(SendDlgItemMessageW(window_, IDC_EDIT_SOUND_LIST, CB_GETCURSEL, 0, 0));
}

void PointEditDialog::UpdateDirectionControls(int k) {
    const int arrows[] = {IDC_EDIT_DIRECTION_PREVIOUS, IDC_EDIT_DIRECTION_NEXT, IDC_EDIT_DIRECTION};
    if (k == 0) {
        for (int id : arrows)
            EnableWindow(GetDlgItem(window_, id), FALSE);
        EnableWindow(GetDlgItem(window_, IDC_EDIT_DIRECTION_ON), FALSE);
        EnableWindow(GetDlgItem(window_, IDC_EDIT_DIRECTION_OFF), FALSE);
        return;
    }
    EnableWindow(GetDlgItem(window_, IDC_EDIT_DIRECTION_ON), TRUE);
    EnableWindow(GetDlgItem(window_, IDC_EDIT_DIRECTION_OFF), TRUE);
    bool enabled = values_.directionEnabled != 0;
    CheckDlgButton(window_, IDC_EDIT_DIRECTION_ON, enabled ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window_, IDC_EDIT_DIRECTION_OFF, enabled ? BST_UNCHECKED : BST_CHECKED);
    for (int id : arrows)
        EnableWindow(GetDlgItem(window_, id), enabled ? TRUE : FALSE);
    if (enabled) ShowDirection();
}

void PointEditDialog::ShowDirection() {
    char text[32];
    const char* name = PointDocument::directionNameAt(values_.directionIndex);
    if (name[0] != '\0') {
        std::snprintf(text, sizeof text, "%s%s", name, TEXT_DIRECTION_SUFFIX);
    } else {
        // A stored code outside the table: show its number rather than a bare mark.
        std::snprintf(text, sizeof text, "%02u%s", static_cast<unsigned>(values_.directionIndex),
                      TEXT_DIRECTION_SUFFIX);
    }
    SetItemCp932(window_, IDC_EDIT_DIRECTION, text);
}

void PointEditDialog::ShowMarkPreview(int n) {
    SetPreviewIcon(n >= 1 && icons_ ? icons_(n - 1) : nullptr);
}

void PointEditDialog::SetPreviewIcon(HICON icon) {
    SendDlgItemMessageW(window_, IDC_EDIT_MARK_PREVIEW, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    // The template's own icon is shared; only the icons made for the preview are freed.
    if (previewIcon_ != nullptr) DestroyIcon(previewIcon_);
    previewIcon_ = icon;
}

void PointEditDialog::OnSoundChanged() {
    if (initialised_) soundTouched_ = true;
    UpdateDirectionControls(SoundSelection());
}

void PointEditDialog::OnDirectionOptionClicked() {
    values_.directionEnabled = IsDlgButtonChecked(window_, IDC_EDIT_DIRECTION_ON) == BST_CHECKED ? 1 : 0;
    UpdateDirectionControls(SoundSelection());
}

void PointEditDialog::OnPreviousDirection() {
    values_.directionIndex =
        values_.directionIndex == 0 ? 7 : static_cast<uint16_t>(values_.directionIndex - 1);
    ShowDirection();
}

void PointEditDialog::OnNextDirection() {
    unsigned next = values_.directionIndex + 1u;
    values_.directionIndex = next > 7 ? 0 : static_cast<uint16_t>(next);
    ShowDirection();
}

void PointEditDialog::OnMarkTextChanged() {
    if (initialised_) markTouched_ = true;
    BOOL error = FALSE;
    LRESULT position =
        SendDlgItemMessageW(window_, IDC_EDIT_MARK_SPIN, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error));
    ShowMarkPreview(error ? 0 : static_cast<int>(position));
}

void PointEditDialog::OnPreviewClicked() {
    // The picker drops down from the preview's lower left corner.
    RECT preview{};
    GetWindowRect(GetDlgItem(window_, IDC_EDIT_MARK_PREVIEW), &preview);
    POINT anchor{preview.left, preview.bottom};
    MarkPickerDialog picker(icons_, kEditMarkMax);
    int mark = picker.Run(window_, &anchor);
    if (mark <= 0) return;
    markTouched_ = true;
    SendDlgItemMessageW(window_, IDC_EDIT_MARK_SPIN, UDM_SETPOS32, 0, mark);
    ShowMarkPreview(mark);
}

LRESULT CALLBACK PointEditDialog::CoordBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
    if (message == WM_PASTE && reinterpret_cast<PointEditDialog*>(self)->PasteCoordPair()) return 0;
    return DefSubclassProc(box, message, wParam, lParam);
}

// A pair as web maps copy it fills both boxes; anything else is pasted as usual.
bool PointEditDialog::PasteCoordPair() {
    if (!OpenClipboard(window_)) return false;
    std::wstring text;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const wchar_t* locked = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (locked != nullptr) {
        text = locked;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return FillFromPair(text);
}

bool PointEditDialog::FillFromPair(const std::wstring& text) {
    CoordText latitude{}, longitude{};
    if (!readCoordEntryPair(wideToUtf8(text).c_str(), latitude, longitude)) return false;
    SetItemCp932(window_, textBoxes_[kLatitudeBox].id, latitude.text);
    SetItemCp932(window_, textBoxes_[kLongitudeBox].id, longitude.text);
    return true;
}

// On leaving a box: a coordinate is shown as it will be stored, a pair fills both boxes.
// Text that is neither stays for OK to point out; a box left as it was is not touched.
void PointEditDialog::TidyCoordBox(int k) {
    std::wstring text = GetItemWide(window_, textBoxes_[k].id);
    if (text == shownTexts_[k]) return;
    CoordText coord{};
    if (readCoordEntry(wideToUtf8(text).c_str(), AxisOfBox(k), coord) == CoordEntry::Ok) {
        SetItemCp932(window_, textBoxes_[k].id, coord.text);
        return;
    }
    FillFromPair(text);
}

bool PointEditDialog::ReadCoordBox(int k, const std::wstring& text, char (&out)[kEditTextSize]) {
    CoordText coord{};
    switch (readCoordEntry(wideToUtf8(text).c_str(), AxisOfBox(k), coord)) {
    case CoordEntry::Ok:
        copyInto(out, coord.text);
        return true;
    case CoordEntry::Empty:
        // A point may have no position yet.
        out[0] = '\0';
        return true;
    default:
        RefuseBox(k, k == kLatitudeBox ? MSG_LATITUDE_INVALID : MSG_LONGITUDE_INVALID);
        return false;
    }
}

// The box gets the focus before the message too: the dialog gives the focus back to the
// control it had when the box took the activation, and that may happen after ours.
void PointEditDialog::RefuseBox(int k, const char* message) {
    FocusBox(k);
    ShowEditorMessage(message);
    FocusBox(k);
}

void PointEditDialog::FocusBox(int k) {
    HWND box = GetDlgItem(window_, textBoxes_[k].id);
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    SendMessageW(box, EM_SETSEL, 0, -1);
}

bool PointEditDialog::ReadTextBoxes() {
    // A pair typed or pasted into either coordinate box goes to both first.
    TidyCoordBox(kLongitudeBox);
    TidyCoordBox(kLatitudeBox);
    char read[kTextBoxCount][kEditTextSize];
    for (int k = 0; k < kTextBoxCount; ++k) {
        std::wstring text = GetItemWide(window_, textBoxes_[k].id);
        if (text == shownTexts_[k]) {
            copyInto(read[k], textBoxes_[k].value);
            continue;
        }
        if (k == kLongitudeBox || k == kLatitudeBox) {
            if (!ReadCoordBox(k, text, read[k])) return false;
            continue;
        }
        // Typed text is taken exactly: a character cp932 cannot hold is refused, never
        // replaced by a look-alike.
        std::string narrow;
        if (wideToCp932(text, narrow))
            copyTruncated(read[k], narrow.c_str(), kEditTextSize - 1);
        else {
            RefuseBox(k, MSG_TEXT_NOT_STORABLE);
            return false;
        }
    }
    for (int k = 0; k < kTextBoxCount; ++k)
        copyTruncated(textBoxes_[k].value, read[k], kEditTextSize - 1);
    return true;
}

void PointEditDialog::OnOk() {
    if (!ReadTextBoxes()) return;

    int selection = SoundSelection();
    values_.storeSound = selection >= 0 && (soundTouched_ || values_.soundCodeKnown);
    if (values_.storeSound) {
        values_.soundIndex = selection;
        copyInto(values_.soundCode, PointDocument::soundCodeAt(selection));
    }

    values_.storeMark = markTouched_ || values_.markNumber <= kEditMarkMax;
    if (values_.storeMark) {
        LRESULT position = SendDlgItemMessageW(window_, IDC_EDIT_MARK_SPIN, UDM_GETPOS32, 0, 0);
        values_.markNumber = static_cast<int32_t>(LOWORD(position));
    }

    values_.directionEnabled = IsDlgButtonChecked(window_, IDC_EDIT_DIRECTION_ON) == BST_CHECKED ? 1 : 0;
    EndDialog(window_, IDOK);
}

void PointEditDialog::OnCancel() {
    EndDialog(window_, IDCANCEL);
}
