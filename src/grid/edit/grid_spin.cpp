#include "grid/edit/grid_spin.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "grid/edit/grid_edit_access.h"
#include "grid/edit/grid_editor_keys.h"

using Access = Grid_Edit_Access;

TGridSpin::TGridSpin(TZadIrururOziz* AOwner) : TZsgSpinEdit(AOwner->viewport()), FGrid(AOwner) {
  SetMinValue(0);
  SetMaxValue(100);
  SetIncrement(1);
  hide();
  connect(this, &QLineEdit::textChanged, this, [this](const QString& Text) {
    TZadIrururOziz& g = *FGrid;
    if (!Access::No_Edit_Change(g) && g.OnEditChange) g.OnEditChange(&g, g.Col(), g.Row(), Text);
  });
}

bool TGridSpin::event(QEvent* e) {
  // Tab is the editor's own when the grid tabs between cells; otherwise it
  // moves the focus on, which ends the edit.
  if (Is_Kept_Tab_Press(e, [this] { return (FGrid->Options() & goTabs) != 0; })) {
    keyPressEvent(static_cast<QKeyEvent*>(e));
    return true;
  }
  return TZsgSpinEdit::event(e);
}

void TGridSpin::keyPressEvent(QKeyEvent* e) {
  int key = e->key();
  Qt::KeyboardModifiers shift = e->modifiers();
  Fold_Backtab(key, shift);
  const bool valued = SpinType() == sptNormal || SpinType() == sptFloat;
  switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      if (!valued) break;
      Page_Key(key);
      e->accept();
      return;
    case Qt::Key_Tab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Up:
    case Qt::Key_Down:
      End_Edit(key, shift);
      e->accept();
      return;
    default:
      break;
  }
  TZsgSpinEdit::keyPressEvent(e);
}

void TGridSpin::Page_Key(int Key) {
  const bool floating = SpinType() == sptFloat;
  switch (Key) {
    case Qt::Key_PageUp:
      if (floating) {
        if (FloatValue() + IncrementFloat() <= MaxFloatValue()) SetFloatValue(FloatValue() + IncrementFloat());
      } else if (qint64(Value()) + Increment() <= MaxValue()) {
        SetValue(Value() + Increment());
      }
      break;
    case Qt::Key_PageDown:
      if (floating) {
        if (FloatValue() - IncrementFloat() >= MinFloatValue()) SetFloatValue(FloatValue() - IncrementFloat());
      } else if (qint64(Value()) - Increment() >= MinValue()) {
        SetValue(Value() - Increment());
      }
      break;
    case Qt::Key_End:
      if (floating)
        SetFloatValue(MinFloatValue());
      else
        SetValue(MinValue());
      break;
    case Qt::Key_Home:
      if (floating)
        SetFloatValue(MaxFloatValue());
      else
        SetValue(MaxValue());
      break;
  }
  TZadIrururOziz& g = *FGrid;
  if (g.OnSpinClick) g.OnSpinClick(&g, g.Col(), g.Row(), Value(), Key == Qt::Key_PageUp || Key == Qt::Key_Home);
}

void TGridSpin::End_Edit(int Key, Qt::KeyboardModifiers Shift) {
  TZadIrururOziz& g = *FGrid;
  if (Key == Qt::Key_Escape) {
    setText(Access::Cell_Cache(g));
    if (SpinType() == sptNormal) SetValue(Value());
    if (SpinType() == sptFloat) SetFloatValue(FloatValue());
  } else {
    g.SetCurrentCell(text());
    if (!g.ValidateCell(text())) {
      setText(g.CurrentCell());
      setCursorPosition(int(text().size()));
      Access::No_Auto_Advance(g) = true;
      update();
      return;
    }
    setText(g.CurrentCell());
  }
  if (Key == Qt::Key_Tab && (g.Options() & goTabs)) {
    g.HideInplaceEdit();
    g.setFocus();
    g.TabAdvance(Shift & Qt::ShiftModifier);
    return;
  }
  g.DoneInplaceEdit(Key, Shift);
  // Escape leaves the editor closed; the other keys follow the advance into
  // the next cell's editor.
  const TNavigation& nav = g.Navigation();
  if (Key != Qt::Key_Escape && nav.AdvanceOnEnter() && nav.AdvanceAutoEdit() && !g.EditMode()) g.ShowInplaceEdit();
}

void TGridSpin::UpClick(QObject* Sender) {
  TZsgSpinEdit::UpClick(Sender);
  Spin_Clicked(true);
}

void TGridSpin::DownClick(QObject* Sender) {
  TZsgSpinEdit::DownClick(Sender);
  Spin_Clicked(false);
}

void TGridSpin::Spin_Clicked(bool Up) {
  TZadIrururOziz& g = *FGrid;
  const int c = g.Col(), r = g.Row();
  switch (SpinType()) {
    case sptNormal:
      if (g.OnSpinClick) g.OnSpinClick(&g, c, r, Value(), Up);
      break;
    case sptFloat:
      if (g.OnFloatSpinClick) g.OnFloatSpinClick(&g, c, r, FloatValue(), Up);
      break;
    case sptDate:
      if (g.OnDateSpinClick) g.OnDateSpinClick(&g, c, r, DateValue(), Up);
      break;
    case sptTime:
      if (g.OnTimeSpinClick) g.OnTimeSpinClick(&g, c, r, TimeValue(), Up);
      break;
  }
}

void TGridSpin::focusOutEvent(QFocusEvent* e) {
  // Hiding the editor moves the focus too; that is the end of an edit
  // already under way.
  if (isVisible() && Ends_Edit(e)) FGrid->HideInplaceEdit();
  TZsgSpinEdit::focusOutEvent(e);
}
