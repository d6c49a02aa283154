// The main window's life: creation, the one table that binds each message, command and
// notification to its handler, initialisation, closing and destruction.
#include "main_window.h"

#include "editor_texts.h"
#include "message_box_notifier.h"
#include "resource_ids.h"
#include "text_bytes.h"

#include <windowsx.h>

namespace {

// The window being created on this thread: the dialog procedure takes it up at the first
// message, so even the size notification sent during creation reaches its object.
thread_local MainWindow* t_creating = nullptr;

constexpr int kImportDisplayLimit = 100;

} // namespace

INT_PTR MainWindow::RunModal() {
    modal_ = true;
    t_creating = this;
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), parent,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    t_creating = nullptr;
    return result;
}

HWND MainWindow::CreateModeless() {
    modal_ = false;
    t_creating = this;
    HWND created = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), parent,
                                      DialogProc, reinterpret_cast<LPARAM>(this));
    t_creating = nullptr;
    return created;
}

void MainWindow::EndMainWindow() {
    if (window == nullptr) return;
    if (modal_) {
        EndDialog(window, IDCANCEL);
    } else {
        DestroyWindow(window);
    }
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr) {
        self = message == WM_INITDIALOG ? reinterpret_cast<MainWindow*>(lParam) : t_creating;
        if (self == nullptr) return FALSE;
        t_creating = nullptr;
        self->window = window;
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    }
    INT_PTR handled = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        self->window = nullptr;
    }
    return handled;
}

INT_PTR MainWindow::Result(LRESULT result) {
    SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
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
        if (!IsIconic(window)) return FALSE;
        OnPaint();
        return TRUE;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(OnCtlColorDialog(reinterpret_cast<HDC>(wParam)));
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(windowIcon);
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return TRUE;
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
        if (mapLink) mapLink->OnMapEvent(wParam, lParam);
        return TRUE;
    case UMSG_MAP_REPLY:
        if (mapLink) mapLink->OnMapReply(wParam, lParam);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL MainWindow::OnInitDialog() {
    // In this order: the map link reads its settings before the messages are registered, the
    // minimum size is taken before the layout, the lists are styled before the first fill.
    SetMessageOwner(window);
    longitudeBox = GetDlgItem(window, IDC_LONGITUDE);
    latitudeBox = GetDlgItem(window, IDC_LATITUDE);
    mainList.Attach(GetDlgItem(window, IDC_MAIN_LIST), document);
    importList.Attach(GetDlgItem(window, IDC_IMPORT_LIST), *this);
    importList.transferTo = [this](int targetRow) { TransferImportedPoints(targetRow); };
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowIcon));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(windowIcon));
    // Product name and the stored map choice.
    copyInto(productName, TEXT_PRODUCT_NAME);
    if (mapLink) mapLink->ReadSettings();
    // The map link's registered messages.
    registerMapLinkMessagesWithSystem(&messages);
    CreateStatusBar();
    // The bridge program beside the editor, and its items in the 編集 popup.
    FindBridgeProgram();
    AppendMapMenuItems();
    importList.displayLimit = kImportDisplayLimit;
    // Minimum size: the size the window has now.
    RECT outer = {};
    GetWindowRect(window, &outer);
    minWidth = outer.right - outer.left;
    minHeight = outer.bottom - outer.top;
    // Capture is enabled once a position has arrived.
    EnableWindow(GetDlgItem(window, IDC_CAPTURE), FALSE);
    LoadMarkIcons();
    dialogBackground = RGB(0, 0, 0);
    dialogBrush = CreateSolidBrush(dialogBackground);
    LayoutEditScreen();
    // The coordinate boxes only display.
    EnableWindow(longitudeBox, FALSE);
    EnableWindow(latitudeBox, FALSE);
    StylePointList(mainList.window, normalMarks, smallMarks, listBackground, listText);
    StylePointList(importList.window, normalMarks, smallMarks, listBackground, listText);
    // The file from the command line.
    if (currentFilePath[0] != '\0') {
        LoadCurrentFile();
        RefillMainList();
    }
    // The default focus goes to the 終了 button, first in tab order; the window is centred.
    CenterOnScreen();
    // The controls exist now. (The size notification sent while the window is created comes
    // before the dialog procedure is attached, so it cannot arm the layout itself.)
    resizeArmed = true;
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
        SendMessageW(window, WM_CLOSE, 0, 0);
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
        if (mapLink) mapLink->ShowOnMap();
        break;
    case IDC_CAPTURE:
        if (mapLink) mapLink->CapturePosition();
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
        if (mapLink) mapLink->SelectMap();
        break;
    case IDM_APP_ABOUT:
        ShowAboutDialog();
        break;
    default:
        break;
    }
}

// The appended 編集 items do what their buttons do, and only while the button is enabled.
void MainWindow::OnMapMenuItem(int buttonId) {
    HWND button = GetDlgItem(window, buttonId);
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
            return 0;
        case LVN_BEGINDRAG: {
            const auto& info = reinterpret_cast<const NMLISTVIEW&>(header);
            mainList.OnBeginDrag(info.iItem, info.ptAction);
            return 0;
        }
        case LVN_COLUMNCLICK:
            // A header click sorts nothing: the order is the file's.
            return 0;
        default:
            return 0;
        }
    }
    if (header.idFrom == IDC_IMPORT_LIST && header.code == LVN_BEGINDRAG) importList.OnBeginDrag();
    return 0;
}

// Every way of closing (終了, Esc, the close box, ｱﾌﾟﾘｹｰｼｮﾝの終了) passes the closing question.
void MainWindow::OnClose() {
    if (QueryClose()) EndMainWindow();
}

void MainWindow::OnDestroy() {
    SetMessageOwner(nullptr);
    CloseBridge();
}

MainWindow::~MainWindow() {
    if (window != nullptr) DestroyWindow(window);
    mainList.Detach();
    importList.Detach();
    if (normalMarks != nullptr) ImageList_Destroy(normalMarks);
    if (smallMarks != nullptr) ImageList_Destroy(smallMarks);
    if (dialogBrush != nullptr) DeleteObject(dialogBrush);
    if (bridgeProcess.hProcess != nullptr) CloseHandle(bridgeProcess.hProcess);
    if (bridgeProcess.hThread != nullptr) CloseHandle(bridgeProcess.hThread);
}
