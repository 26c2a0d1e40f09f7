#pragma once
// TZadRichEdit: the rich-text editor of rich-text cells. Beyond the
// platform's rich text control it formats the selection as subscript or
// superscript (a character offset of -40 or +40 twips, kept on the
// character format as given), reports the size its text asks for, grows
// the edited row while the user types (SizeWhileTyping.Height) and hands
// Tab, Up and Down back to the grid.
#include <QTextEdit>

class TZadIrururOziz;

class TZadRichEdit : public QTextEdit {
  Q_OBJECT

 public:
  // The character format property holding the offset in twips.
  static constexpr int Offset_Property = 0x100000 + 40;
  static constexpr int Script_Offset = 40;

  // In_Place false: a hidden renderer that only measures.
  explicit TZadRichEdit(TZadIrururOziz* AOwner, bool In_Place = true);

  void SelSubscript() { Set_Offset(-Script_Offset); }
  void SelSuperscript() { Set_Offset(Script_Offset); }
  void SelNormal() { Set_Offset(0); }
  bool IsSelSubscript() const { return Sel_Offset() == -Script_Offset; }
  bool IsSelSuperscript() const { return Sel_Offset() == Script_Offset; }
  bool IsSelNormal() const { return Sel_Offset() == 0; }
  void ReCreate() {}
  // Set while the grid fills the editor: its size requests change nothing.
  void Lock() { FLocked = true; }
  void Unlock() { FLocked = false; }
  bool Locked() const { return FLocked; }
  // The size the text last asked for.
  int ReqWidth() const { return FReqWidth; }
  int ReqHeight() const { return FReqHeight; }

  TZadIrururOziz* FGrid;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void Set_Offset(int Twips);
  // The offset of the selection's first character (of the caret's format
  // without a selection).
  int Sel_Offset() const;
  void Size_Requested(const QSizeF& Size);

  bool FInPlace;
  int FReqHeight = 0;
  int FReqWidth = 0;
  bool FLocked = false;
};
