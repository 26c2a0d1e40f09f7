#include "grid/edit/grid_combo.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QWheelEvent>

#include "controls/editors/combo_list_popup.h"
#include "grid/edit/combo_drop_width.h"
#include "grid/edit/grid_cell_walk.h"
#include "grid/edit/grid_edit_access.h"
#include "grid/edit/grid_editor_keys.h"

using Access = Grid_Edit_Access;

namespace {

bool Is_Enter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

TGridCombo::TGridCombo(TZadIrururOziz* AOwner) : TZsgComboBox(AOwner->viewport()), FGrid(AOwner) {
  SetButtonWidth(16);
  // Completion of typed text is the grid's (Lookup); a pick list keeps its
  // type-ahead.
  SetAutoComplete(false);
  hide();
  setEnabled(false);
  OnChange = [this](QObject*) {
    TZadIrururOziz& g = *FGrid;
    if (!Access::No_Edit_Change(g) && g.OnEditChange) g.OnEditChange(&g, g.Col(), g.Row(), Text());
  };
  Hook_Parts();
}

void TGridCombo::SetStyle(TComboBoxStyle Value) {
  TZsgComboBox::SetStyle(Value);
  SetAutoComplete(Value == csDropDownList);
  Hook_Parts();
}

void TGridCombo::Hook_Parts() {
  // Installed after the combo's own filter, so the grid hears the keys
  // first.
  if (QLineEdit* edit = EditPart(); edit && edit != FHookedEdit) {
    edit->installEventFilter(this);
    FHookedEdit = edit;
  }
  if (QListWidget* list = Popup()->List(); list != FHookedList) {
    list->installEventFilter(this);
    FHookedList = list;
  }
}

bool TGridCombo::event(QEvent* e) {
  Hook_Parts();
  if (!EditPart() && Is_Kept_Tab_Press(e, [this] { return FGrid->WantsTabKey(); })) {
    keyPressEvent(static_cast<QKeyEvent*>(e));
    return true;
  }
  return TZsgComboBox::event(e);
}

bool TGridCombo::eventFilter(QObject* watched, QEvent* event) {
  // qobject_cast: a line edit being destroyed still sends events here and is
  // no longer a QLineEdit by then.
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (edit && watched == FHookedEdit && watched == EditPart() && !FForwarding) {
    switch (event->type()) {
      case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && !FGrid->WantsTabKey()) break;
        FCaretKeyDown = edit->cursorPosition();
        FSelectionKeyDown = edit->hasSelectedText();
        Qt::KeyboardModifiers shift = key->modifiers();
        int k = key->key();
        if (k == Qt::Key_Backtab) {
          k = Qt::Key_Tab;
          shift |= Qt::ShiftModifier;
        }
        if (Key_Down(k, shift)) return true;
        const QString typed = key->text();
        if (!typed.isEmpty() && Key_Press(typed[0])) return true;
        const int old = ItemIndex();
        FForwarding = true;
        QCoreApplication::sendEvent(edit, event);
        FForwarding = false;
        Item_Changed(old);
        return true;
      }
      case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        Key_Up(key->key(), key->modifiers());
        return false;
      }
      case QEvent::FocusIn:
        QMetaObject::invokeMethod(
            this, [this] { Focus_Gained(); }, Qt::QueuedConnection);
        break;
      case QEvent::FocusOut: {
        auto* focus = static_cast<QFocusEvent*>(event);
        if (!Popup()->isVisible() && Ends_Edit(focus)) Exit_Edit();
        break;
      }
      default:
        break;
    }
  } else if (watched == FHookedList && event->type() == QEvent::KeyPress && DroppedDown()) {
    // With the list open, Left, Right and Tab still end the edit.
    auto* key = static_cast<QKeyEvent*>(event);
    const int k = key->key();
    if (k == Qt::Key_Left || k == Qt::Key_Right ||
        ((k == Qt::Key_Tab || k == Qt::Key_Backtab) && FGrid->WantsTabKey())) {
      Qt::KeyboardModifiers shift = key->modifiers();
      Popup()->hide();
      const int down = k == Qt::Key_Backtab ? int(Qt::Key_Tab) : k;
      if (k == Qt::Key_Backtab) shift |= Qt::ShiftModifier;
      // The list is closed now; the keys act as on an open list.
      Forced = true;
      Key_Down(down, shift);
      return true;
    }
  }
  return TZsgComboBox::eventFilter(watched, event);
}

void TGridCombo::keyPressEvent(QKeyEvent* e) {
  if (FForwarding) return TZsgComboBox::keyPressEvent(e);
  Qt::KeyboardModifiers shift = e->modifiers();
  int k = e->key();
  Fold_Backtab(k, shift);
  if (Key_Down(k, shift)) return e->accept();
  if (!e->text().isEmpty() && Key_Press(e->text()[0])) return e->accept();
  const int old = ItemIndex();
  FForwarding = true;
  TZsgComboBox::keyPressEvent(e);
  FForwarding = false;
  Item_Changed(old);
}

void TGridCombo::keyReleaseEvent(QKeyEvent* e) {
  TZsgComboBox::keyReleaseEvent(e);
  if (!EditPart()) Key_Up(e->key(), e->modifiers());
}

bool TGridCombo::Store_And_Validate(bool SelectAllRefused) {
  TZadIrururOziz& g = *FGrid;
  g.SetCurrentCell(Text());
  if (g.ValidateCell(Text())) return true;
  SetText(Access::New_Cell_Text(g));
  if (QLineEdit* edit = EditPart()) {
    if (SelectAllRefused)
      edit->selectAll();
    else
      edit->setCursorPosition(int(edit->text().size()));
  }
  update();
  return false;
}

void TGridCombo::Take_Cell_Text() {
  const QString text = FGrid->CurrentCell();
  if (Style() == csDropDownList)
    SelectItem(text);
  else
    SetText(text);
}

bool TGridCombo::Key_Down(int Key, Qt::KeyboardModifiers Shift) {
  TZadIrururOziz& g = *FGrid;
  TNavigation& nav = g.Navigation();
  const bool forced = Forced;
  Forced = false;
  const bool list = Style() == csDropDownList || DroppedDown() || forced;
  bool grid_key = false;
  switch (Key) {
    case Qt::Key_Tab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      grid_key = true;
      break;
    case Qt::Key_Left:
    case Qt::Key_Right:
      grid_key = list;
      break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
      grid_key = !list;
      break;
    default:
      break;
  }
  WorkMode = Key != Qt::Key_Backspace && Key != Qt::Key_Delete;
  const bool alt = Shift & Qt::AltModifier;
  if ((Key == Qt::Key_Up || Key == Qt::Key_Down) && !alt && !DroppedDown() && !nav.ComboGetUpDown()) {
    g.HideInplaceEdit();
    const bool always_edit = nav.AlwaysEdit();
    nav.SetAlwaysEdit(false);
    g.setFocus();
    Access::Send_Key(g, QEvent::KeyPress, Key, Shift);
    nav.SetAlwaysEdit(always_edit);
    return true;
  }
  // Alt+Down opens the list.
  if (Key == Qt::Key_Down && alt) grid_key = false;
  if (!grid_key) return false;

  if (Key == Qt::Key_Escape) {
    const QString text = g.CurrentCell();
    SetText(text);
    SelectItem(text);
    // A pick list cannot show a text that is none of its items: the cell
    // keeps its text instead of taking the list's.
    Access::Escaped(g) = true;
    g.HideInplaceEdit();
    g.setFocus();
    return true;
  }
  if (Is_Enter(Key) || Key == Qt::Key_Up || Key == Qt::Key_Down) {
    if (!Store_And_Validate(Style() == csDropDown)) {
      Access::No_Auto_Advance(g) = true;
      return true;
    }
    Take_Cell_Text();
    // The key-press stage still hears Enter.
    if (Is_Enter(Key) && OnReturnKey) OnReturnKey(this);
  }
  if (Key == Qt::Key_Tab && g.WantsTabKey()) {
    if (!Store_And_Validate(false)) return true;
    Take_Cell_Text();
    g.HideInplaceEdit();
    if (g.Options() & goTabs) {
      g.setFocus();
      g.TabAdvance(Shift & Qt::ShiftModifier);
    } else {
      Access::Post_Key(g, Qt::Key_Tab, Shift);
    }
    return true;
  }
  if (list) {
    TMouseActions& ma = g.MouseActions();
    const bool direct_close = ma.DirectComboClose();
    ma.SetDirectComboClose(false);
    g.HideInplaceEdit();
    ma.SetDirectComboClose(direct_close);
    if (Key == Qt::Key_Left || Key == Qt::Key_Right) {
      g.setFocus();
      Access::Send_Key(g, QEvent::KeyPress, Key, Shift);
      return true;
    }
    if (Key == Qt::Key_PageUp || Key == Qt::Key_PageDown || Key == Qt::Key_Up || Key == Qt::Key_Down) return true;
  } else if (Key == Qt::Key_End) {
    return false;
  }
  g.DoneInplaceEdit(Key, Shift);
  const TNavigation& after = g.Navigation();
  if (Key != Qt::Key_Escape && after.AdvanceOnEnter() && after.AdvanceAutoEdit() && !g.EditMode()) g.ShowInplaceEdit();
  return true;
}

bool TGridCombo::Key_Press(QChar Ch) {
  TZadIrururOziz& g = *FGrid;
  if (Ch.unicode() == 0) return false;
  if (g.OnKeyPress) g.OnKeyPress(&g, Ch);
  if (Ch == QChar(27)) return true;
  if (Ch == QChar(13)) {
    if (OnReturnKey) OnReturnKey(this);
    return true;
  }
  return Ch == QChar(9);
}

void TGridCombo::Item_Changed(int Old) {
  if (ItemIndex() != Old) Fire_Item_Events();
}

void TGridCombo::Fire_Item_Events() {
  TZadIrururOziz& g = *FGrid;
  const int c = g.RealColIndex(g.Col()), r = g.Row();
  if (g.OnComboChange) g.OnComboChange(&g, c, r, ItemIndex(), Text());
  if (g.OnComboObjectChange) g.OnComboObjectChange(&g, c, r, ItemIndex(), Text(), Items().Objects(ItemIndex()));
}

void TGridCombo::Key_Up(int Key, Qt::KeyboardModifiers Shift) {
  TZadIrururOziz& g = *FGrid;
  QLineEdit* edit = EditPart();
  if (Style() == csDropDown && edit && g.Navigation().CursorWalkEditor() && !(Shift & Qt::ShiftModifier) &&
      !FSelectionKeyDown) {
    // The caret stood at the edge when the key went down: one more step
    // walks into the neighbour cell.
    if (Key == Qt::Key_Left && FCaretKeyDown == 0) return Walk(true);
    if (Key == Qt::Key_Right && FCaretKeyDown == edit->text().size()) return Walk(false);
  }
  Access::No_Auto_Advance(g) = false;
  if (WorkMode && g.Lookup()) DoAutoComplete();
}

void TGridCombo::Walk(bool Left) {
  Walk_To_Neighbour(*FGrid, Left, [this] { return Store_And_Validate(true); });
}

void TGridCombo::DoAutoComplete() {
  TZadIrururOziz& g = *FGrid;
  QLineEdit* edit = EditPart();
  if (!edit) return;
  const int caret = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  const QString prefix = edit->text().left(caret);
  if (prefix.isEmpty()) return;
  const Qt::CaseSensitivity cs = g.LookupCaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
  auto complete = [&](const QString& item) {
    const QString text = prefix + item.mid(prefix.size()).left(255);
    edit->setText(text);
    edit->setSelection(int(prefix.size()), int(text.size() - prefix.size()));
    ItemChange = true;
  };
  for (int i = 0; i < Items().Count(); ++i) {
    if (!Items().Strings(i).startsWith(prefix, cs)) continue;
    const QString item = Items().Strings(i);
    SetItemIndex(i);
    complete(item);
    ItemIdx = i;
    return;
  }
  for (int i = 0; i < g.LookupItems().size(); ++i) {
    if (!g.LookupItems()[i].startsWith(prefix, cs)) continue;
    complete(g.LookupItems()[i]);
    ItemIdx = i;
    return;
  }
}

void TGridCombo::wheelEvent(QWheelEvent* e) {
  TZadIrururOziz& g = *FGrid;
  const int delta = e->angleDelta().y();
  if (delta == 0 || Items().Count() == 0) return e->accept();
  const int index = delta < 0 ? std::min(ItemIndex() + 1, Items().Count() - 1) : std::max(ItemIndex() - 1, 0);
  SetItemIndex(index);
  const int c = g.RealColIndex(g.Col()), r = g.Row();
  if (g.OnEditChange) g.OnEditChange(&g, c, r, Items().Strings(index));
  Fire_Item_Events();
  e->accept();
}

void TGridCombo::SizeDropDownWidth() {
  const QFontMetrics metrics(FGrid->font());
  std::vector<int> widths;
  for (int i = 0; i < Items().Count(); ++i) widths.push_back(metrics.horizontalAdvance(Items().Strings(i)));
  SetDropWidth(edit_filter::Combo_Drop_Down_Width(width(), widths, Items().Count() > DropDownCount()));
}

void TGridCombo::focusInEvent(QFocusEvent* e) {
  TZsgComboBox::focusInEvent(e);
  if (!EditPart()) Focus_Gained();
}

void TGridCombo::Focus_Gained() {
  TZadIrururOziz& g = *FGrid;
  QLineEdit* edit = EditPart();
  if (Style() != csDropDown || !edit) return;
  if (!g.Navigation().EditSelectAll()) edit->setCursorPosition(int(edit->text().size()));
  if (Access::Mouse_Started(g)) {
    edit->deselect();
    edit->setCursorPosition(edit->cursorPositionAt(edit->mapFromGlobal(QCursor::pos())));
    Access::Mouse_Started(g) = false;
  }
}

void TGridCombo::focusOutEvent(QFocusEvent* e) {
  TZsgComboBox::focusOutEvent(e);
  if (!EditPart() && !Popup()->isVisible() && Ends_Edit(e)) Exit_Edit();
}

void TGridCombo::Exit_Edit() {
  TZadIrururOziz& g = *FGrid;
  // Hiding the editor moves the focus too; that is the end of an edit
  // already under way.
  if (!isVisible()) return;
  if (g.LookupHistory() && !Text().isEmpty() && Items().IndexOf(Text()) < 0) Items().Add(Text());
  g.HideInplaceEdit();
}
