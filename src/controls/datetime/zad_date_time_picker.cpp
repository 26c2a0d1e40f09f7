#include "controls/datetime/zad_date_time_picker.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/editor_logic/editor_theme.h"

TZadDateTimePicker::TZadDateTimePicker(QWidget* parent) : TCustomDateTimePicker(parent), FLabelFont(font()) {
  SetBorderStyle(bsSingle);
  SetCtl3D(true);
  CreateTimePicker();
}

TZadDateTimePicker::~TZadDateTimePicker() {
  if (FLabel) FLabel->removeEventFilter(this);
  delete FLabel;
}

// --- kind and values -------------------------------------------------------------

void TZadDateTimePicker::SetKind(TZadDateTimeKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
  if (Value == dkDateTime) CreateTimePicker();
  UpdateTimePicker();
}

void TZadDateTimePicker::CreateTimePicker() {
  if (FTimePicker || FKind != dkDateTime) return;
  FTimePicker = new TCustomDateTimePicker(this);
  FTimePicker->resize(90, 17);
  FTimePicker->hide();
  FTimePicker->setEnabled(isEnabled());
  FTimePicker->TDateTimePicker::SetKind(dtkTime);
  FTimePicker->OnChange = [this](QObject*) {
    DoChange();
    if (OnTimeChange) OnTimeChange(this);
  };
  FTimePicker->OnClick = [this](QObject*) { DoClick(); };
  FTimePicker->OnKeyPress = [this](QChar& Key) { TimePickerKeyPress(Key); };
  FTimePicker->OnKeyDown = [this](int& Key, Qt::KeyboardModifiers Shift) {
    if (OnKeyDown) OnKeyDown(Key, Shift);
  };
}

void TZadDateTimePicker::UpdateTimePicker() {
  if (!FTimePicker) return;
  FTimePicker->setParent(this);
  FTimePicker->SetColor(Color());
  FTimePicker->setEnabled(isEnabled() && (Checked() || !ShowCheckbox()));
  FTimePicker->setVisible(FKind == dkDateTime);
  // The base picker's values (this picker's own Time reads the time picker).
  FTimePicker->TDateTimePicker::SetDateTime(TDateTimePicker::DateTime());
  FTimePicker->SetFormat(FTimeFormat);
  FTimePicker->setFont(font());
  if (!FTimePicker->isVisibleTo(this)) {
    delete FTimePicker;
    FTimePicker = nullptr;
    return;
  }
  const int a = fontMetrics().horizontalAdvance(FTimePicker->Shown_Text().left(255)) + 31;
  // No bevels here; offsets as the platform picker's own button needs them.
  const int b = 0;
  const int inset = Border_Width();
  QRect place;
  if (!Editor_Theme_Active())
    place = QRect(width() - a - b - 21, 2, a, height() - b - 4);
  else if (MetroStyle())
    place = QRect(width() - a - b - 21, 1, a, height() - b - 2);
  else
    place = QRect(width() - a - b - 34, 1, a, height() - b - 2);
  // Client coordinates: inside the border, and clipped to it.
  place.translate(inset, inset);
  FTimePicker->setGeometry(place.intersected(rect().adjusted(inset, inset, -inset, -inset)));
}

TDateTime TZadDateTimePicker::DateTime() {
  if (FTimePicker) TDateTimePicker::SetTime(FTimePicker->Time());
  return TDateTimePicker::DateTime();
}

void TZadDateTimePicker::ApplyDateTime(TDateTime Value) {
  // Whole seconds: the fields show no milliseconds.
  const QTime t = Time_Of(Value);
  const TDateTime value = Encode_Date_Time(Date_Of(Value), QTime(t.hour(), t.minute(), t.second()));
  TDateTimePicker::SetDateTime(value);
  if (FKind == dkDateTime) CreateTimePicker();
  if (FTimePicker) FTimePicker->TDateTimePicker::SetDateTime(value);
}

void TZadDateTimePicker::SetDate(TDateTime Value) {
  const QTime t = Time_Of(DateTime());
  ApplyDateTime(Encode_Date_Time(Date_Of(Value), QTime(t.hour(), t.minute(), t.second())));
}

TDateTime TZadDateTimePicker::Time() const {
  if (FKind == dkDateTime && FTimePicker) return FTimePicker->TDateTimePicker::Time();
  return TDateTimePicker::Time();
}

void TZadDateTimePicker::SetTime(TDateTime Value) {
  TDateTimePicker::SetTime(Value);
  UpdateTimePicker();
}

void TZadDateTimePicker::SetTimeFormat(const QString& Value) {
  if (FTimePicker) FTimePicker->SetFormat(Value);
  if (FKind == dkTime) SetFormat(Value);
  FTimeFormat = Value;
  UpdateTimePicker();
}

void TZadDateTimePicker::SetAutoTab(bool Value) {
  TCustomDateTimePicker::SetAutoTab(Value);
  if (FTimePicker) FTimePicker->SetAutoTab(Value);
}

void TZadDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  if (Value == BorderStyle()) return;
  TCustomDateTimePicker::SetBorderStyle(Value);
  UpdateTimePicker();
}

void TZadDateTimePicker::DoChange() {
  if (OnChange) OnChange(this);
}

void TZadDateTimePicker::DoClick() {
  if (OnClick) OnClick(this);
}

void TZadDateTimePicker::TimePickerKeyPress(QChar&) {}

// --- automatic advance ------------------------------------------------------------

void TZadDateTimePicker::KeyPress(QChar& Key) {
  const bool digit = Key >= QLatin1Char('0') && Key <= QLatin1Char('9');
  if (digit && AutoTab()) FTypedDate = Value().date();
  TCustomDateTimePicker::KeyPress(Key);
}

void TZadDateTimePicker::ShiftFocus() {
  if (FKind == dkTime) {
    TCustomDateTimePicker::ShiftFocus();
    return;
  }
  const QDate now = Value().date();
  const bool day = now.day() != FTypedDate.day();
  const bool month = now.month() != FTypedDate.month();
  const bool year = now.year() != FTypedDate.year();
  const QString format = Format();
  if (!format.isEmpty()) {
    // The changed field is the format's last: go on into the time.
    const QChar last = format.back().toLower();
    if ((day && last == QLatin1Char('d')) || (month && last == QLatin1Char('m')) ||
        (year && last == QLatin1Char('y'))) {
      if (FTimePicker) FTimePicker->setFocus(Qt::TabFocusReason);
    } else if (day || month || year) {
      Post_Right();
    }
  } else if (day || month) {
    Post_Right();
  } else if (year && FTimePicker) {
    FTimePicker->setFocus(Qt::TabFocusReason);
  }
}

// --- check box ---------------------------------------------------------------------

void TZadDateTimePicker::Time_Picker_Enabled_By_Check() {
  if (FTimePicker) FTimePicker->setEnabled(isEnabled() && Checked());
}

void TZadDateTimePicker::Set_System_Time(bool Valid, const QDateTime& Value) {
  TCustomDateTimePicker::Set_System_Time(Valid, Value);
  if (ShowCheckbox() && FTimePicker) {
    Time_Picker_Enabled_By_Check();
    FIgnoreTimePickerCheck = FTimePicker->isEnabled();
  }
}

void TZadDateTimePicker::Date_Time_Changed(bool Valid) {
  TCustomDateTimePicker::Date_Time_Changed(Valid);
  if (ShowCheckbox() && FTimePicker && !FIgnoreTimePickerCheck) {
    Time_Picker_Enabled_By_Check();
    if (!Valid) FTimePicker->setEnabled(false);
  }
  FIgnoreTimePickerCheck = false;
}

// --- label -------------------------------------------------------------------------

void TZadDateTimePicker::CreateLabel() {
  if (FLabel) return;
  FLabel = new QLabel(parentWidget());
  FLabel->setBuddy(this);
  FLabel->setTextFormat(Qt::PlainText);
  FLabel->setFont(FLabelFont);
  FLabel->installEventFilter(this);
  FLabelObject = FLabel.data();
}

void TZadDateTimePicker::SetLabelCaption(const QString& Value) {
  CreateLabel();
  FLabel->setText(Value);
  PlaceLabel();
}

void TZadDateTimePicker::SetLabelFont(const QFont& Value) {
  if (testAttribute(Qt::WA_SetFont)) FLabelFont = Value;
  if (FLabel) PlaceLabel();
}

void TZadDateTimePicker::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  if (FLabel) PlaceLabel();
}

void TZadDateTimePicker::SetLabelMargin(int Value) {
  FLabelMargin = Value;
  if (FLabel) PlaceLabel();
}

void TZadDateTimePicker::SetLabelTransparent(bool Value) {
  FLabelTransparent = Value;
  if (FLabel) PlaceLabel();
}

void TZadDateTimePicker::SetLabelAlwaysEnabled(bool Value) {
  FLabelAlwaysEnabled = Value;
  if (FLabel && Value) FLabel->setEnabled(true);
  update();
}

void TZadDateTimePicker::PlaceLabel() {
  if (!FLabel) return;
  if (FLabel->parentWidget() != parentWidget()) FLabel->setParent(parentWidget());
  FLabel->setAutoFillBackground(!FLabelTransparent);
  QFont font = FLabelFont;
  font.setBold(FFocusLabel && hasFocus());
  FLabel->setFont(font);
  const QFontMetrics metrics(font);
  QString shown = FLabel->text();
  shown.remove(QLatin1Char('&'));
  const int text_width = metrics.horizontalAdvance(shown);
  FLabel->resize(text_width, metrics.height());
  FLabel->move(Label_Origin(FLabelPosition, geometry(), FLabel->size(), text_width, FLabelMargin));
  FLabel->setVisible(parentWidget() && isVisibleTo(parentWidget()));
}

bool TZadDateTimePicker::eventFilter(QObject* watched, QEvent* event) {
  // Compared as plain objects: a label being destroyed by its parent still
  // sends events here and is no longer a QLabel by then.
  if (watched == FLabelObject) {
    if (event->type() == QEvent::MouseButtonRelease && OnLabelClick) OnLabelClick(this);
    if (event->type() == QEvent::MouseButtonDblClick && OnLabelDblClick) OnLabelDblClick(this);
  }
  return TCustomDateTimePicker::eventFilter(watched, event);
}

// --- events ---------------------------------------------------------------------------

void TZadDateTimePicker::paintEvent(QPaintEvent* event) {
  TCustomDateTimePicker::paintEvent(event);
  if (FFirstRun) {
    FFirstRun = false;
    UpdateTimePicker();
  }
}

void TZadDateTimePicker::resizeEvent(QResizeEvent* event) {
  TCustomDateTimePicker::resizeEvent(event);
  UpdateTimePicker();
  PlaceLabel();
}

void TZadDateTimePicker::moveEvent(QMoveEvent* event) {
  TCustomDateTimePicker::moveEvent(event);
  PlaceLabel();
}

void TZadDateTimePicker::changeEvent(QEvent* event) {
  TCustomDateTimePicker::changeEvent(event);
  switch (event->type()) {
    case QEvent::EnabledChange:
      if (FTimePicker) FTimePicker->setEnabled(isEnabled() && (Checked() || !ShowCheckbox()));
      if (FLabel && !FLabelAlwaysEnabled) FLabel->setEnabled(isEnabled());
      break;
    case QEvent::FontChange:
    case QEvent::ParentChange:
      PlaceLabel();
      break;
    default:
      break;
  }
}

void TZadDateTimePicker::setVisible(bool visible) {
  TCustomDateTimePicker::setVisible(visible);
  if (FLabel && FLabel->parentWidget()) FLabel->setVisible(visible);
}

void TZadDateTimePicker::focusInEvent(QFocusEvent* event) {
  TCustomDateTimePicker::focusInEvent(event);
  if (FFocusLabel) PlaceLabel();
}

void TZadDateTimePicker::focusOutEvent(QFocusEvent* event) {
  TCustomDateTimePicker::focusOutEvent(event);
  if (FFocusLabel) PlaceLabel();
}

void TZadDateTimePicker::SetColor(TColor Value) {
  TCustomDateTimePicker::SetColor(Value);
  UpdateTimePicker();
}
