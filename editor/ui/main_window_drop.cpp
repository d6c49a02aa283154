// Files dropped on the main window outside the import list: the last one is opened.
#include "main_window.h"

#include "drop_files.h"
#include "exchange.h"
#include "text_bytes.h"

void MainWindow::OnDropFiles(HDROP drop) {
    char name[kDroppedNameBytes + 1];
    // A name the editor cannot hold opens nothing and changes nothing.
    if (!TakeLastDroppedName(drop, name)) return;
    // Points of another format never replace the main points unasked: they go to the import
    // list, whose screen is shown, and are taken from there like any imported points.
    ExchangeFormat format = ExchangeFormat::Qpf;
    if (exchangeFormatFromPath(name, format) && format != ExchangeFormat::Qpf) {
        LayoutImportScreen();
        LoadImportList(name);
        return;
    }
    // As Open: unsaved points go only after the closing question.
    OpenPath(name);
}
