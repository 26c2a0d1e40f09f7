#include "grid/edit/grid_edit_btn.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include "controls/editors/editor_input.h"
#include "grid/edit/edit_btn_filter.h"
#include "grid/edit/grid_cell_walk.h"
#include "grid/edit/grid_edit_access.h"
#include "grid/edit/grid_editor_keys.h"

using Access = Grid_Edit_Access;
using edit_filter::Char_Action;

TGridEditBtn::TGridEditBtn(TZadIrururOziz* AOwner) : TZsgEditBtn(AOwner->viewport()), FGrid(AOwner) {
  SetButtonCaption(QStringLiteral("..."));
  SetBorderStyle(bsNone);
  hide();
  setEnabled(false);
  OnClickBtn = [this](QObject*) { EllipsClick(); };
  connect(this, &QLineEdit::textChanged, this, [this](const QString& Text) {
    TZadIrururOziz& g = *FGrid;
    if (!Access::No_Edit_Change(g) && g.OnEditChange) g.OnEditChange(&g, g.Col(), g.Row(), Text);
  });
}

void TGridEditBtn::EllipsClick() {
  TZadIrururOziz& g = *FGrid;
  QString answer;
  g.DoEllipsClick(text(), answer);
  setText(answer);
  selectAll();
  update();
  if (FStopEditAfterClick) {
    g.HideInplaceEdit();
    g.setFocus();
  }
}

bool TGridEditBtn::Is_Grid_Key(int Key) const {
  switch (Key) {
    case Qt::Key_Tab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
      return true;
    default:
      return false;
  }
}

bool TGridEditBtn::event(QEvent* e) {
  if (Is_Kept_Tab_Press(e, [this] { return FGrid->WantsTabKey(); })) {
    keyPressEvent(static_cast<QKeyEvent*>(e));
    return true;
  }
  return TZsgEditBtn::event(e);
}

bool TGridEditBtn::Filter_Typed(QChar Ch, bool CtrlDown) {
  TZadIrururOziz& g = *FGrid;
  const TEditorType editor = g.CurrentEditor();
  if (edit_filter::Button_Filter_Type(editor) == edNormal) return false;
  edit_filter::Char_Result r;
  edit_filter::Type_Char(Ch, edit_filter::Line_Edit_State(*this), edit_filter::Button_Filter(editor, *this, CtrlDown),
                         &r);
  switch (r.Action) {
    case Char_Action::Beep:
      Editor_Beep();
      return true;
    case Char_Action::Drop:
    case Char_Action::New_Line:
      return true;
    case Char_Action::Insert:
      if (r.Char != Ch) {
        insert(QString(r.Char));
        return true;
      }
      return false;
    case Char_Action::Pass:
      return false;
  }
  return false;
}

void TGridEditBtn::keyPressEvent(QKeyEvent* e) {
  TZadIrururOziz& g = *FGrid;
  int key = e->key();
  Qt::KeyboardModifiers shift = e->modifiers();
  Fold_Backtab(key, shift);
  const bool grid_key = Is_Grid_Key(key);
  const bool ctrl = shift & Qt::ControlModifier;
  if (!grid_key && g.OnKeyDown) {
    g.OnKeyDown(&g, key, shift);
    if (key == 0) return e->accept();
  }
  WorkMode = key != Qt::Key_Backspace && key != Qt::Key_Delete;
  FSelKeyDown = cursorPosition();
  if (e->matches(QKeySequence::Paste)) {
    PasteText(QApplication::clipboard()->text(),
              QApplication::clipboard()->mimeData() && QApplication::clipboard()->mimeData()->hasText());
    return e->accept();
  }
  if (ctrl || !grid_key) {
    const QChar ch = Typed_Char(e);
    if (!ch.isNull() && ch.unicode() >= 32) {
      // The grid hears the typed character; Tab never reaches the edit.
      QChar typed = ch;
      if (g.OnKeyPress) g.OnKeyPress(&g, typed);
      if (typed.isNull()) return e->accept();
      if (Filter_Typed(typed, ctrl)) return e->accept();
      if (typed != ch) {
        insert(QString(typed));
        return e->accept();
      }
    }
    TZsgEditBtn::keyPressEvent(e);
    return;
  }
  e->accept();
  if (OnKeyDown) {
    OnKeyDown(key, shift);
    if (key == 0) return;
  }
  if (key == Qt::Key_Tab || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Up || key == Qt::Key_Down) {
    const TEditorType editor = Access::Edit_Control(g);
    const bool valid = Store_And_Validate();
    setText(Access::New_Cell_Text(g));
    if (!valid) {
      selectAll();
      update();
      Access::Edit_Control(g) = editor;
      return;
    }
  }
  if (key == Qt::Key_Tab && g.WantsTabKey()) {
    if (!Store_And_Validate()) {
      setText(Access::New_Cell_Text(g));
      setCursorPosition(int(text().size()));
      update();
      return;
    }
    g.HideInplaceEdit();
    if (g.Options() & goTabs) {
      g.setFocus();
      g.TabAdvance(shift & Qt::ShiftModifier);
    } else {
      Access::Post_Key(g, Qt::Key_Tab, shift);
    }
    return;
  }
  if (key == Qt::Key_Escape) setText(Access::Cell_Cache(g));
  g.DoneInplaceEdit(key, shift);
}

bool TGridEditBtn::Store_And_Validate() {
  TZadIrururOziz& g = *FGrid;
  g.SetCurrentCell(text());
  Access::New_Cell_Text(g) = text();
  return g.ValidateCell(text());
}

void TGridEditBtn::keyReleaseEvent(QKeyEvent* e) {
  TZadIrururOziz& g = *FGrid;
  int key = e->key();
  const Qt::KeyboardModifiers shift = e->modifiers();
  if (g.OnKeyUp) g.OnKeyUp(&g, key, shift);
  if (g.Navigation().CursorWalkEditor() && !(shift & Qt::ShiftModifier) && !hasSelectedText()) {
    // The caret stood at the edge when the key went down: one more step
    // walks into the neighbour cell.
    if (key == Qt::Key_Left && FSelKeyDown == 0 && cursorPosition() == 0) return Walk(true);
    if (key == Qt::Key_Right && FSelKeyDown == text().size()) return Walk(false);
  }
  if (key != Qt::Key_Return && key != Qt::Key_Enter) TZsgEditBtn::keyReleaseEvent(e);
  if (WorkMode && g.Lookup() && !hasSelectedText()) Complete_From_Lookup();
}

void TGridEditBtn::Complete_From_Lookup() {
  TZadIrururOziz& g = *FGrid;
  edit_filter::Edit_State completed;
  if (!edit_filter::Lookup_Complete(edit_filter::Line_Edit_State(*this), g.LookupItems(), g.LookupCaseSensitive(),
                                    completed))
    return;
  if (completed.Text == text()) return;
  setText(completed.Text);
  setSelection(completed.Sel_Start, completed.Sel_Length);
}

void TGridEditBtn::Walk(bool Left) {
  Walk_To_Neighbour(*FGrid, Left, [this] {
    if (Store_And_Validate()) return true;
    setText(Access::New_Cell_Text(*FGrid));
    selectAll();
    return false;
  });
}

void TGridEditBtn::PasteText(const QString& Clip, bool HasText) {
  TZadIrururOziz& g = *FGrid;
  if (!EditorEnabled() || isReadOnly()) return;
  const edit_filter::Edit_State state = edit_filter::Line_Edit_State(*this);
  const edit_filter::Filter_Settings rules = edit_filter::Button_Filter(g.CurrentEditor(), *this, false);
  // A text that the cell's kind or length refuses changes nothing and is
  // not offered to the grid's paste events.
  if (!HasText || !edit_filter::Filter_Paste(Clip, state, rules).Taken) return;
  bool allow = true;
  if (g.OnClipboardPaste) g.OnClipboardPaste(&g, allow);
  if (!allow) return;
  QString value = Clip;
  if (g.OnClipboardBeforePasteCell) g.OnClipboardBeforePasteCell(&g, g.Col(), g.Row(), value, allow);
  if (!allow) return;
  const edit_filter::Paste_Result pasted = edit_filter::Filter_Paste(value, state, rules);
  if (!pasted.Taken) return;
  setText(pasted.State.Text);
  g.WriteCurrentCell(text());
  // The pasted part stays selected.
  const int pasted_length = int(pasted.State.Text.size() - state.Text.size() + state.Sel_Length);
  if (pasted_length > 0)
    setSelection(state.Sel_Start, pasted_length);
  else
    setCursorPosition(state.Sel_Start);
}

void TGridEditBtn::mouseDoubleClickEvent(QMouseEvent* e) {
  TZsgEditBtn::mouseDoubleClickEvent(e);
  TZadIrururOziz& g = *FGrid;
  if (g.OnDblClickCell) g.OnDblClickCell(&g, g.Row(), g.Col());
}

void TGridEditBtn::mouseReleaseEvent(QMouseEvent* e) {
  // The selection paste of the middle button would pass by the rules.
  if (e->button() == Qt::MiddleButton) return;
  TZsgEditBtn::mouseReleaseEvent(e);
}

void TGridEditBtn::contextMenuEvent(QContextMenuEvent* e) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
    paste->disconnect();
    paste->setEnabled(EditorEnabled() && !isReadOnly() && QApplication::clipboard()->mimeData() &&
                      QApplication::clipboard()->mimeData()->hasText());
    connect(paste, &QAction::triggered, this, [this] { PasteText(QApplication::clipboard()->text()); });
  }
  menu->popup(e->globalPos());
}

void TGridEditBtn::focusOutEvent(QFocusEvent* e) {
  // Hiding the editor moves the focus too; that is the end of an edit
  // already under way.
  if (isVisible() && Ends_Edit(e)) FGrid->HideInplaceEdit();
  TZsgEditBtn::focusOutEvent(e);
}
