#include "grid/edit/grid_date_time_picker.h"

#include <QKeyEvent>

#include "grid/edit/grid_edit_access.h"
#include "grid/edit/grid_editor_keys.h"

using Access = Grid_Edit_Access;

TGridDateTimePicker::TGridDateTimePicker(TZadIrururOziz* AOwner)
    : TZadDateTimePicker(AOwner->viewport()), FGrid(AOwner) {
  hide();
}

QString TGridDateTimePicker::Text() const {
  const QString date = Shown_Text();
  if (Kind() != dkDateTime || !TimePicker()) return date;
  return date + QLatin1Char(' ') + TimePicker()->Shown_Text();
}

bool TGridDateTimePicker::event(QEvent* e) {
  if (Is_Kept_Tab_Press(e, [this] { return FGrid->WantsTabKey(); })) {
    keyPressEvent(static_cast<QKeyEvent*>(e));
    return true;
  }
  return TZadDateTimePicker::event(e);
}

void TGridDateTimePicker::keyPressEvent(QKeyEvent* e) {
  TZadIrururOziz& g = *FGrid;
  int key = e->key();
  Qt::KeyboardModifiers shift = e->modifiers();
  Fold_Backtab(key, shift);
  switch (key) {
    case Qt::Key_Escape:
      e->accept();
      SetDate(g.OriginalDateTime());
      g.setFocus();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      e->accept();
      g.setFocus();
      if (g.Navigation().AdvanceOnEnter()) g.AdvanceToNextCell(!(shift & Qt::ShiftModifier));
      return;
    case Qt::Key_Tab:
      if (!g.WantsTabKey()) break;
      e->accept();
      g.setFocus();
      g.SetCurrentCell(Text());
      g.TabAdvance(shift & Qt::ShiftModifier);
      return;
    default:
      break;
  }
  TZadDateTimePicker::keyPressEvent(e);
}
