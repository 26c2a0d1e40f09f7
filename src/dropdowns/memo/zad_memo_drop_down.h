#pragma once
// TZadMemoDropDown: a drop-down edit for multi-line text. The popup holds a
// frameless memo in which the lines are edited; the edit shows a summary of
// them (the first line, ending in "..." when there are more lines or when it
// does not fit). MemoText keeps the lines.
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStringList>
#include <functional>

#include "dropdowns/base/zad_custom_drop_down.h"
#include "grid/input/scroll_control.h"

class TZadMemoDropDown : public TZadCustomDropDown {
 public:
  explicit TZadMemoDropDown(QWidget* AOwner = nullptr);

  // Made with the popup; lives as long as the edit.
  QPlainTextEdit* Memo() const { return FMemo; }

  // The lines. A write updates the edit's summary and, when the memo
  // exists, the memo.
  const QStringList& MemoText() const { return FMemoText; }
  void SetMemoText(const QStringList& Value);
  // The lines as one text, joined with CR LF; a write splits at line breaks.
  QString MemoString() const;
  void SetMemoString(const QString& Value);

  // The memo's context menu (not owned), given to it at every opening.
  QMenu* MemoPopup() const { return FMemoPopup; }
  void SetMemoPopup(QMenu* Value) { FMemoPopup = Value; }
  TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
  void SetMemoScrollBars(TScrollStyle Value) { FMemoScrollBars = Value; }
  // Reaches an open memo at once.
  bool MemoReadOnly() const { return FMemoReadOnly; }
  void SetMemoReadOnly(bool Value);
  // Focus entering the edit opens the popup.
  bool AutoDrop() const { return FAutoDrop; }
  void SetAutoDrop(bool Value) { FAutoDrop = Value; }

  // The memo's text changed.
  std::function<void(TZadCustomDropDown* Sender)> OnMemoChange;

  // Shows MemoText in the edit: all lines while typing is on (or when there
  // are none), else the summary.
  void UpdateEditText();

  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void DoHideDropDown(bool CancelChanges) override;
  void DoDropDownFormHide() override;
  void DoControlKeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoControlKeyUp(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoControlKeyPress(QChar& Key) override;

 protected:
  void HandleTextChange() override;
  void focusInEvent(QFocusEvent* Event) override;

 private:
  void MemoChange();
  // MemoText := Value; the change runs UpdateEditText unless detached.
  void Store_Lines(const QStringList& Value, bool Notify);
  void Apply_Scroll_Bars();
  void Keep_Max_Length();

  QStringList FMemoText;
  QPointer<QMenu> FMemoPopup;
  QPlainTextEdit* FMemo = nullptr;
  TScrollStyle FMemoScrollBars = ssNone;
  bool FMemoReadOnly = false;
  bool FInternalUpdate = false;
  // What UpdateEditText last wrote into the edit.
  QString FSummary;
  bool FAutoDrop = false;
  // The popup is closing: the focus coming back must not reopen it.
  bool FClosing = false;
};
