// The drop-down edit's value operations, keys, character filter and
// clipboard: the window side of the value model in drop_down_value.h.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QProxyStyle>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/number_text.h"
#include "dropdowns/base/zad_custom_drop_down.h"

namespace {

// Shows "*" for every character of a password whatever the platform uses.
class Password_Style : public QProxyStyle {
 public:
  int styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget,
                QStyleHintReturn* ReturnData) const override {
    if (Hint == SH_LineEdit_PasswordCharacter) return u'*';
    return QProxyStyle::styleHint(Hint, Option, Widget, ReturnData);
  }
};

bool Is_Enter(int Key) { return Key == Qt::Key_Return || Key == Qt::Key_Enter; }

}  // namespace

// ---- value ----

Drop_Down_Value_Settings TZadCustomDropDown::Value_Settings() const {
  Drop_Down_Value_Settings s;
  s.EditType = FEditType;
  s.Prefix = FPrefix;
  s.Suffix = FSuffix;
  s.Precision = FPrecision;
  s.Signed = FSigned;
  s.LengthLimit = FLengthLimit;
  s.ValidChars = FValidChars;
  s.AutoThousandSeparator = FAutoThousandSeparator;
  return s;
}

int TZadCustomDropDown::Prefix_End() const {
  return !FPrefix.isEmpty() && text().startsWith(FPrefix) ? static_cast<int>(FPrefix.size()) : 0;
}

double TZadCustomDropDown::GetFloatValue() const { return Float_Value(Value_Settings(), Text()); }

void TZadCustomDropDown::SetFloatValue(double Value) {
  const QString t = Float_Text(Value_Settings(), Value);
  if (!t.isNull()) {
    SetText(t);
    if (FEditType == etMoney) ApplyThousandSeparators();
  }
  SetModified(true);
}

void TZadCustomDropDown::SetIntValue(int64_t Value) {
  const QString t = Int_Text(Value_Settings(), Value);
  if (!t.isNull()) {
    SetText(t);
    if (FEditType == etMoney) ApplyThousandSeparators();
  }
  SetModified(true);
}

void TZadCustomDropDown::SetEditType(TDropDownEditType Value) {
  if (FEditType == Value) return;
  FEditType = Value;
  if (Value == etPassword) {
    FCanUndo = false;
    Apply_Password_Style();
    setEchoMode(QLineEdit::Password);
  } else {
    setEchoMode(QLineEdit::Normal);
  }
  const TNumberKind kind = Classify_Number_Text(Text());
  if (Value == etNumeric && kind != nkInteger)
    SetIntValue(0);
  else if (Value == etHex && kind != nkInteger && kind != nkHex)
    SetIntValue(0);
  else if ((Value == etFloat || Value == etMoney) && kind > nkDecimal)
    SetFloatValue(0);
}

void TZadCustomDropDown::Apply_Password_Style() {
  if (FPasswordStyle) return;
  auto* style = new Password_Style;
  style->setParent(this);
  FPasswordStyle = style;
  setStyle(style);
}

void TZadCustomDropDown::SetPrecision(int Value) {
  if (FPrecision == Value) return;
  if (FEditType != etString && FEditType != etFloat && FEditType != etMoney) return;
  FPrecision = static_cast<int16_t>(Value);
  // A free text keeps what it says; only numbers are re-formatted.
  if (FEditType == etString) return;
  if (Classify_Number_Text(Remove_Thousand_Separators(Text())) > nkDecimal)
    SetFloatValue(0);
  else
    SetFloatValue(GetFloatValue());
}

void TZadCustomDropDown::SetModified(bool Flag) {
  if (!FEditorEnabled || isReadOnly()) return;
  setModified(Flag);
  FIsModified = Flag;
}

void TZadCustomDropDown::ApplyThousandSeparators() {
  Edit_State state = Current_State();
  if (!Regroup_Money(Value_Settings(), state)) return;
  // Outside a keystroke the regrouping's own change notice is swallowed.
  if (FKeyDepth == 0) FBlockChange = true;
  Apply_State(state);
}

void TZadCustomDropDown::SelectAll() {
  const int pre = Prefix_End();
  setSelection(pre, static_cast<int>(Text().size()));
}

void TZadCustomDropDown::SelectAfterDecimal() {
  const qsizetype at = Text().indexOf(Decimal_Separator());
  setCursorPosition(Prefix_End() + static_cast<int>(at >= 0 ? at + 1 : 0));
}

void TZadCustomDropDown::SelectBeforeDecimal() {
  const qsizetype at = Text().indexOf(Decimal_Separator());
  setCursorPosition(Prefix_End() + static_cast<int>(at >= 0 ? at : 0));
}

Edit_State TZadCustomDropDown::Current_State() const {
  Edit_State s;
  s.Text = text();
  s.Caret = cursorPosition();
  s.Anchor = s.Caret;
  if (hasSelectedText()) {
    const int start = selectionStart(), end = selectionEnd();
    s.Anchor = s.Caret == start ? end : start;
  }
  return s;
}

void TZadCustomDropDown::Apply_State(const Edit_State& State) {
  if (text() != State.Text) setText(State.Text);
  const int size = static_cast<int>(State.Text.size());
  const int caret = std::clamp(State.Caret, 0, size), anchor = std::clamp(State.Anchor, 0, size);
  if (caret == anchor)
    setCursorPosition(caret);
  else
    setSelection(anchor, caret - anchor);
}

void TZadCustomDropDown::Text_Changed() {
  if (FKeyDepth > 0) return;
  if (FBlockChange) {
    FBlockChange = false;
    return;
  }
  Fire_Change();
}

void TZadCustomDropDown::Fire_Change() { HandleTextChange(); }

void TZadCustomDropDown::HandleTextChange() {
  if (OnChange) OnChange(this);
}

void TZadCustomDropDown::Clamp_Selection() {
  const int pre = Prefix_End(), end = pre + static_cast<int>(Text().size());
  const int start = hasSelectedText() ? selectionStart() : cursorPosition();
  const int stop = hasSelectedText() ? selectionEnd() : cursorPosition();
  if (start < pre && stop <= pre) {
    SelectAll();
  } else if (start > end) {
    setCursorPosition(end);
  } else if (stop > end || start < pre) {
    setSelection(std::max(start, pre), std::min(stop, end) - std::max(start, pre));
  }
}

void TZadCustomDropDown::Post_Key(QObject* Target, int Key, Qt::KeyboardModifiers Shift) {
  if (!Target) return;
  QCoreApplication::postEvent(Target, new QKeyEvent(QEvent::KeyPress, Key, Shift));
  QCoreApplication::postEvent(Target, new QKeyEvent(QEvent::KeyRelease, Key, Shift));
}

// ---- keys ----

bool TZadCustomDropDown::event(QEvent* Event) {
  if (Event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(Event);
    // Esc closes an open popup before any shortcut of the window sees it.
    if (key->key() == Qt::Key_Escape && FDropDownForm && FDropDownForm->isVisible()) {
      Event->accept();
      return true;
    }
    // The edit's own cut, copy and paste, not a window's shortcut.
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Paste)) {
      Event->accept();
      return true;
    }
  }
  return QLineEdit::event(Event);
}

void TZadCustomDropDown::Handle_Key(QKeyEvent* Event) {
  const int key = Event->key();
  const Qt::KeyboardModifiers shift = Event->modifiers();
  Event->accept();
  if ((key == Qt::Key_Up || key == Qt::Key_Down) && (shift & Qt::AltModifier)) {
    Handle_Popup_Key(key, shift);
    return;
  }
  if (!FEditorEnabled && isEnabled()) {
    if (!isReadOnly() && Handle_Popup_Key(key, shift)) return;
    // Enter and Esc go on to the dialog; everything else is swallowed.
    if (Is_Enter(key) || key == Qt::Key_Escape) Event->ignore();
    return;
  }
  if ((key == Qt::Key_Tab || Is_Enter(key)) && (shift & Qt::ControlModifier)) {
    Event->ignore();
    return;
  }
  if (Is_Enter(key) && FReturnIsTab) {
    if (isVisible()) Post_Key(this, Qt::Key_Tab, Qt::NoModifier);
    return;
  }
  if (Event->matches(QKeySequence::Copy)) return HandleCopy();
  if (Event->matches(QKeySequence::Cut)) return HandleCut();
  if (Event->matches(QKeySequence::Paste)) return HandlePaste();
  if (Handle_Caret_Key(Event)) return;
  if (key == Qt::Key_Delete && !(shift & ~Qt::KeypadModifier)) return Handle_Delete(Event);
  if (Handle_Popup_Key(key, shift)) return;
  if (key == Qt::Key_Escape) {
    if (FCanUndo) {
      SelectAll();
      SetModified(false);
    }
    Event->ignore();
    return;
  }
  if (Is_Enter(key)) {
    QChar enter = QLatin1Char('\r');
    if (OnKeyPress) OnKeyPress(this, enter);
    Event->ignore();
    return;
  }
  if (key == Qt::Key_Backspace && !(shift & Qt::ControlModifier)) return Handle_Char(QLatin1Char('\b'), Event);
  const QString typed = Event->text();
  const bool shortcut = (shift & (Qt::ControlModifier | Qt::MetaModifier)) && !(shift & Qt::AltModifier);
  if (typed.size() == 1 && typed[0].isPrint() && !shortcut) return Handle_Char(typed[0], Event);
  // Navigation, selection and undo stay the line edit's, kept out of the
  // prefix afterwards.
  QLineEdit::keyPressEvent(Event);
  if (cursorPosition() < Prefix_End() && !hasSelectedText()) setCursorPosition(Prefix_End());
}

bool TZadCustomDropDown::Handle_Caret_Key(QKeyEvent* Event) {
  const int key = Event->key();
  const bool shift = Event->modifiers() & Qt::ShiftModifier;
  const int pre = Prefix_End(), value_end = pre + static_cast<int>(Text().size());
  const int sel_end = hasSelectedText() ? selectionEnd() : cursorPosition();
  if (key == Qt::Key_Right && !FSuffix.isEmpty() && sel_end >= value_end && !shift) return true;
  if (key == Qt::Key_Right && !FSuffix.isEmpty() && cursorPosition() >= value_end) return true;
  if (key == Qt::Key_Left && !FPrefix.isEmpty() && cursorPosition() <= pre) return true;
  if (key == Qt::Key_End && !FSuffix.isEmpty()) {
    if (shift) {
      const int from = hasSelectedText() && cursorPosition() == selectionEnd() ? selectionStart() : cursorPosition();
      setSelection(from, value_end - from);
    } else {
      setCursorPosition(value_end);
    }
    return true;
  }
  if (key == Qt::Key_Home && !FPrefix.isEmpty()) {
    if (shift)
      setSelection(value_end, pre - value_end);
    else
      setCursorPosition(pre);
    return true;
  }
  return false;
}

void TZadCustomDropDown::Handle_Delete(QKeyEvent* Event) {
  (void)Event;
  if (isReadOnly()) return;
  const int pre = Prefix_End(), value_end = pre + static_cast<int>(Text().size());
  Edit_State state = Current_State();
  if (!FSuffix.isEmpty() && state.Sel_End() >= value_end && state.Sel_Length() == 0) return;
  if (state.Caret < pre && state.Sel_Length() == 0) return;
  if (state.Sel_Length() > 0)
    Insert_At_Selection(state, QString());
  else
    state.Text.remove(state.Caret, 1);
  if (FLengthLimit > 0 && Integer_Length(Value_Settings(), Value_Of(Value_Settings(), state.Text)) > FLengthLimit)
    return;
  del();
  SetModified(true);
  if (FEditType == etMoney) ApplyThousandSeparators();
  if (cursorPosition() < Prefix_End()) setCursorPosition(Prefix_End());
}

void TZadCustomDropDown::Handle_Char(QChar Ch, QKeyEvent* Event) {
  if (!FEditorEnabled || isReadOnly()) return;
  // A masked edit takes what its mask allows.
  if (!inputMask().isEmpty()) {
    QLineEdit::keyPressEvent(Event);
    return;
  }
  const Drop_Down_Value_Settings settings = Value_Settings();
  Edit_State state = Current_State();
  Char_Keys keys;
  keys.Ctrl = Event->modifiers() & Qt::ControlModifier;
  keys.Keypad = Event->modifiers() & Qt::KeypadModifier;
  keys.ExcelStyleDecimalSeparator = FExcelStyleDecimalSeparator;
  const Char_Outcome outcome = Filter_Char(settings, state, Ch, keys);
  const Edit_State now = Current_State();
  if (state.Text != now.Text || state.Caret != now.Caret || state.Anchor != now.Anchor) Apply_State(state);
  if (outcome.Pass) {
    if (outcome.Char == QLatin1Char('\b'))
      backspace();
    else
      insert(QString(outcome.Char));
    Edit_State after = Current_State();
    const QString typed_text = after.Text;
    Finish_Char(settings, after, outcome);
    if (after.Text != typed_text || outcome.Then != Char_Outcome::After::Nothing) Apply_State(after);
  }
  if (outcome.Modified) SetModified(true);
}

// ---- clipboard ----

void TZadCustomDropDown::HandleCopy() {
  // A password is not handed out.
  if (echoMode() != QLineEdit::Normal) return;
  bool allow = true;
  if (OnClipboardCopy && !FBlockCopy) OnClipboardCopy(this, Value_Of(Value_Settings(), selectedText()), allow);
  if (allow) copy();
  FBlockCopy = false;
}

void TZadCustomDropDown::HandleCut() {
  if (!FEditorEnabled || isReadOnly() || echoMode() != QLineEdit::Normal) return;
  bool allow = true;
  if (OnClipboardCut) OnClipboardCut(this, selectedText(), allow);
  if (!allow) return;
  FBlockCopy = true;
  const QString before = text();
  ++FKeyDepth;
  cut();
  --FKeyDepth;
  FBlockCopy = false;
  SetModified(true);
  if (FEditType == etMoney) ApplyThousandSeparators();
  if (text() != before && FKeyDepth == 0) Fire_Change();
}

void TZadCustomDropDown::HandlePaste() {
  if (isReadOnly() || !FEditorEnabled) return;
  QString clip = QGuiApplication::clipboard()->text();
  if (clip.isEmpty()) return;
  // One line of the clipboard: a line edit holds no line breaks.
  const qsizetype line_end = clip.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
  if (line_end >= 0) clip.truncate(line_end);
  if (clip.isEmpty()) return;
  const Drop_Down_Value_Settings settings = Value_Settings();
  const Paste_Outcome outcome = Paste_Text(settings, Current_State(), clip, maxLength());
  bool allow = true;
  if (OnClipboardPaste) OnClipboardPaste(this, outcome.Value, allow);
  if (!allow) return;
  if (maxLength() > 0 && clip.size() + Text().size() - selectedText().size() > maxLength()) return;
  const QString before = text();
  ++FKeyDepth;
  if (outcome.Accepted) {
    SetText(outcome.Value);
    if (outcome.Reformat) SetFloatValue(GetFloatValue());
    SetModified(true);
  }
  if (outcome.Select_All) {
    SelectAll();
  } else {
    const int size = static_cast<int>(text().size());
    const int start = std::clamp(outcome.Sel_Start, 0, size);
    setSelection(start, std::clamp(outcome.Sel_Length, 0, size - start));
    // A value shortened by its formatting leaves the caret at its end.
    Edit_State state = Current_State();
    Clamp_To_Value(settings, state);
    Apply_State(state);
  }
  --FKeyDepth;
  if (text() != before && FKeyDepth == 0) Fire_Change();
}

void TZadCustomDropDown::contextMenuEvent(QContextMenuEvent* Event) {
  QMenu* menu = createStandardContextMenu();
  // The menu's cut, copy and paste run the edit's own handlers. The line
  // edit's actions carry their shortcut after a tab in the text.
  struct Route {
    QKeySequence::StandardKey key;
    const char* name;
    void (TZadCustomDropDown::*handler)();
  };
  const Route routes[] = {{QKeySequence::Cut, "edit-cut", &TZadCustomDropDown::HandleCut},
                          {QKeySequence::Copy, "edit-copy", &TZadCustomDropDown::HandleCopy},
                          {QKeySequence::Paste, "edit-paste", &TZadCustomDropDown::HandlePaste}};
  for (QAction* action : menu->actions()) {
    const QString shortcut = action->text().section(QLatin1Char('\t'), 1);
    if (shortcut.isEmpty()) continue;
    for (const Route& r : routes) {
      const QList<QKeySequence> bindings = QKeySequence::keyBindings(r.key);
      if (bindings.isEmpty() || bindings.first().toString(QKeySequence::NativeText) != shortcut) continue;
      action->setObjectName(QLatin1String(r.name));
      action->disconnect();
      const auto handler = r.handler;
      connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    }
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(Event->globalPos());
}
