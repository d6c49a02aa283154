// Point exchange on the main window: files of other formats into the import list, the main
// list out to any format, and the datum of the device's files (the 地図 popup).
#include "datum_setting.h"
#include "editor_texts.h"
#include "exchange.h"
#include "file_dialogs.h"
#include "main_window.h"
#include "message_box_notifier.h"
#include "resource_ids.h"
#include "text_bytes.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Lines of a report shown in one box; the rest are counted.
constexpr size_t kShownReportLines = 20;

ExchangeOptions storedOptions() {
    ExchangeOptions options;
    options.recordDatum = readDatumSetting();
    return options;
}

// The heading and the report's lines, one message box.
void ShowReport(const std::string& heading, const ExchangeReport& report) {
    std::string text = heading;
    for (size_t i = 0; i < report.lines.size() && i < kShownReportLines; ++i) text += "\n" + report.lines[i];
    if (report.lines.size() > kShownReportLines) {
        char more[64];
        std::snprintf(more, sizeof more, TEXT_REPORT_MORE_FORMAT,
                      static_cast<int>(report.lines.size() - kShownReportLines));
        text += std::string("\n") + more;
    }
    ShowEditorMessage(text.c_str(), MB_OK | MB_ICONINFORMATION);
}

std::string withPath(const char* format, const char* path) {
    std::string text(std::strlen(format) + std::strlen(path) + 1, '\0');
    int n = std::snprintf(&text[0], text.size(), format, path);
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return text;
}

// The popup that holds the datum items, wherever it stands in the menu bar.
HMENU DatumPopup(HMENU bar) {
    for (int i = 0; bar != nullptr && i < GetMenuItemCount(bar); ++i) {
        HMENU popup = GetSubMenu(bar, i);
        if (popup != nullptr && GetMenuState(popup, IDM_DATUM_TOKYO, MF_BYCOMMAND) != static_cast<UINT>(-1))
            return popup;
    }
    return nullptr;
}

} // namespace

void MainWindow::LoadImportedFormat(const char* path) {
    ExchangeFormat format = ExchangeFormat::Qpf;
    exchangeFormatFromPath(path, format);
    ExchangeReport report;
    // On failure the message has been shown and the import document keeps its points.
    bool read = importPoints(path, format, importList_.document, storedOptions(), report) == 0;
    if (read) copyInto(importList_.importPath, path);
    importList_.Refill();
    if (!read) return;
    if (importList_.document.count() == 0) {
        ShowReport(withPath(MSG_IMPORT_NO_POINTS, path), report);
    } else if (!report.empty()) {
        ShowReport(MSG_IMPORT_REPORT, report);
    }
}

void MainWindow::OnFileExport() {
    char chosen[kPathBytes];
    if (!activeFileDialogs().choose(window_, FileDialogKind::Export, fileFolder_, chosen)) return;
    ExchangeFormat format = ExchangeFormat::Qpf;
    if (!exchangeFormatFromPath(chosen, format)) {
        ShowEditorMessage(withPath(MSG_EXPORT_UNKNOWN_FORMAT, chosen).c_str());
        return;
    }
    // The main points go out as they are: the document, its paths and its modified mark
    // stay as they were.
    ExchangeReport report;
    if (exportPoints(chosen, format, document_, storedOptions(), report) != 0) return;
    if (!report.empty()) ShowReport(MSG_EXPORT_REPORT, report);
}

void MainWindow::OnDatumCommand(int id) {
    if (!writeDatumSetting(id == IDM_DATUM_TOKYO ? Datum::Tokyo : Datum::Wgs84)) ShowEditorMessage(MSG_DATUM_NOT_STORED);
    UpdateDatumMenu();
}

void MainWindow::UpdateDatumMenu() {
    HMENU popup = DatumPopup(GetMenu(window_));
    if (popup == nullptr) return;
    UINT checked = readDatumSetting() == Datum::Tokyo ? IDM_DATUM_TOKYO : IDM_DATUM_WGS84;
    CheckMenuRadioItem(popup, IDM_DATUM_TOKYO, IDM_DATUM_WGS84, checked, MF_BYCOMMAND);
}
