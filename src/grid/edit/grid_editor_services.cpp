// What the string grid offers its editor controls: the ellipsis answer, the
// editor-property event and the combo editor's item list.
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/grid_combo.h"

void TZadIrururOziz::DoEllipsClick(const QString& S, QString& Result) {
  Result = S;
  if (!OnEllipsClick) return;
  QString value = S;
  OnEllipsClick(this, RealColIndex(Col()), Row(), value);
  Result = value;
}

void TZadIrururOziz::DoGetEditorProp(int ACol, int ARow, TEditLink* AEditLink) {
  if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, AEditLink);
  if (OnGetEditorPropInt) OnGetEditorPropInt(this, ARow, ACol);
}

TGridCombo* TZadIrururOziz::Combobox() {
  if (!FCombobox) FCombobox = new TGridCombo(this);
  return FCombobox;
}

void TZadIrururOziz::ClearComboString() { Combobox()->Items().Clear(); }

void TZadIrururOziz::AddComboString(const QString& S) { Combobox()->Items().Add(S); }

void TZadIrururOziz::AddComboStringObject(const QString& S, const QVariant& AObject) {
  Combobox()->Items().AddObject(S, AObject);
}

bool TZadIrururOziz::RemoveComboString(const QString& S) {
  TComboItems& items = Combobox()->Items();
  const int index = items.IndexOf(S);
  if (index < 0) return false;
  items.Delete(index);
  return true;
}

bool TZadIrururOziz::SetComboSelectionString(const QString& S) {
  const int index = Combobox()->Items().IndexOf(S);
  if (index < 0) return false;
  FComboIdx = index;
  return true;
}

int TZadIrururOziz::GetComboCount() { return Combobox()->Items().Count(); }

void TZadIrururOziz::SetComboIndex(int ACol, int ARow, int Value) {
  // The application may fill the list for that cell first.
  DoGetEditorProp(ACol, ARow, nullptr);
  const TComboItems& items = Combobox()->Items();
  if (Value < 0 || Value >= items.Count()) return;
  SetCellEx(ACol, ARow, items.Strings(Value));
}

int TZadIrururOziz::GetComboIndex(int ACol, int ARow) {
  DoGetEditorProp(ACol, ARow, nullptr);
  return Combobox()->Items().IndexOf(GetCellEx(ACol, ARow));
}
