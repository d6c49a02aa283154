// The 55 mark icons, from the files mark01.ico .. mark55.ico in the working folder, with the
// placeholder icon 208 standing in for a file that is missing or unreadable.
#include "main_window.h"

#include "editor_texts.h"
#include "resource_ids.h"
#include "cp932_text.h"
#include "window_text.h"

#include <cstdio>

namespace {

constexpr int kMarkCount = 55;

HICON LoadPlaceholder(int size) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PLACEHOLDER), IMAGE_ICON, size, size, 0));
}

} // namespace

void MainWindow::LoadMarkIcons() {
    normalMarks_ = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 4, 4);
    smallMarks_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4);
    HICON placeholder = LoadPlaceholder(32);
    HICON smallPlaceholder = LoadPlaceholder(16);
    // The system would look for a bare file name beside the program first: the working
    // folder is named explicitly.
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    std::wstring prefix = folder;
    if (prefix.empty() || prefix.back() != L'\\') prefix += L'\\';
    for (int n = 1; n <= kMarkCount; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, TEXT_MARK_ICON_FORMAT, n);
        std::wstring file = prefix + cp932ToWide(name);
        HICON icon = static_cast<HICON>(LoadImageW(nullptr, file.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
        // The small list takes the file's own 16 x 16 picture when it has one.
        HICON smallIcon =
            icon != nullptr
                ? static_cast<HICON>(LoadImageW(nullptr, file.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE))
                : nullptr;
        ImageList_ReplaceIcon(normalMarks_, -1, icon != nullptr ? icon : placeholder);
        ImageList_ReplaceIcon(smallMarks_, -1,
                              smallIcon != nullptr ? smallIcon : (icon != nullptr ? icon : smallPlaceholder));
        if (icon != nullptr) DestroyIcon(icon);
        if (smallIcon != nullptr) DestroyIcon(smallIcon);
    }
    if (placeholder != nullptr) DestroyIcon(placeholder);
    if (smallPlaceholder != nullptr) DestroyIcon(smallPlaceholder);
}

HICON MainWindow::GetMarkIcon(int index) const {
    if (normalMarks_ == nullptr || index < 0 || index >= ImageList_GetImageCount(normalMarks_)) return nullptr;
    return ImageList_GetIcon(normalMarks_, index, ILD_NORMAL);
}
