#include "grid/edit/grid_unit_edit_btn.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "controls/editor_logic/text_and_unit.h"
#include "controls/editors/editor_input.h"
#include "grid/edit/edit_btn_filter.h"
#include "grid/edit/grid_edit_access.h"
#include "grid/edit/grid_editor_keys.h"

using Access = Grid_Edit_Access;
using edit_filter::Char_Action;

TGridUnitEditBtn::TGridUnitEditBtn(TZadIrururOziz* AOwner) : TZsgUnitEditBtn(AOwner->viewport()), FGrid(AOwner) {
  SetButtonCaption(QStringLiteral("..."));
  SetBorderStyle(bsNone);
  hide();
  setEnabled(false);
  OnClickBtn = [this](QObject*) { EllipsClick(); };
  OnUnitChanged = [this](QObject*, const QString& NewUnit) {
    TZadIrururOziz& g = *FGrid;
    if (g.OnUnitChanged) g.OnUnitChanged(&g, g.RealColIndex(g.Col()), g.Row(), NewUnit);
  };
}

void TGridUnitEditBtn::EllipsClick() {
  QString answer;
  FGrid->DoEllipsClick(text(), answer);
  setText(answer);
  selectAll();
  update();
}

void TGridUnitEditBtn::Take_Cell_Text(const QString& Text) {
  if (const auto split = Split_Text_And_Unit(Text, Units())) {
    setText(split->Text);
    SetUnitID(split->Unit);
  } else {
    setText(Text);
    SetUnitID(QString());
  }
}

bool TGridUnitEditBtn::event(QEvent* e) {
  // Tab is the editor's own only while the grid tabs between cells.
  if (Is_Kept_Tab_Press(e, [this] { return (FGrid->Options() & goTabs) != 0; })) {
    keyPressEvent(static_cast<QKeyEvent*>(e));
    return true;
  }
  return TZsgUnitEditBtn::event(e);
}

void TGridUnitEditBtn::keyPressEvent(QKeyEvent* e) {
  TZadIrururOziz& g = *FGrid;
  int key = e->key();
  Qt::KeyboardModifiers shift = e->modifiers();
  Fold_Backtab(key, shift);
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
      break;
    default: {
      const QChar ch = Typed_Char(e);
      const TEditorType editor = g.CurrentEditor();
      if (!ch.isNull() && ch.unicode() >= 32 && edit_filter::Button_Filter_Type(editor) != edNormal) {
        edit_filter::Char_Result r;
        edit_filter::Type_Char(ch, edit_filter::Line_Edit_State(*this),
                               edit_filter::Button_Filter(editor, *this, shift & Qt::ControlModifier), &r);
        if (r.Action == Char_Action::Beep) Editor_Beep();
        if (r.Action != Char_Action::Insert && r.Action != Char_Action::Pass) return e->accept();
      }
      TZsgUnitEditBtn::keyPressEvent(e);
      return;
    }
  }
  e->accept();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (key == Qt::Key_Tab || enter || key == Qt::Key_Up || key == Qt::Key_Down) {
    g.SetCurrentCell(TextAndUnit());
    if (!g.ValidateCell(TextAndUnit())) {
      Take_Cell_Text(g.CurrentCell());
      return;
    }
    Take_Cell_Text(g.CurrentCell());
  }
  if (enter && g.Navigation().AdvanceOnEnter()) {
    g.HideInplaceEdit();
    g.setFocus();
    g.AdvanceToNextCell(!(shift & Qt::ShiftModifier));
    return;
  }
  if (key == Qt::Key_Tab && (g.Options() & goTabs)) {
    g.HideInplaceEdit();
    g.setFocus();
    g.TabAdvance(shift & Qt::ShiftModifier);
    return;
  }
  if (key == Qt::Key_Escape) {
    SetUnitID(QString());
    setText(g.CurrentCell());
  }
  g.DoneInplaceEdit(key, shift);
}

void TGridUnitEditBtn::focusOutEvent(QFocusEvent* e) {
  // Hiding the editor moves the focus too; that is the end of an edit
  // already under way.
  if (isVisible() && Ends_Edit(e)) FGrid->HideInplaceEdit();
  TZsgUnitEditBtn::focusOutEvent(e);
}
