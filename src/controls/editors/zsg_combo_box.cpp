#include "controls/editors/zsg_combo_box.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

#include "controls/editors/combo_list_popup.h"

namespace {

// The desktop's vertical scroll-bar width, which the drop-down button's
// default width follows.
constexpr int kScrollBarWidth = 17;

QString Without_Prefix(const QString& text) {
  QString shown;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

}  // namespace

// --- items -------------------------------------------------------------------

QString TComboItems::Strings(int Index) const {
  return Index >= 0 && Index < Count() ? FItems[size_t(Index)].Text : QString();
}

QVariant TComboItems::Objects(int Index) const {
  return Index >= 0 && Index < Count() ? FItems[size_t(Index)].Object : QVariant();
}

void TComboItems::SetObjects(int Index, const QVariant& Object) {
  if (Index >= 0 && Index < Count()) FItems[size_t(Index)].Object = Object;
}

int TComboItems::AddObject(const QString& Text, const QVariant& Object) {
  FItems.push_back({Text, Object});
  Changed();
  return Count() - 1;
}

void TComboItems::Insert(int Index, const QString& Text) {
  Index = std::clamp(Index, 0, Count());
  FItems.insert(FItems.begin() + Index, Item{Text, {}});
  Changed();
}

void TComboItems::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TComboItems::Clear() {
  FItems.clear();
  Changed();
}

int TComboItems::IndexOf(const QString& Text) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[size_t(i)].Text.compare(Text, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

void TComboItems::Assign(const QStringList& Texts) {
  FItems.clear();
  for (const QString& text : Texts) FItems.push_back({text, {}});
  Changed();
}

QStringList TComboItems::Texts() const {
  QStringList texts;
  for (const Item& item : FItems) texts << item.Text;
  return texts;
}

void TComboItems::Changed() {
  if (OnChange) OnChange();
}

// --- the combo -----------------------------------------------------------------

TZsgCustomCombo::TZsgCustomCombo(QWidget* parent)
    : QWidget(parent), FButtonWidth(kScrollBarWidth + 2), FLabelFont(font()) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  FItems.OnChange = [this] { Items_Changed(); };
  FPopup = new TComboListPopup(this);
  FPopup->OnChoose = [this](int Row) { Choose(Row, true); };
  FPopup->OnClosed = [this] { List_Closed(); };
  Create_Parts();
  resize(145, 21);
}

TZsgCustomCombo::~TZsgCustomCombo() {
  FPopup->OnChoose = nullptr;
  FPopup->OnClosed = nullptr;
  delete FLabel;
}

QSize TZsgCustomCombo::sizeHint() const {
  const int h = fontMetrics().height() + 8;
  return QSize(145, FStyle == csSimple ? h + 4 * ItemHeight() : h);
}

int TZsgCustomCombo::ItemHeight() const { return FItemHeight > 0 ? FItemHeight : fontMetrics().height() + 2; }

void TZsgCustomCombo::Create_Parts() {
  const QString text = Text();
  delete FEdit;
  FEdit = nullptr;
  delete FSimpleList;
  FSimpleList = nullptr;
  if (FStyle != csDropDownList) {
    FEdit = new QLineEdit(this);
    FEdit->setFrame(false);
    FEdit->installEventFilter(this);
    FEdit->setText(text);
    setFocusProxy(FEdit);
    connect(FEdit, &QLineEdit::textEdited, this, [this](const QString&) {
      if (FSettingText) return;
      Complete_Edit_Text();
      Changed();
    });
    FEdit->show();
  } else {
    setFocusProxy(nullptr);
    FListText = text;
  }
  if (FStyle == csSimple) {
    FSimpleList = new QListWidget(this);
    FSimpleList->setFocusPolicy(Qt::NoFocus);
    FSimpleList->addItems(FItems.Texts());
    connect(FSimpleList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Choose(FSimpleList->row(item), true); });
    FSimpleList->show();
  }
  Apply_Color();
  Layout_Parts();
}

void TZsgCustomCombo::Layout_Parts() {
  const int w = width(), h = height();
  const int edit_height = FStyle == csSimple ? ItemHeight() + 6 : h;
  if (FEdit) {
    const int right = FStyle == csSimple ? w - 3 : w - FButtonWidth - 2;
    FEdit->setGeometry(3, 3, std::max(0, right - 3), std::max(0, edit_height - 6));
  }
  if (FSimpleList) FSimpleList->setGeometry(0, edit_height, w, std::max(0, h - edit_height));
}

void TZsgCustomCombo::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Layout_Parts();
  Place_Label();
}

void TZsgCustomCombo::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  Place_Label();
}

void TZsgCustomCombo::SetStyle(TComboBoxStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Create_Parts();
  update();
}

QListWidget* TZsgCustomCombo::ListPart() const { return FSimpleList ? FSimpleList : FPopup->List(); }

void TZsgCustomCombo::Items_Changed() {
  if (FItemIndex >= FItems.Count()) FItemIndex = -1;
  if (FSimpleList) {
    FSimpleList->clear();
    FSimpleList->addItems(FItems.Texts());
  }
  update();
}

QString TZsgCustomCombo::Text() const { return FEdit ? FEdit->text() : FListText; }

void TZsgCustomCombo::SetText(const QString& Value) {
  if (FEdit) {
    FSettingText = true;
    FEdit->setText(Value);
    FSettingText = false;
    FItemIndex = FItems.IndexOf(Value);
  } else {
    // A list combo shows items only.
    FItemIndex = FItems.IndexOf(Value);
    FListText = FItems.Strings(FItemIndex);
  }
  if (FSimpleList) FSimpleList->setCurrentRow(FItemIndex);
  update();
}

void TZsgCustomCombo::SetItemIndex(int Value) {
  if (Value < -1 || Value >= FItems.Count()) Value = -1;
  FItemIndex = Value;
  const QString text = FItems.Strings(Value);
  if (FEdit) {
    FSettingText = true;
    FEdit->setText(text);
    FSettingText = false;
  } else {
    FListText = text;
  }
  if (FSimpleList) FSimpleList->setCurrentRow(Value);
  update();
}

void TZsgCustomCombo::SelectItem(const QString& AString) {
  const int index = FItems.IndexOf(AString);
  if (index >= 0) SetItemIndex(index);
}

void TZsgCustomCombo::Choose(int Index, bool Notify) {
  if (Index < 0 || Index >= FItems.Count()) return;
  SetItemIndex(Index);
  if (FEdit) FEdit->selectAll();
  if (!Notify) return;
  if (OnSelect)
    OnSelect(this);
  else
    Changed();
}

void TZsgCustomCombo::Changed() {
  if (OnChange) OnChange(this);
}

bool TZsgCustomCombo::DroppedDown() const { return FDropped; }

void TZsgCustomCombo::SetDroppedDown(bool Value) {
  if (Value == FDropped || FStyle == csSimple) return;
  if (!Value) {
    FPopup->hide();
    return;
  }
  if (OnDropDown) OnDropDown(this);
  FDropped = true;
  const int width = FDropWidth > 0 ? FDropWidth : this->width();
  FPopup->Open(FItems.Texts(), FItemIndex, FDropDownCount, ItemHeight(), width,
               QRect(mapToGlobal(QPoint(0, 0)), size()));
  update(QRect(this->width() - FButtonWidth, 0, FButtonWidth, height()));
}

void TZsgCustomCombo::List_Closed() {
  if (!FDropped) return;
  FDropped = false;
  FMouseDown = false;
  update(QRect(width() - FButtonWidth, 0, FButtonWidth, height()));
  if (OnDropUp) OnDropUp(this);
}

// --- keys --------------------------------------------------------------------

void TZsgCustomCombo::Step_Selection(int Delta) {
  if (FItems.Count() == 0) return;
  const int from = FItemIndex < 0 ? (Delta > 0 ? -1 : FItems.Count()) : FItemIndex;
  const int to = std::clamp(from + Delta, 0, FItems.Count() - 1);
  if (to != FItemIndex) Choose(to, true);
}

void TZsgCustomCombo::Complete_Edit_Text() {
  if (!FAutoComplete || !FEdit || FEdit->hasSelectedText()) return;
  const QString typed = FEdit->text();
  if (typed.isEmpty() || FEdit->cursorPosition() != typed.size()) return;
  for (int i = 0; i < FItems.Count(); ++i) {
    const QString item = FItems.Strings(i);
    if (item.startsWith(typed, Qt::CaseInsensitive)) {
      FSettingText = true;
      FEdit->setText(item);
      FEdit->setSelection(int(typed.size()), int(item.size() - typed.size()));
      FSettingText = false;
      FItemIndex = i;
      return;
    }
  }
  FItemIndex = -1;
}

void TZsgCustomCombo::Type_Ahead(QChar Ch) {
  if (!FAutoComplete || FItems.Count() == 0) return;
  // Letters typed in a row (within a second) narrow the match; a new start
  // steps through the items beginning with that letter.
  if (!FTypedClock.isValid() || FTypedClock.elapsed() > 1000) FTyped.clear();
  FTypedClock.start();
  const QString typed = FTyped + Ch;
  if (!FTyped.isEmpty() && FItems.Strings(FItemIndex).startsWith(typed, Qt::CaseInsensitive)) {
    FTyped = typed;
    return;
  }
  FTyped = QString(Ch);
  for (int i = 1; i <= FItems.Count(); ++i) {
    const int index = (std::max(FItemIndex, -1) + i) % FItems.Count();
    if (FItems.Strings(index).startsWith(FTyped, Qt::CaseInsensitive)) {
      if (index != FItemIndex) Choose(index, true);
      return;
    }
  }
}

void TZsgCustomCombo::keyPressEvent(QKeyEvent* event) {
  const bool alt = event->modifiers() & Qt::AltModifier;
  const bool list = FStyle == csDropDownList;
  switch (event->key()) {
    case Qt::Key_F4:
      if (!alt) SetDroppedDown(!FDropped);
      return;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (alt) {
        SetDroppedDown(!FDropped);
        return;
      }
      Step_Selection(event->key() == Qt::Key_Up ? -1 : 1);
      return;
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (list) {
        Step_Selection(event->key() == Qt::Key_Left ? -1 : 1);
        return;
      }
      break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
      const int page = std::max(1, FDropDownCount - 1);
      Step_Selection(event->key() == Qt::Key_PageUp ? -page : page);
      return;
    }
    case Qt::Key_Home:
    case Qt::Key_End:
      if (list) {
        if (FItems.Count() > 0) Choose(event->key() == Qt::Key_Home ? 0 : FItems.Count() - 1, true);
        return;
      }
      break;
    default:
      if (list && !event->text().isEmpty() && event->text()[0].isPrint()) {
        Type_Ahead(event->text()[0]);
        return;
      }
      break;
  }
  QWidget::keyPressEvent(event);
}

bool TZsgCustomCombo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FEdit) {
    switch (event->type()) {
      case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
          case Qt::Key_F4:
          case Qt::Key_Up:
          case Qt::Key_Down:
          case Qt::Key_PageUp:
          case Qt::Key_PageDown:
            keyPressEvent(key);
            return true;
          default:
            break;
        }
        break;
      }
      case QEvent::FocusIn:
        Enter();
        break;
      case QEvent::FocusOut:
        if (!FPopup->isVisible()) Exit();
        break;
      case QEvent::Enter:
      case QEvent::Leave:
      case QEvent::MouseMove:
        // The edit covers most of the combo: hover is the combo's.
        if (event->type() == QEvent::MouseMove) {
          auto* mouse = static_cast<QMouseEvent*>(event);
          QMouseEvent moved(QEvent::MouseMove, FEdit->mapTo(this, mouse->position().toPoint()), mouse->globalPosition(),
                            mouse->button(), mouse->buttons(), mouse->modifiers());
          mouseMoveEvent(&moved);
        }
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// --- mouse -------------------------------------------------------------------

void TZsgCustomCombo::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (focusPolicy() != Qt::NoFocus && !hasFocus() && !(FEdit && FEdit->hasFocus())) setFocus(Qt::MouseFocusReason);
  const int x = event->position().toPoint().x();
  FMouseDown = true;
  if (FStyle == csDropDownList || x > width() - FButtonWidth) SetDroppedDown(!FDropped);
  update();
}

void TZsgCustomCombo::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    FMouseDown = false;
    update();
  }
}

void TZsgCustomCombo::mouseMoveEvent(QMouseEvent* event) {
  const int x = event->position().toPoint().x();
  const bool hover = width() - FButtonWidth < x && x < width();
  if (hover != FButtonHover) {
    FButtonHover = hover;
    update();
  }
}

void TZsgCustomCombo::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (!FMouseInControl && isEnabled()) {
    FMouseInControl = true;
    update();
  }
  if (FAutoFocus && (!window() || window()->isActiveWindow()) && !hasFocus()) setFocus(Qt::OtherFocusReason);
}

void TZsgCustomCombo::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (FMouseInControl && isEnabled()) FMouseInControl = false;
  FButtonHover = false;
  update();
}

// --- focus -------------------------------------------------------------------

void TZsgCustomCombo::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (!FEdit) Enter();
}

void TZsgCustomCombo::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  // Opening the list moves the focus into it; the combo stays the active control.
  if (!FEdit && !FPopup->isVisible()) Exit();
}

void TZsgCustomCombo::Enter() {
  if (FHasFocus) return;
  FHasFocus = true;
  if (FFocusColor != clNone) {
    FColor = FFocusColor;
    Apply_Color();
  }
  if (FFocusLabel && FLabel) {
    QFont bold = FLabel->font();
    bold.setBold(true);
    FLabel->setFont(bold);
    Place_Label();
  }
  update();
}

void TZsgCustomCombo::Exit() {
  if (!FHasFocus) return;
  FHasFocus = false;
  FTyped.clear();
  if (FFocusColor != clNone && FNormalColor != clNone) {
    FColor = FNormalColor;
    Apply_Color();
  }
  if (FFocusLabel && FLabel) {
    QFont plain = FLabel->font();
    plain.setBold(false);
    FLabel->setFont(plain);
    Place_Label();
  }
  update();
}

// --- colours and looks --------------------------------------------------------

TColor TZsgCustomCombo::Parent_Color() const {
  const QWidget* parent = parentWidget();
  if (!parent) return clBtnFace;
  return From_QColor(parent->palette().color(parent->backgroundRole()));
}

void TZsgCustomCombo::Apply_Color() {
  const TColor shown = FParentColor ? Parent_Color() : FColor;
  const QColor color = To_QColor(shown, palette());
  for (QWidget* part : {static_cast<QWidget*>(FEdit), static_cast<QWidget*>(FSimpleList)}) {
    if (!part) continue;
    QPalette p = part->palette();
    p.setColor(QPalette::Base, color);
    p.setColor(QPalette::Window, color);
    part->setPalette(p);
  }
  update();
}

void TZsgCustomCombo::SetColor(TColor Value) {
  FColor = Value;
  FParentColor = false;
  // Focus gives way to the colour the owner set last.
  if (!FHasFocus) FNormalColor = Value;
  Apply_Color();
}

void TZsgCustomCombo::SetParentColor(bool Value) {
  FParentColor = Value;
  Apply_Color();
}

void TZsgCustomCombo::Init() { FNormalColor = FColor; }

void TZsgCustomCombo::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  if (FFlatParentColor && Value && parentWidget())
    SetColor(Parent_Color());
  else
    SetColor(FLoadedColor);
  update();
}

void TZsgCustomCombo::SetEtched(bool Value) {
  FEtched = Value;
  update();
}

void TZsgCustomCombo::SetButtonWidth(int Value) {
  if (Value < 14 || Value > 32) return;
  FButtonWidth = Value;
  Layout_Parts();
  update();
}

void TZsgCustomCombo::SetFocusBorder(bool Value) {
  FFocusBorder = Value;
  update();
}

void TZsgCustomCombo::SetFlatLineColor(TColor Value) {
  FFlatLineColor = Value;
  update();
}

void TZsgCustomCombo::SetFlatParentColor(bool Value) {
  FFlatParentColor = Value;
  update();
}

void TZsgCustomCombo::SetFocusBorderColor(TColor Value) {
  FFocusBorderColor = Value;
  update();
}

void TZsgCustomCombo::SetBorderColor(TColor Value) {
  if (Value == FBorderColor) return;
  FBorderColor = Value;
  update();
}

void TZsgCustomCombo::SetDisabledBorder(bool Value) {
  FDisabledBorder = Value;
  update();
}

void TZsgCustomCombo::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  update();
}

void TZsgCustomCombo::SetIsVista(bool Value) {
  FIsVista = Value;
  update();
}

void TZsgCustomCombo::SetButtonColor(TColor Value) {
  FButtonColor = Value;
  update();
}

void TZsgCustomCombo::SetButtonColorHot(TColor Value) {
  FButtonColorHot = Value;
  update();
}

void TZsgCustomCombo::SetButtonColorDown(TColor Value) {
  FButtonColorDown = Value;
  update();
}

void TZsgCustomCombo::SetButtonTextColor(TColor Value) {
  FButtonTextColor = Value;
  update();
}

void TZsgCustomCombo::SetButtonTextColorDown(TColor Value) {
  FButtonTextColorDown = Value;
  update();
}

void TZsgCustomCombo::SetButtonBorderColor(TColor Value) {
  FButtonBorderColor = Value;
  update();
}

void TZsgCustomCombo::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  switch (event->type()) {
    case QEvent::EnabledChange:
      if (FFlat) {
        // Disabled flat combos blend into their parent.
        if (!isEnabled()) {
          FOldParentColor = FParentColor;
          FOldColor = FColor;
          FParentColor = true;
        } else {
          FParentColor = FOldParentColor;
          FColor = FOldColor;
        }
        Apply_Color();
      }
      if (FLabel && !FLabelAlwaysEnabled) {
        FLabel->setEnabled(isEnabled());
        Place_Label();
      }
      update();
      break;
    case QEvent::FontChange:
    case QEvent::ParentChange:
      Place_Label();
      break;
    default:
      break;
  }
}

void TZsgCustomCombo::setVisible(bool visible) {
  QWidget::setVisible(visible);
  if (FLabel && FLabel->parentWidget()) FLabel->setVisible(visible);
}

// --- label ---------------------------------------------------------------------

bool TZsgCustomCombo::ParentFont() const { return !testAttribute(Qt::WA_SetFont); }

QString TZsgCustomCombo::LabelCaption() const { return FLabel ? FLabel->text() : QString(); }

void TZsgCustomCombo::Create_Label() {
  if (FLabel) return;
  FLabel = new QLabel(parentWidget());
  FLabel->setBuddy(this);
  FLabel->setTextFormat(Qt::PlainText);
  if (!ParentFont()) FLabel->setFont(FLabelFont);
}

void TZsgCustomCombo::SetLabelCaption(const QString& Value) {
  Create_Label();
  FLabel->setText(Value);
  Place_Label();
}

void TZsgCustomCombo::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  Place_Label();
}

void TZsgCustomCombo::SetLabelMargin(int Value) {
  FLabelMargin = Value;
  Place_Label();
}

void TZsgCustomCombo::SetLabelTransparent(bool Value) {
  FLabelTransparent = Value;
  Place_Label();
}

void TZsgCustomCombo::SetLabelAlwaysEnabled(bool Value) {
  FLabelAlwaysEnabled = Value;
  if (FLabel) FLabel->setEnabled(Value || isEnabled());
  Place_Label();
}

void TZsgCustomCombo::SetLabelFont(const QFont& Value) {
  if (!ParentFont()) FLabelFont = Value;
  Place_Label();
}

void TZsgCustomCombo::Place_Label() {
  if (!FLabel) return;
  if (FLabel->parentWidget() != parentWidget()) FLabel->setParent(parentWidget());
  FLabel->setAutoFillBackground(!FLabelTransparent);
  QFont font = FLabel->font();
  if (!ParentFont()) {
    const bool bold = font.bold();
    font = FLabelFont;
    if (FFocusLabel && FHasFocus) font.setBold(bold);
    FLabel->setFont(font);
  }
  const QFontMetrics metrics(FLabel->font());
  const int text_width = metrics.horizontalAdvance(Without_Prefix(FLabel->text()));
  FLabel->resize(text_width, metrics.height());
  FLabel->move(Label_Origin(FLabelPosition, geometry(), FLabel->size(), text_width, FLabelMargin));
  FLabel->setVisible(parentWidget() && isVisibleTo(parentWidget()));
}
