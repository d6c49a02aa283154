// The file commands until they are built: each does nothing, and the window may always close.
#include "main_window.h"

void MainWindow::OnFileOpen() {}
void MainWindow::OnFileSave() {}
void MainWindow::OnFileSaveAs() {}
void MainWindow::OnFileImport() {}
bool MainWindow::QueryClose() {
    return true;
}
void MainWindow::LoadImportList(const char*) {}
