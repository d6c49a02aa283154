// MapObjectDialog (IDD_MAP_OBJECT, "オブジェクト"): the stored list of map applications, where the
// user adds and deletes names and chooses the one the bridge is to open.
#pragma once

#include "map_object_store.h"

#include <windows.h>

class MapObjectDialog {
  public:
    explicit MapObjectDialog(const char* productName);

    // Modal. Returns IDOK (then `result` holds the chosen name, empty when none was selected)
    // or IDCANCEL; -1 when the dialog could not be created.
    INT_PTR Show(HWND parent);

    // Rebuilds the names from the registry: the four built-in names first, then the stored
    // others, and writes them back in that order.
    void LoadNames();

    const MapObjectStore& store() const { return store_; }
    void SetStore(const MapObjectStore& store) { store_ = store; }

    char names[kMaxMapObjects][kMapObjectNameBytes] = {};
    int count = 0;
    char result[kMapObjectNameBytes] = {};

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    BOOL OnInitDialog();
    void OnCommand(int id);
    void OnAdd();
    void OnDelete();
    void OnOk();

    void AppendName(const char* name);
    void FillList();
    void SelectStoredChoice();
    void WriteNames() const;
    void DeleteStoredNames() const;
    HWND List() const;

    MapObjectStore store_;
    HWND window_ = nullptr;
};
