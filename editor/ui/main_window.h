// The editor's only top-level window: a resizable modal dialog (template 132, caption
// "Markwerk") with the main point list, the import list, the editing buttons, the two
// coordinate boxes, the map buttons and a status bar. It owns the main document and every
// piece of state the file, point and map commands work on; that state is kept in plain
// members so the commands in their own files reach it.
#pragma once

#include "import_list_ctrl.h"
#include "list_rows.h"
#include "map_link_hooks.h"
#include "maplink_protocol.h"
#include "path_text.h"
#include "point_document.h"
#include "reorder_list_ctrl.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <memory>

class MainWindow {
  public:
    // `parent` is none for the editor; `commandLine` is cp932, without the program's name.
    MainWindow(HWND parent, const char* commandLine);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window and runs it as a modal dialog until it is closed.
    INT_PTR RunModal();
    // The same window, modeless (in-process tests); nullptr when it could not be created.
    HWND CreateModeless();

    // Window operations other parts use.
    void RefillMainList();
    void InsertPointRow(int row, const RowTexts& texts);
    void SelectRow(int row);
    void UpdateStatusLine();
    // A new icon of entry `index` (mark number - 1) of the 32 x 32 mark list; nullptr when
    // there is no such entry. The caller destroys it.
    HICON GetMarkIcon(int index) const;
    void LayoutEditScreen();
    void LayoutImportScreen();
    RECT MainListScreenRect() const;
    // Sets the check mark of every row (check all) or clears it (clear all).
    void CheckAllRows(bool checked);
    void ShowAboutDialog();

    // The path-acceptance step: file folder and save target path from `path`.
    void AcceptPath(const char* path);
    // The load operation: the current file path into the main document. A failure has been
    // shown to the user and leaves no save target; the caller refills the list either way.
    void LoadCurrentFile();

    // Point commands (point_commands.cpp).
    void ChangePoint();
    void AddPoint();
    void DeletePoints();
    void TransferImportedPoints(int targetRow);
    void RefreshPointRow(int row);

    // File commands (file_commands.cpp).
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileImport();
    // The closing question: true when the window may close.
    bool QueryClose();
    void LoadImportList(const char* path);

    // Ends the window: the modal run returns, or the modeless window is destroyed.
    void EndMainWindow();

    HWND window = nullptr;
    HWND parent = nullptr;

    // Members in the order the window builds them.
    PointDocument document;
    HWND statusBar = nullptr;
    MapLinkMessages messages;
    char replyText[kMaxFrameTextBytes + 1] = {};
    PROCESS_INFORMATION bridgeProcess = {};
    HWND bridgeWindow = nullptr;
    HIMAGELIST smallMarks = nullptr;
    HIMAGELIST normalMarks = nullptr;
    RowTexts scratchRow = {};
    BYTE screenMode = 0; // 0 edit screen, 1 import screen
    char fileFolder[kPathBytes] = {};
    COLORREF dialogBackground = RGB(0, 0, 0);
    COLORREF listBackground = RGB(64, 128, 200);
    COLORREF listText = RGB(255, 255, 255);
    char currentFilePath[kPathBytes] = {};
    char saveTargetPath[kPathBytes] = {};
    HBRUSH dialogBrush = nullptr;
    char productName[32] = {};
    HWND longitudeBox = nullptr;
    HWND latitudeBox = nullptr;
    ReorderListCtrl mainList;
    ImportListCtrl importList;
    int bridgePresent = 0;
    int bridgeRunning = 0;
    int minWidth = 0;
    int minHeight = 0;
    char storedMapObject[256] = {};
    // The map link (map object dialog, bridge start, show and capture); none yet.
    std::unique_ptr<MapLinkHooks> mapLink;
    HICON windowIcon = nullptr;
    char importFolder[kPathBytes] = {};

    // Set at the end of the first size notification, which arrives before the controls exist.
    bool resizeArmed = false;
    // The folder the bridge program is looked for in: the executable's own folder unless set
    // before the window is created.
    char editorFolder[kPathBytes] = {};
    char bridgePath[kPathBytes] = {};
    // How long the window's destruction waits for the bridge process to end.
    DWORD bridgeCloseTimeout = 10000;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Result(LRESULT result);

    BOOL OnInitDialog();
    void OnCommand(int id);
    LRESULT OnNotify(const NMHDR& header);
    void OnSize(UINT type, int clientWidth, int clientHeight);
    void OnSizing(WPARAM edge, RECT& proposed);
    void OnContextMenu(HWND from, int x, int y);
    void OnPaint();
    HBRUSH OnCtlColorDialog(HDC dc);
    void OnDropFiles(HDROP drop);
    void OnDestroy();
    void OnClose();
    void OnMainListClick();
    void OnMapMenuItem(int buttonId);

    void CreateStatusBar();
    void SetStatusPanes() const;
    void PlaceButtons(int clientWidth, int clientHeight);
    void PlaceStatusBar();
    void MoveLists(bool importScreen);
    void FindBridgeProgram();
    void AppendMapMenuItems();
    void LoadMarkIcons();
    void CloseBridge();
    void CenterOnScreen();

    bool modal_ = false;
};
