#pragma once
// TZadInplaceEdit: the text editor the string grid lays over the current
// cell for every text editor type. On top of the platform line edit it
// filters typed characters by the cell's editor type, keeps the length
// limit, shows password cells masked, takes the cell's colours, font and
// alignment, validates on Enter, Tab and the keys that leave the cell,
// filters pasted text, completes typed text from the grid's look-up list and
// tells the grid when editing ends because the focus went elsewhere.
//
// A cell that word-wraps or whose text holds line breaks is edited in a
// multi-line text control laid over the line edit (the same rules apply;
// the line edit keeps the text with CR LF breaks so the grid reads it as
// always). Password and masked cells stay single-line.
//
// The character, paste and look-up rules themselves are edit_filter's.
#include <QLineEdit>
#include <QPointer>
#include <memory>

#include "grid/edit/edit_char_filter.h"

class QMenu;
class QPlainTextEdit;
class QProxyStyle;
class TInplaceLines;
class TZadIrururOziz;

class TZadInplaceEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TZadInplaceEdit(TZadIrururOziz* AOwner);
  ~TZadInplaceEdit() override;

  TZadIrururOziz* Grid() const { return FGrid; }
  // 0 or less: none. Taken from the grid's edit-length query each time the
  // editor is filled.
  int LengthLimit() const { return FLengthLimit; }
  void SetLengthLimit(int Value) { FLengthLimit = Value; }
  // Right-aligned text.
  bool VAlign() const { return FValign; }
  void SetVAlign(bool Value);
  // The cell the editor was last filled for (display column).
  int EditCol() const { return FColE; }
  int EditRow() const { return FRowE; }

  // Fills the editor for the grid's current cell: text, look, password
  // style, limit and caret.
  void UpdateContents();
  // One typed character through the editor type's filter.
  void TypeChar(QChar Ch, bool CtrlDown = false);
  // The clipboard operations with the grid's events; PasteText works with a
  // given text (HasText false: the clipboard held no text).
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void PasteText(const QString& Text, bool HasText = true);
  // Auto-completion of the text before the caret from the look-up list.
  void CompleteFromLookup();

  edit_filter::Edit_State State() const;
  void SetState(const edit_filter::Edit_State& Value);

  // The cell word-wraps (taken each time the editor is filled).
  bool WordWrap() const { return FWordWrap; }
  // The multi-line control is in use (nullptr before the first such cell).
  bool MultiLine() const { return FMultiLine; }
  QPlainTextEdit* LinesControl() const;

  // The line edit's caret and selection members, answering for the
  // multi-line control while it is in use; positions count in cell text
  // (a line break is two characters).
  int cursorPosition() const;
  void setCursorPosition(int Pos);
  void setSelection(int Start, int Length);
  bool hasSelectedText() const;
  QString selectedText() const;
  void selectAll();
  void deselect();

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  friend class TInplaceLines;
  edit_filter::Filter_Settings Settings(bool CtrlDown) const;
  // Validates the text for leaving the cell; a refused value stays in the
  // editor (selected or with the caret at its end).
  bool Validate_Text();
  void Restore_Refused();
  // Enter confirmed in the editor (also the automatic advance when the
  // length limit is reached).
  void Enter_Key(Qt::KeyboardModifiers Shift);
  void Tab_Key(Qt::KeyboardModifiers Shift);
  bool Leave_Vertically(int Key, Qt::KeyboardModifiers Shift);
  // Left at the start or Right at the end of the text walks into the
  // neighbour cell.
  void Walk(bool Left);
  void Auto_Advance_Check();
  void Text_Changed(const QString& Text);

  // Password and masked cells keep one line.
  bool Multi_Line_Possible() const;
  void Set_Multi_Line(bool On);
  void Apply_Look_To_Lines();
  void Lines_Changed();
  // Replaces the selection with Text (cell text).
  void Insert_Text(const QString& Text);
  // The caret is on the first (or last) line of the text, wrapped lines
  // counted.
  bool On_Edge_Line(bool First) const;
  void Focus_Gained();
  void Focus_Lost(Qt::FocusReason Reason);
  void Show_Menu(QMenu* Menu, const QPoint& At);
  void Double_Clicked();

  TZadIrururOziz* FGrid;
  std::weak_ptr<bool> FGridAlive;
  QProxyStyle* FStyle = nullptr;
  int FSelKeyDown = 0;
  int FOldSelStart = 0;
  int FLengthLimit = 0;
  bool FValign = false;
  bool GotKey = false;
  bool FGotFocus = false;
  bool Workmode = true;
  int FColE = -1, FRowE = -1;
  bool FAltBack = false;
  bool FWordWrap = false;
  bool FPasswordCell = false;
  bool FMultiLine = false;
  // Text copied between the line edit and the multi-line control.
  bool FSyncing = false;
  // The focus moves into the multi-line control mid-edit.
  bool FSwitching = false;
  TInplaceLines* FLines = nullptr;
};
