#pragma once
// TZSGDropTarget: the target side of drops onto a window. It tells the drag
// which effect a drop would have and hands what is dropped to its hooks, in
// this order: a column alone; else the cells, the rich text or the text;
// then the files; then the URL. Derived targets override the hooks.
//
// Dropped data come from any program: a malformed column or cell block
// refuses the whole drop and no hook runs. A column drops only where columns
// are accepted.
#include <QObject>
#include <QPoint>
#include <QStringList>

#include "grid/dragdrop/drop_formats.h"

class QMimeData;

class TZSGDropTarget : public QObject {
  Q_OBJECT

 public:
  explicit TZSGDropTarget(QObject* parent = nullptr) : QObject(parent) {}

  // Routes the drag events of Watched (a widget that accepts drops) here.
  void Install(QObject* Watched);

  // The four calls of a drag over the window. Keys: the modifiers held;
  // Allowed: the effects the source allows; dwEffect: the effect answered.
  void DragEnter(const QMimeData* DataObj, Qt::KeyboardModifiers grfKeyState, QPoint pt, int Allowed, int& dwEffect);
  void DragOver(Qt::KeyboardModifiers grfKeyState, QPoint pt, int Allowed, int& dwEffect);
  void DragLeave();
  void Drop(const QMimeData* DataObj, Qt::KeyboardModifiers grfKeyState, QPoint pt, int Allowed, int& dwEffect);

  // Copy with Ctrl held; else move when the source allows it, else copy.
  static int DropEffectFromKeys(Qt::KeyboardModifiers Shift, int Allowed);

  bool AcceptText() const { return FAcceptText; }
  void SetAcceptText(bool Value) { FAcceptText = Value; }
  bool AcceptFiles() const { return FAcceptFiles; }
  void SetAcceptFiles(bool Value) { FAcceptFiles = Value; }
  bool AcceptCols() const { return FAcceptCols; }
  void SetAcceptCols(bool Value) { FAcceptCols = Value; }
  bool AcceptURLs() const { return FAcceptURLs; }
  void SetAcceptURLs(bool Value) { FAcceptURLs = Value; }
  TDropFormats DropFormats() const { return FDropFormats; }
  bool Ok() const { return FOk; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

  // Hooks, empty here.
  virtual void DropText(QPoint pt, const QString& s) { (void)pt, (void)s; }
  // The cell stream: the N bytes after the block's head.
  virtual void DropStream(QPoint pt, const QByteArray& ms) { (void)pt, (void)ms; }
  virtual void DropCol(QPoint pt, int col) { (void)pt, (void)col; }
  virtual void DropRTF(QPoint pt, const QString& s) { (void)pt, (void)s; }
  virtual void DropFiles(QPoint pt, const QStringList& files) { (void)pt, (void)files; }
  virtual void DropURL(QPoint pt, const QString& s) { (void)pt, (void)s; }
  virtual void DragMouseMove(QPoint pt, bool& Allow, TDropFormats DropFormats) {
    (void)pt, (void)Allow, (void)DropFormats;
  }
  virtual void DragMouseEnter() {}
  virtual void DragMouseLeave() {}

 private:
  bool FOk = false;
  bool FAcceptText = true;
  bool FAcceptFiles = true;
  bool FAcceptCols = false;
  bool FAcceptURLs = true;
  TDropFormats FDropFormats = 0;
};
