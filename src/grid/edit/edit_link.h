#pragma once
// TEditLink: an application's own control as the editor of edCustom cells.
// The application derives from it, makes its control in CreateEditor, moves
// the value in and out with SetEditorValue/GetEditorValue and hands the
// control's keys to EditKeyDown; the grid opens and closes the link. The
// control sits in the cell (esInplace) or on a frameless stay-on-top popup
// window below the cell (esPopup), one window per link, made on first use.
// The application owns the link and its control; the grid frees neither.
#include <QFont>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include "controls/canvas.h"
#include "controls/tcolor.h"
#include "grid/core/zad_irurur_oziz.h"

enum TEditStyle { esInplace, esPopup };

class TEditLink : public QObject {
  Q_OBJECT

 public:
  explicit TEditLink(QObject* AOwner = nullptr);
  ~TEditLink() override;

  TZadIrururOziz* Grid() const { return FOwner; }
  // The cell being edited (real column, row).
  QPoint EditCell() const { return FEditCell; }

  bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
  void SetWantKeyLeftRight(bool Value) { FWantKeyLeftRight = Value; }
  bool WantKeyUpDown() const { return FWantKeyUpDown; }
  void SetWantKeyUpDown(bool Value) { FWantKeyUpDown = Value; }
  bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
  void SetWantKeyHomeEnd(bool Value) { FWantKeyHomeEnd = Value; }
  bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
  void SetWantKeyPriorNext(bool Value) { FWantKeyPriorNext = Value; }
  bool WantKeyReturn() const { return FWantKeyReturn; }
  void SetWantKeyReturn(bool Value) { FWantKeyReturn = Value; }
  bool WantKeyEscape() const { return FWantKeyEscape; }
  void SetWantKeyEscape(bool Value) { FWantKeyEscape = Value; }
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  TEditStyle EditStyle() const { return FEditStyle; }
  void SetEditStyle(TEditStyle Value) { FEditStyle = Value; }
  int PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(int Value) { FPopupWidth = Value; }
  int PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(int Value) { FPopupHeight = Value; }
  // Screen position of the popup; -1 for either: the cell's top-left.
  int PopupLeft() const { return FPopupLeft; }
  void SetPopupLeft(int Value) { FPopupLeft = Value; }
  int PopupTop() const { return FPopupTop; }
  void SetPopupTop(int Value) { FPopupTop = Value; }
  bool AutoPopupWidth() const { return FAutoPopupWidth; }
  void SetAutoPopupWidth(bool Value) { FAutoPopupWidth = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  // The popup window (esPopup), made on the first popup edit.
  QWidget* PopupForm() const { return FPopupForm; }

  // Routes a key of the editor control: the keys the grid takes end the
  // edit (the value written back) and go on to the grid; Key 0 when used up.
  virtual void EditKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  virtual QWidget* GetEditControl() { return nullptr; }
  virtual void CreateEditor(QWidget* AParent) { (void)AParent; }
  virtual void DestroyEditor() {}
  // With Value the control shows, is enabled and takes the focus (the
  // in-place control is watched for Tab and arrows), otherwise the grid.
  virtual void SetFocus(bool Value);
  // The control over r, less the grid line.
  virtual void SetRect(const TRect& r);
  virtual void SetVisible(bool Value);
  virtual void SetProperties() {}
  virtual void SetCellProps(TColor AColor, const QFont& AFont) { (void)AColor, (void)AFont; }
  virtual QString GetEditorValue() { return QString(); }
  virtual void SetEditorValue(const QString& s) { (void)s; }

  void EditExit(QObject* Sender);
  // The popup window lost activation.
  void FormExit(QObject* Sender);
  // The popup window for esPopup, else the grid.
  QWidget* GetParent();
  QString GetCellValue();
  void SetCellValue(const QString& s);
  void HideEditor();
  // Stops watching the in-place control and hides it.
  void RestoreWinProc();
  bool SubClassed() const { return FSubClassed; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  friend class TZadIrururOziz;
  // Whether the grid takes Key (Alt held: every key) given the want flags.
  bool Grid_Takes(int Key, Qt::KeyboardModifiers Shift) const;
  // Writes the value back with the focus going to the grid meanwhile.
  void Forced_Store();
  // The popup window: made on first use (replacing an earlier one of the
  // same name) and reused.
  QWidget* Ensure_Popup_Form();

  QPointer<TZadIrururOziz> FOwner;
  bool FWantKeyLeftRight = false;
  bool FWantKeyUpDown = false;
  bool FWantKeyHomeEnd = false;
  bool FWantKeyPriorNext = false;
  bool FWantKeyReturn = false;
  bool FWantKeyEscape = false;
  TEditStyle FEditStyle = esInplace;
  QPointer<QWidget> FPopupForm;
  int FPopupWidth = 0, FPopupHeight = 0;
  bool FForcedExit = false;
  QPoint FEditCell;
  int FTag = 0;
  bool FAutoPopupWidth = false;
  int FPopupLeft = -1, FPopupTop = -1;
  bool FSubClassed = false;
  QPointer<QWidget> FWatched;
  bool FWantReturns = false, FWantTabs = false;
};
