#pragma once
// TZSGDropSource: the source side of a drag out of the grid, and the two
// calls that start one. The platform's drag loop (QDrag::exec) does the
// tracking; the source hears each feedback and the end, and its hooks let
// the grid follow the drag.
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <optional>

#include "grid/dragdrop/drop_formats.h"

class QDrag;

class TZSGDropSource : public QObject {
  Q_OBJECT

 public:
  // DragOwner: the widget the drag starts from (the drag belongs to it).
  explicit TZSGDropSource(QObject* DragOwner);

  // One step of the drag loop: Escape cancels, a released left button drops,
  // else the drag goes on; QueryDrag runs afterwards in every case.
  int QueryContinueDrag(bool fEscapePressed, Qt::MouseButtons grfKeyState);
  // The target's answer to the last move; no effect remembers a refusal.
  int GiveFeedback(int dwEffect);
  bool NoAccept() const { return FNoAccept; }

  // A picture under the cursor while dragging (none by default).
  void SetDragPixmap(const QPixmap& Pixmap, const QPoint& HotSpot);

  // Runs the platform's drag loop with the data and the allowed effects;
  // answers the effect taken (0 when none). Tests replace it.
  virtual int Run_Drag(QDrag* Drag, int OkEffects);

  // Hooks, empty here.
  virtual void DragFinished() {}
  virtual void CurrentEffect(int dwEffect) { (void)dwEffect; }
  virtual void QueryDrag() {}

  QObject* DragOwner() const { return FDragOwner; }
  const QPixmap& DragPixmap() const { return FPixmap; }
  QPoint DragHotSpot() const { return FHotSpot; }
  void Set_No_Accept(bool Value) { FNoAccept = Value; }

 private:
  QObject* FDragOwner;
  bool FNoAccept = false;
  QPixmap FPixmap;
  QPoint FHotSpot;
};

// Drags text (and rich text, and the cell stream when given) out; Effect
// gets the effect taken. DRAGDROP_S_CANCEL when nothing took the drop.
int BeginTextDrag(TZSGDropSource& DropSource, const QString& Text, const QString& RTF, int& Effect, int OkEffects,
                  std::optional<QByteArray> Cells);
// The same with only the column index.
int BeginColumnDrag(TZSGDropSource& DropSource, int Column, int OkEffects, int& Effect);
