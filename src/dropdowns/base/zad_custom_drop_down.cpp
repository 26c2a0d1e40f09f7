#include "dropdowns/base/zad_custom_drop_down.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <climits>

#include "controls/editor_logic/classic_paint.h"
#include "controls/format_settings.h"
#include "dropdowns/base/draw_gradient_steps.h"
#include "dropdowns/base/drop_down_edit_button.h"
#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/drop_down_styles.h"
#include "dropdowns/base/edit_border_rule.h"
#include "grid/draw/gradient_paint.h"
#include "grid/edit/edit_mask.h"

namespace {

// The window frame of the edit: the sunken border is two pixels wide.
constexpr int kFrameWidth = 2;

// The caption as it shows: "&&" is an ampersand, a single "&" marks the
// accelerator and takes no room.
QString Without_Prefix(const QString& Caption) {
  QString out;
  for (int i = 0; i < Caption.size(); ++i) {
    if (Caption[i] == QLatin1Char('&')) {
      if (i + 1 < Caption.size() && Caption[i + 1] == QLatin1Char('&')) {
        out += QLatin1Char('&');
        ++i;
      }
      continue;
    }
    out += Caption[i];
  }
  return out;
}

QRect Nearest_Work_Area(const QPoint& P) {
  QScreen* best = QGuiApplication::screenAt(P);
  if (!best) {
    long long best_distance = LLONG_MAX;
    for (QScreen* s : QGuiApplication::screens()) {
      const QRect g = s->geometry();
      const int dx = P.x() < g.left() ? g.left() - P.x() : P.x() > g.right() ? P.x() - g.right() : 0;
      const int dy = P.y() < g.top() ? g.top() - P.y() : P.y() > g.bottom() ? P.y() - g.bottom() : 0;
      const long long d = 1LL * dx * dx + 1LL * dy * dy;
      if (d < best_distance) best_distance = d, best = s;
    }
  }
  if (!best) best = QGuiApplication::primaryScreen();
  return best ? best->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The hosted control counts unless it was hidden on purpose (a control not
// yet shown in the hidden popup does count).
bool Shown_In_Popup(const QWidget* Control) {
  return Control && !(Control->isHidden() && Control->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

}  // namespace

TZadCustomDropDown::TZadCustomDropDown(QWidget* AOwner) : QLineEdit(AOwner), Clock(System_Tick_Clock()) {
  WorkAreaAt = [](const QPoint& P) { return Nearest_Work_Area(P); };
  resize(200, 21);
  FDropDownHeader.OnChange = [this] { HeaderChanged(); };
  FDropDownHeader.OnButtonsChanged = [this] { HeaderChanged(); };
  FDropDownFooter.OnChange = [this] { FooterChanged(); };
  FDropDownFooter.OnButtonsChanged = [this] { FooterChanged(); };
  setMouseTracking(true);
  connect(this, &QLineEdit::textChanged, this, [this] { Text_Changed(); });
}

TZadCustomDropDown::~TZadCustomDropDown() {
  FDestroying = true;
  delete FLabel.data();
  delete FButton;
  FButton = nullptr;
  delete FDropDownForm;
  FDropDownForm = nullptr;
}

void TZadCustomDropDown::Initialize() {
  if (FInitialized) return;
  FInitialized = true;
  CreateDropDownForm();
  CreateDropDownButton();
  setReadOnly(false);
  FDropPosition = dpAuto;
  SetText(QString());
  FOldText.clear();
  FUserDropDownWidth = -1;
  FUserDropDownHeight = -1;
  FDropDownEnabled = false;
  SetSelectionColorStyle(scOffice2007);
  FFocusDraw = true;
  SetComponentStyle(tsOffice2007Luna);
  SetEditRect();
  ResizeControl();
  Finish_Construction();
}

void TZadCustomDropDown::Loaded() {
  FParentFnt = FParentFont;
  SetEditRect();
  ResizeControl();
  if (FButton) FButton->setEnabled(isEnabled());
  if (FLabel && !FLabelAlwaysEnabled) FLabel->setEnabled(isEnabled());
  UpdateLabel();
  if (FLabel && FParentFnt) FLabel->setFont(font());
}

void TZadCustomDropDown::Assign(const TZadCustomDropDown& Source) {
  FFocusDraw = Source.FFocusDraw;
  FForceShadow = Source.FForceShadow;
  FDropDownEnabled = Source.FDropDownEnabled;
  FDropDownColor = Source.FDropDownColor;
  FDropDownColorTo = Source.FDropDownColorTo;
  FDropDownGradient = Source.FDropDownGradient;
  FDropDownBorderColor = Source.FDropDownBorderColor;
  FDropDownBorderWidth = Source.FDropDownBorderWidth;
  FDropDownShadow = Source.FDropDownShadow;
  FDropDownWidth = Source.FDropDownWidth;
  FDropDownHeight = Source.FDropDownHeight;
  FDropDownSizeable = Source.FDropDownSizeable;
  // The type only, not a conversion of this edit's text.
  FEditType = Source.FEditType;
  setEchoMode(FEditType == etPassword ? QLineEdit::Password : QLineEdit::Normal);
  if (FEditType == etPassword) Apply_Password_Style();
  FReturnIsTab = Source.FReturnIsTab;
  FLengthLimit = Source.FLengthLimit;
  FPrecision = Source.FPrecision;
  FPrefix = Source.FPrefix;
  FSuffix = Source.FSuffix;
  FDefaultHandling = Source.FDefaultHandling;
  FCanUndo = Source.FCanUndo;
  FExcelStyleDecimalSeparator = Source.FExcelStyleDecimalSeparator;
  FValidChars = Source.FValidChars;
  FSigned = Source.FSigned;
  FAutoThousandSeparator = Source.FAutoThousandSeparator;
  FButtonAppearance.Assign(Source.FButtonAppearance);
  FDropDownHeader.Assign(Source.FDropDownHeader);
  FDropDownFooter.Assign(Source.FDropDownFooter);
  FDropPosition = Source.FDropPosition;
  FFlat = Source.FFlat;
  SetDropDownButtonWidth(Source.FButtonWidth);
  SetDropDownButtonHint(Source.FButtonHint);
  SetEditorEnabled(Source.FEditorEnabled);
  if (FButton && Source.FButton) {
    FButton->SetGlyph(Source.FButton->Glyph());
    FButton->SetButtonCaption(Source.FButton->ButtonCaption());
  }
  FEtched = Source.FEtched;
  FImages = Source.FImages;
  SetSelectionColorStyle(Source.FSelectionColorStyle);
  FSelectionColor = Source.FSelectionColor;
  FSelectionColorTo = Source.FSelectionColorTo;
}

// ---- properties ----

void TZadCustomDropDown::SetDropDownWidth(int Value) {
  if (FDropDownWidth != Value) FUserDropDownWidth = -1;
  FDropDownWidth = Value;
}

void TZadCustomDropDown::SetDropDownHeight(int Value) {
  if (FDropDownHeight != Value) FUserDropDownHeight = -1;
  FDropDownHeight = Value;
}

void TZadCustomDropDown::SetDropDownButtonWidth(int Value) {
  if (!FButton || FButtonWidth == Value) return;
  FButtonWidth = Value;
  FButton->SetButtonWidth(Value);
  ResizeControl();
}

void TZadCustomDropDown::SetDropDownButtonHint(const QString& Value) {
  if (FButtonHint == Value) return;
  FButtonHint = Value;
  if (FButton) FButton->setToolTip(Value);
}

QImage TZadCustomDropDown::DropDownButtonGlyph() const { return FButton ? FButton->Glyph() : QImage(); }

void TZadCustomDropDown::SetDropDownButtonGlyph(const QImage& Value) {
  if (FButton) FButton->SetGlyph(Value);
}

QString TZadCustomDropDown::DropDownButtonCaption() const { return FButton ? FButton->ButtonCaption() : QString(); }

void TZadCustomDropDown::SetDropDownButtonCaption(const QString& Value) {
  if (FButton) FButton->SetButtonCaption(Value);
}

void TZadCustomDropDown::SetEditorEnabled(bool Value) {
  FEditorEnabled = Value;
  update();
}

void TZadCustomDropDown::SetEditMask(const QString& Value) {
  FEditMask = Value;
  const Format_Settings& seps = Process_Format_Settings();
  setInputMask(edit_mask::Input_Mask(Value, seps.Time_Separator, seps.Date_Separator));
}

void TZadCustomDropDown::SetBorderColor(TColor Value) {
  if (FBorderColor == Value) return;
  FBorderColor = Value;
  update();
  if (FButton) FButton->Button()->update();
}

void TZadCustomDropDown::SetDisabledBorder(bool Value) {
  if (FDisabledBorder == Value) return;
  FDisabledBorder = Value;
  update();
}

QString TZadCustomDropDown::Version() const {
  const uint32_t v = GetVersionNr();
  return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

// ---- virtual operations ----

void TZadCustomDropDown::DoLabelClick() {
  if (OnLabelClick) OnLabelClick(this);
}

void TZadCustomDropDown::DoLabelDblClick() {
  if (OnLabelDblClick) OnLabelDblClick(this);
}

uint32_t TZadCustomDropDown::GetVersionNr() const { return 0x01000200; }

void TZadCustomDropDown::CreateDropDownForm() {
  if (FDropDownForm) return;
  FDropDownForm = new TDropDownForm(this);
  FDropDownForm->SetZadDropDown(this);
  FDropDownForm->hide();
  FDropDownForm->resize(std::max(FDropDownWidth, 0), std::max(FDropDownHeight, 0));
  FDropDownForm->Clock = [this] { return Clock ? Clock() : 0u; };
  FDropDownForm->OnHide = [this] { DoDropDownFormHide(); };
  FDropDownForm->OnKeyPress = [this](QChar& Key) { DoDropDownFormKeyPress(Key); };
  FDropDownForm->OnKeyDown = [this](int& Key, Qt::KeyboardModifiers Shift) { DoDropDownFormKeyDown(Key, Shift); };
  FDropDownForm->OnKeyUp = [this](int& Key, Qt::KeyboardModifiers Shift) { DoDropDownFormKeyUp(Key, Shift); };
  FDropDownForm->OnWheelDown = [this] { DoDropDownFormMouseWheelDown(); };
  FDropDownForm->OnWheelUp = [this] { DoDropDownFormMouseWheelUp(); };
  FDropDownForm->OnDestroy = [this] {
    if (!FDestroying) DoDropDownFormDestroy();
  };
  FDropDownForm->OnSizing = [this] { DoDropDownFormSizing(); };
}

void TZadCustomDropDown::CreateDropDownButton() {
  if (!FButton) {
    FButton = new TDropDownEditButton(this);
    FButton->setCursor(Qt::ArrowCursor);
    FButton->OnClick = [this] { DropDownButtonClick(); };
    FButton->OnPress = [this] { Close_By_Outside_Press(); };
    FButton->show();
  }
  UpdateDropDownButton();
}

void TZadCustomDropDown::UpdateDropDownButton() {
  if (!FButton) return;
  FButton->SetButtonWidth(FButtonWidth);
  FButton->SetBounds(FButton->x(), FButton->y(), FButtonWidth, 17);
  FButton->show();
  FButton->SetFocusControl(this);
}

void TZadCustomDropDown::DoBeforeDropDown() {
  if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TZadCustomDropDown::AdjustDropDownHeight(int& Height) { (void)Height; }

void TZadCustomDropDown::FocusDropDownControl() {
  QWidget* c = FFocusControl;
  if (c && c->focusPolicy() != Qt::NoFocus && c->isVisible() && c->isEnabled() && !c->hasFocus()) c->setFocus();
}

void TZadCustomDropDown::DoShowDropDown() {
  if (!FDropDownForm || FDropDownForm->isVisible() || !isEnabled() || isReadOnly()) return;
  DoBeforeDropDown();
  FDropDownForm->SetShadow(FDropDownShadow);
  FDropDownForm->SetSizeable(FDropDownSizeable);
  FDropDownForm->InitializeAndUpdate();
  FDropDownForm->move(pos());
  AdaptDropDownSize();
  PlaceDropDownControl();
  FDropDownForm->setMinimumSize(80, 50);
  if (QWidget* c = FControl) c->installEventFilter(this);
  const QPoint p = parentWidget() ? parentWidget()->mapToGlobal(pos()) : mapToGlobal(QPoint(0, 0));
  // A size the user dragged counts for the placement too, so that a popup
  // grown upwards does not cover its edit.
  int w = std::max(FDropDownForm->width(), 80), h = std::max(FDropDownForm->height(), 50);
  if (FUserDropDownWidth != -1) w = std::max(FUserDropDownWidth, 80);
  if (FUserDropDownHeight != -1) h = std::max(FUserDropDownHeight, 50);
  const QRect work_area = Work_Area_At(p);
  QPoint at = Popup_Position(p, height(), QSize(w, h), FDropPosition, work_area);
  bool accept = true;
  if (OnDropDown) OnDropDown(this, accept);
  if (!accept) return;
  AdjustDropDownHeight(h);
  FDroppedDown = true;
  FDropDownForm->setGeometry(at.x(), at.y(), w, h);
  FDropDownForm->show();
  FDropDownForm->raise();
  FDropDownForm->activateWindow();
  FocusDropDownControl();
}

void TZadCustomDropDown::PlaceDropDownControl() {
  if (!FDropDownForm || !FControl) return;
  FDropDownForm->SetHostedControl(FControl);
}

void TZadCustomDropDown::AdaptDropDownSize() {
  if (!FDropDownForm) return;
  int w = width();
  if (FDropDownWidth > 0)
    w = FDropDownWidth;
  else if (Shown_In_Popup(FControl))
    w = FControl->width();
  int h = 0;
  if (FDropDownHeight > 0) {
    h = FDropDownHeight;
  } else {
    h = 2 * FDropDownBorderWidth;
    if (FDropDownHeader.Visible()) h += FDropDownHeader.Height;
    if (FDropDownFooter.Visible()) h += FDropDownFooter.Height;
    if (Shown_In_Popup(FControl)) h += FControl->height();
  }
  FDropDownForm->resize(w, h);
}

void TZadCustomDropDown::Adapt_Selector_Popup_Size(QAbstractScrollArea* Selector, QSize PanelSize) {
  const QSize need = PanelSize;
  QSize size = Selector->size();
  if (DropDownWidth() < 1) size.setWidth(need.width());
  if (DropDownHeight() < 1) size.setHeight(need.height());
  Selector->resize(size);
  TZadCustomDropDown::AdaptDropDownSize();
  TDropDownForm* form = DropDownForm();
  if (!form) return;
  // The list scrolls when its panel is taller than the room the popup
  // leaves it; the bar gets room of its own beside the panel. (Asked before
  // the popup shows, the bar itself has not been laid out yet.)
  int room = form->height() - 2 * DropDownBorderWidth();
  if (DropDownHeader().Visible()) room -= DropDownHeader().Height;
  if (DropDownFooter().Visible()) room -= DropDownFooter().Height;
  int width = form->width();
  // The border must not take the panel's own width.
  if (DropDownWidth() < 1) width = std::max(width, need.width() + 2 * DropDownBorderWidth());
  if (need.height() > room)
    width += Selector->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Selector->verticalScrollBar());
  form->resize(width, form->height());
}

void TZadCustomDropDown::DoHideDropDown(bool CancelChanges) {
  if (!FDropDownForm || !FDropDownForm->isVisible()) return;
  if (OnBeforeDropUp) OnBeforeDropUp(this);
  FUserDropDownWidth = FDropDownForm->width();
  FUserDropDownHeight = FDropDownForm->height();
  const bool popup_had_focus = QApplication::activeWindow() == FDropDownForm;
  // Hiding the active popup takes its activation away; that is this close,
  // not a second one.
  const bool block = FDropDownForm->BlockActivate();
  FDropDownForm->SetBlockActivate(true);
  FDropDownForm->hide();
  FDropDownForm->SetBlockActivate(block);
  QToolTip::hideText();
  // Back to the edit's window when the popup closed on its own account (not
  // because another window took the focus).
  if (popup_had_focus && window()->isVisible()) window()->activateWindow();
  if (CancelChanges) SetText(FOldText);
  if (OnDropUp) OnDropUp(this, CancelChanges);
}

void TZadCustomDropDown::DoDropDownFormHide() {
  FDroppedDown = false;
  if (FControl) FControl->removeEventFilter(this);
  if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible() && !hasFocus() && !FDestroying) setFocus();
}

void TZadCustomDropDown::DoDropDownFormDestroy() {}

void TZadCustomDropDown::DoDropDownFormMouseWheelDown() { MouseWheelDownAction(); }

void TZadCustomDropDown::DoDropDownFormMouseWheelUp() { MouseWheelUpAction(); }

void TZadCustomDropDown::DoDropDownFormKeyPress(QChar& Key) {
  if (!Key.isNull()) Relay_Key(QEvent::KeyPress, 0, Qt::NoModifier, QString(Key));
}

void TZadCustomDropDown::DoDropDownFormKeyDown(int& Key, Qt::KeyboardModifiers Shift) {
  if (Key) Relay_Key(QEvent::KeyPress, Key, Shift, QString());
}

void TZadCustomDropDown::DoDropDownFormKeyUp(int& Key, Qt::KeyboardModifiers Shift) {
  if (Key) Relay_Key(QEvent::KeyRelease, Key, Shift, QString());
}

void TZadCustomDropDown::DoControlKeyDown(int& Key, Qt::KeyboardModifiers Shift) {
  if (Key) Relay_Key(QEvent::KeyPress, Key, Shift, QString());
}

void TZadCustomDropDown::DoControlKeyUp(int& Key, Qt::KeyboardModifiers Shift) {
  if (Key) Relay_Key(QEvent::KeyRelease, Key, Shift, QString());
}

void TZadCustomDropDown::DoControlKeyPress(QChar& Key) {
  if (!Key.isNull()) Relay_Key(QEvent::KeyPress, 0, Qt::NoModifier, QString(Key));
}

void TZadCustomDropDown::DoDropDownFormSizing() {}

void TZadCustomDropDown::MouseWheelDownAction() {}

void TZadCustomDropDown::MouseWheelUpAction() {}

void TZadCustomDropDown::PaintEditContent(QPainter& Painter) {
  if (FEditorEnabled || !hasFocus() || !FFocusDraw) return;
  TCanvas canvas(Painter);
  const TRect r{2, 2, width() - FButtonWidth - 1, height() - 2};
  canvas.Pen.Color = clBlack;
  canvas.Brush.Color = clHighlight;
  canvas.Rectangle(r);
  canvas.Font = font();
  canvas.Font_Color = clHighlightText;
  canvas.Brush.Style = TBrushStyle::bsClear;
  TRect t{r.Left + 2, r.Top, r.Right - 3, r.Bottom};
  canvas.Draw_Text(Text(), t, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TZadCustomDropDown::SetEditRect() {
  const int cw = width() - 2 * Frame_Width(), ch = height() - 2 * Frame_Width();
  TRect r;
  r.Bottom = ch + 1;
  r.Right = cw - FButtonWidth - 3;
  if (hasFrame()) {
    r.Left = 1;
    r.Top = 1;
  } else {
    r.Left = 2;
    r.Top = 3;
  }
  FEditRect = r;
  // The line edit lays its text out inside its contents; the margins keep it
  // left of the button.
  setTextMargins(0, 0, std::max(0, cw - r.Right), 0);
}

int TZadCustomDropDown::MinimumHeight() const {
  const int font_height = QFontMetrics(font()).height();
  const int system_height = QFontMetrics(QApplication::font()).height();
  return font_height + std::min(font_height, system_height) / 4;
}

void TZadCustomDropDown::ResizeControl() {
  const int min_height = MinimumHeight();
  if (height() < min_height) {
    resize(width(), min_height);
    update();
    return;
  }
  if (FButton) {
    const int fw = Frame_Width();
    if (hasFrame()) {
      const int inset = FFlat ? 3 : 4;
      FButton->SetBounds(fw + width() - FButtonWidth - inset, fw + (FFlat ? 2 : 0), FButtonWidth, height() - inset);
    } else {
      FButton->SetBounds(width() - FButtonWidth, 1, FButtonWidth, height() - 2);
    }
    SetEditRect();
  }
  update();
}

void TZadCustomDropDown::SetText(const QString& Value) {
  const QString value = Value_To_Write(Value_Settings(), Value);
  setText(FPrefix + value + FSuffix);
  FOldText = value;
  SetModified(false);
}

void TZadCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle) {
  FSelectionColorStyle = AStyle;
  switch (AStyle) {
    case scOffice2007:
      FSelectionColor = 0xD7FFFD, FSelectionColorTo = 0x58D4FC;
      break;
    case scWindowsVista:
      FSelectionColor = 0xFDF8F1, FSelectionColorTo = 0xFCEFD5;
      break;
    case scWindows7:
      FSelectionColor = 0xFCEBDC, FSelectionColorTo = 0xFCDBC1;
      break;
    case scCustom:
      break;
  }
}

void TZadCustomDropDown::DrawSelectionBackground(TCanvas& Canvas, const TRect& R, TColor CornerColor, int Rounding) {
  struct Frame {
    TColor Corner, Border, LowerInner, UpperInner, LowerFrom, LowerTo;
  };
  if (FSelectionColorStyle == scCustom) {
    Canvas.Brush.Color = FSelectionColor;
    Canvas.Pen.Color = FSelectionColor;
    Canvas.Rectangle(R);
    return;
  }
  Frame f{0xC3D9DF, 0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0x58D4FC, 0xB3F1FC};
  if (FSelectionColorStyle == scWindowsVista) f = {0xFCEDCB, 0xFDDE99, 0xFDF5E7, 0xFDFBF6, clNone, clNone};
  if (FSelectionColorStyle == scWindows7) f = {0xE0C5AE, 0xCEA27D, 0xFDEADB, 0xFDF4EB, clNone, clNone};
  // Without a second colour the upper part is one solid fill.
  const TColor to = FSelectionColorTo == clNone ? FSelectionColor : FSelectionColorTo;
  DrawRoundedGradientFrame(Canvas, R, FSelectionColor, to, f.LowerFrom, f.LowerTo, f.Border, f.UpperInner, f.LowerInner,
                           f.Corner, CornerColor, Rounding);
}

void TZadCustomDropDown::DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                                      TGradientDirection Direction) {
  Draw_Gradient_Steps(Canvas, FromColor, ToColor, Steps, R, Direction == gdHorizontal);
}

void TZadCustomDropDown::SetComponentStyle(TDUDStyle AStyle) {
  FDUDStyle = AStyle;
  if (AStyle == tsCustom) return;
  Popup_Colors popup{FDropDownColor, FDropDownColorTo, FDropDownBorderColor};
  Apply_Drop_Down_Style(AStyle, popup, FDropDownHeader, FDropDownFooter, FButtonAppearance);
  FDropDownColor = popup.Color;
  FDropDownColorTo = popup.ColorTo;
  FDropDownBorderColor = popup.BorderColor;
  // The bars' caption colour is the one change they are told of.
  HeaderChanged();
  FooterChanged();
  if (FDropDownForm) FDropDownForm->update();
}

void TZadCustomDropDown::SetColorTones(const TColorTones& ATones) {
  if (FButton) {
    FButton->ButtonColor = ATones.Background.BrushColor;
    FButton->ButtonColorHot = ATones.Hover.BrushColor;
    FButton->ButtonColorDown = ATones.Selected.BrushColor;
    FButton->ButtonBorderColor = ATones.Background.BorderColor;
    FButton->Button()->update();
  }
  SetBorderColor(ATones.Background.BorderColor);
}

void TZadCustomDropDown::SetItemAppearanceStyle(TItemAppearance* Appearance, TDUDStyle AStyle) {
  Apply_Item_Appearance_Style(Appearance, AStyle);
}

// ---- hosted control and keys ----

void TZadCustomDropDown::SetControl(QWidget* Control) {
  if (FControl == Control) return;
  FControl = Control;
  PlaceDropDownControl();
}

void TZadCustomDropDown::Relay_Key(QEvent::Type Type, int Key, Qt::KeyboardModifiers Shift, const QString& Text) {
  QKeyEvent copy(Type, Key, Shift, Text);
  QCoreApplication::sendEvent(this, &copy);
}

bool TZadCustomDropDown::Handle_Popup_Key(int Key, Qt::KeyboardModifiers Shift) {
  const bool showing = FDropDownForm && FDropDownForm->isVisible();
  if (((Key == Qt::Key_Up || Key == Qt::Key_Down) && (Shift & Qt::AltModifier)) || Key == Qt::Key_F4) {
    if (showing)
      DoHideDropDown(false);
    else
      DoShowDropDown();
    return true;
  }
  if (!showing) return false;
  if (Key == Qt::Key_Return || Key == Qt::Key_Enter) {
    DoHideDropDown(false);
    return true;
  }
  if (Key == Qt::Key_Escape) {
    DoHideDropDown(true);
    return true;
  }
  return false;
}

void TZadCustomDropDown::keyPressEvent(QKeyEvent* Event) {
  const QString before = text();
  ++FKeyDepth;
  Handle_Key(Event);
  --FKeyDepth;
  if (text() != before) Fire_Change();
}

bool TZadCustomDropDown::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == FControl.data() && FDroppedDown) {
    if (Event->type() == QEvent::KeyPress) {
      auto* key_event = static_cast<QKeyEvent*>(Event);
      int key = key_event->key();
      DoControlKeyDown(key, key_event->modifiers());
      for (QChar c : key_event->text()) DoControlKeyPress(c);
      // A key that closed the popup goes no further: the control would pass
      // it on to the popup, which hands it to the edit a second time (F4
      // would open the popup again).
      if (!FDroppedDown) return true;
    } else if (Event->type() == QEvent::KeyRelease) {
      auto* key_event = static_cast<QKeyEvent*>(Event);
      int key = key_event->key();
      DoControlKeyUp(key, key_event->modifiers());
    }
  }
  // qobject_cast first: a label being destroyed by its parent still sends
  // events here and is no longer a QLabel by then.
  if (qobject_cast<QLabel*>(Watched) && Watched == FLabel.data()) {
    if (Event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton &&
        FLabel->rect().contains(static_cast<QMouseEvent*>(Event)->position().toPoint()))
      DoLabelClick();
    else if (Event->type() == QEvent::MouseButtonDblClick)
      DoLabelDblClick();
  }
  return QLineEdit::eventFilter(Watched, Event);
}

// ---- open and close by the mouse ----

void TZadCustomDropDown::DropDownButtonClick() {
  if (!FDropDownForm || FDropDownForm->isVisible()) return;
  if (FDropDownForm->HasDeActivated() && !Reopen_Allowed(Clock ? Clock() : 0u, FDropDownForm->DeActivateTime())) return;
  DoShowDropDown();
}

void TZadCustomDropDown::Close_By_Outside_Press() {
  if (FDropDownForm && FDropDownForm->isVisible()) FDropDownForm->DeActivated(this);
}

void TZadCustomDropDown::mousePressEvent(QMouseEvent* Event) {
  if (!FEditorEnabled) {
    QLineEdit::mousePressEvent(Event);
    if (Event->button() == Qt::LeftButton) {
      // An open popup loses activation to this press and closes; the guard
      // then keeps the same press from opening it again.
      Close_By_Outside_Press();
      DropDownButtonClick();
    }
    return;
  }
  if (Event->button() == Qt::LeftButton && hasFocus() && hasSelectedText()) {
    const int at = cursorPositionAt(Event->position().toPoint());
    const int start = selectionStart(), end = start + static_cast<int>(selectedText().size());
    if (at >= start && at < end) {
      FButtonDown = true;
      return;
    }
  }
  QLineEdit::mousePressEvent(Event);
}

void TZadCustomDropDown::mouseReleaseEvent(QMouseEvent* Event) {
  if (FButtonDown) {
    FButtonDown = false;
    setCursorPosition(cursorPositionAt(Event->position().toPoint()));
  }
  QLineEdit::mouseReleaseEvent(Event);
  if (Event->button() == Qt::LeftButton) Clamp_Selection();
  if (!FEditorEnabled || isReadOnly()) update();
}

void TZadCustomDropDown::wheelEvent(QWheelEvent* Event) {
  QLineEdit::wheelEvent(Event);
  const int delta = Event->angleDelta().y();
  if (delta < 0) MouseWheelDownAction();
  if (delta > 0) MouseWheelUpAction();
}

void TZadCustomDropDown::enterEvent(QEnterEvent* Event) {
  QLineEdit::enterEvent(Event);
  FMouseInControl = true;
  update();
}

void TZadCustomDropDown::leaveEvent(QEvent* Event) {
  QLineEdit::leaveEvent(Event);
  FMouseInControl = false;
  update();
}

// ---- focus ----

void TZadCustomDropDown::focusInEvent(QFocusEvent* Event) {
  QLineEdit::focusInEvent(Event);
  if (FEditorEnabled) {
    FOldString = text();
    if (FAutoSelect && Event->reason() != Qt::MouseFocusReason && Event->reason() != Qt::ActiveWindowFocusReason)
      SelectAll();
  }
  update();
}

void TZadCustomDropDown::focusOutEvent(QFocusEvent* Event) {
  // Focus gone to the open popup leaves the value as it is being edited.
  if (!FDroppedDown) {
    const QString value = Text();
    const bool decimal = FEditType == etFloat || FEditType == etMoney;
    if (FPrecision > 0 && decimal && (!value.isEmpty() || !FAllowNumericNullValue)) {
      const bool modified = FIsModified;
      SetFloatValue(GetFloatValue());
      SetModified(modified);
    } else if (FEditType == etNumeric && value.isEmpty() && !FAllowNumericNullValue) {
      SetText(QStringLiteral("0"));
    } else if (decimal && value.isEmpty() && !FAllowNumericNullValue) {
      SetFloatValue(0);
    }
  }
  QLineEdit::focusOutEvent(Event);
  // Focus gone to the open popup is no exit from the edit: in-place editors
  // stay (they see DroppedDown()).
  update();
}

// ---- layout, label and painting ----

int TZadCustomDropDown::Frame_Width() const { return hasFrame() ? kFrameWidth : 0; }

QRect TZadCustomDropDown::Work_Area_At(const QPoint& P) const {
  return WorkAreaAt ? WorkAreaAt(P) : Nearest_Work_Area(P);
}

void TZadCustomDropDown::resizeEvent(QResizeEvent* Event) {
  QLineEdit::resizeEvent(Event);
  ResizeControl();
  if (FLabel && FLabel->parentWidget()) UpdateLabel();
}

void TZadCustomDropDown::moveEvent(QMoveEvent* Event) {
  QLineEdit::moveEvent(Event);
  if (FLabel && FLabel->parentWidget()) UpdateLabel();
}

void TZadCustomDropDown::showEvent(QShowEvent* Event) {
  QLineEdit::showEvent(Event);
  if (FLabel && !FLabel->text().isEmpty()) FLabel->setVisible(true);
}

void TZadCustomDropDown::hideEvent(QHideEvent* Event) {
  QLineEdit::hideEvent(Event);
  if (FLabel && !FLabel->text().isEmpty() && !Event->spontaneous()) FLabel->setVisible(false);
}

void TZadCustomDropDown::changeEvent(QEvent* Event) {
  QLineEdit::changeEvent(Event);
  switch (Event->type()) {
    case QEvent::EnabledChange:
      if (FButton) {
        FButton->setEnabled(isEnabled());
        FButton->Button()->setEnabled(isEnabled() && !isReadOnly());
      }
      if (FLabel && !FLabelAlwaysEnabled) FLabel->setEnabled(isEnabled());
      update();
      break;
    case QEvent::ReadOnlyChange:
      if (FButton) {
        FButton->Button()->setEnabled(isEnabled() && !isReadOnly());
        FButton->Button()->update();
      }
      break;
    case QEvent::FontChange:
      SetEditRect();
      if (FLabel && FParentFnt) {
        FLabel->setFont(font());
        UpdateLabel();
      }
      break;
    case QEvent::ParentChange:
      if (FLabel) {
        FLabel->setParent(parentWidget());
        UpdateLabel();
      }
      break;
    default:
      break;
  }
}

QLabel* TZadCustomDropDown::Ensure_Label() {
  if (!FLabel) {
    FLabel = new QLabel(parentWidget());
    FLabel->setBuddy(this);
    FLabel->setFont(FParentFont ? font() : FLabelFont);
    FLabel->installEventFilter(this);
    FLabel->setEnabled(FLabelAlwaysEnabled || isEnabled());
  }
  return FLabel;
}

QString TZadCustomDropDown::LabelCaption() const { return FLabel ? FLabel->text() : QString(); }

void TZadCustomDropDown::SetLabelCaption(const QString& Value) {
  Ensure_Label()->setText(Value);
  UpdateLabel();
}

void TZadCustomDropDown::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  if (FLabel) UpdateLabel();
}

void TZadCustomDropDown::SetLabelMargin(int Value) {
  FLabelMargin = Value;
  if (FLabel) UpdateLabel();
}

void TZadCustomDropDown::SetLabelTransparent(bool Value) {
  FLabelTransparent = Value;
  if (FLabel) UpdateLabel();
}

void TZadCustomDropDown::SetLabelFont(const QFont& Value) {
  FLabelFont = Value;
  if (FLabel && !FParentFnt) FLabel->setFont(FLabelFont);
  if (FLabel) UpdateLabel();
}

void TZadCustomDropDown::UpdateLabel() {
  if (!FLabel) return;
  FLabel->setAutoFillBackground(!FLabelTransparent);
  FLabel->setFont(FParentFnt ? font() : FLabelFont);
  const QFontMetrics metrics(FLabel->font());
  const int text_width = metrics.horizontalAdvance(Without_Prefix(FLabel->text()));
  FLabel->adjustSize();
  const QPoint at = Label_Origin(FLabelPosition, geometry(), FLabel->size(), text_width, FLabelMargin);
  FLabel->move(at);
  // Follows the edit: hidden with an edit hidden on purpose, else shown
  // whenever the parent is.
  FLabel->setVisible(!(isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide)));
}

void TZadCustomDropDown::HeaderChanged() {
  if (FDropDownForm && FDroppedDown) FDropDownForm->InitializeAndUpdate();
}

void TZadCustomDropDown::FooterChanged() {
  if (FDropDownForm && FDroppedDown) FDropDownForm->InitializeAndUpdate();
}

bool TZadCustomDropDown::Is_Hot() const {
  return FMouseInControl || hasFocus() || (FDropDownForm && FDropDownForm->isVisible());
}

Edit_Border TZadCustomDropDown::Chosen_Border() const {
  Edit_Border_State s;
  s.Enabled = isEnabled();
  s.Themed = FIsThemed;
  s.DisabledBorder = FDisabledBorder;
  s.Focused = hasFocus();
  s.Flat = FFlat;
  s.BorderColor = FBorderColor;
  s.FocusBorderColor = FFocusBorderColor;
  return Choose_Edit_Border(s);
}

TColor TZadCustomDropDown::Border_Frame_Color() const {
  const Edit_Border b = Chosen_Border();
  return b.Kind == Edit_Border_Kind::Frame ? b.Color : clNone;
}

void TZadCustomDropDown::Paint_Borders(QPainter& Painter) {
  const Edit_Border b = Chosen_Border();
  TCanvas canvas(Painter);
  TRect r{0, 0, width(), height()};
  if (b.Kind == Edit_Border_Kind::Frame) {
    canvas.Brush.Color = b.Color;
    canvas.Frame_Rect(r);
  } else if (b.Kind == Edit_Border_Kind::Flat) {
    if (Is_Hot()) {
      Draw_Edge(canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
      canvas.Brush.Color = clBtnFace;
      canvas.Frame_Rect(r);
    } else {
      const TColor parent_color =
          parentWidget() ? From_QColor(parentWidget()->palette().color(QPalette::Window)) : TColor(clBtnFace);
      canvas.Brush.Color = parent_color;
      canvas.Frame_Rect(r);
      canvas.Frame_Rect(r.Inflate(-1, -1));
    }
  }
  if (FButton) FButton->Button()->SetFocused(Is_Hot());
}

void TZadCustomDropDown::paintEvent(QPaintEvent* Event) {
  QLineEdit::paintEvent(Event);
  QPainter painter(this);
  Paint_Borders(painter);
  PaintEditContent(painter);
}
