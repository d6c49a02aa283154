// The row format both point lists share: six columns, the name's row carrying the mark image.
#pragma once

#include "point_record.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

class PointDocument;

// One point's display texts while a row is filled.
struct RowTexts {
    char name[sizeof(PointRecord::name)];
    char longitude[sizeof(PointRecord::longitude)];
    char latitude[sizeof(PointRecord::latitude)];
    char markNumber[sizeof(PointRecord::markNumber)];
    char voiceWord[sizeof(PointRecord::voiceWord)];
    char phone[sizeof(PointRecord::phone)];
};

constexpr int kListColumnCount = 6;

// The texts of the point at position i (empty texts for a free position).
void ReadRowTexts(const PointDocument& document, int i, RowTexts& texts);

// The mark image list entry of a mark number text: mark n is entry n - 1. A number outside
// 1..55 ("00" is a point without a mark) shows no image.
int MarkImageIndex(const char* markNumber);

// Inserts a row at `row` and fills its six columns; returns the index the list gave it, or
// -1 when the list refused.
int InsertListRow(HWND list, int row, const RowTexts& texts);

// Rewrites the six columns and the image of an existing row.
void SetListRow(HWND list, int row, const RowTexts& texts);
// Sets the `mask` bits of row `row`'s state (every row for -1) to those of `state`.
void SetListRowState(HWND list, int row, UINT state, UINT mask);
// The next selected row after `after` (-1: from the top), or -1; the focused row, or -1.
int NextSelectedRow(HWND list, int after);
int FocusedRow(HWND list);
// Scrolls the list so that `row` is in view.
void ShowListRow(HWND list, int row);

// A cell's text (empty when the row or column does not exist), as UTF-16 or as cp932.
std::wstring ListCellText(HWND list, int row, int column);
void GetListText(HWND list, int row, int column, char* out, size_t size);

// Extended styles, image lists, colours and the six columns, the same on both lists.
void StylePointList(HWND list, HIMAGELIST normalMarks, HIMAGELIST smallMarks, COLORREF background,
                    COLORREF text);
