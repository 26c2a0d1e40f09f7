#include "dropdowns/base/zad_custom_item_selector.h"

#include <QKeyEvent>
#include <QPalette>
#include <QScrollBar>

TZadCustomItemSelector::TZadCustomItemSelector(QWidget* AOwner)
    : QScrollArea(AOwner), FItems(this), FItemAppearance(this) {
  FLayoutTimer.setSingleShot(true);
  FLayoutTimer.setInterval(0);
  QObject::connect(&FLayoutTimer, &QTimer::timeout, this, [this] { UpdateSelectorPanel(); });
  FItems.OnChange = [this](TSelectorItems*) {
    if (!FLayoutTimer.isActive()) FLayoutTimer.start();
  };
  FItemAppearance.OnChange = [] {};
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(false);
  // The list follows the thumb while it is dragged.
  verticalScrollBar()->setTracking(true);
  FItemSelectorPanel = new TCustomItemSelector(this);
  FItemSelectorPanel->OnItemSelect = [this](QWidget*) { DoItemSelect(); };
  setWidget(FItemSelectorPanel);
  Apply_Color();
  UpdateSelectorPanel();
}

TZadCustomItemSelector::~TZadCustomItemSelector() {
  // The panel reads the items and the appearance; it goes before they do.
  delete takeWidget();
  FItemSelectorPanel = nullptr;
}

void TZadCustomItemSelector::UpdateSelectorPanel() {
  FLayoutTimer.stop();
  if (FItemSelectorPanel) FItemSelectorPanel->ArrangeItems();
}

void TZadCustomItemSelector::SetSelectorType(TSelectorType Value) {
  if (FSelectorType == Value) return;
  FSelectorType = Value;
  UpdateSelectorPanel();
}

void TZadCustomItemSelector::SetColumns(int Value) {
  if (Value < 1 || Value == FColumns) return;
  FColumns = Value;
  UpdateSelectorPanel();
}

void TZadCustomItemSelector::SetColorBoxWidth(int Value) {
  if (FColorBoxWidth == Value) return;
  FColorBoxWidth = Value;
  UpdateSelectorPanel();
}

void TZadCustomItemSelector::SetColorBoxHeight(int Value) {
  if (FColorBoxHeight == Value) return;
  FColorBoxHeight = Value;
  UpdateSelectorPanel();
}

void TZadCustomItemSelector::SetImages(const TDropDownImages* Value) {
  if (FImages == Value) return;
  FImages = Value;
  UpdateSelectorPanel();
}

void TZadCustomItemSelector::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Apply_Color();
}

void TZadCustomItemSelector::Apply_Color() {
  // The part of the view the panel does not cover.
  QPalette palette = viewport()->palette();
  palette.setColor(QPalette::Window, To_QColor(FColor));
  viewport()->setPalette(palette);
  viewport()->setAutoFillBackground(true);
  if (FItemSelectorPanel) FItemSelectorPanel->update();
}

int TZadCustomItemSelector::ItemIndex() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemIndex() : -1; }

void TZadCustomItemSelector::SetItemIndex(int Value) {
  if (!FItemSelectorPanel) return;
  FItemSelectorPanel->SetItemIndex(Value);
  ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

int TZadCustomItemSelector::ItemHot() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemHot() : -1; }

void TZadCustomItemSelector::SelectFirst() {
  if (!FItemSelectorPanel) return;
  FItemSelectorPanel->SelectFirst();
  ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TZadCustomItemSelector::SelectLast() {
  if (!FItemSelectorPanel) return;
  FItemSelectorPanel->SelectLast();
  ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TZadCustomItemSelector::SelectNext() {
  if (!FItemSelectorPanel) return;
  FItemSelectorPanel->SelectNext();
  ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TZadCustomItemSelector::SelectPrevious() {
  if (!FItemSelectorPanel) return;
  FItemSelectorPanel->SelectPrevious();
  ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TZadCustomItemSelector::HotNext() {
  if (!FItemSelectorPanel) return;
  FItemSelectorPanel->HotNext();
  ScrollItemInView(FItemSelectorPanel->ItemHot());
}

void TZadCustomItemSelector::HotPrevious() {
  if (!FItemSelectorPanel) return;
  FItemSelectorPanel->HotPrevious();
  ScrollItemInView(FItemSelectorPanel->ItemHot());
}

bool TZadCustomItemSelector::LookupItem(const QString& S) {
  return FItemSelectorPanel && FItemSelectorPanel->LookupItem(S);
}

void TZadCustomItemSelector::ScrollItemInView(int Index) {
  if (!FItemSelectorPanel || Index < 0 || Index >= FItems.Count()) return;
  QScrollBar* bar = verticalScrollBar();
  if (!bar->isVisibleTo(this)) return;
  const TRect item = FItemSelectorPanel->GetItemRect(Index);
  int top = FItemSelectorPanel->mapTo(viewport(), QPoint(0, item.Top - VertScrollBarMargin)).y();
  int bottom = FItemSelectorPanel->mapTo(viewport(), QPoint(0, item.Bottom + VertScrollBarMargin)).y();
  const int client = viewport()->height();
  if (top < 0) {
    bar->setValue(bar->value() + top);
  } else if (bottom > client) {
    if (bottom - top > client) bottom = client + top;
    bar->setValue(bar->value() + bottom - client);
  }
}

int TZadCustomItemSelector::GetVisibleItemCount() const {
  if (!FItemSelectorPanel || FItems.Count() == 0) return 0;
  const int item_height = FItems.GetItem(0)->Rect().Height();
  if (item_height < 1) return 0;
  int h = height();
  if (horizontalScrollBar()->isVisibleTo(this)) h -= horizontalScrollBar()->height();
  return std::max(0, h / item_height) * FColumns;
}

QSize TZadCustomItemSelector::GetSelectorPanelSize() const {
  return FItemSelectorPanel ? FItemSelectorPanel->size() : QSize(100, 50);
}

void TZadCustomItemSelector::DoItemSelect() {
  if (OnItemSelect) OnItemSelect(this);
}

void TZadCustomItemSelector::resizeEvent(QResizeEvent* Event) {
  QScrollArea::resizeEvent(Event);
  if (OnResize) OnResize(this);
}

// The keys belong to the drop-down that hosts the selector: none scrolls the
// view here, and they pass on to the parent.
void TZadCustomItemSelector::keyPressEvent(QKeyEvent* Event) { QWidget::keyPressEvent(Event); }

// Tab too is a key for the host, not a move to the next control.
bool TZadCustomItemSelector::focusNextPrevChild(bool) { return false; }

TZadCustomItemSelector* New_Popup_Selector(QWidget* Form) {
  auto* selector = new TZadCustomItemSelector(Form);
  selector->setFocusPolicy(Qt::NoFocus);
  selector->setFrameShape(QFrame::NoFrame);
  return selector;
}
