// The editor's only top-level window: a resizable modal dialog (IDD_MAIN, caption
// "Markwerk") with the main point list, the import list, the editing buttons, the two
// coordinate boxes, the map buttons and a status bar. It owns the main document and every
// piece of state the file and point commands work on (the commands are its own members, in
// files of their own); the map link serves it through MapLinkHost.
#pragma once

#include "file_dialogs.h"
#include "find_dialog.h"
#include "import_list_ctrl.h"
#include "list_rows.h"
#include "map_link_hooks.h"
#include "map_link_host.h"
#include "path_text.h"
#include "point_document.h"
#include "point_history.h"
#include "point_sort.h"
#include "reorder_list_ctrl.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <memory>

// Which of the two screens the window shows.
enum class ScreenMode { Edit, Import };

class MainWindow : public MapLinkHost {
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
    void InsertDocumentRow(int row) override;
    void SelectRow(int row) override;
    void UpdateStatusLine() override;
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

    // Undo and redo of every change to the main points (main_window_history.cpp): the list,
    // the selection (the points the step put back) and the status line follow.
    void Undo();
    void Redo();

    // Find, sorting and duplicates (main_window_tools.cpp).
    // Asks for a text and selects the next point whose name, reading or phone holds it.
    void FindPoint();
    // The next point for the text last asked for (asks when there is none).
    void FindNextPoint();
    // Sorts by `key`, the reverse of the last sort when it was by the same key.
    void SortPoints(SortKey key);
    // Selects every point near another or sharing its name; status pane 1 says how many.
    void SelectDuplicates();

    // File commands (file_commands.cpp).
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileImport();
    // A file in another format than QPF (by its extension), read into the import list.
    void LoadImportedFormat(const char* path);
    // The closing question, also asked before an open or a drop replaces modified points:
    // true when the points may go (unmodified, saved on Yes, or No).
    bool QueryClose();
    // Opens `path` in the main document (Open and drops). A file that cannot be read replaces
    // nothing and asks nothing; one that can replaces the points after the closing question.
    void OpenPath(const char* path);
    void LoadImportList(const char* path);

    // Point exchange (exchange_commands.cpp): the main list out to another format, and the
    // datum of the device's files (IDM_DATUM_TOKYO or IDM_DATUM_WGS84), with its check mark.
    void OnFileExport();
    void OnDatumCommand(int id);
    void UpdateDatumMenu();

    // Ends the window: the modal run returns, or the modeless window is destroyed.
    void EndMainWindow();

    // What the map link and the tests look at.
    HWND window() const override { return window_; }
    HWND mainListWindow() const override { return mainList_.window; }
    HWND latitudeBox() const override { return latitudeBox_; }
    HWND longitudeBox() const override { return longitudeBox_; }
    PointDocument& document() override { return document_; }
    HWND statusBar() const { return statusBar_; }
    ReorderListCtrl& mainList() { return mainList_; }
    ImportListCtrl& importList() { return importList_; }
    HIMAGELIST normalMarks() const { return normalMarks_; }
    HIMAGELIST smallMarks() const { return smallMarks_; }
    ScreenMode screenMode() const { return screenMode_; }
    HICON windowIcon() const { return windowIcon_; }
    const char* productName() const { return productName_; }
    int minWidth() const { return minWidth_; }
    int minHeight() const { return minHeight_; }
    int bridgePresent() const { return bridgePresent_; }
    const char* bridgePath() const { return bridgePath_; }
    // The paths, as the file commands left them; settable before the window is created.
    auto& fileFolder() { return fileFolder_; }
    auto& importFolder() { return importFolder_; }
    auto& currentFilePath() { return currentFilePath_; }
    auto& saveTargetPath() { return saveTargetPath_; }
    // The folder the bridge program is looked for in: the executable's own folder unless set
    // before the window is created.
    auto& editorFolder() { return editorFolder_; }
    // The map link (a stand-in may take its place before the window is created).
    MapLinkHooks* mapLink() { return mapLink_.get(); }
    void UseMapLink(std::unique_ptr<MapLinkHooks> link) { mapLink_ = std::move(link); }

  private:
    HWND window_ = nullptr;
    HWND parent_ = nullptr;

    // Members in the order the window builds them.
    PointDocument document_;
    HWND statusBar_ = nullptr;
    HIMAGELIST smallMarks_ = nullptr;
    HIMAGELIST normalMarks_ = nullptr;
    RowTexts scratchRow_ = {};
    ScreenMode screenMode_ = ScreenMode::Edit;
    char fileFolder_[kPathBytes] = {};
    COLORREF dialogBackground_ = RGB(0, 0, 0);
    COLORREF listBackground_ = RGB(64, 128, 200);
    COLORREF listText_ = RGB(255, 255, 255);
    char currentFilePath_[kPathBytes] = {};
    char saveTargetPath_[kPathBytes] = {};
    HBRUSH dialogBrush_ = nullptr;
    char productName_[32] = {};
    HWND longitudeBox_ = nullptr;
    HWND latitudeBox_ = nullptr;
    ReorderListCtrl mainList_;
    ImportListCtrl importList_;
    int bridgePresent_ = 0;
    int minWidth_ = 0;
    int minHeight_ = 0;
    std::unique_ptr<MapLinkHooks> mapLink_;
    HICON windowIcon_ = nullptr;
    char importFolder_[kPathBytes] = {};
    // Set at the end of the first size notification, which arrives before the controls exist.
    bool resizeArmed_ = false;
    char editorFolder_[kPathBytes] = {};
    char bridgePath_[kPathBytes] = {};
    PointHistory history_;
    SortDirection sortDirection_;
    char findText_[kFindTextBytes] = {};

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
    void CenterOnScreen();
    // Text of status pane `pane` (cp932); the first pane has no border.
    void SetStatusPane(int pane, const char* text) const;
    // Asks for a file name and saves there; -1 when no name was chosen or the save failed.
    int SaveUnderChosenName(FileDialogKind kind);
    // saveFile; on success the document is unmodified and this is the history's saved state.
    int WriteDocument(const char* path);
    // The document holds a file's points now: a new history, the next sort ascending.
    void StartHistory();

    // Whatever a command changed in the points becomes one step of the history.
    void RecordChange();
    void UpdateHistoryMenu();
    void InsertEditMenuItems();
    void ShowHistoryStep(const HistoryRange& range);
    // Selects and focuses exactly `row`, shows it, and writes its number into status pane 1.
    void ShowFoundRow(int row);
    void OnInitMenuPopup();
    // The editor's keys (Ctrl+Z, Ctrl+Y, Ctrl+F, F3), whatever control has the focus.
    void InstallKeys();
    void RemoveKeys();

    bool modal_ = false;
};
