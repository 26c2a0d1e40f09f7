#include "grid/columns/html_hint_window.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QToolTip>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/draw_html_text.h"
#include "grid/store/text_helpers.h"

namespace {

// Wide text is measured this wide before the window is sized to it.
constexpr int kMeasureWidth = 1008;
constexpr int kVerticalMargin = 4;
constexpr int kWideMargin = 8;
constexpr int kHtmlMargin = 16;

QString& Hint_Font_Name() {
  static QString name;
  return name;
}

// The screen holding p, else the one whose area lies nearest to it.
QScreen* Screen_Nearest(const QPoint& p) {
  if (QScreen* at = QGuiApplication::screenAt(p)) return at;
  QScreen* best = QGuiApplication::primaryScreen();
  qint64 best_distance = -1;
  for (QScreen* screen : QGuiApplication::screens()) {
    const QRect g = screen->geometry();
    const qint64 dx = p.x() < g.left() ? g.left() - p.x() : p.x() > g.right() ? p.x() - g.right() : 0;
    const qint64 dy = p.y() < g.top() ? g.top() - p.y() : p.y() > g.bottom() ? p.y() - g.bottom() : 0;
    const qint64 d = dx * dx + dy * dy;
    if (best_distance < 0 || d < best_distance) best = screen, best_distance = d;
  }
  return best;
}

}  // namespace

THTMLHintWindow::THTMLHintWindow(QWidget* AOwner)
    : QWidget(AOwner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setFont(QToolTip::font());
}

QString THTMLHintWindow::HintFontName() { return Hint_Font_Name(); }
void THTMLHintWindow::SetHintFontName(const QString& Name) { Hint_Font_Name() = Name; }

QFont THTMLHintWindow::Wide_Font() const {
  QFont f = font();
  if (!Hint_Font_Name().isEmpty()) f.setFamily(Hint_Font_Name());
  return f;
}

void THTMLHintWindow::SetCaption(const QString& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  update();
}

void THTMLHintWindow::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  update();
}

QSize THTMLHintWindow::Measure(int MaxWidth, const QString& AHint, bool& Wide) {
  // Measured on an image of the window's resolution so that point sizes
  // come out as painted.
  QImage device(1, 1, QImage::Format_RGB32);
  device.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
  device.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
  QPainter painter(&device);
  TCanvas canvas(painter);
  Wide = grid_text::CellTextKind(AHint, true) == 5;
  if (Wide) {
    canvas.Font = Wide_Font();
    FWideCaption = grid_text::DecodeWideCellText(AHint);
    TRect r{0, 0, MaxWidth, 0};
    canvas.Draw_Text(FWideCaption, r, DT_NOPREFIX | DT_CALCRECT | DT_SINGLELINE);
    return QSize(r.Width(), r.Height());
  }
  canvas.Font = font();
  THtmlDrawParams params;
  params.Images = &FImages;
  params.Pictures = FPictureContainer;
  params.MeasureOnly = true;
  params.WordWrap = true;
  params.WindowHandle = this;
  THtmlDrawResult measured;
  DrawHtmlText(canvas, AHint, TRect{0, 0, MaxWidth, 1 << 20}, params, measured);
  return QSize(measured.Width, measured.Height);
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const QString& AHint) {
  bool wide = false;
  const QSize size = Measure(MaxWidth, AHint, wide);
  return TRect{0, 0, size.width(), size.height()};
}

void THTMLHintWindow::ActivateHint(const TRect& Rect, const QString& AHint) {
  SetCaption(AHint);
  bool wide = false;
  const QSize size = Measure(kMeasureWidth, AHint, wide);
  FTextWidth = size.width();
  FTextHeight = size.height();
  const int margin = wide ? kWideMargin : kHtmlMargin;
  TRect r{Rect.Left, Rect.Top, Rect.Left + FTextWidth + margin, Rect.Top + FTextHeight + kVerticalMargin};

  const QRect monitor = Screen_Nearest(QPoint(r.Left, r.Top))->geometry();
  const int monitor_right = monitor.left() + monitor.width();
  const int monitor_bottom = monitor.top() + monitor.height();
  if (r.Right > monitor_right) r = r.Offset(monitor_right - 2 - r.Right, 0);
  if (r.Bottom > monitor_bottom) {
    r.Bottom = monitor_bottom - 2;
    r.Top = r.Bottom - FTextHeight - kVerticalMargin;
  }
  setGeometry(r.To_QRect());
  show();
  raise();
  update();
}

void THTMLHintWindow::ActivateHintData(const TRect& Rect, const QString& AHint, const TZadIrururOziz* AData) {
  if (AData) {
    const QList<QImage>* images = AData->GridImages();
    FImages = images ? std::vector<QImage>(images->begin(), images->end()) : std::vector<QImage>();
    FPictureContainer = AData->PictureContainer();
  }
  ActivateHint(Rect, AHint);
}

void THTMLHintWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter);
  const TRect client{0, 0, width(), height()};
  canvas.Brush.Color = FColor;
  canvas.Fill_Rect(client);

  // A raised one-pixel frame: light on the left and top, dark on the
  // bottom and right.
  canvas.Pen.Color = cl3DLight;
  canvas.Polyline(
      {QPoint(client.Left, client.Bottom - 2), QPoint(client.Left, client.Top), QPoint(client.Right - 1, client.Top)});
  canvas.Pen.Color = cl3DDkShadow;
  canvas.Polyline({QPoint(client.Left, client.Bottom - 1), QPoint(client.Right - 1, client.Bottom - 1),
                   QPoint(client.Right - 1, client.Top - 1)});

  const int top = client.Top + (client.Height() - FTextHeight) / 2;
  TRect r{client.Left + 4, top, client.Right - 4, top + FTextHeight + 8};
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Font_Color = clInfoText;
  if (grid_text::CellTextKind(FCaption, true) == 5) {
    canvas.Font = Wide_Font();
    canvas.Draw_Text(FWideCaption, r, DT_NOPREFIX | DT_SINGLELINE);
    return;
  }
  canvas.Font = font();
  THtmlDrawParams params;
  params.Images = &FImages;
  params.Pictures = FPictureContainer;
  params.WindowHandle = this;
  params.BiDiMode = layoutDirection() == Qt::RightToLeft ? bdRightToLeft : bdLeftToRight;
  params.WordWrap = false;
  params.BlinkVisible = false;
  params.FocusLink = -1;
  params.ShadowOffset = 1;
  params.ShadowColor = clGray;
  params.URLColor = clBlue;
  params.HoverColor = clNone;
  params.HoverFontColor = clNone;
  THtmlDrawResult drawn;
  DrawHtmlText(canvas, FCaption, r, params, drawn);
}

// ---- the program's tool tips through the HTML hint window

namespace {

// Takes the tool-tip requests of every widget and shows their tool tips in
// one HTML hint window; the window goes away as the mouse leaves, clicks,
// scrolls or a key is pressed.
class Html_Tool_Tips : public QObject {
 public:
  explicit Html_Tool_Tips(QObject* parent) : QObject(parent) {}
  ~Html_Tool_Tips() override { delete FWindow; }

  THTMLHintWindow* Window() {
    if (!FWindow) FWindow = new THTMLHintWindow;
    return FWindow;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::ToolTip: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->toolTip().isEmpty()) return false;
        const QPoint at = static_cast<QHelpEvent*>(event)->globalPos() + QPoint(0, 16);
        QToolTip::hideText();
        Window()->SetColor(clInfoBk);
        Window()->ActivateHint(TRect{at.x(), at.y(), at.x(), at.y()}, widget->toolTip());
        return true;
      }
      case QEvent::Leave:
      case QEvent::MouseButtonPress:
      case QEvent::KeyPress:
      case QEvent::Wheel:
      case QEvent::WindowDeactivate:
        if (FWindow && FWindow->isVisible()) FWindow->hide();
        return false;
      default:
        return false;
    }
  }

 private:
  QPointer<THTMLHintWindow> FWindow;
};

QPointer<Html_Tool_Tips>& Tool_Tips() {
  static QPointer<Html_Tool_Tips> filter;
  return filter;
}

}  // namespace

void Set_Application_HTML_Hints(bool On) {
  QPointer<Html_Tool_Tips>& filter = Tool_Tips();
  if (On == !filter.isNull() || !qApp) return;
  if (On) {
    filter = new Html_Tool_Tips(qApp);
    qApp->installEventFilter(filter);
    // The window is a widget: it goes before the application object does.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, filter.data(), &QObject::deleteLater);
  } else {
    delete filter.data();
  }
}

bool Application_HTML_Hints() { return !Tool_Tips().isNull(); }

THTMLHintWindow* Application_Hint_Window() { return Tool_Tips() ? Tool_Tips()->Window() : nullptr; }
