#pragma once
// TGridDropTarget: what a drop onto the string grid does. Text, rich text
// and URLs go into cells, a dragged cell block into the cells at the drop
// point, a dragged column moves or arrives, one dropped CSV file or
// workbook loads; while dragging, the arrows show where the drop lands and
// the grid scrolls at its edges. Points are viewport coordinates.
#include "grid/dragdrop/drop_target.h"

class TZadIrururOziz;

class TGridDropTarget : public TZSGDropTarget {
  Q_OBJECT

 public:
  explicit TGridDropTarget(TZadIrururOziz* AGrid);

  // The size of a TAB and CR LF text block: Cols the most fields in a line,
  // Rows the line breaks between its rows (n lines give n - 1; a final line
  // break does not count).
  static void GetTextBlockSize(const QString& Text, int& Cols, int& Rows);

  // The drops and moves, public so that the grid and its tests can call them.
  void DropText(QPoint pt, const QString& s) override;
  void DropStream(QPoint pt, const QByteArray& ms) override;
  void DropCol(QPoint pt, int Col) override;
  void DropRTF(QPoint pt, const QString& s) override;
  void DropFiles(QPoint pt, const QStringList& files) override;
  void DropURL(QPoint pt, const QString& s) override;
  void DragMouseMove(QPoint pt, bool& Allow, TDropFormats DropFormats) override;
  void DragMouseLeave() override;

 private:
  // The cell under pt, -1 outside; the append position below the last row
  // for row drags with OleEntireRows and OleAppendRows.
  void Target_Cell(QPoint pt, bool column_drag, int& ACol, int& ARow, bool& append) const;
  // Rich text and URLs: one raw cell text when allowed.
  void Drop_Raw(QPoint pt, const QString& s, bool url);
  void Hide_Drop_Indicators();
  // Stores the TAB and CR LF fields from the cell on into the editable
  // cells inside the grid; Rows and Cols the lines and most fields read.
  void Paste_Text(int ACol, int ARow, int& Rows, int& Cols, const QString& s);
  TZadIrururOziz* FGrid;
};
