#include "controls/editors/zsg_edit_btn.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>

#include "controls/editors/edit_border.h"
#include "controls/editors/editor_input.h"

TZsgEditBtn::TZsgEditBtn(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  setAutoFillBackground(true);
  FButton = new TZsgEditButton(this);
  FButton->resize(18, 18);
  FButton->SetFocusControl(this);
  FButton->OnClick = [this](QObject* Sender) { ClickButton(Sender); };
  FButton->show();
  setText(QStringLiteral("0"));
  resize(121, 21);
  UpdateEditRect();
}

TZsgEditBtn::~TZsgEditBtn() { FButton->OnClick = nullptr; }

void TZsgEditBtn::ClickButton(QObject* Sender) {
  if (OnClickBtn) OnClickBtn(Sender);
}

void TZsgEditBtn::SetRightAlign(bool Value) {
  if (Value == FRightAlign) return;
  FRightAlign = Value;
  setAlignment((Value ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

void TZsgEditBtn::SetButtonWidth(int Value) {
  FButtonWidth = Value;
  FButton->resize(Value, FButton->height());
  UpdateEditRect();
}

void TZsgEditBtn::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FButton->Button()->SetIsWinXP(Value);
}

void TZsgEditBtn::SetBorderStyle(TBorderStyle Value) {
  FBorderStyle = Value;
  UpdateEditRect();
  update();
}

void TZsgEditBtn::keyPressEvent(QKeyEvent* event) {
  int key = event->key();
  const Qt::KeyboardModifiers shift = event->modifiers();
  if (OnKeyDown) OnKeyDown(key, shift);
  // Either Alt key arrives as the Alt modifier.
  if (key == Qt::Key_F4 && !(shift & (Qt::ControlModifier | Qt::AltModifier))) {
    ClickButton(this);
    return;
  }
  QChar ch = Typed_Char(event);
  if (!ch.isNull()) {
    // Characters reach the edit only while typing is allowed.
    if (!FEditorEnabled) return;
    if (OnKeyPress) OnKeyPress(ch);
    if (ch.isNull()) return;
    if (Is_Paste_Or_Cut(event) && !Paste_Allowed()) return;
    if (ch.unicode() < 32 || ch == Typed_Char(event))
      QLineEdit::keyPressEvent(event);
    else
      insert(QString(ch));
    return;
  }
  if (key != event->key()) return;
  if (Is_Paste_Or_Cut(event) && !Paste_Allowed()) return;
  QLineEdit::keyPressEvent(event);
}

void TZsgEditBtn::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && !Paste_Allowed()) return;
  QLineEdit::mouseReleaseEvent(event);
}

void TZsgEditBtn::contextMenuEvent(QContextMenuEvent* event) { Exec_Edit_Context_Menu(this, event, Paste_Allowed()); }

void TZsgEditBtn::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  Select_On_Focus_In(this, event, FAutoSelect, false);
}

int TZsgEditBtn::MinHeight() const {
  return Edit_Btn_Min_Height(fontMetrics().height(), QFontMetrics(QApplication::font()).height());
}

QSize TZsgEditBtn::sizeHint() const { return QSize(121, std::max(21, MinHeight())); }

QSize TZsgEditBtn::minimumSizeHint() const { return QSize(FButton->width() + 8, MinHeight()); }

void TZsgEditBtn::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  if (height() < MinHeight()) {
    resize(width(), MinHeight());
    return;
  }
  UpdateEditRect();
}

void TZsgEditBtn::UpdateEditRect() {
  FButton->setGeometry(Embedded_Part_Rect(size(), FButton->width(), FBorderStyle));
  setTextMargins(Edit_Btn_Text_Margins(size(), FButton->width(), FUnitSize, FBorderStyle));
}

void TZsgEditBtn::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  Paint_Edit_Border(this, FBorderStyle);
}
