// The point commands until they are built: each does nothing.
#include "main_window.h"

void MainWindow::ChangePoint() {}
void MainWindow::AddPoint() {}
void MainWindow::DeletePoints() {}
void MainWindow::TransferImportedPoints(int) {}
void MainWindow::RefreshPointRow(int) {}
