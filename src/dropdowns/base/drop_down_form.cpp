#include "dropdowns/base/drop_down_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "controls/canvas.h"
#include "dropdowns/base/draw_gradient_steps.h"
#include "dropdowns/base/zad_custom_drop_down.h"
#include "dropdowns/base/zad_drop_down_bar.h"

namespace {

constexpr int kMinWidth = 80;
constexpr int kMinHeight = 50;
// The corner of the form that acts as a size grip.
constexpr int kGripZone = 10;

}  // namespace

TDropDownForm::TDropDownForm(QWidget* AOwner)
    : QWidget(AOwner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), Clock(System_Tick_Clock()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

TDropDownForm::~TDropDownForm() {
  if (OnDestroy) OnDestroy();
}

QRect TDropDownForm::Client_Rect() const {
  const int bw = FZadDropDown ? std::max(0, FZadDropDown->DropDownBorderWidth()) : 0;
  return rect().adjusted(bw, bw, -bw, -bw);
}

void TDropDownForm::SetHostedControl(QWidget* Control) {
  FControl = Control;
  if (FControl) {
    if (FControl->parentWidget() != this) FControl->setParent(this);
    FControl->show();
  }
  Layout_Children();
}

void TDropDownForm::InitializeAndUpdate() {
  if (!FZadDropDown) return;
  THeaderAppearance& header = FZadDropDown->DropDownHeader();
  if (FHeader) {
    FHeader->SetZadDropDown(FZadDropDown);
    FHeader->InitializeButtons();
    FHeader->setVisible(header.Visible());
  } else if (header.Visible()) {
    FHeader = new TZadHeader(this);
    FHeader->resize(width(), header.Height);
    FHeader->SetZadDropDown(FZadDropDown);
    FHeader->InitializeButtons();
    FHeader->show();
  }
  if (FHeader) {
    FHeader->OnDrawBackGround = FZadDropDown->OnDrawHeader;
    FHeader->OnGetText = FZadDropDown->OnGetHeaderText;
  }
  TFooterAppearance& footer = FZadDropDown->DropDownFooter();
  if (FFooter) {
    FFooter->SetZadDropDown(FZadDropDown);
    FFooter->InitializeButtons();
    FFooter->setVisible(footer.Visible());
  } else if (footer.Visible()) {
    FFooter = new TZadFooter(this);
    FFooter->resize(width(), footer.Height);
    FFooter->SetZadDropDown(FZadDropDown);
    FFooter->InitializeButtons();
    FFooter->show();
  }
  if (FFooter) {
    FFooter->OnDrawBackGround = FZadDropDown->OnDrawFooter;
    FFooter->OnGetText = FZadDropDown->OnGetFooterText;
    FFooter->StartPopupResize = [this] {
      Begin_Grip_Drag(FFooter, QCursor::pos());
      return true;
    };
  }
  Layout_Children();
}

// Header on top, footer at the bottom, the hosted control in between, all
// inside the border. Only while shown: before that the hosted control keeps
// the size the popup's automatic size is taken from.
void TDropDownForm::Layout_Children() {
  if (!isVisible()) return;
  QRect r = Client_Rect();
  if (FHeader && !FHeader->isHidden()) {
    const int h = FZadDropDown ? FZadDropDown->DropDownHeader().Height : FHeader->height();
    FHeader->setGeometry(r.left(), r.top(), r.width(), h);
    r.setTop(r.top() + h);
  }
  if (FFooter && !FFooter->isHidden()) {
    const int h = FZadDropDown ? FZadDropDown->DropDownFooter().Height : FFooter->height();
    FFooter->setGeometry(r.left(), r.bottom() + 1 - h, r.width(), h);
    r.setBottom(r.bottom() - h);
  }
  if (FControl && FControl->parentWidget() == this) FControl->setGeometry(r);
}

void TDropDownForm::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  Layout_Children();
}

void TDropDownForm::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  Layout_Children();
  update();
}

void TDropDownForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter);
  // What the background leaves out is the window's own colour.
  canvas.Brush.Color = clBtnFace;
  canvas.Fill_Rect(TRect::From_QRect(rect()));
  if (!FZadDropDown) return;
  const TDropDownForm* self = this;
  const TRect inner = TRect::From_QRect(self->Client_Rect());
  const TColor color = FZadDropDown->DropDownColor(), color_to = FZadDropDown->DropDownColorTo();
  if (color != clNone && color_to != clNone) {
    FZadDropDown->DrawGradient(canvas, color, color_to, 80, inner, FZadDropDown->DropDownGradient());
  } else if (color != clNone) {
    canvas.Brush.Color = color;
    canvas.Fill_Rect(inner);
  }
  const int bw = FZadDropDown->DropDownBorderWidth();
  if (bw > 0 && FZadDropDown->DropDownBorderColor() != clNone) {
    // The pen is centred on the outline: moved in by half its width, the
    // whole stroke stays inside the window.
    const QColor c = To_QColor(FZadDropDown->DropDownBorderColor(), palette());
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < bw; ++i) {
      painter.setPen(c);
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRect(i, i, width() - 2 * i, height() - 2 * i).adjusted(0, 0, -1, -1));
    }
  }
}

void TDropDownForm::hideEvent(QHideEvent* Event) {
  QWidget::hideEvent(Event);
  End_Grip_Drag();
  if (!Event->spontaneous() && OnHide) OnHide();
}

bool TDropDownForm::event(QEvent* Event) {
  if (Event->type() == QEvent::WindowDeactivate && !FBlockActivate) {
    const bool result = QWidget::event(Event);
    DeActivated(QApplication::activeWindow());
    return result;
  }
  return QWidget::event(Event);
}

void TDropDownForm::DeActivated(QWidget* NewlyActive) {
  if (FBlockActivate || !isVisible()) return;
  FDeActivate = Clock ? Clock() : 0;
  FHasDeActivated = true;
  for (QWidget* w = NewlyActive; w; w = w->parentWidget())
    if (w == this) return;
  if (FZadDropDown)
    FZadDropDown->DoHideDropDown(FCancelOnDeActivate);
  else
    hide();
}

void TDropDownForm::keyPressEvent(QKeyEvent* Event) {
  int key = Event->key();
  if (OnKeyDown) OnKeyDown(key, Event->modifiers());
  for (QChar c : Event->text()) {
    if (OnKeyPress) OnKeyPress(c);
  }
}

void TDropDownForm::keyReleaseEvent(QKeyEvent* Event) {
  int key = Event->key();
  if (OnKeyUp) OnKeyUp(key, Event->modifiers());
}

bool TDropDownForm::focusNextPrevChild(bool Next) {
  (void)Next;
  return false;
}

void TDropDownForm::wheelEvent(QWheelEvent* Event) {
  const int delta = Event->angleDelta().y();
  if (delta < 0 && OnWheelDown) OnWheelDown();
  if (delta > 0 && OnWheelUp) OnWheelUp();
  Event->accept();
}

bool TDropDownForm::In_Grip(const QPoint& P) const {
  return FSizeable && P.x() > width() - kGripZone && P.y() > height() - kGripZone;
}

void TDropDownForm::mousePressEvent(QMouseEvent* Event) {
  if (Event->button() == Qt::LeftButton && In_Grip(Event->position().toPoint()))
    Begin_Grip_Drag(this, Event->globalPosition().toPoint());
}

void TDropDownForm::mouseMoveEvent(QMouseEvent* Event) {
  if (FGripSource == this) {
    Grip_Move(Event->globalPosition().toPoint());
    return;
  }
  if (In_Grip(Event->position().toPoint()))
    setCursor(Qt::SizeFDiagCursor);
  else
    unsetCursor();
}

void TDropDownForm::mouseReleaseEvent(QMouseEvent* Event) {
  if (FGripSource == this && Event->button() == Qt::LeftButton) End_Grip_Drag();
}

void TDropDownForm::Begin_Grip_Drag(QWidget* Source, const QPoint& GlobalPos) {
  End_Grip_Drag();
  FGripSource = Source;
  FGripStart = GlobalPos;
  FGripStartSize = size();
  if (Source != this) Source->installEventFilter(this);
}

void TDropDownForm::Grip_Move(const QPoint& GlobalPos) {
  const QPoint d = GlobalPos - FGripStart;
  const QSize s(std::max(FGripStartSize.width() + d.x(), std::max(kMinWidth, minimumWidth())),
                std::max(FGripStartSize.height() + d.y(), std::max(kMinHeight, minimumHeight())));
  if (s == size()) return;
  resize(s);
  if (OnSizing) OnSizing();
}

void TDropDownForm::End_Grip_Drag() {
  if (FGripSource && FGripSource != this) FGripSource->removeEventFilter(this);
  FGripSource = nullptr;
}

bool TDropDownForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == FGripSource && FGripSource != this) {
    if (Event->type() == QEvent::MouseMove) {
      Grip_Move(static_cast<QMouseEvent*>(Event)->globalPosition().toPoint());
      return true;
    }
    if (Event->type() == QEvent::MouseButtonRelease) End_Grip_Drag();
  }
  return QWidget::eventFilter(Watched, Event);
}
