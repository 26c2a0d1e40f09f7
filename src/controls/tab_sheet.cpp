#include "controls/tab_sheet.h"

#include <QPainter>

#include "controls/canvas.h"
#include "controls/draw_gradient.h"
#include "controls/page_control.h"

TZadTabSheet::TZadTabSheet(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, true);
  hide();
  auto* control = qobject_cast<TZadPageControl*>(parent);
  owner_ = control != nullptr ? control->parentWidget() : parent;
  if (control != nullptr) Set_ZadPageControl(control);
}

TZadTabSheet::~TZadTabSheet() {
  if (page_control_ != nullptr) page_control_->RemovePage(this);
}

void TZadTabSheet::Set_Caption(const QString& caption) {
  // The tab item's text; the tab itself is sized from the drawn caption.
  tab_caption_ = show_close_ ? caption + QLatin1Char(' ') : caption.left(qMax(0, caption.size() - 2));
  caption_ = caption;
  if (page_control_ != nullptr) {
    page_control_->Relayout();
    page_control_->update();
  }
}

void TZadTabSheet::Set_ZadPageControl(TZadPageControl* control) {
  if (control == page_control_) return;
  if (page_control_ != nullptr) page_control_->RemovePage(this);
  hide();
  setParent(control != nullptr ? static_cast<QWidget*>(control) : owner_.data());
  hide();
  if (control == nullptr) return;
  control->InsertPage(this);
  if (text_color_ == 0) text_color_ = control->DefaultTextColor();
  if (tab_color_ == clNone) tab_color_ = control->DefaultTabColor();
  if (tab_color_to_ == clNone) tab_color_to_ = control->DefaultTabColorTo();
  control->update();
}

int TZadTabSheet::PageIndex() const {
  return page_control_ != nullptr ? static_cast<int>(page_control_->pages_.indexOf(this)) : -1;
}

void TZadTabSheet::Set_PageIndex(int index) {
  if (page_control_ == nullptr) return;
  auto& pages = page_control_->pages_;
  const int last = static_cast<int>(pages.size()) - 1;
  if (index < 0 || index > last) {
    throw EListError(QStringLiteral("%1 is an invalid PageIndex value.  PageIndex must be between 0 and %2")
                         .arg(index)
                         .arg(last)
                         .toStdString());
  }
  const int old_tab = TabIndex();
  pages.move(pages.indexOf(this), index);
  if (tab_showing_) page_control_->MoveTab(old_tab, TabIndex());
}

int TZadTabSheet::TabIndex() const {
  if (!tab_showing_ || page_control_ == nullptr) return -1;
  int index = 0;
  for (const TZadTabSheet* page : page_control_->pages_) {
    if (page == this) break;
    if (page->tab_showing_) ++index;
  }
  return index;
}

void TZadTabSheet::Repaint_Control() {
  if (page_control_ != nullptr) page_control_->update();
}

void TZadTabSheet::Set_TextColor(TColor value) {
  text_color_ = value;
  Repaint_Control();
}

void TZadTabSheet::Set_TabColor(TColor value) {
  tab_color_ = value;
  Repaint_Control();
}

void TZadTabSheet::Set_TabColorTo(TColor value) {
  tab_color_to_ = value;
  Repaint_Control();
}

void TZadTabSheet::Set_Color(TColor value) {
  color_ = value;
  Repaint_Control();
  update();
}

void TZadTabSheet::Set_ColorTo(TColor value) {
  color_to_ = value;
  Repaint_Control();
  update();
}

void TZadTabSheet::Set_TabGradientDirection(TGradientDirection value) {
  if (value == tab_gradient_direction_) return;
  tab_gradient_direction_ = value;
  Repaint_Control();
}

void TZadTabSheet::Set_ShowClose(bool value) {
  show_close_ = value;
  Set_Caption(caption_);
  Repaint_Control();
}

void TZadTabSheet::Set_ImageIndex(int value) {
  image_index_ = value < 0 ? -1 : value;
  Set_Caption(caption_);
}

void TZadTabSheet::Set_TabVisible(bool value) {
  if (value == tab_visible_) return;
  tab_visible_ = value;
  Update_Tab_Showing();
}

void TZadTabSheet::Set_TabEnable(bool value) {
  if (value == tab_enable_) return;
  if (page_control_ != nullptr && page_control_->ActivePage() == this) {
    throw std::runtime_error("Can not disable active tab.");
  }
  tab_enable_ = value;
  Repaint_Control();
}

void TZadTabSheet::Set_Highlighted(bool value) {
  highlighted_ = value;
  Repaint_Control();
}

void TZadTabSheet::Update_Tab_Showing() {
  const bool should = page_control_ != nullptr && tab_visible_;
  if (should == tab_showing_) return;
  if (should) {
    tab_showing_ = true;
    page_control_->InsertTab(this);
  } else {
    const int index = TabIndex();
    tab_showing_ = false;
    if (page_control_ != nullptr) page_control_->DeleteTab(this, index);
  }
}

void TZadTabSheet::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter);
  const TRect client{0, 0, width(), height()};
  if (color_to_ != clNone) {
    DrawGradient(canvas, color_, color_to_, false, client, 64);
  } else {
    canvas.Brush.Color = color_;
    canvas.Fill_Rect(client);
  }
}

void TZadTabSheet::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (OnShow) OnShow();
}

void TZadTabSheet::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (OnHide) OnHide();
}
