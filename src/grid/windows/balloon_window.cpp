#include "grid/windows/balloon_window.h"

#include <QApplication>
#include <QBitmap>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QTextLayout>
#include <QTextOption>

#include "grid/draw/layered_window.h"

namespace {

constexpr int Margin = 8;
constexpr int Stem = 10;  // the point towards the mouse, above the body
constexpr int Icon_Size = 16;

QIcon Balloon_Icon(int icon) {
  switch (icon) {
    case 1:
      return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    case 2:
      return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    case 3:
      return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    default:
      return {};
  }
}

QPainterPath Balloon_Path(QSize size) {
  QPainterPath path;
  path.addRoundedRect(QRectF(0.5, Stem + 0.5, size.width() - 1, size.height() - Stem - 1), 6, 6);
  QPainterPath stem;
  stem.moveTo(14, Stem + 1);
  stem.lineTo(14, 0.5);
  stem.lineTo(26, Stem + 1);
  stem.closeSubpath();
  return path.united(stem);
}

}  // namespace

TBalloonWindow::TBalloonWindow(QWidget* AOwner, QWidget* Tool)
    : QWidget(AOwner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      FTool(Tool) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  FShowTimer.setSingleShot(true);
  FHideTimer.setSingleShot(true);
  connect(&FShowTimer, &QTimer::timeout, this, [this] { Rest_Elapsed(); });
  connect(&FHideTimer, &QTimer::timeout, this, [this] { Pop(); });
  if (Tool) {
    Tool->setMouseTracking(true);
    Tool->installEventFilter(this);
  }
}

void TBalloonWindow::SetTitle(const QString& Title, int Icon) {
  FTitle = Title;
  FIcon = Icon >= 0 && Icon <= 3 ? Icon : 0;
}

void TBalloonWindow::SetAlpha(uint8_t Value) {
  FAlpha = Value;
  winId();
  CallSetLayeredWindowAttributes(windowHandle(), 0, Value, LWA_ALPHA);
}

bool TBalloonWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != FTool) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseMove: {
      const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
      if (pos == FRestPos) break;
      FRestPos = pos;
      if (isVisible()) {
        // Still the same tip: it stays; another one follows after the reshow delay.
        QString title, text = FText;
        int icon = FShownIcon;
        title = FShownTitle;
        if (OnGetTip && OnGetTip(pos, title, text, icon) && text == FText && title == FShownTitle) break;
        Pop();
        FShowTimer.start(FReshow);
      } else {
        FShowTimer.start(FInitial);
      }
      break;
    }
    case QEvent::ToolTip:
      // The balloon stands in for the plain tool tip while it is on.
      return true;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::Hide:
      FShowTimer.stop();
      Pop();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void TBalloonWindow::Rest_Elapsed() {
  if (FTool && FTool->isVisible() && FTool->rect().contains(FRestPos)) Popup(FRestPos);
}

bool TBalloonWindow::Popup(QPoint ToolPos) {
  if (!FTool) return false;
  QString title = FTitle, text;
  int icon = FIcon;
  if (!OnGetTip || !OnGetTip(ToolPos, title, text, icon) || text.isEmpty()) return false;
  FText = text;
  FShownTitle = title;
  FShownIcon = icon >= 0 && icon <= 3 ? icon : 0;
  const QSize size = Layout_Size();
  resize(size);
  // The window is cut to the balloon, its point included.
  QBitmap shape(size);
  shape.fill(Qt::color0);
  {
    QPainter painter(&shape);
    painter.setPen(Qt::color1);
    painter.setBrush(Qt::color1);
    painter.drawPath(Balloon_Path(size));
  }
  setMask(shape);
  move(FTool->mapToGlobal(ToolPos) + QPoint(-20, 16));
  show();
  update();
  FHideTimer.start(FAutoHide);
  return true;
}

void TBalloonWindow::Pop() {
  FHideTimer.stop();
  hide();
}

QSize TBalloonWindow::Layout_Size() {
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics title_metrics(bold), text_metrics(font());
  const bool has_head = !FShownTitle.trimmed().isEmpty() || FShownIcon != 0;
  const int head_width = (FShownIcon ? Icon_Size + 6 : 0) + title_metrics.horizontalAdvance(FShownTitle);
  const QRect text = text_metrics.boundingRect(QRect(0, 0, FMaxWidth, 100000), Qt::TextWordWrap, FText);
  const int head_height = has_head ? std::max(Icon_Size, title_metrics.height()) + 4 : 0;
  const int width = std::max({head_width, text.width(), 40}) + 2 * Margin;
  return {width, Stem + head_height + text.height() + 2 * Margin};
}

void TBalloonWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor back = To_QColor(FBkColor == clNone ? clInfoBk : FBkColor, palette());
  const QColor fore = To_QColor(FTextColor == clNone ? clInfoText : FTextColor, palette());
  painter.setPen(QPen(QColor(0x76, 0x76, 0x76), 1));
  painter.setBrush(back);
  painter.drawPath(Balloon_Path(size()));
  painter.setRenderHint(QPainter::Antialiasing, false);

  int y = Stem + Margin;
  int x = Margin;
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics title_metrics(bold);
  if (!FShownTitle.trimmed().isEmpty() || FShownIcon != 0) {
    const int line = std::max(Icon_Size, title_metrics.height());
    if (FShownIcon) {
      Balloon_Icon(FShownIcon).paint(&painter, QRect(x, y + (line - Icon_Size) / 2, Icon_Size, Icon_Size));
      x += Icon_Size + 6;
    }
    painter.setFont(bold);
    painter.setPen(fore);
    painter.drawText(QRect(x, y, width() - x - Margin, line), Qt::AlignVCenter | Qt::AlignLeft, FShownTitle);
    y += line + 4;
  }
  painter.setFont(font());
  painter.setPen(fore);
  painter.drawText(QRect(Margin, y, width() - 2 * Margin, height() - y - Margin), Qt::TextWordWrap, FText);
}
