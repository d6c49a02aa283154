// The main window's life: creation, the one table that binds each message, command and
// notification to its handler, initialisation, closing and destruction.
#include "main_window.h"

#include "maplink_protocol.h"

#include "editor_texts.h"
#include "message_box_notifier.h"
#include "resource_ids.h"
#include "text_bytes.h"
#include "window_object.h"

#include <windowsx.h>

namespace {

// The window being created on this thread: the dialog procedure takes it up at the first
// message, so even the size notification sent during creation reaches its object.
thread_local MainWindow* t_creating = nullptr;

constexpr int kImportDisplayLimit = 100;

// The 変換 menu's sort commands, in the order of their ids from IDM_SORT_NAME.
constexpr SortKey kSortKeys[] = {SortKey::Name, SortKey::Reading, SortKey::Longitude, SortKey::Latitude,
                                 SortKey::Mark};
static_assert(IDM_SORT_MARK - IDM_SORT_NAME + 1 == sizeof kSortKeys / sizeof kSortKeys[0]);

} // namespace

INT_PTR MainWindow::RunModal() {
    modal_ = true;
    t_creating = this;
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), parent_,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    t_creating = nullptr;
    return result;
}

HWND MainWindow::CreateModeless() {
    modal_ = false;
    t_creating = this;
    HWND created = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), parent_,
                                      DialogProc, reinterpret_cast<LPARAM>(this));
    t_creating = nullptr;
    return created;
}

void MainWindow::EndMainWindow() {
    if (window_ == nullptr) return;
    if (modal_) {
        EndDialog(window_, IDCANCEL);
    } else {
        DestroyWindow(window_);
    }
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    MainWindow* self = DialogObject(dialog, message, lParam, &MainWindow::window_, t_creating);
    if (self == nullptr) return FALSE;
    INT_PTR handled = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) self->window_ = nullptr;
    return handled;
}

INT_PTR MainWindow::Result(LRESULT result) {
    SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        return Result(OnNotify(*reinterpret_cast<const NMHDR*>(lParam)));
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return FALSE;
    case WM_SIZING:
        OnSizing(wParam, *reinterpret_cast<RECT*>(lParam));
        return Result(TRUE);
    case WM_CONTEXTMENU:
        OnContextMenu(reinterpret_cast<HWND>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return TRUE;
    case WM_PAINT:
        if (!IsIconic(window_)) return FALSE;
        OnPaint();
        return TRUE;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(OnCtlColorDialog(reinterpret_cast<HDC>(wParam)));
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(windowIcon_);
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return TRUE;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup();
        // MapView may have changed the datum since: the check mark follows the stored value.
        UpdateDatumMenu();
        return FALSE;
    case WM_CLOSE:
        OnClose();
        return TRUE;
    case WM_QUERYENDSESSION:
        // Logging off ends the program: the closing question comes first, and Cancel, or a
        // save that did not happen, keeps the session.
        return Result(QueryClose() ? TRUE : FALSE);
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    case UMSG_MAP_EVENT:
        if (mapLink_) mapLink_->OnMapEvent(wParam, lParam);
        return TRUE;
    case UMSG_MAP_REPLY:
        if (mapLink_) mapLink_->OnMapReply(wParam, lParam);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL MainWindow::OnInitDialog() {
    // In this order: the map link reads its settings before the messages are registered, the
    // minimum size is taken before the layout, the lists are styled before the first fill.
    SetMessageOwner(window_);
    longitudeBox_ = GetDlgItem(window_, IDC_LONGITUDE);
    latitudeBox_ = GetDlgItem(window_, IDC_LATITUDE);
    mainList_.Attach(GetDlgItem(window_, IDC_MAIN_LIST), document_);
    importList_.Attach(GetDlgItem(window_, IDC_IMPORT_LIST), *this);
    importList_.transferTo = [this](int targetRow) {
        TransferImportedPoints(targetRow);
        RecordChange();
    };
    mainList_.moved = [this] { RecordChange(); };
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowIcon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(windowIcon_));
    // Product name and the stored map choice.
    copyInto(productName_, TEXT_PRODUCT_NAME);
    if (mapLink_) mapLink_->ReadSettings();
    // The map link's registered messages.
    if (mapLink_) mapLink_->RegisterMessages();
    CreateStatusBar();
    // The bridge program beside the editor, and its items in the 編集 popup.
    FindBridgeProgram();
    InsertEditMenuItems();
    AppendMapMenuItems();
    InstallKeys();
    UpdateDatumMenu();
    importList_.displayLimit = kImportDisplayLimit;
    // Minimum size: the size the window has now.
    RECT outer = {};
    GetWindowRect(window_, &outer);
    minWidth_ = outer.right - outer.left;
    minHeight_ = outer.bottom - outer.top;
    // Capture is enabled once a position has arrived.
    EnableWindow(GetDlgItem(window_, IDC_CAPTURE), FALSE);
    LoadMarkIcons();
    dialogBackground_ = RGB(0, 0, 0);
    dialogBrush_ = CreateSolidBrush(dialogBackground_);
    LayoutEditScreen();
    // The coordinate boxes only display.
    EnableWindow(longitudeBox_, FALSE);
    EnableWindow(latitudeBox_, FALSE);
    StylePointList(mainList_.window, normalMarks_, smallMarks_, listBackground_, listText_);
    StylePointList(importList_.window, normalMarks_, smallMarks_, listBackground_, listText_);
    if (currentFilePath_[0] != '\0') {
        LoadCurrentFile();
        RefillMainList();
    }
    // The history starts from the file of the command line, or from the empty document.
    StartHistory();
    // The default focus goes to the 終了 button, first in tab order; the window is centred.
    CenterOnScreen();
    // The controls exist now. (The size notification sent while the window is created comes
    // before the dialog procedure is attached, so it cannot arm the layout itself.)
    resizeArmed_ = true;
    return TRUE;
}

void MainWindow::OnCommand(int id) {
    switch (id) {
    case IDC_EXIT:
        OnClose();
        break;
    case IDOK:
        // Enter closes nothing: a list being edited is not ended by a stray key.
        break;
    case IDM_APP_EXIT:
        SendMessageW(window_, WM_CLOSE, 0, 0);
        break;
    case IDM_FILE_OPEN:
        OnFileOpen();
        break;
    case IDM_FILE_SAVE:
        OnFileSave();
        break;
    case IDM_FILE_SAVE_AS:
        OnFileSaveAs();
        break;
    case IDM_FILE_IMPORT:
        OnFileImport();
        break;
    case IDM_FILE_EXPORT:
        OnFileExport();
        break;
    case IDM_DATUM_TOKYO:
    case IDM_DATUM_WGS84:
        OnDatumCommand(id);
        break;
    case IDC_CHANGE:
        ChangePoint();
        break;
    case IDC_ADD:
        AddPoint();
        break;
    case IDC_DELETE:
        DeletePoints();
        break;
    case IDC_SHOW_ON_MAP:
        if (mapLink_) mapLink_->ShowOnMap();
        break;
    case IDC_CAPTURE:
        if (mapLink_) mapLink_->CapturePosition();
        break;
    case IDM_EDIT_SHOW_ON_MAP:
        OnMapMenuItem(IDC_SHOW_ON_MAP);
        break;
    case IDM_EDIT_CAPTURE:
        OnMapMenuItem(IDC_CAPTURE);
        break;
    case IDM_CHECK_ALL:
        CheckAllRows(true);
        break;
    case IDM_CLEAR_ALL:
        CheckAllRows(false);
        break;
    case IDM_VIEW_EDIT:
        LayoutEditScreen();
        break;
    case IDM_VIEW_IMPORT:
        LayoutImportScreen();
        break;
    case IDM_MAP_SELECT:
        if (mapLink_) mapLink_->SelectMap();
        break;
    case IDM_APP_ABOUT:
        ShowAboutDialog();
        break;
    case IDM_EDIT_UNDO:
        Undo();
        break;
    case IDM_EDIT_REDO:
        Redo();
        break;
    case IDM_EDIT_FIND:
        FindPoint();
        break;
    case IDM_EDIT_FIND_NEXT:
        FindNextPoint();
        break;
    case IDM_SORT_NAME:
    case IDM_SORT_READING:
    case IDM_SORT_LONGITUDE:
    case IDM_SORT_LATITUDE:
    case IDM_SORT_MARK:
        SortPoints(kSortKeys[id - IDM_SORT_NAME]);
        break;
    case IDM_SELECT_DUPLICATES:
        SelectDuplicates();
        break;
    default:
        break;
    }
    // Whatever the command changed in the points (add, change, delete, capture, sort, an
    // open) is one step of the undo history.
    RecordChange();
}

// The appended 編集 items do what their buttons do, and only while the button is enabled.
void MainWindow::OnMapMenuItem(int buttonId) {
    HWND button = GetDlgItem(window_, buttonId);
    if (button == nullptr || !IsWindowEnabled(button)) return;
    OnCommand(buttonId);
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (header.idFrom == IDC_MAIN_LIST) {
        switch (header.code) {
        case NM_CLICK:
            OnMainListClick();
            return 0;
        case NM_DBLCLK:
            ChangePoint();
            RecordChange();
            return 0;
        case LVN_BEGINDRAG: {
            const auto& info = reinterpret_cast<const NMLISTVIEW&>(header);
            mainList_.OnBeginDrag(info.iItem, info.ptAction);
            return 0;
        }
        case LVN_COLUMNCLICK:
            // A header click sorts nothing: the order is the file's.
            return 0;
        default:
            return 0;
        }
    }
    if (header.idFrom == IDC_IMPORT_LIST && header.code == LVN_BEGINDRAG) importList_.OnBeginDrag();
    return 0;
}

// Every way of closing (終了, Esc, the close box, ｱﾌﾟﾘｹｰｼｮﾝの終了) passes the closing question.
void MainWindow::OnClose() {
    if (QueryClose()) EndMainWindow();
}

void MainWindow::OnDestroy() {
    RemoveKeys();
    SetMessageOwner(nullptr);
    if (mapLink_) mapLink_->Shutdown();
}

MainWindow::~MainWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
    mainList_.Detach();
    importList_.Detach();
    if (normalMarks_ != nullptr) ImageList_Destroy(normalMarks_);
    if (smallMarks_ != nullptr) ImageList_Destroy(smallMarks_);
    if (dialogBrush_ != nullptr) DeleteObject(dialogBrush_);
}
