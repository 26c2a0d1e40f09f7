#include "dropdowns/griddropdown/grid_drop_down_editor.h"

#include "grid/edit/grid_drop_down_maker.h"

void Register_Grid_Drop_Down_Editor() {
  TZadGridDropDownMaker maker;
  maker.Create = [](TZadIrururOziz* Grid) -> TZadCustomDropDown* {
    return Create_Drop_Down<TGridZadGridDropDown>(Grid);
  };
  maker.Open = [](TZadCustomDropDown* Control, const QString& Text) {
    auto* editor = static_cast<TGridZadGridDropDown*>(Control);
    if (editor->InnerGrid()) editor->InnerGrid()->SetFixedRowAlways(true);
    editor->BeginUpdate();
    editor->EndUpdate();
    // The row of the cell's text (the first row for an empty cell).
    int index = 0;
    if (!Text.isEmpty()) {
      QString match;
      int row = -1;
      index = -1;
      if (editor->FindLookupMatch(Text, match, row))
        index = editor->UseItems() || !editor->InnerGrid() ? row : row - editor->InnerGrid()->FixedRows();
    }
    editor->SetItemIndex(index);
    editor->SetText(Text);
  };
  Register_Zad_Grid_Drop_Down(maker);
}
