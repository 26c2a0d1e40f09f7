#pragma once
// A CANopen object dictionary as a grid to print: a header row, index,
// sub-index, name, data type, access and default value of 70 entries, a title
// at the top, page numbers at the bottom and single cell borders.
#include <QFont>

#include "grid/core/zad_irurur_oziz.h"

inline void Fill_Canopen_Sample(TZadIrururOziz& g) {
  const QStringList heads = {"Index", "Sub", "Name", "Data type", "Access", "Default"};
  const QStringList names = {"Device type", "Error register", "Manufacturer status", "COB-ID SYNC",
                             "Communication cycle", "Guard time", "Life time factor", "Producer heartbeat time"};
  const QStringList types = {"UNSIGNED32", "UNSIGNED8", "UNSIGNED16", "INTEGER16", "VISIBLE_STRING"};
  const QStringList access = {"ro", "rw", "const", "wo"};
  g.SetColCount(6);
  g.SetRowCount(71);
  g.SetFixedRows(1);
  g.SetFixedCols(0);
  for (int c = 0; c < 6; ++c) g.SetCellEx(c, 0, heads[c]);
  for (int r = 1; r <= 70; ++r) {
    g.SetCellEx(0, r, QString("0x%1").arg(0x1000 + (r - 1) / 4, 4, 16, QChar('0')).toUpper().replace("0X", "0x"));
    g.SetCellEx(1, r, QString::number((r - 1) % 4));
    g.SetCellEx(2, r, names[(r - 1) % names.size()] + QString(" %1").arg(r));
    g.SetCellEx(3, r, types[r % types.size()]);
    g.SetCellEx(4, r, access[r % access.size()]);
    g.SetCellEx(5, r, QString::number(r * 37 % 1000));
  }
  TPrintSettings& ps = g.PrintSettings();
  const QFont font(QStringLiteral("DejaVu Sans"), 10);
  ps.SetFont(font);
  ps.SetHeaderFont(QFont(QStringLiteral("DejaVu Sans"), 12));
  ps.SetFooterFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  ps.SetTitle(ppTopCenter);
  ps.SetTitleText(QStringLiteral("CANopen object dictionary"));
  ps.SetPageNr(ppBottomRight);
  ps.SetPagePrefix(QStringLiteral("Page"));
  ps.SetBorders(pbSingle);
  ps.SetRepeatFixedRows(true);
  ps.SetLeftSize(150);
  ps.SetRightSize(100);
  ps.SetHeaderSize(100);
  ps.SetFooterSize(100);
  ps.SetTitleSpacing(50);
  ps.SetColumnSpacing(20);
  ps.SetCentered(true);
}
