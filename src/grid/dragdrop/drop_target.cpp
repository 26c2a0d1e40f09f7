#include "grid/dragdrop/drop_target.h"

#include <QDropEvent>
#include <QMimeData>

#include "grid/dragdrop/enum_formats.h"

void TZSGDropTarget::Install(QObject* Watched) {
  if (Watched) Watched->installEventFilter(this);
}

int TZSGDropTarget::DropEffectFromKeys(Qt::KeyboardModifiers Shift, int Allowed) {
  if (Shift & Qt::ControlModifier) return DROPEFFECT_COPY;
  return (Allowed & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

void TZSGDropTarget::DragEnter(const QMimeData* DataObj, Qt::KeyboardModifiers grfKeyState, QPoint pt, int Allowed,
                               int& dwEffect) {
  (void)pt;
  const TEnumFormats formats(DataObj);
  const bool text = formats.HasText(), files = formats.HasFile(), rtf = formats.HasRTF(), col = formats.HasCol(),
             url = formats.HasURL(), cells = formats.HasGridCells();
  FOk = (text && FAcceptText) || (files && FAcceptFiles) || (rtf && RTFDropEnabled() && FAcceptText) ||
        (col && FAcceptCols) || (url && FAcceptURLs) || cells;
  FDropFormats = 0;
  if (text) FDropFormats |= Drop_Format_Bit(dfText);
  if (files) FDropFormats |= Drop_Format_Bit(dfFile);
  if (rtf) FDropFormats |= Drop_Format_Bit(dfRTF);
  if (col) FDropFormats |= Drop_Format_Bit(dfCol);
  if (url) FDropFormats |= Drop_Format_Bit(dfURL);
  if (cells) FDropFormats |= Drop_Format_Bit(dfGridCells);
  dwEffect = FOk ? DropEffectFromKeys(grfKeyState, Allowed) : DROPEFFECT_NONE;
  DragMouseEnter();
}

void TZSGDropTarget::DragOver(Qt::KeyboardModifiers grfKeyState, QPoint pt, int Allowed, int& dwEffect) {
  dwEffect = FOk ? DropEffectFromKeys(grfKeyState, Allowed) : DROPEFFECT_NONE;
  bool allow = dwEffect != DROPEFFECT_NONE;
  DragMouseMove(pt, allow, FDropFormats);
  if (!allow) dwEffect = DROPEFFECT_NONE;
}

void TZSGDropTarget::DragLeave() { DragMouseLeave(); }

void TZSGDropTarget::Drop(const QMimeData* DataObj, Qt::KeyboardModifiers grfKeyState, QPoint pt, int Allowed,
                          int& dwEffect) {
  dwEffect = DROPEFFECT_NONE;
  if (!FOk) return;
  const TEnumFormats formats(DataObj);
  if (formats.HasCol()) {
    if (!FAcceptCols || !formats.Col_Valid()) return;
    DropCol(pt, formats.Col());
    dwEffect = DropEffectFromKeys(grfKeyState, Allowed);
    return;
  }
  // Everything is read and checked before the first hook runs, so a
  // malformed block leaves the window untouched.
  std::optional<QByteArray> stream;
  if (formats.HasGridCells()) {
    stream = formats.Stream();
    if (!stream) return;
  }
  if (stream)
    DropStream(pt, *stream);
  else if (formats.HasRTF() && RTFDropEnabled())
    DropRTF(pt, formats.RTF());
  else if (formats.HasText())
    DropText(pt, formats.Text());
  QStringList files;
  if (formats.FileNames(files)) DropFiles(pt, files);
  if (formats.HasURL()) DropURL(pt, formats.URL());
  dwEffect = DropEffectFromKeys(grfKeyState, Allowed);
}

bool TZSGDropTarget::eventFilter(QObject* watched, QEvent* event) {
  int effect = DROPEFFECT_NONE;
  auto answer = [&effect](QDropEvent* e) {
    if (effect == DROPEFFECT_NONE) {
      e->ignore();
      return;
    }
    e->setDropAction(Qt::DropAction(effect));
    e->accept();
  };
  switch (event->type()) {
    case QEvent::DragEnter: {
      auto* e = static_cast<QDragEnterEvent*>(event);
      DragEnter(e->mimeData(), e->modifiers(), e->position().toPoint(), int(e->possibleActions()), effect);
      answer(e);
      return true;
    }
    case QEvent::DragMove: {
      auto* e = static_cast<QDragMoveEvent*>(event);
      DragOver(e->modifiers(), e->position().toPoint(), int(e->possibleActions()), effect);
      answer(e);
      return true;
    }
    case QEvent::DragLeave:
      DragLeave();
      return true;
    case QEvent::Drop: {
      auto* e = static_cast<QDropEvent*>(event);
      Drop(e->mimeData(), e->modifiers(), e->position().toPoint(), int(e->possibleActions()), effect);
      answer(e);
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}
