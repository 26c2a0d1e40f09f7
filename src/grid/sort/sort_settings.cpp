// The members of TSortSettings that reach into the grid: the sort row
// check, repaints, and the sort state text.
#include <climits>
#include <stdexcept>

#include "grid/core/zad_irurur_oziz.h"

void TSortSettings::Assign(const TSortSettings& Source) {
  const bool ignore_case = IgnoreCase, virtual_cells = SortOnVirtualCells;
  TSortSettingsFields::operator=(Source);
  IgnoreCase = ignore_case;
  SortOnVirtualCells = virtual_cells;
}

void TSortSettings::Remove() {
  Column = -1;
  if (!Owner) return;
  Owner->SortIndexes().Clear();
  if (Owner->FixedRows() > 0) Owner->RepaintRow(Owner->FixedRows() - 1);
}

void TSortSettings::SetRow(int Value) {
  if (Owner && Value >= Owner->FixedRows())
    throw std::runtime_error("Sort row should be smaller than number of fixed rows");
  Row = Value;
}

void TSortSettings::SetShow(bool Value) {
  if (Show == Value) return;
  Show = Value;
  if (Owner) Owner->RepaintAll();
}

QString TSortSettings::SaveToString() const {
  if (IndexShow) return QStringLiteral("i;") + (Owner ? Owner->SortIndexes().SaveToString() : QString());
  return QLatin1String(Direction == sdDescending ? "d" : "u") + QString::number(Column);
}

namespace {
// A column number as the text holds it, within the grid's columns.
bool Read_Column(const QString& text, int columns, int& column) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < 0 || value >= columns) return false;
  column = value;
  return true;
}
}  // namespace

void TSortSettings::LoadFromString(const QString& Value) {
  if (Value.isEmpty()) return;
  if (Value.size() < 2) throw std::runtime_error("Invalid sort settings specifier");
  const int columns = Owner ? Owner->AllColCount() : INT_MAX;
  // Everything is checked before anything changes: a text naming a column
  // the grid lacks, or an entry that is no column, leaves grid and settings.
  if (Value.contains(QLatin1String("i;"))) {
    const QString list = Value.mid(2);
    for (const QString& part : list.split(QLatin1Char(';'))) {
      int column = 0;
      if (part.size() >= 2 && !Read_Column(part.mid(1), columns, column)) return;
    }
    Show = true;
    IndexShow = true;
    if (list.isEmpty() || !Owner) return;
    Owner->SortIndexes().LoadFromString(list);
    if (Owner->SortIndexes().Count() > 0) Owner->QSortIndexed();
    return;
  }
  int column = 0;
  if (!Read_Column(Value.mid(1), columns, column)) return;
  Show = true;
  IndexShow = false;
  Direction = Value.contains(QLatin1Char('u')) ? sdAscending : sdDescending;
  Column = column;
  if (Owner) Owner->QSort();
}
