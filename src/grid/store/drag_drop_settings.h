#pragma once
// TDragDropSettings: what the grid's OLE drag and drop may do. OleDropTarget
// and OleDropRTF only store until the grid has its drop target: registering
// the window as a target (setAcceptDrops) and the rich-text acceptance of
// drops are the drag-and-drop code's.
#include "grid/store/stored_setting.h"

class TDragDropSettings {
 public:
  // Copies all fifteen flags as they are: no registration follows.
  void Assign(const TDragDropSettings& Source) { *this = Source; }

  STORED_SETTING(bool, OleDropTarget, false)
  STORED_SETTING(bool, OleDropSource, false)
  STORED_SETTING(bool, OleAcceptFiles, true)
  STORED_SETTING(bool, OleAcceptText, true)
  STORED_SETTING(bool, OleAcceptURLs, true)
  STORED_SETTING(bool, OleDropRTF, false)
  STORED_SETTING(bool, OleEntireRows, false)
  STORED_SETTING(bool, OleInsertRows, false)
  STORED_SETTING(bool, OleRemoveRows, false)
  STORED_SETTING(bool, OleAppendRows, false)
  STORED_SETTING(bool, OleCopyAlways, false)
  STORED_SETTING(bool, OleColumnDragDrop, false)
  STORED_SETTING(bool, OleColumnReorder, false)
  STORED_SETTING(bool, OleColumnsOnly, false)
  STORED_SETTING(bool, ShowCells, true)
};
