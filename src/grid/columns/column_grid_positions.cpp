// The column grid's order saved as its items' design positions ("CP"i).
#include <vector>

#include "grid/columns/zad_column_grid.h"
#include "grid/settings/column_states.h"
#include "grid/settings/ini_file.h"

void TZadColumnGrid::SaveColumnPositions(const QString& Key, const QString& Section) {
  Ini_File ini = Ini_File::Open(Key);
  for (int i = 0; i < FColumnCollection->Count(); ++i)
    ini.Write_Integer(Section, QStringLiteral("CP%1").arg(i), FColumnCollection->GetItem(i)->DefIdx());
  ini.Update();
}

void TZadColumnGrid::LoadColumnPositions(const QString& Key, const QString& Section) {
  const Ini_File ini = Ini_File::Open(Key);
  const int count = FColumnCollection->Count();
  std::vector<int> design;
  for (int i = 0; i < count; ++i) {
    const int d = ini.Read_Integer(Section, QStringLiteral("CP%1").arg(i), -1);
    if (d == -1) return;
    design.push_back(d);
  }
  // Values that are not each position once would leave items without a
  // place (or move columns round for ever).
  if (!Is_Permutation(design)) return;
  ResetColumnOrder();
  FColumnCollection->ResetOrganization();
  for (int j = 0; j < count; ++j) FColumnCollection->GetItem(design[size_t(j)])->SetDefIdx(j);
  FColumnCollection->ResetOrganization();
  for (int k = 0; k < count; ++k) FColumnCollection->GetItem(k)->SetDefIdx(design[size_t(k)]);
}

void TZadColumnGrid::SaveColPositions() {
  if (ColumnSize().Location() != clIniFile) return TZadIrururOziz::SaveColPositions();
  if (ColumnSize().Key().isEmpty() || ColumnSize().Section().isEmpty() || IsDesigning()) return;
  SaveColumnPositions(ColumnSize().Key(), ColumnSize().Section());
}

void TZadColumnGrid::LoadColPositions() {
  if (ColumnSize().Location() != clIniFile) return TZadIrururOziz::LoadColPositions();
  if (ColumnSize().Key().isEmpty() || ColumnSize().Section().isEmpty() || IsDesigning()) return;
  LoadColumnPositions(ColumnSize().Key(), ColumnSize().Section());
}
