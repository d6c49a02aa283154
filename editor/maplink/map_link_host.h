// What the map link needs of the main window it serves.
#pragma once

#include "point_document.h"

#include <windows.h>

class MapLinkHost {
  public:
    virtual HWND window() const = 0;
    virtual HWND mainListWindow() const = 0;
    virtual HWND latitudeBox() const = 0;
    virtual HWND longitudeBox() const = 0;
    virtual PointDocument& document() = 0;
    // Window operations on the main list.
    virtual void InsertDocumentRow(int row) = 0;
    virtual void SelectRow(int row) = 0;
    virtual void UpdateStatusLine() = 0;

  protected:
    ~MapLinkHost() = default;
};
