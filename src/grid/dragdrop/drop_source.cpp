#include "grid/dragdrop/drop_source.h"

#include <QDrag>

#include "grid/dragdrop/source_data_object.h"

TZSGDropSource::TZSGDropSource(QObject* DragOwner) : QObject(DragOwner), FDragOwner(DragOwner) {}

int TZSGDropSource::QueryContinueDrag(bool fEscapePressed, Qt::MouseButtons grfKeyState) {
  int result = 0;
  if (fEscapePressed) {
    DragFinished();
    result = DRAGDROP_S_CANCEL;
  } else if (!(grfKeyState & Qt::LeftButton)) {
    DragFinished();
    result = DRAGDROP_S_DROP;
  }
  QueryDrag();
  return result;
}

int TZSGDropSource::GiveFeedback(int dwEffect) {
  FNoAccept = dwEffect == DROPEFFECT_NONE;
  CurrentEffect(dwEffect);
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

void TZSGDropSource::SetDragPixmap(const QPixmap& Pixmap, const QPoint& HotSpot) {
  FPixmap = Pixmap;
  FHotSpot = HotSpot;
}

int TZSGDropSource::Run_Drag(QDrag* Drag, int OkEffects) {
  const Qt::DropActions allowed = Qt::DropActions::fromInt(OkEffects & (DROPEFFECT_COPY | DROPEFFECT_MOVE));
  const Qt::DropAction preferred = (OkEffects & DROPEFFECT_MOVE) ? Qt::MoveAction : Qt::CopyAction;
  return int(Drag->exec(allowed, preferred));
}

namespace {

int Run(TZSGDropSource& source, TSourceDataObject* data, int OkEffects, int& Effect) {
  auto* drag = new QDrag(source.DragOwner());
  drag->setMimeData(data);
  if (!source.DragPixmap().isNull()) {
    drag->setPixmap(source.DragPixmap());
    drag->setHotSpot(source.DragHotSpot());
  }
  QObject::connect(drag, &QDrag::actionChanged, &source,
                   [&source](Qt::DropAction action) { source.GiveFeedback(int(action)); });
  source.Set_No_Accept(false);
  Effect = source.Run_Drag(drag, OkEffects) & (DROPEFFECT_COPY | DROPEFFECT_MOVE);
  drag->deleteLater();
  // What the loop answers settles it: a drop nothing took counts as
  // cancelled, whatever the last feedback was.
  source.Set_No_Accept(Effect == DROPEFFECT_NONE);
  source.DragFinished();
  return source.NoAccept() ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
}

}  // namespace

int BeginTextDrag(TZSGDropSource& DropSource, const QString& Text, const QString& RTF, int& Effect, int OkEffects,
                  std::optional<QByteArray> Cells) {
  return Run(DropSource, new TSourceDataObject(Text, RTF, -1, std::move(Cells)), OkEffects, Effect);
}

int BeginColumnDrag(TZSGDropSource& DropSource, int Column, int OkEffects, int& Effect) {
  return Run(DropSource, new TSourceDataObject(QString(), QString(), Column, std::nullopt), OkEffects, Effect);
}
