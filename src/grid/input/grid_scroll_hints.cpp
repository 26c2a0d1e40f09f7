// The hint that names the row or column a dragged scroll thumb stands at.
// The platform grid's scroll bars count rows and columns, so the thumb
// position is the index itself.
#include <QCursor>
#include <QScrollBar>
#include <QToolTip>

#include "grid/core/zad_irurur_oziz.h"

QString TZadIrururOziz::ScrollHintText(Qt::Orientation Bar, int Index) {
  QString hint = (Bar == Qt::Vertical ? QStringLiteral("Row : ") : QStringLiteral("Col : ")) + QString::number(Index);
  if (OnScrollHint) OnScrollHint(this, Index, hint);
  return hint;
}

void TZadIrururOziz::Connect_Scroll_Hints() {
  auto connect_bar = [this](QScrollBar* bar, Qt::Orientation orientation, TScrollHintType own) {
    connect(bar, &QScrollBar::sliderMoved, this, [this, orientation, own](int value) {
      if (FScrollHints != own && FScrollHints != shBoth) return;
      QToolTip::showText(QCursor::pos() + QPoint(10, 0), ScrollHintText(orientation, value), this);
    });
    connect(bar, &QScrollBar::sliderReleased, this, [] { QToolTip::hideText(); });
  };
  connect_bar(verticalScrollBar(), Qt::Vertical, shVertical);
  connect_bar(horizontalScrollBar(), Qt::Horizontal, shHorizontal);
  // The user scrolling the columns: without fixed columns the editor closes
  // once its column reaches the left edge or passes it.
  connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, [this](int) {
    if (FixedCols() == 0 && horizontalScrollBar()->sliderPosition() >= Col()) HideInplaceEdit();
  });
  // A check box is worked in its cell: the text editor never stays over one.
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()})
    connect(bar, &QScrollBar::actionTriggered, this, [this](int) {
      if (HasCheckBox(RealCol(), Row())) HideEditor();
    });
}
