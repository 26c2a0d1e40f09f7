#include "grid/edit/zad_inplace_edit.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

#include "controls/format_settings.h"
#include "controls/tcolor.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/edit_line_breaks.h"
#include "grid/edit/edit_mask.h"

using edit_filter::Char_Action;
using edit_filter::Edit_State;

namespace {

// Shows the grid's password character in place of the platform's.
class Password_Style : public QProxyStyle {
 public:
  QChar Char = QLatin1Char('*');
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return Char.unicode();
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

// The multi-line text control of wrapping and multi-line cells. Keys go to
// the editor first (so the grid's watch on the editor and its rules see
// them); what the editor leaves to the platform comes back to Default_Key.
class TInplaceLines : public QPlainTextEdit {
 public:
  explicit TInplaceLines(TZadInplaceEdit* AOwner) : QPlainTextEdit(AOwner), FOwner(AOwner) {
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Dropped text would pass by the filters.
    setAcceptDrops(false);
    // Tab reaches the key handler (and so the editor), as in the line edit.
    setTabChangesFocus(false);
    document()->setDocumentMargin(2);
  }
  void Default_Key(QKeyEvent* e) { QPlainTextEdit::keyPressEvent(e); }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    QCoreApplication::sendEvent(FOwner, e);
    e->accept();
  }
  void keyReleaseEvent(QKeyEvent* e) override {
    QCoreApplication::sendEvent(FOwner, e);
    e->accept();
  }
  void focusInEvent(QFocusEvent* e) override {
    QPlainTextEdit::focusInEvent(e);
    FOwner->Focus_Gained();
  }
  void focusOutEvent(QFocusEvent* e) override {
    QPlainTextEdit::focusOutEvent(e);
    FOwner->Focus_Lost(e->reason());
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    QPlainTextEdit::mouseDoubleClickEvent(e);
    FOwner->Double_Clicked();
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    // The selection paste of the middle button would pass by the filters.
    if (e->button() == Qt::MiddleButton) return;
    QPlainTextEdit::mouseReleaseEvent(e);
  }
  void contextMenuEvent(QContextMenuEvent* e) override {
    FOwner->Show_Menu(createStandardContextMenu(), e->globalPos());
  }
  void insertFromMimeData(const QMimeData* source) override {
    // Any other way in goes through the paste filter as well.
    if (source && source->hasText()) FOwner->PasteText(source->text());
  }

 private:
  TZadInplaceEdit* FOwner;
};

TZadInplaceEdit::TZadInplaceEdit(TZadIrururOziz* AOwner)
    : QLineEdit(AOwner->viewport()), FGrid(AOwner), FGridAlive(AOwner->FEditorGuard) {
  setFrame(false);
  // Dropped text would pass by the filters.
  setAcceptDrops(false);
  auto* style = new Password_Style;
  style->setParent(this);
  FStyle = style;
  setStyle(FStyle);
  connect(this, &QLineEdit::textChanged, this, [this](const QString& Text) {
    // A text set from outside reaches the multi-line control.
    if (FMultiLine && !FSyncing && edit_filter::To_Cell_Lines(FLines->toPlainText()) != Text) {
      FSyncing = true;
      FLines->setPlainText(edit_filter::To_Control_Lines(Text));
      FSyncing = false;
    }
    Text_Changed(Text);
  });
}

TZadInplaceEdit::~TZadInplaceEdit() = default;

void TZadInplaceEdit::SetVAlign(bool Value) {
  FValign = Value;
  setAlignment((Value ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  Apply_Look_To_Lines();
}

QPlainTextEdit* TZadInplaceEdit::LinesControl() const { return FLines; }

Edit_State TZadInplaceEdit::State() const {
  Edit_State s;
  s.Text = text();
  if (FMultiLine) {
    const QString plain = FLines->toPlainText();
    const QTextCursor c = FLines->textCursor();
    s.Sel_Start = edit_filter::Cell_Position(plain, c.selectionStart());
    s.Sel_Length = edit_filter::Cell_Position(plain, c.selectionEnd()) - s.Sel_Start;
  } else if (hasSelectedText()) {
    s.Sel_Start = selectionStart();
    s.Sel_Length = int(selectedText().size());
  } else {
    s.Sel_Start = cursorPosition();
  }
  return s;
}

void TZadInplaceEdit::SetState(const Edit_State& Value) {
  // A line break typed or pasted into a one-line cell makes it multi-line.
  if (!FMultiLine && Multi_Line_Possible() && edit_filter::Has_Line_Break(Value.Text)) Set_Multi_Line(true);
  if (Value.Text != text()) setText(Value.Text);
  if (Value.Sel_Length > 0)
    setSelection(Value.Sel_Start, Value.Sel_Length);
  else
    setCursorPosition(Value.Sel_Start);
}

edit_filter::Filter_Settings TZadInplaceEdit::Settings(bool CtrlDown) const {
  edit_filter::Filter_Settings f;
  f.Editor = FGrid->CurrentEditor();
  f.Length_Limit = FLengthLimit;
  f.Valid_Chars = FGrid->ValidChars();
  f.Valid_Char_Set = FGrid->ValidCharSet();
  f.Ctrl_Down = CtrlDown;
  f.Line_Feed_On_Enter = FGrid->Navigation().LineFeedOnEnter();
  f.Ctrl_Enter_Allowed =
      FGrid->Navigation().AllowCtrlEnter() && (FGrid->GridWordWrap() || FWordWrap || FGrid->PaintLook().Multilinecells);
  f.Single_Line = !Multi_Line_Possible();
  const Format_Settings& seps = Process_Format_Settings();
  f.Decimal_Separator = seps.Decimal_Separator;
  f.Thousand_Separator = seps.Thousand_Separator;
  return f;
}

// ---- filling

void TZadInplaceEdit::UpdateContents() {
  TZadIrururOziz* g = FGrid;
  FColE = g->Col();
  FRowE = g->Row();
  const Format_Settings& seps = Process_Format_Settings();
  const QString mask = g->QueryEditMask(FColE, FRowE);
  setInputMask(edit_mask::Input_Mask(mask, seps.Time_Separator, seps.Date_Separator));
  bool password = g->CurrentEditor() == edPassword;
  g->DoIsPasswordCell(g->RealColIndex(FColE), FRowE, password);
  FPasswordCell = password;
  const QString cell_text = g->GetEditText(FColE, FRowE);
  if (!Multi_Line_Possible()) Set_Multi_Line(false);
  setText(cell_text);

  // The editor looks like the cell it covers.
  TGridDrawState state = 0;
  TCanvas::Brush_State brush;
  TColor color_to = clNone, mirror = clNone, mirror_to = clNone, font_color = g->FontColor();
  QFont font = g->GridFont();
  TAlignment ha = g->DefaultAlignment();
  TVAlignment va = g->VAlignment();
  bool ww = g->GridWordWrap();
  TCellGradientDirection gd = GradientVertical;
  g->GetVisualProperties(FColE, FRowE, state, false, false, true, brush, color_to, mirror, mirror_to, font, font_color,
                         ha, va, ww, gd);
  QPalette pal = palette();
  if (brush.Color != clNone) pal.setColor(QPalette::Base, To_QColor(brush.Color, pal));
  pal.setColor(QPalette::Text, To_QColor(font_color, pal));
  setPalette(pal);
  setFont(font);
  Qt::Alignment align = Qt::AlignLeft;
  if (ha == taRightJustify || FValign) align = Qt::AlignRight;
  if (ha == taCenter) align = Qt::AlignHCenter;
  setAlignment(align | Qt::AlignVCenter);
  FWordWrap = ww;
  Set_Multi_Line(Multi_Line_Possible() && (ww || edit_filter::Has_Line_Break(cell_text)));
  Apply_Look_To_Lines();

  static_cast<Password_Style*>(FStyle)->Char = g->PasswordChar();
  setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);

  // What the editor does when it takes the focus, done as it opens so that
  // it holds also when the window is not active.
  FGotFocus = true;
  GotKey = false;
  Workmode = true;
  FLengthLimit = g->QueryEditLimit();
  if (!mask.isEmpty() && !g->LButFlg && g->Navigation().ImproveMaskSel()) {
    setSelection(0, 1);
  } else if (!g->Navigation().EditSelectAll()) {
    setCursorPosition(int(text().size()));
  } else {
    selectAll();
  }
  if (g->LButFlg) {
    const QPoint at = mapFromGlobal(QCursor::pos());
    if (rect().contains(at)) {
      deselect();
      if (FMultiLine) {
        const QTextCursor c = FLines->cursorForPosition(FLines->viewport()->mapFrom(this, at));
        setCursorPosition(edit_filter::Cell_Position(FLines->toPlainText(), c.position()));
      } else {
        setCursorPosition(cursorPositionAt(at));
      }
    }
    g->LButFlg = false;
  }
}

// ---- typing

void TZadInplaceEdit::TypeChar(QChar Ch, bool CtrlDown) {
  const Edit_State before = State();
  edit_filter::Char_Result r;
  const Edit_State after = edit_filter::Type_Char(Ch, before, Settings(CtrlDown), &r);
  switch (r.Action) {
    case Char_Action::Beep:
      QApplication::beep();
      return;
    case Char_Action::Drop:
    case Char_Action::Pass:
      return;
    case Char_Action::Insert:
    case Char_Action::New_Line:
      if (r.Recase || (!FMultiLine && r.Action == Char_Action::New_Line)) {
        SetState(after);
      } else {
        Insert_Text(after.Text.mid(before.Sel_Start, after.Sel_Start - before.Sel_Start));
      }
      Q_EMIT textEdited(text());
      break;
  }
  Auto_Advance_Check();
}

void TZadInplaceEdit::Auto_Advance_Check() {
  // A field typed full moves on by itself.
  const TNavigation& nav = FGrid->Navigation();
  const int limit = FGrid->MaxEditLength();
  const bool at_end = !hasSelectedText() && cursorPosition() == (FMultiLine ? text() : displayText()).size();
  if (nav.AdvanceAuto() && nav.AdvanceOnEnter() && limit > 0 && text().size() == limit && at_end)
    Enter_Key(Qt::NoModifier);
  else if (nav.AdvanceAuto() && !inputMask().isEmpty() && hasAcceptableInput() && at_end)
    Enter_Key(Qt::NoModifier);
}

bool TZadInplaceEdit::event(QEvent* e) {
  if (FGridAlive.expired()) return QLineEdit::event(e);
  // Tab and Backtab would move the focus before the key handler sees them.
  if (e->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(e);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && FGrid->WantsTabKey()) {
      Tab_Key(key->modifiers() | (key->key() == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier));
      return true;
    }
  }
  return QLineEdit::event(e);
}

void TZadInplaceEdit::keyPressEvent(QKeyEvent* e) {
  TZadIrururOziz* g = FGrid;
  const int key = e->key();
  const Qt::KeyboardModifiers mods = e->modifiers();
  const bool ctrl = mods & Qt::ControlModifier, shift = mods & Qt::ShiftModifier;
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  FOldSelStart = FSelKeyDown = cursorPosition();
  if (key == Qt::Key_Escape) {
    setText(g->FCellCache);
    g->HideInplaceEdit();
    return;
  }
  if (ctrl && key == Qt::Key_A && !(mods & Qt::GroupSwitchModifier)) {
    selectAll();
    return;
  }
  if (e->matches(QKeySequence::Copy)) return CopyToClipboard();
  if (e->matches(QKeySequence::Cut)) return CutToClipboard();
  if (e->matches(QKeySequence::Paste)) return PasteFromClipboard();
  Workmode = key != Qt::Key_Backspace && key != Qt::Key_Delete;
  int hook_key = key;
  g->EditorKeyDown(hook_key, mods);
  if (hook_key == 0) return;
  const bool line_feed = g->Navigation().LineFeedOnEnter();
  if (enter && ctrl) {
    if (line_feed || Settings(true).Ctrl_Enter_Allowed) TypeChar(QChar(10), true);
    return;
  }
  if (enter && !line_feed) return Enter_Key(mods);
  if ((key == Qt::Key_Left && shift && cursorPosition() == 0) ||
      (key == Qt::Key_Right && shift && cursorPosition() == text().size())) {
    if (g->Navigation().CursorWalkEditor()) {
      g->FValidating = true;
      g->Store_Current_Text(text());
      g->FValidating = false;
      if (!Validate_Text()) return;
      g->HideInplaceEdit();
      g->setFocus();
      return;
    }
  }
  if ((key == Qt::Key_Left || key == Qt::Key_Right) && !shift && !ctrl && g->Navigation().CursorWalkEditor() &&
      !hasSelectedText()) {
    const bool left = key == Qt::Key_Left;
    if (cursorPosition() == (left ? 0 : (FMultiLine ? text() : displayText()).size())) {
      Walk(left);
      return;
    }
  }
  // Up and Down move between the lines of a multi-line text and leave the
  // cell only from its first or last line.
  if (FMultiLine && (key == Qt::Key_Up || key == Qt::Key_Down) && !ctrl && !On_Edge_Line(key == Qt::Key_Up)) {
    FLines->Default_Key(e);
    return;
  }
  if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
    Leave_Vertically(key, mods);
    return;
  }
  if ((key == Qt::Key_Home || key == Qt::Key_End) && !ctrl && !shift) {
    setCursorPosition(key == Qt::Key_Home ? 0 : int(text().size()));
    return;
  }
  const QString typed = g->Typed_Text(*e);
  if (!typed.isEmpty() && !ctrl && typed[0].unicode() >= 32 && typed[0] != QChar(127)) {
    for (QChar ch : typed) TypeChar(ch, ctrl);
    return;
  }
  if (enter) {
    // Enter with LineFeedOnEnter: a line break where the type allows one.
    TypeChar(QChar(13), ctrl);
    return;
  }
  if (!FMultiLine) return QLineEdit::keyPressEvent(e);
  // A Tab the grid does not want is not text either.
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return e->ignore();
  FLines->Default_Key(e);
}

void TZadInplaceEdit::keyReleaseEvent(QKeyEvent* e) {
  QLineEdit::keyReleaseEvent(e);
  if (!FGrid->EditorMode()) return;
  if (Workmode && !hasSelectedText()) CompleteFromLookup();
  const int caret = cursorPosition();
  const QRect at = FMultiLine ? FLines->cursorRect().translated(FLines->viewport()->pos()) : cursorRect();
  if (caret > 0) FGrid->EditorTextChanged(text(), at.topLeft(), caret);
  FGrid->FormulaEditing(text().startsWith(QLatin1Char('=')));
}

void TZadInplaceEdit::CompleteFromLookup() {
  if (!FGrid->Lookup()) return;
  Edit_State completed;
  if (!edit_filter::Lookup_Complete(State(), FGrid->LookupItems(), FGrid->LookupCaseSensitive(), completed)) return;
  if (completed.Text == text()) return;
  SetState(completed);
  Q_EMIT textEdited(text());
  GotKey = false;
}

// ---- leaving the cell

bool TZadInplaceEdit::Validate_Text() {
  TZadIrururOziz* g = FGrid;
  const QString old_text = g->FOldCellText;
  // Without a running edit the validation answers at once and the text
  // stays as typed.
  g->FNewCellText = text();
  if (g->ValidateCell(text())) {
    setText(g->FNewCellText);
    return true;
  }
  g->FOldCellText = old_text;
  Restore_Refused();
  return false;
}

void TZadInplaceEdit::Restore_Refused() {
  setText(FGrid->FNewCellText);
  if (FGrid->Navigation().EditSelectAll())
    selectAll();
  else
    setCursorPosition(int(text().size()));
}

void TZadInplaceEdit::Enter_Key(Qt::KeyboardModifiers Shift) {
  TZadIrururOziz* g = FGrid;
  if (!Validate_Text()) {
    g->FNoAutoAdvance = true;
    return;
  }
  g->HideInplaceEdit();
  // The Enter advance moves on from here (and may open the editor again on
  // the next cell).
  g->AdvanceToNextCell(!(Shift & Qt::ShiftModifier));
  // The grid's key-press event hears this Enter as it hears one typed on the
  // grid, with the text already in the cell: a form's own Enter step works
  // the same with and without an open editor.
  if (g->OnKeyPress) {
    QChar key(QChar::CarriageReturn);
    g->OnKeyPress(g, key);
  }
}

void TZadInplaceEdit::Tab_Key(Qt::KeyboardModifiers Shift) {
  TZadIrururOziz* g = FGrid;
  if (!Validate_Text()) return;
  g->HideInplaceEdit();
  if (g->Options() & goTabs) {
    g->TabAdvance(Shift & Qt::ShiftModifier);
  } else {
    QCoreApplication::postEvent(g, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Shift));
  }
}

void TZadInplaceEdit::Walk(bool Left) {
  TZadIrururOziz* g = FGrid;
  TNavigation& nav = g->Navigation();
  const int c = g->Col(), r = g->Row();
  if (!Validate_Text()) return;
  g->HideInplaceEdit();
  // A cell control beside the cell takes the current cell without the
  // Enter advance.
  const int span = g->CellSpan(g->RealColIndex(c), r).x();
  const int next = Left ? c - 1 : c + std::max(0, span) + 1;
  const bool next_exists = Left ? c > g->FixedCols() : c < g->ColCount() - g->FixedRightCols() - 1;
  if (next_exists && next < g->ColCount() && g->HasCellControl(g->RealColIndex(next), r)) {
    g->FocusCell(next, r);
    return;
  }
  const TAdvanceDirection direction = nav.AdvanceDirection();
  nav.SetAdvanceDirection(adLeftRight);
  g->AdvanceToNextCell(c, r, nav.CursorWalkAlwaysEdit(), false, !Left, nav.CursorWalkAlwaysEdit(), true);
  nav.SetAdvanceDirection(direction);
}

bool TZadInplaceEdit::Leave_Vertically(int Key, Qt::KeyboardModifiers Shift) {
  TZadIrururOziz* g = FGrid;
  g->FValidating = true;
  g->Store_Current_Text(text());
  g->FValidating = false;
  if (!Validate_Text()) return false;
  g->HideInplaceEdit();
  g->HandleKeyDown(Key, Shift);
  if (g->MouseActions().DisjunctRowSelect()) {
    g->ClearRowSelect();
    g->SetRowSelect(g->Row(), true);
  }
  return true;
}

// ---- clipboard

void TZadInplaceEdit::CopyToClipboard() {
  bool allow = true;
  if (FGrid->OnClipboardCopy) FGrid->OnClipboardCopy(FGrid, allow);
  if (!allow) return;
  if (FMultiLine)
    FLines->copy();
  else
    copy();
}

void TZadInplaceEdit::CutToClipboard() {
  bool allow = true;
  if (FGrid->OnClipboardCut) FGrid->OnClipboardCut(FGrid, allow);
  if (!allow) return;
  if (FMultiLine)
    FLines->cut();
  else
    cut();
}

void TZadInplaceEdit::PasteFromClipboard() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  const bool has_text = data && data->hasText();
  PasteText(has_text ? data->text() : QString(), has_text);
}

void TZadInplaceEdit::PasteText(const QString& Text, bool HasText) {
  TZadIrururOziz* g = FGrid;
  bool allow = HasText;
  if (g->OnClipboardPaste) g->OnClipboardPaste(g, allow);
  QString value = Text;
  if (g->OnClipboardBeforePasteCell) g->OnClipboardBeforePasteCell(g, g->Col(), g->Row(), value, allow);
  if (!allow) return;
  const edit_filter::Paste_Result r = edit_filter::Filter_Paste(value, State(), Settings(false));
  // A refused paste leaves the editor and the cell as they were and
  // reports nothing.
  if (!r.Taken) return;
  SetState(r.State);
  Q_EMIT textEdited(text());
  g->Store_Current_Text(text());
  SetState(r.State);
  if (g->OnClipboardAfterPasteCell) g->OnClipboardAfterPasteCell(g, g->Col(), g->Row(), text());
}

void TZadInplaceEdit::contextMenuEvent(QContextMenuEvent* e) { Show_Menu(createStandardContextMenu(), e->globalPos()); }

void TZadInplaceEdit::Show_Menu(QMenu* menu, const QPoint& At) {
  // The standard menu, its clipboard entries going through the grid's
  // events and the paste filter.
  for (QAction* action : menu->actions()) {
    const QString name = action->objectName();
    void (TZadInplaceEdit::*handler)() = nullptr;
    if (name == QLatin1String("edit-copy")) handler = &TZadInplaceEdit::CopyToClipboard;
    if (name == QLatin1String("edit-cut")) handler = &TZadInplaceEdit::CutToClipboard;
    if (name == QLatin1String("edit-paste")) handler = &TZadInplaceEdit::PasteFromClipboard;
    if (!handler) continue;
    action->disconnect();
    connect(action, &QAction::triggered, this, handler);
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(At);
}

void TZadInplaceEdit::mouseReleaseEvent(QMouseEvent* e) {
  // The selection paste of the middle button would pass by the filters.
  if (e->button() == Qt::MiddleButton) return;
  QLineEdit::mouseReleaseEvent(e);
}

void TZadInplaceEdit::mouseDoubleClickEvent(QMouseEvent* e) {
  QLineEdit::mouseDoubleClickEvent(e);
  Double_Clicked();
}

void TZadInplaceEdit::Double_Clicked() {
  if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

// ---- change and focus

void TZadInplaceEdit::Text_Changed(const QString& Text) {
  if (FGridAlive.expired()) return;
  if (FGrid->FNoEditChange || !FGrid->OnEditChange) return;
  FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text);
}

void TZadInplaceEdit::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  Focus_Gained();
}

void TZadInplaceEdit::Focus_Gained() {
  FGotFocus = true;
  FGrid->FNoEditChange = false;
}

void TZadInplaceEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  Focus_Lost(e->reason());
}

void TZadInplaceEdit::Focus_Lost(Qt::FocusReason Reason) {
  if (FGridAlive.expired() || FSwitching) return;
  TZadIrururOziz* g = FGrid;
  // A menu of the editor's own or the window losing activation do not end
  // the edit.
  if (Reason == Qt::PopupFocusReason || Reason == Qt::ActiveWindowFocusReason) return;
  g->SetStartEditChar(QChar());
  if (g->LookupHistory() && !text().isEmpty() && !g->LookupItems().contains(text())) g->LookupItems().append(text());
  g->FormulaEditing(false);
  if (FAltBack || g->FBlockKill) return;
  QWidget* to = QApplication::focusWidget();
  if (isVisible() && to != g && to != this && (!FLines || to != FLines)) {
    // Leaving for another control: the value is validated and the editor
    // closes whatever the outcome.
    g->ValidateCell(text());
    setText(g->Raw_Current_Text());
    g->HideInplaceEdit();
    g->FEditing = false;
    g->FEditMode = false;
    g->CanSelectCell(FColE, FRowE);
  }
  g->EditorTextChanged(text(), QPoint(-1, -1), -1);
  if (FGotFocus) {
    FGotFocus = false;
    g->NotifyEditingDone(g->RealColIndex(FColE), FRowE);
  }
}

// ---- multi-line text

bool TZadInplaceEdit::Multi_Line_Possible() const { return !FPasswordCell && inputMask().isEmpty(); }

void TZadInplaceEdit::Set_Multi_Line(bool On) {
  if (On == FMultiLine) return;
  if (On && !FLines) {
    FLines = new TInplaceLines(this);
    connect(FLines, &QPlainTextEdit::textChanged, this, &TZadInplaceEdit::Lines_Changed);
  }
  const bool had_focus = hasFocus();
  FMultiLine = On;
  if (!FLines) return;
  FSwitching = true;
  if (On) {
    FSyncing = true;
    FLines->setPlainText(edit_filter::To_Control_Lines(text()));
    FSyncing = false;
    FLines->setGeometry(rect());
    Apply_Look_To_Lines();
    setFocusProxy(FLines);
    FLines->show();
    if (had_focus) FLines->setFocus();
  } else {
    setFocusProxy(nullptr);
    FLines->hide();
    if (had_focus) setFocus();
  }
  FSwitching = false;
}

void TZadInplaceEdit::Apply_Look_To_Lines() {
  if (!FLines) return;
  FLines->setPalette(palette());
  FLines->setFont(font());
  QTextOption option = FLines->document()->defaultTextOption();
  option.setAlignment(alignment() & Qt::AlignHorizontal_Mask);
  FLines->document()->setDefaultTextOption(option);
  // Without word wrap the lines are kept as they are and scroll sideways.
  FLines->setLineWrapMode(FWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TZadInplaceEdit::Lines_Changed() {
  if (FSyncing) return;
  FSyncing = true;
  setText(edit_filter::To_Cell_Lines(FLines->toPlainText()));
  FSyncing = false;
}

void TZadInplaceEdit::Insert_Text(const QString& Text) {
  if (FMultiLine)
    FLines->insertPlainText(edit_filter::To_Control_Lines(Text));
  else
    insert(Text);
}

bool TZadInplaceEdit::On_Edge_Line(bool First) const {
  const QTextCursor c = FLines->textCursor();
  const QTextBlock block = c.block();
  int line = 0, lines = 1;
  FLines->document()->documentLayout()->blockBoundingRect(block);
  // A block that could not be laid out counts as one line.
  if (const QTextLayout* layout = block.layout(); layout && layout->lineCount() > 0) {
    lines = layout->lineCount();
    const QTextLine at = layout->lineForTextPosition(c.positionInBlock());
    line = at.isValid() ? at.lineNumber() : 0;
  }
  if (First) return block == FLines->document()->firstBlock() && line == 0;
  return block == FLines->document()->lastBlock() && line == lines - 1;
}

void TZadInplaceEdit::resizeEvent(QResizeEvent* e) {
  QLineEdit::resizeEvent(e);
  if (FLines) FLines->setGeometry(rect());
}

int TZadInplaceEdit::cursorPosition() const {
  if (!FMultiLine) return QLineEdit::cursorPosition();
  return edit_filter::Cell_Position(FLines->toPlainText(), FLines->textCursor().position());
}

void TZadInplaceEdit::setCursorPosition(int Pos) {
  if (!FMultiLine) return QLineEdit::setCursorPosition(Pos);
  QTextCursor c = FLines->textCursor();
  c.setPosition(edit_filter::Control_Position(text(), Pos));
  FLines->setTextCursor(c);
}

void TZadInplaceEdit::setSelection(int Start, int Length) {
  if (!FMultiLine) return QLineEdit::setSelection(Start, Length);
  QTextCursor c = FLines->textCursor();
  c.setPosition(edit_filter::Control_Position(text(), Start));
  c.setPosition(edit_filter::Control_Position(text(), Start + Length), QTextCursor::KeepAnchor);
  FLines->setTextCursor(c);
}

bool TZadInplaceEdit::hasSelectedText() const {
  return FMultiLine ? FLines->textCursor().hasSelection() : QLineEdit::hasSelectedText();
}

QString TZadInplaceEdit::selectedText() const {
  if (!FMultiLine) return QLineEdit::selectedText();
  QString selected = FLines->textCursor().selectedText();
  selected.replace(QChar::ParagraphSeparator, QChar(10));
  return edit_filter::To_Cell_Lines(selected);
}

void TZadInplaceEdit::selectAll() {
  if (FMultiLine)
    FLines->selectAll();
  else
    QLineEdit::selectAll();
}

void TZadInplaceEdit::deselect() {
  if (!FMultiLine) return QLineEdit::deselect();
  QTextCursor c = FLines->textCursor();
  c.clearSelection();
  FLines->setTextCursor(c);
}
