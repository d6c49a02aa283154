// Files dropped on the main window outside the import list: the last one is opened.
#include "main_window.h"

#include "drop_files.h"
#include "text_bytes.h"

void MainWindow::OnDropFiles(HDROP drop) {
    char name[kDroppedNameBytes + 1];
    // A name the editor cannot hold opens nothing and changes nothing.
    if (!TakeLastDroppedName(drop, name)) return;
    // As Open: unsaved points go only after the closing question.
    OpenPath(name);
}
