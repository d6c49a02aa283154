// Our own artwork in use: the mark icons from the working folder (or the placeholder), the
// mark files the build draws, and the drag cursors.
#include "editor_test_support.h"
#include "resource_ids.h"
#include "cp932_text.h"
#include "window_text.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace editor_test;

TEST(MarkIconTest, MarksComeFromTheWorkingFolder) {
    // The build draws mark01.ico .. mark55.ico beside the programs.
    ScopedCurrentDirectory cd(BinFolder());
    Editor editor = OpenEditor("");
    MainWindow& w = *editor.main;
    ASSERT_EQ(55, ImageList_GetImageCount(w.normalMarks()));
    ASSERT_EQ(55, ImageList_GetImageCount(w.smallMarks()));
    HICON placeholder = LoadIconOfSize(nullptr, IDI_PLACEHOLDER, 32);
    for (int n : {1, 5, 55}) {
        wchar_t name[16];
        swprintf(name, 16, L"mark%02d.ico", n);
        HICON fromFile = LoadIconOfSize(name, 0, 32);
        ASSERT_NE(nullptr, fromFile) << n;
        EXPECT_EQ(DrawnViaList(fromFile), DrawnEntry(w.normalMarks(), n - 1)) << n;
        EXPECT_NE(DrawnViaList(placeholder), DrawnEntry(w.normalMarks(), n - 1)) << n;
        HICON copy = w.GetMarkIcon(n - 1);
        ASSERT_NE(nullptr, copy);
        EXPECT_EQ(DrawnEntry(w.normalMarks(), n - 1), DrawnViaList(copy)) << n;
        DestroyIcon(copy);
        DestroyIcon(fromFile);
    }
    // Our artwork: no two marks alike.
    std::vector<std::vector<uint32_t>> drawn;
    for (int i = 0; i < 55; ++i)
        drawn.push_back(DrawnEntry(w.normalMarks(), i));
    for (int i = 0; i < 55; ++i) {
        for (int j = i + 1; j < 55; ++j)
            EXPECT_NE(drawn[i], drawn[j]) << i << " " << j;
    }
    EXPECT_EQ(nullptr, w.GetMarkIcon(-1));
    EXPECT_EQ(nullptr, w.GetMarkIcon(55));
    // Both lists show these marks.
    for (HWND list : {w.mainList().window, w.importList().window}) {
        EXPECT_EQ(reinterpret_cast<LRESULT>(w.normalMarks()),
                  SendMessageW(list, LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
        EXPECT_EQ(reinterpret_cast<LRESULT>(w.smallMarks()),
                  SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    }
    DestroyIcon(placeholder);
}

TEST(MarkIconTest, EveryMarkIsThePlaceholderWithoutIconFiles) {
    TempDir empty;
    ScopedCurrentDirectory cd(empty.path());
    Editor editor = OpenEditor("");
    MainWindow& w = *editor.main;
    ASSERT_EQ(55, ImageList_GetImageCount(w.normalMarks()));
    HICON placeholder = LoadIconOfSize(nullptr, IDI_PLACEHOLDER, 32);
    std::vector<uint32_t> expected = DrawnViaList(placeholder);
    // Not a blank picture: a missing icon would pass otherwise.
    EXPECT_NE(Drawn([](HDC) {}), expected);
    for (int i = 0; i < 55; ++i)
        EXPECT_EQ(expected, DrawnEntry(w.normalMarks(), i)) << i;
    DestroyIcon(placeholder);
}

TEST(ArtworkTest, CursorsAreMonochromeWithTheirHotSpots) {
    struct Expected {
        int id;
        DWORD x, y;
    };
    for (Expected e : {Expected{IDCUR_ARROW, 1, 1}, Expected{IDCUR_DRAG_ONE, 1, 1},
                       Expected{IDCUR_DRAG_MANY, 0, 0}, Expected{IDCUR_NO_DROP, 15, 15}}) {
        HCURSOR cursor = static_cast<HCURSOR>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(e.id), IMAGE_CURSOR, 32, 32, 0));
        ASSERT_NE(nullptr, cursor) << e.id;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(cursor, &info)) << e.id;
        EXPECT_EQ(e.x, info.xHotspot) << e.id;
        EXPECT_EQ(e.y, info.yHotspot) << e.id;
        // Monochrome: the mask bitmap carries both halves, there is no colour bitmap.
        EXPECT_EQ(nullptr, info.hbmColor) << e.id;
        BITMAP mask = {};
        GetObjectW(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(32, mask.bmWidth);
        EXPECT_EQ(64, mask.bmHeight);
        DeleteObject(info.hbmMask);
        DestroyCursor(cursor);
    }
    HCURSOR small = static_cast<HCURSOR>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDCUR_NO_DROP), IMAGE_CURSOR, 16, 16, 0));
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(small, &info));
    BITMAP mask = {};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(16, mask.bmWidth);
    EXPECT_EQ(7u, info.xHotspot);
    DeleteObject(info.hbmMask);
    DestroyCursor(small);
}

TEST(ArtworkTest, EveryMarkFileHoldsA32And16PixelPicture) {
    for (int n = 1; n <= 55; ++n) {
        wchar_t name[16];
        swprintf(name, 16, L"mark%02d.ico", n);
        std::wstring path = cp932ToWide((BinFolder() + "\\").c_str()) + name;
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file) << n;
        unsigned char header[6 + 2 * 16] = {};
        DWORD read = 0;
        ReadFile(file, header, sizeof header, &read, nullptr);
        CloseHandle(file);
        ASSERT_EQ(sizeof header, read) << n;
        EXPECT_EQ(1, header[2]) << n; // an icon
        EXPECT_EQ(2, header[4]) << n; // two pictures
        EXPECT_EQ(32, header[6]) << n;
        EXPECT_EQ(32, header[6 + 6]) << n; // 32 bits per pixel
        EXPECT_EQ(16, header[6 + 16]) << n;
        EXPECT_EQ(32, header[6 + 16 + 6]) << n;
    }
}
