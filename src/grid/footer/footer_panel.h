#pragma once
// TFooterPanel: the strip under the grid's cells that paints the floating
// footer in its style, shows the footer hints and reports clicks. It lies
// over the bottom of the cell area (above the search footer) and follows the
// columns as they scroll.
#include <QWidget>

#include "controls/trect.h"

class TZadIrururOziz;
class TCanvas;

class TFooterPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TFooterPanel(TZadIrururOziz* AGrid);

  TZadIrururOziz* Grid() const { return FGrid; }
  // The column whose hint shows; -1 when none.
  int LastHintX() const { return FLastHintX; }
  // The grid column under panel x (fixed columns, then those from the left
  // column on); -1 beyond the last column.
  int ColumnAt(int X) const;
  // Width of the fixed columns and of those from the left column on.
  int FooterWidth() const;
  // The footer area: the client rectangle cut to the footer width, from the
  // right in right-to-left mode.
  TRect FooterArea() const;
  // Over the bottom of the grid's cell area, above the search footer.
  void Place();
  // A cell rectangle in left-to-right panel coordinates, mirrored in
  // right-to-left mode.
  TRect Mirrored(const TRect& R) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Paint(TCanvas& Canvas);
  void Paint_Last_Row(TCanvas& Canvas, const TRect& Area);
  void Paint_Column_Lines(TCanvas& Canvas, const TRect& Area);
  void Paint_Preview_Frame(TCanvas& Canvas, const TRect& Area);
  void Fill_Outside(TCanvas& Canvas, const TRect& Area);
  // Whether the modern looks draw a white edge left of each column.
  bool Light_Edges() const;
  int Column_At_Event(QPoint Pos) const;
  TZadIrururOziz* FGrid;
  int FLastHintX = -1;
};
