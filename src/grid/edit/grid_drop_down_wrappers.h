#pragma once
// The grid's drop-down editors: each drop-down control wrapped with the
// grid's keys. Tab, Enter, Escape, the page keys, End, Up and Down end the
// edit (the value stored and validated; a refused value stays in the
// editor with the grid's answer), Escape puts the cell's text back and
// leaves the cell as it was, Alt+Down opens the popup; typed characters
// reach the grid's key-press event first, every change its edit-change
// event; leaving the control ends the edit. The wrappers differ only in
// the details TGridDropDownOf's virtual steps give.
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>

#include "dropdowns/base/zad_custom_item_selector.h"
#include "dropdowns/calculator/zad_calculator_dropdown.h"
#include "dropdowns/colorpicker/zad_color_picker_drop_down.h"
#include "dropdowns/detail/zad_detail_drop_down.h"
#include "dropdowns/imagepicker/zad_image_picker_drop_down.h"
#include "dropdowns/memo/zad_memo_drop_down.h"
#include "dropdowns/multicolumn/zad_multi_column_drop_down.h"
#include "dropdowns/timepicker/zad_time_picker_drop_down.h"
#include "dropdowns/trackbar/zad_track_bar_drop_down.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/grid_edit_access.h"
#include "grid/edit/grid_editor_keys.h"

template <class Base>
class TGridDropDownOf : public Base {
 public:
  explicit TGridDropDownOf(TZadIrururOziz* AOwner) : Base(AOwner->viewport()), FGrid(AOwner) {
    this->hide();
    this->setEnabled(false);
    this->OnChange = [this](TZadCustomDropDown*) { Changed(); };
  }

  bool Forced = false;
  bool WorkMode = true;
  TZadIrururOziz* FGrid;

 protected:
  // Whether the grid handles Key (given the popup's state).
  virtual bool Is_Grid_Key(int Key, Qt::KeyboardModifiers Shift) const {
    if (Key == Qt::Key_Down && (Shift & Qt::AltModifier)) return false;
    switch (Key) {
      case Qt::Key_Tab:
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Escape:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
      case Qt::Key_End:
      case Qt::Key_Up:
      case Qt::Key_Down:
        return true;
      default:
        return false;
    }
  }
  // The text stored into the cell and validated.
  virtual QString Cell_Text() const { return this->Text(); }
  // Run before the text is stored for Enter, Up and Down.
  virtual void Before_Store(int Key) { (void)Key; }
  // Whether a click that started the edit places the caret.
  virtual bool Places_Caret() const { return false; }
  // Whether Enter and Escape are the control's before any shortcut.
  virtual bool Wants_Enter_Escape() const { return false; }
  // The change of the control's value.
  virtual void Changed() {
    TZadIrururOziz& g = *FGrid;
    if (!Grid_Edit_Access::No_Edit_Change(g) && g.OnEditChange) g.OnEditChange(&g, g.Col(), g.Row(), this->Text());
  }

  bool event(QEvent* e) override {
    if (Is_Kept_Tab_Press(e, [this] { return FGrid->WantsTabKey(); })) {
      keyPressEvent(static_cast<QKeyEvent*>(e));
      return true;
    }
    if (e->type() == QEvent::ShortcutOverride && Wants_Enter_Escape()) {
      const int key = static_cast<QKeyEvent*>(e)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        e->accept();
        return true;
      }
    }
    return Base::event(e);
  }

  void keyPressEvent(QKeyEvent* e) override {
    int key = e->key();
    Qt::KeyboardModifiers shift = e->modifiers();
    Fold_Backtab(key, shift);
    Forced = false;
    WorkMode = key != Qt::Key_Backspace && key != Qt::Key_Delete;
    if (!Is_Grid_Key(key, shift)) {
      Key_Press(e);
      return;
    }
    e->accept();
    Grid_Key(key, shift, e);
  }

  void focusInEvent(QFocusEvent* e) override {
    Base::focusInEvent(e);
    TZadIrururOziz& g = *FGrid;
    if (!Places_Caret() || !Grid_Edit_Access::Mouse_Started(g)) return;
    const QPoint at = this->mapFromGlobal(QCursor::pos());
    if (!this->rect().contains(at)) return;
    this->deselect();
    this->setCursorPosition(this->cursorPositionAt(at));
    Grid_Edit_Access::Mouse_Started(g) = false;
  }

  void focusOutEvent(QFocusEvent* e) override {
    Base::focusOutEvent(e);
    // Focus gone to the open popup keeps the edit going; hiding the editor
    // moves the focus too, the end of an edit already under way.
    if (this->isVisible() && !this->DroppedDown() && Ends_Edit(e)) FGrid->HideInplaceEdit();
  }

 private:
  // The key-press stage of a key the grid leaves to the control: the grid
  // hears the typed character first and may change or drop it.
  void Key_Press(QKeyEvent* e) {
    TZadIrururOziz& g = *FGrid;
    const QString typed = e->text();
    if (typed.size() == 1 && typed[0].isPrint() && g.OnKeyPress) {
      QChar ch = typed[0];
      g.OnKeyPress(&g, ch);
      if (ch.isNull()) return e->accept();
      if (ch != typed[0]) {
        QKeyEvent changed(e->type(), e->key(), e->modifiers(), QString(ch));
        Base::keyPressEvent(&changed);
        return;
      }
    }
    Base::keyPressEvent(e);
  }

  // Stores the control's text into the current cell and validates it; a
  // refused value comes back into the control with the grid's answer.
  bool Store_And_Validate(bool SelectRefused) {
    TZadIrururOziz& g = *FGrid;
    const QString text = Cell_Text();
    g.SetCurrentCell(text);
    if (!g.ValidateCell(text)) {
      this->SetText(Grid_Edit_Access::New_Cell_Text(g));
      if (SelectRefused)
        this->SelectAll();
      else
        this->setCursorPosition(int(this->text().size()));
      this->update();
      return false;
    }
    if (Cell_Text() != g.CurrentCell()) this->SetText(g.CurrentCell());
    return true;
  }

  void Grid_Key(int Key, Qt::KeyboardModifiers Shift, QKeyEvent* e) {
    TZadIrururOziz& g = *FGrid;
    if (Key == Qt::Key_Escape) {
      this->SetText(g.CurrentCell());
      Grid_Edit_Access::Escaped(g) = true;
      g.HideInplaceEdit();
      g.setFocus();
      return;
    }
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter || Key == Qt::Key_Up || Key == Qt::Key_Down) {
      Before_Store(Key);
      if (!Store_And_Validate(true)) {
        Grid_Edit_Access::No_Auto_Advance(g) = true;
        return;
      }
    }
    if (Key == Qt::Key_Tab && g.WantsTabKey()) {
      if (!Store_And_Validate(false)) return;
      if (g.Options() & goTabs) {
        g.HideInplaceEdit();
        g.setFocus();
        g.TabAdvance(Shift & Qt::ShiftModifier);
      } else {
        Grid_Edit_Access::Post_Key(g, Qt::Key_Tab, Shift);
      }
      return;
    }
    if (this->DroppedDown()) {
      this->HideDropDown(false);
      g.HideInplaceEdit();
      if (Key == Qt::Key_PageUp || Key == Qt::Key_PageDown || Key == Qt::Key_Up || Key == Qt::Key_Down) return;
    } else if (Key == Qt::Key_End) {
      Base::keyPressEvent(e);
      return;
    }
    g.DoneInplaceEdit(Key, Shift);
    const TNavigation& nav = g.Navigation();
    if (nav.AdvanceOnEnter() && nav.AdvanceAutoEdit() && !g.EditMode()) g.ShowInplaceEdit();
  }
};

class TGridTrackbarDropDown : public TGridDropDownOf<TZadTrackBarDropDown> {
 public:
  using TGridDropDownOf::TGridDropDownOf;
  // Nothing: the value reaches the grid when the editor closes.
  void DoChange() {}

 protected:
  bool Places_Caret() const override { return true; }
  bool Wants_Enter_Escape() const override { return true; }
  void keyReleaseEvent(QKeyEvent* e) override { QLineEdit::keyReleaseEvent(e); }
};

class TGridMemoDropDown : public TGridDropDownOf<TZadMemoDropDown> {
 public:
  using TGridDropDownOf::TGridDropDownOf;

 protected:
  bool Places_Caret() const override { return true; }
  // The lines go into the current cell as they change.
  void Changed() override {
    TGridDropDownOf::Changed();
    TZadIrururOziz& g = *FGrid;
    if (isVisible()) g.SetEditText(g.Col(), g.Row(), MemoText().join(QStringLiteral("\r\n")));
  }
};

class TGridCalculatorDropDown : public TGridDropDownOf<TZadCalculatorDropdown> {
 public:
  using TGridDropDownOf::TGridDropDownOf;

 protected:
  bool Places_Caret() const override { return true; }
  // Enter completes the pending calculation first.
  void Before_Store(int Key) override {
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter) CalcResult();
  }
};

class TGridTimepickerDropDown : public TGridDropDownOf<TZadTimePickerDropDown> {
 public:
  explicit TGridTimepickerDropDown(TZadIrururOziz* AOwner) : TGridDropDownOf(AOwner) { SetFocusDraw(false); }
};

class TGridDetailPickerDropDown : public TGridDropDownOf<TZadDetailDropDown> {
 public:
  using TGridDropDownOf::TGridDropDownOf;

 protected:
  // With the list open only Tab, Enter and Escape leave it; the others move
  // inside.
  bool Is_Grid_Key(int Key, Qt::KeyboardModifiers Shift) const override {
    if (DroppedDown())
      return Key == Qt::Key_Tab || Key == Qt::Key_Return || Key == Qt::Key_Enter || Key == Qt::Key_Escape;
    return TGridDropDownOf::Is_Grid_Key(Key, Shift);
  }
};

class TGridGridDropDown : public TGridDropDownOf<TZadMultiColumnDropDown> {
 public:
  using TGridDropDownOf::TGridDropDownOf;
};

class TGridColorDropDown : public TGridDropDownOf<TZadColorPickerDropDown> {
 public:
  using TGridDropDownOf::TGridDropDownOf;

 protected:
  // With the popup open only Tab, Enter and Escape leave it; the others
  // move inside. Closed, Home leaves the cell as well.
  bool Is_Grid_Key(int Key, Qt::KeyboardModifiers Shift) const override {
    if (DroppedDown())
      return Key == Qt::Key_Tab || Key == Qt::Key_Return || Key == Qt::Key_Enter || Key == Qt::Key_Escape;
    return Key == Qt::Key_Home || TGridDropDownOf::Is_Grid_Key(Key, Shift);
  }
  QString Cell_Text() const override { return SelectedColorText(); }
  bool Wants_Enter_Escape() const override { return true; }
};

class TGridImageDropDown : public TGridDropDownOf<TZadImagePickerDropDown> {
 public:
  using TGridDropDownOf::TGridDropDownOf;

 protected:
  // With the list open only Tab, Enter and Escape leave it; the others move
  // inside.
  bool Is_Grid_Key(int Key, Qt::KeyboardModifiers Shift) const override {
    if (DroppedDown())
      return Key == Qt::Key_Tab || Key == Qt::Key_Return || Key == Qt::Key_Enter || Key == Qt::Key_Escape;
    return TGridDropDownOf::Is_Grid_Key(Key, Shift);
  }
  // Enter in the open list takes the picture under the mouse, as it does
  // outside a grid.
  void Before_Store(int Key) override {
    if ((Key == Qt::Key_Return || Key == Qt::Key_Enter) && DroppedDown() && ItemSelector() &&
        ItemSelector()->ItemHot() >= 0)
      ItemSelector()->SetItemIndex(ItemSelector()->ItemHot());
  }
  // The cell's text is the image's business only in data-image cells,
  // which the write-back fills.
  QString Cell_Text() const override { return FGrid->CurrentCell(); }
};
