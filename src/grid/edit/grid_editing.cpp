// In-place editing of TZadIrururOziz: which editor a cell opens and whether
// it may open, showing, hiding and ending the editor, the check that
// switches editing on and off as the current cell moves, and validation of
// an edited value.
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>

#include "grid/check/zad_irurur_oziz_check.h"
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/edit_char_filter.h"
#include "grid/edit/zad_inplace_edit.h"
#include "grid/store/text_helpers.h"
#include "grid/undo/zad_grid_undo_redo.h"
#include "grid/windows/balloon_window.h"

// ---- the current cell's text

QString TZadIrururOziz::Base_Cell_Text(int ACol, int ARow) {
  const QPoint base = BaseCell(RealColIndex(ACol), ARow);
  return GetGridCell(base.x(), base.y());
}

QString TZadIrururOziz::Raw_Current_Text() { return Base_Cell_Text(Col(), Row()); }

void TZadIrururOziz::Store_Current_Text(const QString& Text) { SetCellEx(RealColIndex(Col()), Row(), Text); }

// ---- editability

bool TZadIrururOziz::IsEditable(int ACol, int ARow) {
  if (!((Options() & goEditing) || FMouseActions->RangeSelectAndEdit() || FEditDisable)) return false;
  return CanEditBaseCell(ACol, ARow);
}

bool TZadIrururOziz::Editable_As_Range_Edit(int ACol, int ARow) {
  // Asked as a range-select-and-edit grid would be, whose editing is on
  // wherever a cell allows it.
  const bool range_edit = FMouseActions->RangeSelectAndEdit();
  FMouseActions->SetRangeSelectAndEdit(true);
  const bool editable = IsEditable(ACol, ARow);
  FMouseActions->SetRangeSelectAndEdit(range_edit);
  return editable;
}

bool TZadIrururOziz::CanEditBaseCell(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return false;
  const QPoint base = BaseCell(RealColIndex(ACol), ARow);
  bool editable = true;
  CheckCellEditable(base.x(), base.y(), editable);
  // The fixed-cell question names the column as it shows.
  bool fixed = false;
  DoIsFixedCell(DisplColIndex(base.x()), base.y(), fixed);
  return editable && !fixed;
}

bool TZadIrururOziz::WantsTabKey() const { return (Options() & goTabs) || OnCellValidate; }

TZadInplaceEdit* TZadIrururOziz::NormalEdit() const { return qobject_cast<TZadInplaceEdit*>(InplaceEditor()); }

// ---- showing and hiding

bool TZadIrururOziz::CanShowEditor() {
  if (FValidating) return false;
  if (!TBaseGrid::CanShowEditor()) return false;
  const QPoint base = BaseCell(RealColIndex(Col()), Row());
  if (!FEditMode) {
    if (HasCellControl(base.x(), base.y())) return false;
    // The grid switches editing per cell as the current cell moves; a cell
    // that became current otherwise is checked here as well.
    if (!CanEditBaseCell(Col(), Row())) return false;
    FNoEditChange = true;
    FCellCache = Raw_Current_Text();
    // The only query that decides which editor opens: a cell's stored
    // editor property is not consulted.
    EditControl = FDefaultEditor;
    DoGetEditorType(base.x(), base.y(), EditControl);
    if (EditControl == edNone) {
      FNoEditChange = false;
      return false;
    }
    FEditMode = true;
    if (edit_filter::Is_Text_Editor(EditControl)) {
      FShowEditProcess = true;
    } else {
      FNoEditChange = false;
      FSpecialEditor = true;
      PrepareCellEditor(DisplColIndex(base.x()), base.y());
      FSpecialEditor = false;
      FEntered = true;
      return false;
    }
  }
  FEntered = true;
  FEditing = true;
  RememberOldCell(Col(), Row());
  if (FFocusHelper->Enabled()) ShowFocusHelper(CellRect(Col(), Row()));
  return true;
}

QWidget* TZadIrururOziz::CreateEditor() { return new TZadInplaceEdit(this); }

void TZadIrururOziz::Fill_Editor(QWidget* editor) {
  if (auto* edit = qobject_cast<TZadInplaceEdit*>(editor)) {
    edit->UpdateContents();
    FShowEditProcess = false;
    FNoEditChange = false;
  } else {
    TBaseGrid::Fill_Editor(editor);
  }
}

void TZadIrururOziz::Start_Editor_With(const QString& text) {
  if (text.isEmpty()) return;
  SetStartEditChar(text[0]);
  ShowEditor();
  // The typed character reaches the editor through its filter, as if typed
  // into it.
  if (TZadInplaceEdit* edit = NormalEdit(); edit && EditorMode())
    for (QChar ch : text) edit->TypeChar(ch);
  SetStartEditChar(QChar());
}

void TZadIrururOziz::ShowInplaceEdit() {
  if (HasCellControl(RealColIndex(Col()), Row())) return;
  if (Row() < TopRow()) SetTopRow(Row());
  if (Col() < LeftCol()) SetLeftCol(Col());
  ShowEditor();
}

void TZadIrururOziz::HideInplaceEdit() {
  if (!FEditMode) return;
  if (EditorMode()) {
    UpdateEditorText();
    HideEditor();
  }
  StoreCellEditorValue(Col(), Row());
  FEditMode = false;
  CanSelectCell(Col(), Row());
}

void TZadIrururOziz::NotifyEditingDone(int ACol, int ARow) {
  if (OnEditingDone) OnEditingDone(this);
  FEditMode = false;
  PostEditDone(ACol, ARow);
}

void TZadIrururOziz::DoneInplaceEdit(int Key, Qt::KeyboardModifiers Shift) {
  FBlockFocus = true;
  FEditing = false;
  HideInplaceEdit();
  if (FNavigation->AppendOnArrowDown() && Key == Qt::Key_Down && IsLastDataRow()) AutoAppendRow();
  switch (Key) {
    case Qt::Key_Tab:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
      HandleKeyDown(Key, Shift);
      break;
    default:
      break;
  }
  const bool always_edit = FNavigation->AlwaysEdit();
  FNavigation->SetAlwaysEdit(false);
  setFocus();
  if (Key == Qt::Key_Return || Key == Qt::Key_Enter) AdvanceToNextCell(!(Shift & Qt::ShiftModifier));
  FNavigation->SetAlwaysEdit(always_edit);
  FBlockFocus = false;
}

void TZadIrururOziz::ShowCellEdit() {
  QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
  keyPressEvent(&f2);
}

// ---- the cell-selection check

bool TZadIrururOziz::Footer_Refuses(int ACol, int ARow) {
  const int panel = SearchPanelHeight();
  const int search = panel > 0 ? panel + 2 : 0;
  if (FFloatingFooter && FFloatingFooter->Visible()) {
    const int limit = ClientHeight() - FFloatingFooter->Height() - search + 2;
    if (FFloatingFooter->FooterStyle() == fsFixedLastRow) {
      if (ARow >= TopRow() + VisibleRowCount()) SetTopRow(ARow - VisibleRowCount() + FixedRows());
      if (UnclippedCellRect(ACol, ARow).Bottom > limit && ARow < RowCount() - 1) SetTopRow(TopRow() + 1);
      // The footer covers the last row.
      if (ARow == RowCount() - 1) return true;
    } else {
      InvalidateGrid();
      if (UnclippedCellRect(ACol, ARow).Bottom > limit && ARow < RowCount()) SetTopRow(TopRow() + 1);
    }
  }
  if (panel > 0 && ARow < RowCount()) Scroll_Above(ACol, ARow, ClientHeight() - panel + 2);
  return false;
}

void TZadIrururOziz::Switch_Editing_For(int ACol, int ARow, QString& Text) {
  const int rc = RealColIndex(ACol);
  auto reread = [&] { Text = Base_Cell_Text(ACol, ARow); };
  const bool option_on = (Options() & goEditing) || FMouseActions->RangeSelectAndEdit();
  if (HasCellControl(rc, ARow)) {
    bool editable = true;
    CheckCellEditable(rc, ARow, editable);
    if (!FEditDisable) FEditDisable = !editable && option_on;
    if (!(Options() & goEditing) && !(Options() & goRowSelect) && editable) {
      FEditChange = true;
      Set_Editing_Option(true);
    }
    return;
  }
  const bool start = (Options() & goEditing) || FEditDisable;
  bool editable = start;
  CheckCellEditable(rc, ARow, editable);
  // The per-cell answer may only take editing away here, never grant it
  // to a grid whose editing is off.
  editable = editable && start;
  if (editable && FMouseActions->DirectEdit()) {
    EditControl = FDefaultEditor;
    if (IsEditorNone(rc, ARow)) editable = false;
  }
  if (FMouseActions->EditOnDblClickOnly()) editable = false;
  if (editable) {
    FEditDisable = false;
    if (!(Options() & goEditing)) {
      FEditChange = true;
      if (!FEditMode) RememberOldCell(ACol, ARow);
      TGridOptions options = Options();
      if ((options & goRowSelect) && FMouseActions->RangeSelectAndEdit()) SetOptions(options & ~goRowSelect);
      Set_Editing_Option(true);
    }
    if (FEditMode) {
      HideInplaceEdit();
      reread();
    }
  } else {
    if (FEditMode) {
      HideInplaceEdit();
      reread();
    }
    if (Options() & goEditing) {
      FEditMode = false;
      FEditDisable = true;
      FEditChange = true;
      Set_Editing_Option(false);
    }
  }
}

bool TZadIrururOziz::CanSelectCell(int ACol, int ARow) {
  if (FForceSel) return true;
  if (Destroying()) return true;
  if (Footer_Refuses(ACol, ARow)) return false;
  if (ACol < 0 || ARow < 0) return false;
  const int rc = RealColIndex(ACol);
  if (IsMergedNonBaseCell(rc, ARow) && !(Options() & goRangeSelect)) {
    const QPoint base = BaseCell(rc, ARow);
    const int base_col = DisplColIndex(base.x());
    FocusCell(base_col, base.y());
    RepaintCell(base_col, base.y());
    if (FMouseActions->DirectEdit() || (FControlLook.DropDownAlwaysVisible() && DoHasComboBox(rc, ARow))) ShowEditor();
    return false;
  }
  if (HasNodes() && ACol == 0 && !(Options() & goRowSelect)) return false;
  if (FUseEnabledRows && FNavigation->SkipDisabledRows() && !RowEnabled(ARow)) return false;

  const int old_col = Col(), old_row = Row();
  const bool moving = ACol != old_col || ARow != old_row;
  // Leaving a cell whose text is being edited: the value must pass first,
  // a refused one keeps the editor open on its cell.
  if (moving && FEditMode && EditorMode() && NormalEdit() && OnCellValidate) {
    TZadInplaceEdit* edit = NormalEdit();
    if (!ValidateCell(edit->text())) {
      edit->setText(FNewCellText);
      edit->selectAll();
      return false;
    }
    edit->setText(FNewCellText);
  }
  QString text = Base_Cell_Text(ACol, ARow);
  const bool editor_focused = NormalEdit() && NormalEdit()->hasFocus();
  Switch_Editing_For(ACol, ARow, text);

  bool allow = true;
  bool result = false;
  if (!FEditMode || editor_focused) {
    DoCellChanging(ACol, ARow, allow);
    if (IsFixed(ACol, ARow) || !allow)
      result = (allow && (Options() & goRowSelect)) || (FixedRowAlways() && RowCount() == FixedRows());
    else
      result = TBaseGrid::SelectCell(ACol, ARow);
  } else {
    const QString kept = FCellCache;
    const bool valid = ValidateCell(Raw_Current_Text());
    DoCellChanging(ACol, ARow, allow);
    result = allow && valid && TBaseGrid::SelectCell(ACol, ARow);
    if (!result) text = kept;
  }
  if (FISelect) FISelect->CellSelecting(old_col, ARow);
  if (result) RepaintActiveCellHeaders(old_col, old_row, ACol, ARow);
  if (ActiveRowShow()) {
    RepaintRow(ARow);
    RepaintRow(old_row);
  }
  if (FPaintLook.SelectionRectangle) InvalidateGrid();
  if (OnGetCellBorder) InvalidateGrid();
  FCellCache = text;
  return result;
}

void TZadIrururOziz::DoCellChanging(int ACol, int ARow, bool& Allow) {
  if (ARow != Row() && OnRowChanging) OnRowChanging(this, Row(), ARow, Allow);
  if (ACol != Col() && OnColChanging) OnColChanging(this, Col(), ACol, Allow);
  if ((ACol != Col() || ARow != Row()) && !FDisableChange && OnCellChanging)
    OnCellChanging(this, Row(), Col(), ARow, ACol, Allow);
}

void TZadIrururOziz::RestoreEditedCell() { Store_Current_Text(FCellCache); }

// ---- validation

void TZadIrururOziz::RememberOldCell(int ACol, int ARow) {
  FOldCol = ACol;
  FOldRow = ARow;
  FOldModifiedValue = FGridModified;
  if (ACol < 0 || ARow < 0 || ARow >= RowCount()) return;
  FOldCellText = Base_Cell_Text(ACol, ARow);
  FOldCellTextWide = grid_text::DecodeWideCellText(FOldCellText);
}

void TZadIrururOziz::Reopen_Refused_Edit(int c, int r, const QString& Text) {
  FLastValidation = false;
  const bool moved = Col() != FOldCol || Row() != r;
  if (moved && EditorMode()) HideEditor();
  SetCellEx(c, r, Text);
  if (moved) {
    // Back to the cell the value belongs to, the anchor with it, in view.
    const bool forced = FForceSel;
    FForceSel = true;
    FocusCell(FOldCol, r);
    FForceSel = forced;
    if (r < TopRow()) SetTopRow(r);
    if (FOldCol < LeftCol()) SetLeftCol(FOldCol);
  }
  FValidating = false;
  FEditing = true;
  // The editor that was closed on the way opens again with the cell's text.
  if (!EditorMode() && edit_filter::Is_Text_Editor(EditControl)) {
    FEditMode = true;
    ShowEditor();
    FEditing = true;
  } else if (moved && InplaceEditor()) {
    InplaceEditor()->update();
  }
  FGridModified = FOldModifiedValue;
}

void TZadIrururOziz::Show_Invalid_Entry_Balloon() {
  if (FInvalidEntryTitle.isEmpty() && FInvalidEntryText.isEmpty()) return;
  // On the editor in use: the focused one of the grid's editors (the inner
  // edit of an editable combo box), else the text editor.
  QWidget* editor = QApplication::focusWidget();
  for (QWidget* w = editor; w && editor; w = w->parentWidget())
    if (w == this)
      break;
    else if (!w->parentWidget())
      editor = nullptr;
  if (!editor || editor == this || editor == viewport()) editor = InplaceEditor();
  if (!editor) return;
  if (!FEntryBalloon || FEntryBalloon->parentWidget() != this || FEntryBalloonTool != editor) {
    delete FEntryBalloon;
    FEntryBalloon = new TBalloonWindow(this, editor);
    FEntryBalloonTool = editor;
  }
  const QString title = FInvalidEntryTitle,
                text = FInvalidEntryText.isEmpty() ? QStringLiteral(" ") : FInvalidEntryText;
  const int icon = int(FInvalidEntryIcon);
  // Shown once, under the editor; resting the mouse on it brings no other.
  auto armed = std::make_shared<bool>(true);
  FEntryBalloon->OnGetTip = [title, text, icon, armed](QPoint, QString& Title, QString& Text, int& Icon) {
    if (!*armed) return false;
    Title = title;
    Text = text;
    Icon = icon;
    return true;
  };
  FEntryBalloon->SetTitle(title, icon);
  FEntryBalloon->Popup(QPoint(std::min(26, editor->width()), editor->height() - 14));
  *armed = false;
}

bool TZadIrururOziz::ValidateCell(const QString& NewValue) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  bool valid = true;
  const int c = RealColIndex(FOldCol), r = FOldRow;
  FNewCellText = NewValue;
  struct Done {
    TZadIrururOziz* g;
    ~Done() {
      g->RememberOldCell(g->Col(), g->Row());
      g->FValidating = false;
    }
  };
  {
    const Done done{this};
    if (NewValue != FOldCellText || FAlwaysValidate) {
      const bool changed = NewValue != FOldCellText;
      // A handler that moves the current cell must not trigger the advance.
      const bool advance = FNavigation->AdvanceOnEnter();
      FNavigation->SetAdvanceOnEnter(false);
      struct Restore_Advance {
        TNavigation* n;
        bool v;
        ~Restore_Advance() { n->SetAdvanceOnEnter(v); }
      } restore{FNavigation.get(), advance};
      QString text = NewValue;
      TZadIrururOzizCheck* checker = FCellChecker.data();
      if (checker && checker->AutoCorrect()) text = checker->Correct(c, r, text);
      if (OnCellValidate) OnCellValidate(this, c, r, text, valid);
      // Only a value that is stored marks the row; a refused one leaves the
      // flags as they were.
      if (valid && text != FOldCellText) {
        FGridModified = true;
        if (FixedCols() > 0) {
          SetRowModified(RealRowIndex(Row()), true);
          if (FShowModifiedEnabled) RepaintCell(0, Row());
        }
      }
      // The handler may have let the checker go.
      checker = FCellChecker.data();
      if (checker && checker->AutoMarkError()) text = checker->MarkError(c, r, text);
      if (valid && UndoRedo() && text != FOldCellText) UndoRedo()->RegisterChange(c, r, FOldCellText, text);
      if (valid && changed) DoCellsChanged(TGridRect{c, r, c, r});
      FNewCellText = text;
      if (valid) {
        // A cell of a merged block stores into the block's base cell.
        SetCellEx(c, r, text);
        const QPoint base = BaseCell(c, r);
        if (base != QPoint(c, r)) SetCellEx(base.x(), base.y(), text);
        // The footer column follows what is stored now.
        RecalcFooterColumn(c, r);
      } else {
        // The cell keeps what it held before editing, or what the handler
        // made of the value; the editor opens there again.
        Reopen_Refused_Edit(c, r, text != NewValue ? text : FOldCellText);
        Show_Invalid_Entry_Balloon();
      }
      const QPoint base = BaseCell(c, r);
      FOldCellText = GetGridCell(base.x(), base.y());
    }
  }
  if (valid && FocusHelperGrid() == this) HideFocusHelper();
  // RememberOldCell cleared nothing of the refused edit: the editor stays.
  if (!valid) FEditing = true;
  return valid;
}

bool TZadIrururOziz::ValidateCellWide(const QString& NewValue) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  bool valid = true;
  const int c = RealColIndex(FOldCol), r = FOldRow;
  FNewCellText = NewValue;
  struct Done {
    TZadIrururOziz* g;
    ~Done() {
      g->RememberOldCell(g->Col(), g->Row());
      g->FValidating = false;
    }
  };
  {
    const Done done{this};
    if (NewValue != FOldCellTextWide || FAlwaysValidate) {
      const bool changed = NewValue != FOldCellTextWide;
      const bool advance = FNavigation->AdvanceOnEnter();
      FNavigation->SetAdvanceOnEnter(false);
      struct Restore_Advance {
        TNavigation* n;
        bool v;
        ~Restore_Advance() { n->SetAdvanceOnEnter(v); }
      } restore{FNavigation.get(), advance};
      QString text = NewValue;
      if (OnCellValidateWide) OnCellValidateWide(this, c, r, text, valid);
      if (valid && changed) {
        FGridModified = true;
        if (FShowModifiedEnabled && FixedCols() > 0) {
          SetRowModified(r, true);
          RepaintCell(0, r);
        }
      }
      if (valid && changed) DoCellsChanged(TGridRect{c, r, c, r});
      FNewCellText = text;
      if (valid)
        SetCellEx(c, r, text);
      else
        Reopen_Refused_Edit(c, r, text != NewValue ? text : FOldCellTextWide);
      // Whatever the outcome, the footer column follows the stored text.
      RecalcFooterColumn(c, r);
      FOldCellTextWide = grid_text::DecodeWideCellText(GetGridCell(c, r));
    }
  }
  if (!valid) FEditing = true;
  return valid;
}
