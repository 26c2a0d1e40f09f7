#include "grid/edit/grid_trans_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "controls/editors/combo_list_popup.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/grid_editor_keys.h"

namespace fixed_cell_edit {

bool Finish(TZadIrururOziz& Grid, int ACol, int ARow, const QString& Text) {
  QString value = Text;
  bool valid = true;
  if (Grid.OnCellValidate) Grid.OnCellValidate(&Grid, ACol, ARow, value, valid);
  if (!valid) return false;
  if (Grid.OnEditingDone) Grid.OnEditingDone(&Grid);
  Grid.SetCellEx(ACol, ARow, value);
  return true;
}

void Changed(TZadIrururOziz& Grid, int ACol, int ARow, const QString& Text) {
  if (Grid.OnEditChange) Grid.OnEditChange(&Grid, ACol, ARow, Text);
}

}  // namespace fixed_cell_edit

namespace {

// A refused value keeps the cell it belongs to current, where the grid can
// make it so (a fixed cell never becomes current).
void Keep_Cell(TZadIrururOziz& g, int ACol, int ARow) {
  if (ACol >= g.FixedCols() && ARow >= g.FixedRows() && ACol < g.ColCount() && ARow < g.RowCount())
    g.FocusCell(ACol, ARow);
}

}  // namespace

TGridTransEdit::TGridTransEdit(TZadIrururOziz* AOwner) : QLineEdit(AOwner->viewport()), FGrid(AOwner) {
  setFrame(false);
  hide();
  // Only the user's changes: the grid filling in the header's text is none.
  connect(this, &QLineEdit::textEdited, this,
          [this](const QString& Text) { fixed_cell_edit::Changed(*FGrid, FCol, FRow, Text); });
}

bool TGridTransEdit::StopEdit() {
  if (!FGrid) {
    hide();
    return true;
  }
  if (!fixed_cell_edit::Finish(*FGrid, FCol, FRow, text())) {
    Keep_Cell(*FGrid, FCol, FRow);
    setFocus();
    return false;
  }
  hide();
  return true;
}

void TGridTransEdit::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return e->accept();
  QLineEdit::keyPressEvent(e);
}

void TGridTransEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  if (!isVisible() || FStopping || !Ends_Edit(e)) return;
  FStopping = true;
  StopEdit();
  FStopping = false;
}

TGridTransCombo::TGridTransCombo(TZadIrururOziz* AOwner) : TZsgComboBox(AOwner->viewport()), FGrid(AOwner) {
  SetFlat(true);
  hide();
  // Typing and choosing an item; the grid setting the text is no change.
  OnChange = [this](QObject*) { fixed_cell_edit::Changed(*FGrid, FCol, FRow, Text()); };
}

bool TGridTransCombo::StopEdit() {
  if (!FGrid) {
    hide();
    return true;
  }
  if (!fixed_cell_edit::Finish(*FGrid, FCol, FRow, Text())) {
    Keep_Cell(*FGrid, FCol, FRow);
    setFocus();
    return false;
  }
  hide();
  return true;
}

bool TGridTransCombo::event(QEvent* e) {
  if (EditPart() && EditPart() != FHookedEdit) {
    EditPart()->installEventFilter(this);
    FHookedEdit = EditPart();
  }
  return TZsgComboBox::event(e);
}

bool TGridTransCombo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FHookedEdit && watched == EditPart()) {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return true;
    } else if (event->type() == QEvent::FocusOut) {
      const bool handled = TZsgComboBox::eventFilter(watched, event);
      if (!Popup()->isVisible() && Ends_Edit(static_cast<QFocusEvent*>(event))) Left();
      return handled;
    }
  }
  return TZsgComboBox::eventFilter(watched, event);
}

void TGridTransCombo::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return e->accept();
  TZsgComboBox::keyPressEvent(e);
}

void TGridTransCombo::focusOutEvent(QFocusEvent* e) {
  TZsgComboBox::focusOutEvent(e);
  if (!EditPart() && !Popup()->isVisible() && Ends_Edit(e)) Left();
}

void TGridTransCombo::Left() {
  if (!isVisible() || FStopping) return;
  FStopping = true;
  StopEdit();
  FStopping = false;
}
