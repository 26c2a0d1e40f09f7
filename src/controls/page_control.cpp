#include "controls/page_control.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionTab>
#include <QTabBar>
#include <algorithm>

namespace {

// The caption as drawn: "&&" shows one ampersand, a single "&" marks the accelerator.
QString Shown_Text(const QString& caption) {
  QString shown;
  for (int i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

}  // namespace

TZadPageControl::TZadPageControl(QWidget* parent) : QWidget(parent), active_font_(font()) {
  setAttribute(Qt::WA_OpaquePaintEvent, true);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  tab_margin_.OnMarginStored = [this] {
    Relayout();
    update();
  };
  resize(289, 193);
}

TZadPageControl::~TZadPageControl() {
  // The sheets are children and die with the control; they must not call back.
  for (TZadTabSheet* page : pages_) page->page_control_ = nullptr;
}

TZadTabSheet* TZadPageControl::Pages(int index) const {
  return index >= 0 && index < pages_.size() ? pages_[index] : nullptr;
}

TZadTabSheet* TZadPageControl::Tab_Sheet(int tab_index) const {
  return tab_index >= 0 && tab_index < tabs_.size() ? tabs_[tab_index] : nullptr;
}

TRect TZadPageControl::TabRect(int tab_index) const {
  return tab_index >= 0 && tab_index < static_cast<int>(tab_rects_.size()) ? tab_rects_[tab_index] : TRect{};
}

int TZadPageControl::IndexOfTabAt(int x, int y) const {
  for (int i = 0; i < static_cast<int>(tab_rects_.size()); ++i) {
    if (tab_rects_[i].Contains(x, y)) return i;
  }
  return -1;
}

int TZadPageControl::Page_At(int x, int y) const {
  const TZadTabSheet* page = Tab_Sheet(IndexOfTabAt(x, y));
  return page != nullptr ? page->PageIndex() : -1;
}

int TZadPageControl::ActivePageIndex() const { return active_page_ != nullptr ? active_page_->PageIndex() : -1; }

void TZadPageControl::Set_ActivePageIndex(int index) { Set_ActivePage(Pages(index)); }

void TZadPageControl::InsertPage(TZadTabSheet* page) {
  pages_.append(page);
  page->page_control_ = this;
  page->setGeometry(page_rect_.To_QRect());
  page->Update_Tab_Showing();
}

void TZadPageControl::RemovePage(TZadTabSheet* page) {
  TZadTabSheet* next = FindNextPage(page, true, true);
  if (next == page) next = nullptr;
  const bool was_active = page == active_page_;
  if (page->tab_showing_) {
    const int index = page->TabIndex();
    page->tab_showing_ = false;
    DeleteTab(page, index);
  }
  if (page == active_page_) {
    active_page_ = nullptr;
    page->hide();
  }
  page->page_control_ = nullptr;
  pages_.removeOne(page);
  // Removing another page leaves the one the user is on in front.
  if (was_active)
    Set_ActivePage(next);
  else if (active_page_ != nullptr)
    tab_index_ = active_page_->TabIndex();
  Relayout();
  update();
}

void TZadPageControl::InsertTab(TZadTabSheet* page) {
  const int index = page->TabIndex();
  tabs_.insert(index, page);
  if (tab_index_ >= index) ++tab_index_;
  // A control with tabs always has one selected: the first tab to arrive.
  if (tab_index_ < 0) tab_index_ = index;
  Relayout();
  UpdateActivePage();
}

void TZadPageControl::DeleteTab(TZadTabSheet* page, int index) {
  if (index < 0 || index >= tabs_.size()) return;
  tabs_.removeAt(index);
  if (page == active_page_) {
    tab_index_ = tabs_.isEmpty() ? -1 : std::min(index, static_cast<int>(tabs_.size()) - 1);
  } else if (tab_index_ > index) {
    --tab_index_;
  } else if (tab_index_ >= tabs_.size()) {
    tab_index_ = static_cast<int>(tabs_.size()) - 1;
  }
  Relayout();
  UpdateActivePage();
}

void TZadPageControl::MoveTab(int from, int to) {
  if (from < 0 || from >= tabs_.size() || to < 0 || to >= tabs_.size()) return;
  tabs_.move(from, to);
  if (active_page_ != nullptr) tab_index_ = active_page_->TabIndex();
  Relayout();
  update();
}

void TZadPageControl::UpdateActivePage() { Set_ActivePage(Tab_Sheet(tab_index_)); }

void TZadPageControl::Select_Tab_Of(TZadTabSheet* page) { tab_index_ = page != nullptr ? page->TabIndex() : -1; }

void TZadPageControl::Set_ActivePage(TZadTabSheet* page) {
  if (page != nullptr && page->page_control_ != this) return;
  ChangeActivePage(page);
  if (page == nullptr) {
    if (active_page_ != nullptr) active_page_->hide();
    tab_index_ = -1;
    active_page_ = nullptr;
  } else if (page == active_page_) {
    Select_Tab_Of(page);
  } else {
    // A disabled page stays where it is: keep the selection on the page shown.
    Select_Tab_Of(active_page_);
  }
  Relayout();
  update();
}

void TZadPageControl::ChangeActivePage(TZadTabSheet* page) {
  if (page == nullptr || page == active_page_ || !page->tab_enable_) return;
  TZadTabSheet* old = active_page_;
  QWidget* focus = QApplication::focusWidget();
  const bool focus_inside = old != nullptr && focus != nullptr && old->isAncestorOf(focus);
  page->setGeometry(page_rect_.To_QRect());
  page->raise();
  page->show();
  active_page_ = page;
  if (old != nullptr) old->hide();
  if (focus_inside) {
    // The focus follows into the new page's first control, or stays on the tabs.
    QWidget* first = page;
    do {
      first = first->nextInFocusChain();
    } while (first != page && first != nullptr &&
             !(page->isAncestorOf(first) && first->isEnabled() && (first->focusPolicy() & Qt::TabFocus)));
    if (first != nullptr && first != page && page->isAncestorOf(first))
      first->setFocus(Qt::OtherFocusReason);
    else
      setFocus(Qt::OtherFocusReason);
  }
}

TZadTabSheet* TZadPageControl::FindNextPage(TZadTabSheet* current, bool go_forward, bool check_tab_visible) const {
  const int count = static_cast<int>(pages_.size());
  if (count == 0) return nullptr;
  int start = static_cast<int>(pages_.indexOf(current));
  if (start < 0) start = go_forward ? count - 1 : 0;
  int i = start;
  do {
    i = go_forward ? (i + 1) % count : (i + count - 1) % count;
    TZadTabSheet* page = pages_[i];
    if (!check_tab_visible || page->tab_visible_) return page;
  } while (i != start);
  return nullptr;
}

bool TZadPageControl::CanChange(int to_page) {
  bool allow = true;
  if (OnCanChange) OnCanChange(ActivePageIndex(), to_page, allow);
  if (allow && OnChanging) OnChanging(allow);
  return allow;
}

void TZadPageControl::Change() {
  UpdateActivePage();
  if (OnChange) OnChange();
  update();
}

void TZadPageControl::SelectNextPage(bool go_forward) {
  TZadTabSheet* page = FindNextPage(active_page_, go_forward, true);
  // The handler is told the page the keys lead to.
  if (page == nullptr || page == active_page_ || !page->tab_enable_ || !CanChange(page->PageIndex())) return;
  tab_index_ = page->TabIndex();
  Change();
}

void TZadPageControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  setFocus(Qt::MouseFocusReason);
  const QPoint p = event->position().toPoint();
  const int index = IndexOfTabAt(p.x(), p.y());
  TZadTabSheet* page = Tab_Sheet(index);
  if (page != nullptr && index != tab_index_ && page->tab_enable_ && CanChange(page->PageIndex())) {
    tab_index_ = index;
    Change();
  }
  // The active tab's close box, the one just chosen included, shows pressed.
  if (In_Active_Close_Box(p)) {
    close_pressed_ = true;
    update();
  }
}

void TZadPageControl::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  // Hover colours, the hover outline and the hot close box all need a hover
  // colour; style-drawn tabs have none of them.
  if (tab_hover_color_ == clNone || tab_border_3d_) return;
  const QPoint p = event->position().toPoint();
  if (tab_background_.isNull()) {
    const int page = Page_At(p.x(), p.y());
    if (page != hover_tab_) {
      hover_tab_ = page;
      update();
    }
  }
  const bool in_box = In_Active_Close_Box(p);
  if (in_box != hover_close_) {
    hover_close_ = in_box;
    update();
  }
}

void TZadPageControl::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const bool pressed = close_pressed_;
  close_pressed_ = false;
  // Only a press that began on the box closes: a drag onto it does not.
  if (pressed && In_Active_Close_Box(event->position().toPoint())) {
    hover_close_ = false;
    Close_Page(active_page_);
  }
  update();
}

void TZadPageControl::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (tab_background_.isNull()) {
    if (hover_tab_ >= 0) update();
    hover_tab_ = -1;
  }
  // A box left hot would stay hot until the mouse came back.
  if (hover_close_) update();
  hover_close_ = false;
}

TRect TZadPageControl::Close_Hit_Box(int tab_index) const {
  TRect r = TabRect(tab_index);
  const int ml = tab_margin_.LeftMargin(), mt = tab_margin_.TopMargin();
  if (tab_position_ != tpLeft) return {r.Left + ml + 2, r.Top + mt + 2, r.Left + ml + 14, r.Top + mt + 13};
  if (!tab_background_active_.isNull()) {
    r.Left += 2;
    r.Bottom += tab_overlap_;
  }
  return {r.Left + ml + 2, r.Bottom - mt - 13, r.Left + ml + 14, r.Bottom - mt - 2};
}

bool TZadPageControl::In_Active_Close_Box(QPoint p) const {
  if (active_page_ == nullptr || !active_page_->show_close_ || !active_page_->tab_showing_ || tab_border_3d_)
    return false;
  return Close_Hit_Box(active_page_->TabIndex()).Contains(p.x(), p.y());
}

void TZadPageControl::Close_Page(TZadTabSheet* page) {
  if (page == nullptr) return;
  TZadTabSheet* next = FindNextPage(page, true, true);
  bool can_close = true;
  if (page->OnCanClose) page->OnCanClose(page, can_close);
  if (!can_close) return;
  if (page->OnClose) page->OnClose();
  // Chosen in code: no change events.
  if (next != nullptr && next != page) Set_ActivePage(next);
  if (free_on_close_) {
    page->Set_ZadPageControl(nullptr);
    page->deleteLater();
  } else {
    closed_tabs_.emplace_back(page->objectName(), page);
    page->Set_ZadPageControl(nullptr);
  }
  update();
}

bool TZadPageControl::OpenClosedTab(const QString& tab_name) {
  for (const auto& [name, page] : closed_tabs_) {
    if (name.compare(tab_name, Qt::CaseInsensitive) != 0) continue;
    if (page.isNull()) continue;
    page->Set_ZadPageControl(this);
    return true;
  }
  return false;
}

void TZadPageControl::OpenAllClosedTabs() {
  for (const auto& [name, page] : closed_tabs_)
    if (!page.isNull() && page->ZadPageControl() == nullptr) page->Set_ZadPageControl(this);
}

void TZadPageControl::keyPressEvent(QKeyEvent* event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  if (ctrl && event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier)) {
    SelectNextPage(true);
    return;
  }
  if (ctrl && (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Tab)) {
    SelectNextPage(false);
    return;
  }
  QWidget::keyPressEvent(event);
}

void TZadPageControl::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TZadPageControl::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void TZadPageControl::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    Relayout();
    update();
  }
}

void TZadPageControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Relayout();
}

int TZadPageControl::Style_Tab_Length(int TextWidth, int PictureWidth, bool Vertical) const {
  QStyleOptionTab option;
  option.initFrom(this);
  option.shape = Vertical ? QTabBar::RoundedWest : QTabBar::RoundedNorth;
  const int spacing = PictureWidth > 0 ? 4 : 0;
  const int along = TextWidth + PictureWidth + spacing + style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
  const int across = fontMetrics().height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
  const QSize contents = Vertical ? QSize(across, along) : QSize(along, across);
  const QSize size = style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, this);
  return Vertical ? size.height() : size.width();
}

void TZadPageControl::Relayout() {
  const QFontMetrics normal(font());
  const QFontMetrics active(active_font_);
  const bool vertical = tab_position_ == tpLeft || tab_position_ == tpRight;
  const int text_height = std::max(normal.height(), active.height());
  // Room before the caption as the painting places it, then the caption in the
  // wider of the two fonts and a little air. The right margin only moves
  // drawn content, as in the stored looks; it does not widen the tab.
  const int lead_margin = vertical ? tab_margin_.TopMargin() : tab_margin_.LeftMargin();
  const int side_margin = vertical ? tab_margin_.LeftMargin() : tab_margin_.TopMargin();
  std::vector<int> lengths;
  lengths.reserve(tabs_.size());
  int picture_across = 0;
  for (const TZadTabSheet* page : tabs_) {
    const QString shown = Shown_Text(page->caption_);
    const int text = std::max(normal.horizontalAdvance(shown), active.horizontalAdvance(shown));
    const int close = page->show_close_ && !tab_border_3d_ ? 14 : 0;
    int picture = 0;
    if (const QImage* image = Image_Of(page)) {
      picture = vertical ? image->height() : image->width();
      picture_across = std::max(picture_across, vertical ? image->width() : image->height());
    }
    int length = 4 + lead_margin + close + picture + text + 4;
    // Tabs the style draws are as long as the style wants its tab for the
    // caption and picture, so their captions are not cut.
    if (tab_border_3d_) length = std::max(length, Style_Tab_Length(text, picture, vertical));
    lengths.push_back(std::max(length, tab_width_));
  }
  const int content = std::max(text_height, picture_across);
  const int thickness = std::max(1 + lower_active_ + side_margin + content + 3, tab_height_);
  tab_rects_ = Layout_Tab_Strip(tab_position_, width(), height(), multi_line_, thickness, lengths, tab_index_);

  const int W = width(), H = height();
  int B = 2, T = H - 2, L = W - 2, R = 2;
  if (!tab_rects_.empty()) {
    B = 0;
    T = H;
    L = W;
    R = 0;
    for (const TRect& r : tab_rects_) {
      B = std::max(B, r.Bottom);
      T = std::min(T, r.Top);
      L = std::min(L, r.Left);
      R = std::max(R, r.Right);
    }
  }
  switch (tab_position_) {
    case tpTop:
      page_rect_ = {4, B + 4, W - 4, H - 4};
      break;
    case tpBottom:
      page_rect_ = {4, 4, W - 4, T - 4};
      break;
    case tpLeft:
      page_rect_ = {R + 4, 4, W - 5, H - 5};
      break;
    case tpRight:
      page_rect_ = {4, 4, L - 4, H - 4};
      break;
  }
  if (page_rect_.Right < page_rect_.Left) page_rect_.Right = page_rect_.Left;
  if (page_rect_.Bottom < page_rect_.Top) page_rect_.Bottom = page_rect_.Top;
  for (TZadTabSheet* page : pages_) page->setGeometry(page_rect_.To_QRect());
}

void TZadPageControl::Set_TabPosition(TTabPosition value) {
  tab_position_ = value;
  Relayout();
  update();
}

void TZadPageControl::Set_MultiLine(bool value) {
  multi_line_ = value;
  Relayout();
  update();
}

void TZadPageControl::Set_TabHeight(int value) {
  tab_height_ = value;
  Relayout();
  update();
}

void TZadPageControl::Set_TabWidth(int value) {
  tab_width_ = value;
  Relayout();
  update();
}

void TZadPageControl::Set_TabStyle(TTabStyle value) {
  if (value == tsDotNet && tab_split_line_) tab_split_line_ = false;
  Store(tab_style_, value);
}

void TZadPageControl::Set_TabSplitLine(bool value) {
  if (value && tab_style_ == tsDotNet) throw std::runtime_error("TabSplitLine must be false when TabStyle is tsDotNet");
  Store(tab_split_line_, value);
}

void TZadPageControl::Set_LowerActive(int value) {
  if (value == lower_active_) return;
  lower_active_ = value;
  Relayout();
  update();
}

void TZadPageControl::Set_ActiveFont(const QFont& font) {
  active_font_ = font;
  Relayout();
  update();
}

void TZadPageControl::Set_Color(TColor value) { Store(color_, value); }

void TZadPageControl::Set_DefaultTextColor(TColor value) {
  // Pages still on the old default follow the new one.
  for (TZadTabSheet* page : pages_) {
    if (page->text_color_ == default_text_color_) page->text_color_ = value;
  }
  Store(default_text_color_, value);
}

void TZadPageControl::Set_DefaultTabColor(TColor value) {
  for (TZadTabSheet* page : pages_) {
    if (page->tab_color_ == default_tab_color_) page->tab_color_ = value;
  }
  Store(default_tab_color_, value);
}

void TZadPageControl::Set_DefaultTabColorTo(TColor value) {
  for (TZadTabSheet* page : pages_) {
    if (page->tab_color_to_ == default_tab_color_to_) page->tab_color_to_ = value;
  }
  Store(default_tab_color_to_, value);
}

void TZadPageControl::Set_TabBackGround(const QImage& bitmap) { Store(tab_background_, bitmap); }

void TZadPageControl::Set_TabBackGroundActive(const QImage& bitmap) { Store(tab_background_active_, bitmap); }

void TZadPageControl::Set_TabBorder3D(bool value) {
  if (value == tab_border_3d_) return;
  tab_border_3d_ = value;
  hover_tab_ = -1;
  hover_close_ = false;
  close_pressed_ = false;
  Relayout();
  update();
}

void TZadPageControl::Set_Images(const QList<QImage>& images) {
  images_ = images;
  Relayout();
  update();
}

const QImage* TZadPageControl::Image_Of(const TZadTabSheet* page) const {
  const int index = page->image_index_;
  return index >= 0 && index < images_.size() && !images_[index].isNull() ? &images_[index] : nullptr;
}

TColor TZadPageControl::Parent_Color() const {
  if (const auto* sheet = qobject_cast<const TZadTabSheet*>(parentWidget())) return sheet->Color();
  if (parentWidget() != nullptr) return From_QColor(parentWidget()->palette().color(parentWidget()->backgroundRole()));
  return clBtnFace;
}
