#include "grid/edit/edit_link.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/grid_edit_access.h"
#include "grid/edit/zad_inplace_edit.h"

using Access = Grid_Edit_Access;

TEditLink::TEditLink(QObject* AOwner) : QObject(AOwner) {}

TEditLink::~TEditLink() {
  if (FWatched) FWatched->removeEventFilter(this);
}

QWidget* TEditLink::GetParent() {
  if (FEditStyle == esPopup) return FPopupForm;
  return FOwner;
}

QString TEditLink::GetCellValue() {
  if (!FOwner) return QString();
  return FOwner->GetCellEx(FOwner->RealColIndex(FOwner->Col()), FOwner->Row());
}

void TEditLink::SetCellValue(const QString& s) {
  if (!FOwner) return;
  FOwner->WriteEditedCell(FOwner->RealColIndex(FOwner->Col()), FOwner->Row(), s);
}

void TEditLink::SetRect(const TRect& r) {
  QWidget* control = GetEditControl();
  if (!control) return;
  const int line = FOwner ? FOwner->GridLineWidth() : 1;
  control->setGeometry(r.Left, r.Top, r.Right - r.Left - line, r.Bottom - r.Top - line);
}

void TEditLink::SetVisible(bool Value) {
  if (QWidget* control = GetEditControl()) control->setVisible(Value);
}

void TEditLink::SetFocus(bool Value) {
  QWidget* control = GetEditControl();
  if (Value && control) {
    if (!control->isVisible()) control->show();
    if (!control->isEnabled()) control->setEnabled(true);
  }
  // The in-place control is watched so that Tab and the arrows reach the
  // key routing instead of moving the focus on.
  if (FEditStyle == esInplace && control && !FSubClassed) {
    control->installEventFilter(this);
    FWatched = control;
    FSubClassed = true;
  }
  if (Value && control)
    control->setFocus();
  else if (FOwner)
    FOwner->setFocus();
}

void TEditLink::RestoreWinProc() {
  QWidget* control = GetEditControl();
  if (FEditStyle != esInplace || !control) return;
  if (FWatched) FWatched->removeEventFilter(this);
  FWatched = nullptr;
  FSubClassed = false;
  control->hide();
}

bool TEditLink::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched != FWatched.data() || Event->type() != QEvent::KeyPress || !FOwner) return false;
  if (!(FOwner->Options() & goTabs)) return false;
  auto* key_event = static_cast<QKeyEvent*>(Event);
  int key = key_event->key();
  Qt::KeyboardModifiers shift = key_event->modifiers();
  if (key == Qt::Key_Backtab) {
    key = Qt::Key_Tab;
    shift |= Qt::ShiftModifier;
  }
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
      break;
    default:
      return false;
  }
  EditKeyDown(Watched, key, shift);
  // A key the routing left alone stays the control's; Tab never moves the
  // focus on by itself.
  return key == 0 || !Grid_Takes(key, shift) || key == Qt::Key_Tab;
}

void TEditLink::HideEditor() {
  SetCellValue(GetEditorValue());
  if (FOwner) FOwner->HideInplaceEdit();
  RestoreWinProc();
}

void TEditLink::EditExit(QObject* Sender) {
  (void)Sender;
  HideEditor();
  if (FEditStyle == esPopup && FPopupForm) {
    DestroyEditor();
    FPopupForm->hide();
  }
}

void TEditLink::FormExit(QObject* Sender) {
  if (!FOwner) return;
  if (TZadInplaceEdit* edit = FOwner->NormalEdit()) edit->setText(GetEditorValue());
  if (FForcedExit) {
    SetCellValue(GetEditorValue());
    return;
  }
  EditExit(Sender);
  FOwner->SetInvokedFocusChange(true);
}

bool TEditLink::Grid_Takes(int Key, Qt::KeyboardModifiers Shift) const {
  if (Shift & Qt::AltModifier) return true;
  switch (Key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
      return !FWantKeyUpDown;
    case Qt::Key_Left:
    case Qt::Key_Right:
      return !FWantKeyLeftRight;
    case Qt::Key_End:
      return !FWantKeyHomeEnd;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return !FWantKeyPriorNext;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return !FWantKeyReturn;
    case Qt::Key_Escape:
      return !FWantKeyEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return !FWantTabs;
    default:
      return false;
  }
}

void TEditLink::Forced_Store() {
  TZadIrururOziz& g = *FOwner;
  FForcedExit = true;
  g.setFocus();
  FForcedExit = false;
  g.StoreCellEditorValue(g.Col(), g.Row());
}

void TEditLink::EditKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift) {
  if (!FOwner) return;
  if (Key == Qt::Key_Backtab) {
    Key = Qt::Key_Tab;
    Shift |= Qt::ShiftModifier;
  }
  if (!Grid_Takes(Key, Shift)) return;
  TZadIrururOziz& g = *FOwner;
  if (Key == Qt::Key_Tab) {
    if (g.Navigation().TabToNextAtEnd()) {
      Forced_Store();
      const bool inside = g.TabAdvance(Shift & Qt::ShiftModifier);
      if (inside && !g.HasCellControl(g.RealColIndex(g.Col()), g.Row()))
        Access::Post_Key(g, Qt::Key_F2, Qt::NoModifier);
      Key = 0;
      return;
    }
  }
  const int key = Key;
  if (Key == Qt::Key_Tab) Key = 0;
  if (key == Qt::Key_Escape) SetEditorValue(Access::Cell_Cache(g));
  Forced_Store();
  if (FEditStyle == esPopup) EditExit(Sender);
  g.FEditMode = false;
  // The written value passes validation as any edited value does.
  if (g.FEditing) g.ValidateCell(g.CurrentCell());
  g.CanSelectCell(g.Col(), g.Row());
  if (g.FLastValidation) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      g.AdvanceToNextCell(!(Shift & Qt::ShiftModifier));
      Key = 0;
      return;
    }
    if (key == Qt::Key_Escape) {
      Key = 0;
      return;
    }
    switch (key) {
      case Qt::Key_Tab:
      case Qt::Key_Left:
      case Qt::Key_Up:
      case Qt::Key_Right:
      case Qt::Key_Down:
        Access::Grid_Move(g, key, Shift);
        break;
      default:
        break;
    }
    if (QWidget* control = GetEditControl()) control->setEnabled(false);
    FForcedExit = true;
    g.setFocus();
    FForcedExit = false;
    if ((g.Options() & goTabs) && key == Qt::Key_Tab && !g.HasCellControl(g.RealColIndex(g.Col()), g.Row()))
      Access::Post_Key(g, Qt::Key_F2, Qt::NoModifier);
    Key = 0;
  } else {
    g.FLastValidation = true;
    g.PrepareCellEditor(g.Col(), g.Row());
  }
}

QWidget* TEditLink::Ensure_Popup_Form() {
  if (FPopupForm) return FPopupForm;
  // One window of that name: an earlier one left behind goes.
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String("gridform")) w->deleteLater();
  auto* form = new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  form->setObjectName(QStringLiteral("gridform"));
  form->setAttribute(Qt::WA_DeleteOnClose, false);
  // Losing activation ends a popup edit.
  struct Deactivation : QObject {
    TEditLink* link;
    explicit Deactivation(TEditLink* l, QObject* parent) : QObject(parent), link(l) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::WindowDeactivate && static_cast<QWidget*>(watched)->isVisible())
        link->FormExit(watched);
      return false;
    }
  };
  form->installEventFilter(new Deactivation(this, form));
  connect(this, &QObject::destroyed, form, &QObject::deleteLater);
  FPopupForm = form;
  return form;
}
