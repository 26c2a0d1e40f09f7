#pragma once
// TZsgEditBtn: a single-line edit with a push button inside its right edge.
// Clicking the button, or F4 without Ctrl or Alt, fires OnClickBtn (with the
// button part, or the edit, as Sender); what that does is the owner's
// business. With EditorEnabled off nothing can be typed, pasted or cut, but
// the button still works.
#include <QLineEdit>
#include <functional>

#include "controls/editor_logic/edit_layout.h"
#include "controls/editors/zsg_edit_button.h"

class TZsgEditBtn : public QLineEdit {
  Q_OBJECT

 public:
  explicit TZsgEditBtn(QWidget* parent = nullptr);
  ~TZsgEditBtn() override;

  std::function<void(QObject* Sender)> OnClickBtn;
  std::function<void(int& Key, Qt::KeyboardModifiers Shift)> OnKeyDown;
  std::function<void(QChar& Key)> OnKeyPress;

  TZsgEditButton* Button() const { return FButton; }

  bool RightAlign() const { return FRightAlign; }
  void SetRightAlign(bool Value);
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  QImage Glyph() const { return FButton->Glyph(); }
  void SetGlyph(const QImage& Value) { FButton->SetGlyph(Value); }
  QString ButtonCaption() const { return FButton->ButtonCaption(); }
  void SetButtonCaption(const QString& Value) { FButton->SetButtonCaption(Value); }
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // Fires OnClickBtn with Sender.
  virtual void ClickButton(QObject* Sender);

  int MinHeight() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void UpdateEditRect();
  // Width kept free for a unit between the text and the button.
  int FUnitSize = 0;

 private:
  bool Paste_Allowed() const { return FEditorEnabled && !isReadOnly(); }

  bool FRightAlign = false;
  TZsgEditButton* FButton = nullptr;
  bool FEditorEnabled = true;
  int FButtonWidth = 0;
  bool FIsWinXP = false;
  bool FAutoSelect = true;
  TBorderStyle FBorderStyle = bsSingle;
};
