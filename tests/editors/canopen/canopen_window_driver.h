#pragma once
// Drives the CANopen table windows as the user does: the window shown and
// active, cells clicked and typed by mouse and keyboard, rows filled directly
// where only the values matter.
#include <QApplication>
#include <QPoint>
#include <QStringList>
#include <QtTest>
#include <memory>

#include "grid/columns/zad_column_grid.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/core/lang_table.h"

namespace canopen_driver {

// The texts, program code and device type the table windows are built for.
inline void Start_As_CANopen_Device() {
  Load_Default_Texts();
  SW_Code = "SW58232";
  Override_Device_Type(6);
}

// Makes the window on first use and (re)shows it active: keys go to the
// focus widget, which the active window holds.
template <typename Window>
Window& Show_Active(std::unique_ptr<Window>& window) {
  if (!window) window = std::make_unique<Window>();
  window->hide();
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
  return *window;
}

inline QPoint Center(TZadColumnGrid* grid, int col, int row) {
  grid->ScrollInView(col, row);
  const TRect r = grid->CellRect(col, row);
  return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}
inline void Click(TZadColumnGrid* grid, int col, int row) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, Center(grid, col, row));
}
inline QWidget* Focus() { return QApplication::focusWidget(); }
inline void Type(const QString& text) {
  for (QChar ch : text) QTest::keyClick(Focus(), ch.toLatin1());
}
inline void Press(Qt::Key key) { QTest::keyClick(Focus(), key); }
inline void Type_Cell(TZadColumnGrid* grid, int col, int row, const QString& text) {
  Click(grid, col, row);
  Type(text);
  Press(Qt::Key_Return);
}
// Puts cells 1.. of the row as they are, without the editor.
inline void Set_Row(TZadColumnGrid* grid, int row, const QStringList& cells) {
  for (int c = 1; c <= cells.size(); ++c) grid->SetCellEx(c, row, cells[c - 1]);
}

}  // namespace canopen_driver
