#include "list_rows.h"

#include "editor_texts.h"
#include "field_conversions.h"
#include "point_document.h"
#include "text_bytes.h"
#include "cp932_text.h"
#include "window_text.h"

#include <commctrl.h>

namespace {

constexpr int kMarkImageCount = 55;

struct Column {
    const char* header;
    int width;
};
const Column kColumns[kListColumnCount] = {
    {TEXT_COLUMN_NAME, 220}, {TEXT_COLUMN_LONGITUDE, 100}, {TEXT_COLUMN_LATITUDE, 100},
    {TEXT_COLUMN_MARK, 70},  {TEXT_COLUMN_READING, 140},   {TEXT_COLUMN_PHONE, 120},
};

void SetCell(HWND list, int row, int column, const char* text) {
    std::wstring wide = cp932ToWide(text);
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = &wide[0];
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void SetSubItems(HWND list, int row, const RowTexts& texts) {
    SetCell(list, row, 1, texts.longitude);
    SetCell(list, row, 2, texts.latitude);
    SetCell(list, row, 3, texts.markNumber);
    SetCell(list, row, 4, texts.voiceWord);
    SetCell(list, row, 5, texts.phone);
}

// The row's first column: the name, and the image of its mark. `name` holds the text for
// as long as the item is used.
LVITEMW FirstColumn(int row, const RowTexts& texts, std::wstring& name) {
    name = cp932ToWide(texts.name);
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = &name[0];
    item.iImage = MarkImageIndex(texts.markNumber);
    return item;
}

} // namespace

void ReadRowTexts(const PointDocument& document, int i, RowTexts& texts) {
    copyInto(texts.name, document.getName(i));
    copyInto(texts.longitude, document.getLongitude(i));
    copyInto(texts.latitude, document.getLatitude(i));
    copyInto(texts.phone, document.getPhone(i));
    copyInto(texts.voiceWord, document.getVoiceWord(i));
    copyInto(texts.markNumber, document.getMarkNumber(i));
}

int MarkImageIndex(const char* markNumber) {
    long mark = leadingDigits(markNumber);
    return mark >= 1 && mark <= kMarkImageCount ? static_cast<int>(mark - 1) : I_IMAGENONE;
}

int InsertListRow(HWND list, int row, const RowTexts& texts) {
    std::wstring name;
    LVITEMW item = FirstColumn(row, texts, name);
    int inserted = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (inserted < 0) return -1;
    SetSubItems(list, inserted, texts);
    return inserted;
}

void SetListRow(HWND list, int row, const RowTexts& texts) {
    std::wstring name;
    LVITEMW item = FirstColumn(row, texts, name);
    SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    SetSubItems(list, row, texts);
}

std::wstring ListCellText(HWND list, int row, int column) {
    wchar_t buffer[512] = {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 512;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void GetListText(HWND list, int row, int column, char* out, size_t size) {
    wideToCp932Cut(ListCellText(list, row, column).c_str(), out, size);
}

void StylePointList(HWND list, HIMAGELIST normalMarks, HIMAGELIST smallMarks, COLORREF background,
                    COLORREF text) {
    // Mask 0 replaces every extended style.
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(normalMarks));
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(smallMarks));
    SendMessageW(list, LVM_SETBKCOLOR, 0, background);
    SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, background);
    SendMessageW(list, LVM_SETTEXTCOLOR, 0, text);
    for (int i = 0; i < kListColumnCount; ++i) {
        std::wstring header = cp932ToWide(kColumns[i].header);
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = kColumns[i].width;
        column.pszText = &header[0];
        column.iSubItem = i;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
}

void SetListRowState(HWND list, int row, UINT state, UINT mask) {
    LVITEMW item = {};
    item.stateMask = mask;
    item.state = state;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int NextSelectedRow(HWND list, int after) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(after), LVNI_SELECTED));
}

int FocusedRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

void ShowListRow(HWND list, int row) {
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}
