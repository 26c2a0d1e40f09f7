#include "dropdowns/memo/zad_memo_drop_down.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>

#include "dropdowns/base/drop_down_drawing.h"
#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/memo/memo_lines.h"

TZadMemoDropDown::TZadMemoDropDown(QWidget* AOwner) : TZadCustomDropDown(AOwner) {}

// ---- lines ----

void TZadMemoDropDown::Store_Lines(const QStringList& Value, bool Notify) {
  FMemoText = Value;
  if (Notify) UpdateEditText();
}

void TZadMemoDropDown::SetMemoText(const QStringList& Value) {
  Store_Lines(Value, true);
  if (FMemo) FMemo->setPlainText(FMemoText.join(QLatin1Char('\n')));
}

QString TZadMemoDropDown::MemoString() const { return Join_Memo_Lines(FMemoText); }

void TZadMemoDropDown::SetMemoString(const QString& Value) { SetMemoText(Split_Memo_Lines(Value)); }

void TZadMemoDropDown::SetMemoReadOnly(bool Value) {
  FMemoReadOnly = Value;
  if (FMemo && DroppedDown()) FMemo->setReadOnly(Value);
}

void TZadMemoDropDown::UpdateEditText() {
  QString summary;
  if (FMemoText.isEmpty() || EditorEnabled()) {
    summary = Join_Memo_Lines(FMemoText);
  } else {
    summary = FMemoText.first();
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    TCanvas canvas(painter);
    canvas.Font = font();
    const TRect r = GetEditRect();
    const int width = r.Right - r.Left;
    if (Measure_Text(canvas, summary).width() < width) {
      // More lines are hinted at even when the hint no longer fits.
      if (FMemoText.size() > 1) summary += QStringLiteral("...");
    } else {
      summary = Fit_Text_With_Ellipsis(canvas, summary, width, true);
    }
  }
  FSummary = summary;
  FInternalUpdate = true;
  SetRawText(summary);
  FInternalUpdate = false;
}

void TZadMemoDropDown::HandleTextChange() {
  // Typing into the edit replaces the lines. The summary itself is no
  // typing: a key that closed the popup reports its change only after the
  // key, when the summary is long written.
  if (!FInternalUpdate && text() != FSummary) Store_Lines(Split_Memo_Lines(Text()), false);
  TZadCustomDropDown::HandleTextChange();
}

// ---- popup ----

void TZadMemoDropDown::CreateDropDownForm() {
  TZadCustomDropDown::CreateDropDownForm();
  if (!DropDownForm()) return;
  if (!FMemo) {
    FMemo = new QPlainTextEdit(DropDownForm());
    FMemo->setFrameShape(QFrame::NoFrame);
    FMemo->resize(width(), 100);
    FMemo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FMemo, &QPlainTextEdit::customContextMenuRequested, this, [this](const QPoint& At) {
      if (FMemoPopup) {
        FMemoPopup->popup(FMemo->viewport()->mapToGlobal(At));
      } else {
        QMenu* menu = FMemo->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(FMemo->viewport()->mapToGlobal(At));
      }
    });
    connect(FMemo, &QPlainTextEdit::textChanged, this, [this] { MemoChange(); });
    SetFocusControl(FMemo);
  }
  SetControl(FMemo);
}

void TZadMemoDropDown::Apply_Scroll_Bars() {
  const bool horizontal = FMemoScrollBars == ssHorizontal || FMemoScrollBars == ssBoth;
  const bool vertical = FMemoScrollBars == ssVertical || FMemoScrollBars == ssBoth;
  FMemo->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  FMemo->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  // Without a horizontal bar long lines wrap, as a memo's do.
  FMemo->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

void TZadMemoDropDown::DoBeforeDropDown() {
  TZadCustomDropDown::DoBeforeDropDown();
  if (DropDownForm()) DropDownForm()->SetCancelOnDeActivate(false);
  if (!FMemo) return;
  if (DropDownWidth() <= 0) FMemo->resize(width(), FMemo->height());
  FMemo->setPlainText(FMemoText.join(QLatin1Char('\n')));
  Keep_Max_Length();
  Apply_Scroll_Bars();
  FMemo->setReadOnly(FMemoReadOnly);
}

void TZadMemoDropDown::DoHideDropDown(bool CancelChanges) {
  const bool open = DropDownForm() && DropDownForm()->isVisible();
  const QStringList kept = FMemoText;
  // A cancel drops what was typed into the memo.
  if (CancelChanges && FMemo && open) FMemo->setPlainText(FMemoText.join(QLatin1Char('\n')));
  const bool auto_drop = FAutoDrop;
  FAutoDrop = false;
  FClosing = true;
  if (CancelChanges && open) FOldText = text();
  TZadCustomDropDown::DoHideDropDown(CancelChanges);
  FClosing = false;
  FAutoDrop = auto_drop;
  // The edit's cancel writes back the text it last had; the lines are the
  // ones from before the popup opened, not that text split.
  if (CancelChanges && open) Store_Lines(kept, true);
}

void TZadMemoDropDown::DoDropDownFormHide() {
  TZadCustomDropDown::DoDropDownFormHide();
  if (FMemo) Store_Lines(Split_Memo_Lines(FMemo->toPlainText()), true);
  UpdateEditText();
  setCursorPosition(0);
}

void TZadMemoDropDown::MemoChange() {
  Keep_Max_Length();
  if (OnMemoChange) OnMemoChange(this);
}

void TZadMemoDropDown::Keep_Max_Length() {
  if (!FMemo || maxLength() <= 0) return;
  const QString all = FMemo->toPlainText();
  if (all.size() <= maxLength()) return;
  const QSignalBlocker block(FMemo);
  FMemo->setPlainText(all.left(maxLength()));
  FMemo->moveCursor(QTextCursor::End);
}

// ---- keys and focus ----

namespace {

// Only these leave the memo for the edit: Alt combinations, Esc and F4.
bool Leaves_Memo(int Key, Qt::KeyboardModifiers Shift) {
  return (Shift & Qt::AltModifier) || Key == Qt::Key_Escape || Key == Qt::Key_F4;
}

}  // namespace

void TZadMemoDropDown::DoControlKeyDown(int& Key, Qt::KeyboardModifiers Shift) {
  if (Leaves_Memo(Key, Shift)) TZadCustomDropDown::DoControlKeyDown(Key, Shift);
  if (FMemo && Key == Qt::Key_A && (Shift & Qt::ControlModifier)) FMemo->selectAll();
}

void TZadMemoDropDown::DoControlKeyUp(int& Key, Qt::KeyboardModifiers Shift) {
  if (Leaves_Memo(Key, Shift)) TZadCustomDropDown::DoControlKeyUp(Key, Shift);
}

void TZadMemoDropDown::DoControlKeyPress(QChar& Key) {
  if (Key == QChar(0x1B) || (QGuiApplication::keyboardModifiers() & Qt::AltModifier))
    TZadCustomDropDown::DoControlKeyPress(Key);
}

void TZadMemoDropDown::focusInEvent(QFocusEvent* Event) {
  TZadCustomDropDown::focusInEvent(Event);
  // The focus coming back from the closed popup (or the window becoming
  // active again) does not open it.
  const bool returning = Event->reason() == Qt::ActiveWindowFocusReason || Event->reason() == Qt::PopupFocusReason;
  if (FAutoDrop && !FClosing && !returning) DoShowDropDown();
}
