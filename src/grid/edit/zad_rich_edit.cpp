#include "grid/edit/zad_rich_edit.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTextCursor>
#include <cmath>

#include "grid/edit/grid_edit_access.h"

using Access = Grid_Edit_Access;

TZadRichEdit::TZadRichEdit(TZadIrururOziz* AOwner, bool In_Place)
    : QTextEdit(AOwner->viewport()), FGrid(AOwner), FInPlace(In_Place) {
  setFrameShape(QFrame::NoFrame);
  setTabChangesFocus(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  document()->setDocumentMargin(2);
  hide();
  connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
          [this](const QSizeF& Size) { Size_Requested(Size); });
}

void TZadRichEdit::Set_Offset(int Twips) {
  QTextCharFormat format;
  format.setProperty(Offset_Property, Twips);
  format.setVerticalAlignment(Twips < 0   ? QTextCharFormat::AlignSubScript
                              : Twips > 0 ? QTextCharFormat::AlignSuperScript
                                          : QTextCharFormat::AlignNormal);
  mergeCurrentCharFormat(format);
}

int TZadRichEdit::Sel_Offset() const {
  QTextCursor cursor = textCursor();
  if (cursor.hasSelection()) {
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.movePosition(QTextCursor::NextCharacter);
  }
  const QTextCharFormat format = cursor.charFormat();
  if (format.hasProperty(Offset_Property)) return format.intProperty(Offset_Property);
  // Text read back from a cell keeps only whether it is raised or lowered,
  // which this editor writes as its one offset.
  switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript:
      return Script_Offset;
    case QTextCharFormat::AlignSubScript:
      return -Script_Offset;
    default:
      return 0;
  }
}

void TZadRichEdit::keyPressEvent(QKeyEvent* e) {
  TZadIrururOziz& g = *FGrid;
  const int key = e->key();
  if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && (g.Options() & goTabs)) {
    e->accept();
    g.setFocus();
    Access::Send_Key(g, QEvent::KeyPress, key, e->modifiers());
    g.ShowInplaceEdit();
    return;
  }
  if ((key == Qt::Key_Up || key == Qt::Key_Down) && !g.GridWordWrap() && !g.PaintLook().Multilinecells) {
    e->accept();
    g.setFocus();
    Access::Send_Key(g, QEvent::KeyPress, key, e->modifiers());
    return;
  }
  QTextEdit::keyPressEvent(e);
}

bool TZadRichEdit::focusNextPrevChild(bool next) {
  // Tab belongs to the editor (and, with goTabs, to the grid).
  (void)next;
  return false;
}

void TZadRichEdit::focusOutEvent(QFocusEvent* e) {
  TZadIrururOziz& g = *FGrid;
  // A drop-down moving the focus itself leaves the editor as it is.
  if (g.InvokedFocusChange()) return;
  const QWidget* to = QApplication::focusWidget();
  if (isVisible() && (to == &g || to == g.viewport())) g.HideInplaceEdit();
  QTextEdit::focusOutEvent(e);
}

void TZadRichEdit::Size_Requested(const QSizeF& Size) {
  FReqWidth = int(std::ceil(Size.width()));
  FReqHeight = int(std::ceil(Size.height()));
  TZadIrururOziz& g = *FGrid;
  if (!FInPlace || FLocked || !g.SizeWhileTyping().Height()) return;
  const int h = FReqHeight;
  const int row = g.Row();
  const int top = g.CellRect(g.Col(), row).Top;
  // The row grows with the text while the grown cell still fits the grid.
  if (g.RowHeights(row) < h + 5 && top + h + 5 < g.viewport()->height()) {
    resize(width(), h + 9);
    g.SetRowHeights(row, h + 10);
    if (g.OnEndRowSize) g.OnEndRowSize(&g, row);
  }
}
