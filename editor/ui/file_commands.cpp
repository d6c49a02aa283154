// The file commands of the main window: open, save, save as, import, and the closing
// question that every way of closing passes.
#include "editor_texts.h"
#include "exchange.h"
#include "file_dialogs.h"
#include "main_window.h"
#include "message_box_notifier.h"
#include "text_bytes.h"

#include <cstring>

// saveFile, and the document is unmodified when it was written. 0 or -1 (told already).
int MainWindow::WriteDocument(const char* path) {
    if (document_.saveFile(path) != 0) return -1;
    document_.setModified(false);
    history_.markSaved();
    return 0;
}

void MainWindow::OnFileOpen() {
    char chosen[kPathBytes];
    if (!activeFileDialogs().choose(window_, FileDialogKind::Open, fileFolder_, chosen)) return;
    OpenPath(chosen);
}

void MainWindow::OpenPath(const char* path) {
    char chosen[kPathBytes];
    copyInto(chosen, path);
    // Read first: a file that cannot be read replaces nothing, so there is nothing to ask.
    // Unsaved points are replaced only after the closing question: Yes saves them first (a
    // cancelled or failed save opens nothing), No lets them go, Cancel changes nothing.
    PointDocument incoming;
    const bool read = incoming.loadFile(chosen) == 0;
    if (read && !QueryClose()) return;
    copyInto(currentFilePath_, chosen);
    AcceptPath(currentFilePath_);
    if (!read) {
        // A file that could not be read must not become the target of a later Save.
        saveTargetPath_[0] = '\0';
        RefillMainList();
        return;
    }
    document_.replaceRecords(0, document_.count(), incoming.recordAt(0), incoming.count());
    document_.setModified(false);
    StartHistory();
    RefillMainList();
}

// Asks for a name, takes it as the current file and writes there: the Save As procedure.
// 0 when written; -1 when cancelled or the write failed.
int MainWindow::SaveUnderChosenName(FileDialogKind kind) {
    char chosen[kPathBytes];
    if (!activeFileDialogs().choose(window_, kind, fileFolder_, chosen)) return -1;
    copyInto(currentFilePath_, chosen);
    AcceptPath(currentFilePath_);
    UpdateStatusLine();
    return WriteDocument(saveTargetPath_);
}

void MainWindow::OnFileSave() {
    if (!document_.isModified()) return;
    if (saveTargetPath_[0] != '\0') {
        WriteDocument(saveTargetPath_);
        return;
    }
    SaveUnderChosenName(FileDialogKind::Save);
}

void MainWindow::OnFileSaveAs() {
    SaveUnderChosenName(FileDialogKind::SaveAs);
}

bool MainWindow::QueryClose() {
    if (!document_.isModified()) return true;
    char question[kPathBytes + 64];
    if (saveTargetPath_[0] != '\0') {
        std::strcpy(question, currentFilePath_);
        std::strcat(question, MSG_CLOSE_MODIFIED);
    } else {
        std::strcpy(question, MSG_CLOSE_NEW_FILE);
    }
    std::strcat(question, MSG_CLOSE_SAVE);
    switch (ShowEditorMessage(question, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES: {
        // The points are thrown away only once they are safely written: a cancelled save
        // dialog or a failed write keeps the window open and the document modified.
        int written = saveTargetPath_[0] != '\0' ? WriteDocument(saveTargetPath_)
                                                 : SaveUnderChosenName(FileDialogKind::SaveAs);
        return written == 0;
    }
    case IDNO:
        return true;
    default:
        return false;
    }
}

void MainWindow::OnFileImport() {
    LayoutImportScreen();
    char chosen[kPathBytes];
    if (!activeFileDialogs().choose(window_, FileDialogKind::Import, importFolder_, chosen)) return;
    FolderOfPath(chosen, importFolder_, sizeof importFolder_);
    LoadImportList(chosen);
}

void MainWindow::LoadImportList(const char* path) {
    ExchangeFormat format = ExchangeFormat::Qpf;
    if (exchangeFormatFromPath(path, format) && format != ExchangeFormat::Qpf) {
        LoadImportedFormat(path);
        return;
    }
    // On failure the message has been shown and the import document keeps its points; the
    // rows are rebuilt from it either way.
    if (importList_.document.loadFile(path) == 0) copyInto(importList_.importPath, path);
    importList_.Refill();
}
