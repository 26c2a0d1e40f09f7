#include "grid/print/grid_print_engine.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "controls/format_settings.h"
#include "grid/print/grid_print_cells.h"
#include "grid/store/text_helpers.h"

namespace {

int Nearest(double x) { return static_cast<int>(std::nearbyint(x)); }

int FixedColCount(TZadIrururOziz& g) { return g.FixedCols(); }

}  // namespace

TGridPrintEngine::TGridPrintEngine(TZadIrururOziz& Grid, QPainter& APainter, TMode AMode, qint64 APages,
                                   bool ASelectedOnly)
    : G(Grid),
      PS(Grid.PrintSettings()),
      Painter(APainter),
      Canvas(APainter),
      Mode(AMode),
      Pages(APages),
      SelectedOnly(ASelectedOnly) {}

TGridPrintEngine::~TGridPrintEngine() { G.SetFontscalefactor(1.0); }

int TGridPrintEngine::PointsOf(const QFont& F) {
  if (F.pointSize() > 0) return F.pointSize();
  if (F.pixelSize() > 0) return std::max(1, Nearest(F.pixelSize() * 72.0 / 96.0));
  return 10;
}

QFont TGridPrintEngine::PrintFont(const QFont& F, int PointSize) const {
  QFont f = F;
  f.setPixelSize(std::max(1, -G.MapFontHeight(PointSize)));
  return f;
}

void TGridPrintEngine::SetMetric() {
  Painter.setWorldTransform(QTransform(dpiX_ / 254.0, 0, 0, dpiY_ / 254.0, origin_.x(), origin_.y()));
}

void TGridPrintEngine::SetDevice() { Painter.setWorldTransform(QTransform::fromTranslate(origin_.x(), origin_.y())); }

QPoint TGridPrintEngine::ToDevice(int x, int y) const {
  return QPoint(Nearest(x * dpiX_ / 254.0), Nearest(-y * dpiY_ / 254.0));
}

TRect TGridPrintEngine::ToDevice(const TRect& R) const {
  const QPoint a = ToDevice(R.Left, R.Top), b = ToDevice(R.Right, R.Bottom);
  return TRect{a.x(), a.y(), b.x(), b.y()};
}

void TGridPrintEngine::Line(int x1, int y1, int x2, int y2) {
  Canvas.Move_To(x1, -y1);
  Canvas.Line_To(x2, -y2);
}

void TGridPrintEngine::TextOut(int x, int y, const QString& Text) { Canvas.Text_Out(x, -y, Text); }

bool TGridPrintEngine::PageDrawn() const {
  const auto& st = G.PrintState();
  return Drawing() && C + 1 >= st.FPrintPageFrom && C + 1 <= st.FPrintPageTo;
}

// ---- selection filters

bool TGridPrintEngine::IsPrintRow(int ARow) {
  if (!SelectedOnly) return true;
  if (ARow < G.FixedRows() && PS.FixedCellsAlways()) return true;
  TMouseActions& ma = G.MouseActions();
  if (ma.DisjunctRowSelect()) return G.RowSelect(ma.RowSelectPersistent() ? G.RealRowIndex(ARow) : ARow);
  const TGridRect sel = G.Selection();
  return ARow >= sel.Top && ARow <= sel.Bottom;
}

bool TGridPrintEngine::IsPrintCol(int ACol) {
  if (!SelectedOnly) return true;
  TMouseActions& ma = G.MouseActions();
  if (ma.DisjunctRowSelect()) return true;
  if (ACol < G.FixedCols() && PS.FixedCellsAlways()) return true;
  if (ma.DisjunctColSelect()) return G.ColSelect(ACol);
  const TGridRect sel = G.Selection();
  return ACol >= sel.Left && ACol <= sel.Right;
}

// ---- measuring

QPoint TGridPrintEngine::PrintCellSize(int ACol, int ARow) {
  QString text = G.IsDataCellObject(ACol, ARow) ? QString() : G.GetFormattedCell(ACol, ARow);
  const QFont saved = Canvas.Font;
  const int kind = grid_text::CellTextKind(text, G.EnableHTML());
  QPoint size;
  if (kind == 1) {
    // Measured in device units at the print font's point size, as it is drawn.
    QFont f = PS.Font();
    f.setPointSizeF(PointsOf(PS.Font()) * G.Fontscalefactor());
    SetDevice();
    Canvas.Font = f;
    THtmlDrawParams params;
    params.MeasureOnly = true;
    params.Print = true;
    params.ResFactor = resRatio;
    params.PictureCache = &G.ImageCache();
    params.Pictures = G.PictureContainer();
    THtmlDrawResult result;
    const int boxW = PS.NoAutoSize() ? Nearest((G.ColWidths(G.DisplColIndex(ACol)) + 12) * resRatio) : 65535;
    DrawHtmlText(Canvas, text, TRect{0, 0, boxW, 65535}, params, result);
    SetMetric();
    size = QPoint(Nearest(result.Width * 254.0 / dpiX_),
                  Nearest(result.Height * 254.0 / dpiY_) - Nearest(gap * scale));
  } else {
    if (kind == 2) {
      QTextDocument doc;
      G.CellToRich(ACol, ARow, doc);
      text = doc.toPlainText();
    } else if (kind == 3) {
      G.CalcCellText(ACol, ARow, text);
    }
    TGridDrawState state = 0;
    TCanvas::Brush_State brush;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone, fontColor = clBlack;
    QFont font = Canvas.Font;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd{};
    G.GetVisualProperties(ACol, ARow, state, true, false, false, brush, colorTo, mirror, mirrorTo, font, fontColor, ha,
                          va, ww, gd);
    Canvas.Font = PrintFont(font, PointsOf(font));
    bool wrap = G.WordWrap();
    G.DoGetWordWrap(ACol, ARow, wrap);
    int angle = 0;
    const bool rotated = G.IsRotated(ACol, ARow, angle);
    QPoint graphic(0, 0);
    if (PS.PrintGraphics()) {
      const QPoint gs = G.GetCellGraphicSize(ACol, ARow);
      graphic = QPoint(Nearest(gs.x() * scale), Nearest(gs.y() * scale));
    }
    if (text.isEmpty()) text = QStringLiteral("gh");
    if (!wrap || !PS.NoAutoSize() || rotated) {
      QStringList lines = G.PaintLook().Multilinecells ? text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))
                                             : QStringList{text};
      int widest = 0;
      for (QString line : lines) {
        if (G.URLShow() && !G.URLFull()) grid_text::StripUrlProtocol(line);
        widest = std::max(widest, Canvas.Text_Width(line));
      }
      int width = widest + graphic.x();
      int height = Canvas.Text_Height(QStringLiteral("gh")) * int(lines.size());
      if (rotated) {
        const double a = angle * M_PI / 180.0;
        const int rw = std::abs(Nearest(std::cos(a) * width)) + std::abs(Nearest(std::sin(a) * height));
        const int rh = std::abs(Nearest(std::sin(a) * widest)) + std::abs(Nearest(std::cos(a) * height));
        width = rw;
        height = rh;
      }
      size = QPoint(width, height);
    } else {
      const int dcol = G.DisplColIndex(ACol);
      const int boxW = G.IsXMergedCell(ACol, ARow) ? 65535 : std::max(1, MaxWidths[dcol]);
      TRect r{0, 0, boxW, 0};
      Canvas.Draw_Text(text, r, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
      size = QPoint(boxW, r.Height());
    }
    size.setX(std::max(size.x(), graphic.x()));
    size.setY(std::max(size.y(), graphic.y()));
  }
  Canvas.Font = saved;
  G.DoCustomCellSize(Canvas, ACol, ARow, size, true);
  return size;
}

void TGridPrintEngine::CalcPrintColWidths() {
  const TGridRect& pr = G.PrintState().FPrintRect;
  std::fill(MaxWidths.begin(), MaxWidths.end(), 0);
  if (PS.NoAutoSize()) {
    for (int c = pr.Left; c <= pr.Right; ++c)
      if (IsPrintCol(c)) MaxWidths[c] = Nearest(G.ColWidths(c) * scale);
    return;
  }
  std::vector<int> rows;
  if (PS.RepeatFixedRows())
    for (int r = 0; r < G.FixedRows(); ++r) rows.push_back(r);
  for (int r = pr.Top; r <= pr.Bottom; ++r) rows.push_back(r);
  for (int r : rows) {
    for (int c = pr.Left; c <= pr.Right; ++c) {
      if (!IsPrintCol(c)) continue;
      const int rc = G.RealColIndex(c);
      const int width = PS.UseFixedWidth() ? PS.FixedWidth() : PrintCellSize(rc, r).x();
      if (width > MaxWidths[c] && !G.IsXMergedCell(rc, r)) MaxWidths[c] = width;
    }
  }
}

int TGridPrintEngine::PrintRowHeight(int ARow) {
  if (PS.NoAutoSizeRow()) return Nearest(G.RowHeights(ARow) * scale) - 4;
  if (ARow == cacheRow_) return cacheHeight_;
  int h = 0;
  if (PS.UseFixedHeight()) {
    h = PS.FixedHeight();
  } else {
    G.SetFontscalefactor(fit);
    const TGridRect& pr = G.PrintState().FPrintRect;
    int last = 0;
    for (int c = pr.Left; c <= pr.Right; ++c) {
      const int rc = G.RealColIndex(c);
      if (G.IsYMergedCell(rc, ARow)) continue;
      last = PrintCellSize(rc, ARow).y();
      h = std::max(h, last);
    }
    if (h == 0) h = last;
    G.SetFontscalefactor(1.0);
    h = h + h / 8;
    if (G.OnPrintSetRowHeight) G.OnPrintSetRowHeight(&G, ARow, h);
  }
  cacheRow_ = ARow;
  cacheHeight_ = h;
  return h;
}

void TGridPrintEngine::FitToPage() {
  if (PS.FitToPage() == fpNever) return;
  const TGridRect& pr = G.PrintState().FPrintRect;
  qint64 sum = 0;
  for (int c = pr.Left; c <= pr.Right; ++c)
    if (IsPrintCol(c)) sum += MaxWidths[c] + m;
  const qint64 spacing = qint64(pr.Right - pr.Left + 1) * m;
  if (sum == spacing) return;
  double factor = double(PW - PS.RightSize() - PS.LeftSize() - spacing) / double(sum - spacing);
  switch (PS.FitToPage()) {
    case fpShrink:
      if (factor > 1.0) factor = 1.0;
      break;
    case fpGrow:
      if (factor < 1.0) factor = 1.0;
      break;
    case fpCustom:
      if (factor != 1.0) {
        bool allow = true;
        if (G.OnFitToPage) G.OnFitToPage(&G, factor, allow);
        if (!allow) factor = 1.0;
      }
      break;
    default:
      break;
  }
  if (factor <= 0.0) factor = 1.0;
  fit = factor;
  if (fit != 1.0)
    for (int c = pr.Left; c <= pr.Right; ++c) MaxWidths[c] = static_cast<int>(MaxWidths[c] * fit);
}

// ---- set-up

void TGridPrintEngine::SetUp() {
  auto& st = G.PrintState();
  QPaintDevice* dev = Painter.device();
  dpiX_ = dev && dev->logicalDpiX() > 0 ? dev->logicalDpiX() : 96;
  dpiY_ = dev && dev->logicalDpiY() > 0 ? dev->logicalDpiY() : 96;
  const int screenDpi = G.logicalDpiX() > 0 ? G.logicalDpiX() : 96;
  scale = 254.0 / screenDpi;
  resRatio = dpiX_ / screenDpi;
  origin_ = Mode == pmPreview || Mode == pmCountPreview ? QPointF(st.PrevRect.Left, st.PrevRect.Top) : QPointF();
  SetMetric();
  G.SetFontscalefactor(1.0);

  pagePen_.Color = clBlack;
  pagePen_.Style = PS.BorderStyle();
  pagePen_.Width = PS.Borders() == pbDouble ? 10 : 2;
  Canvas.Pen = pagePen_;
  Canvas.Font_Color = clBlack;

  Canvas.Font = PrintFont(PS.HeaderFont(), PointsOf(PS.HeaderFont()));
  hHeader = Canvas.Text_Height(QStringLiteral("gh"));
  Canvas.Font = PrintFont(PS.FooterFont(), PointsOf(PS.FooterFont()));
  hFooter = Canvas.Text_Height(QStringLiteral("gh"));
  fontPoints_ = PointsOf(PS.Font());
  Canvas.Font = PrintFont(PS.Font(), fontPoints_);
  hFont = Canvas.Text_Height(QStringLiteral("gh"));
  gap = hFont / 8;
  halfG = Canvas.Text_Width(QStringLiteral("g")) / 2;

  switch (Mode) {
    case pmPrint: {
      const int wpx = dev ? dev->width() : 0, hpx = dev ? dev->height() : 0;
      PW = Nearest(wpx * 254.0 / dpiX_);
      PB = -Nearest(hpx * 254.0 / dpiY_);
      break;
    }
    case pmCountPrint:
      PW = st.PrevRect.Width();
      PB = -st.PrevRect.Bottom - st.PrevRect.Top;
      break;
    default:
      PW = Nearest(st.PrevRect.Width() * 254.0 / dpiX_);
      PB = -Nearest(st.PrevRect.Height() * 254.0 / dpiY_);
      break;
  }
  st.FPrintPageRect = TRect{0, 0, PW, PB};
  m = PS.UseFixedWidth() ? 0 : PS.ColumnSpacing() + 20;

  // Column tables cover every column printed, however many there are.
  MaxWidths.assign(std::max(G.ColCount(), st.FPrintRect.Right + 1) + 2, 0);
  Indents.assign(MaxWidths.size() + 1, 0);
  CalcPrintColWidths();
  FitToPage();
  if (G.OnPrintSetColumnWidth)
    for (int c = st.FPrintRect.Left; c <= st.FPrintRect.Right; ++c) G.OnPrintSetColumnWidth(&G, c, MaxWidths[c]);
  if (Drawing()) Painter.setClipRect(QRectF(0, 0, PW, -PB));
}

// ---- strips

void TGridPrintEngine::FormStrip(int start) {
  auto& st = G.PrintState();
  const TGridRect& pr = st.FPrintRect;
  const int fixedCols = FixedColCount(G);
  rfc = fixedCols > 0 && PS.RepeatFixedCols() && (start > pr.Left || pr.Left >= fixedCols);
  int fixedW = 0;
  if (rfc)
    for (int c = 0; c < fixedCols; ++c) fixedW += MaxWidths[c] + m;

  // Whole columns while they fit; a column wider than the page takes a strip
  // of its own and is clipped at the page edge.
  int D = fixedW;
  int last = start - 1;
  while (last + 1 <= pr.Right && D + MaxWidths[last + 1] + m <= PW - PS.RightSize()) {
    ++last;
    D += MaxWidths[last] + m;
  }
  if (last < start) {
    last = start;
    D += MaxWidths[start] + m;
  }
  v = start;
  w = last;
  if (w < pr.Right) multi = true;
  st.FPrintPageWidth = D;

  const int left = PS.Centered() ? 0 : PS.LeftSize();
  Indents[v] = left;
  Indents[0] = left;
  for (int c = v; c <= w; ++c) Indents[c + 1] = Indents[c] + (IsPrintCol(c) ? MaxWidths[c] + m : 0);
  st.FPrintColStart = v;
  st.FPrintColEnd = w;
  if (rfc)
    for (int p = 1; p <= fixedCols; ++p) Indents[p] = Indents[p - 1] + MaxWidths[p - 1] + m;
  if (PS.Centered() && D < PW) {
    const int off = (PW - D) / 2;
    for (int c = v; c <= w + 1; ++c) Indents[c] += off;
    // The fixed block moves once, also where its entries are the strip's own.
    if (rfc)
      for (int c = 0; c <= fixedCols; ++c)
        if (c < v || c > w + 1) Indents[c] += off;
  }
  if (rfc)
    for (int c = v; c <= w + 1; ++c) Indents[c] += fixedW;
}

void TGridPrintEngine::HeaderFooterHeights(bool FirstOfStrip) {
  auto atTop = [](TPrintPosition p) { return p >= ppTopLeft && p <= ppTopCenter; };
  auto atBottom = [](TPrintPosition p) { return p >= ppBottomLeft && p <= ppBottomCenter; };
  const int titleLines = int(PS.TitleLines().size());
  if (atTop(PS.Time()) || atTop(PS.Date()) || atTop(PS.PageNr()) || atTop(PS.Title())) {
    E = gap + hHeader + PS.HeaderSize();
    if (titleLines > 0 && atTop(PS.Title())) {
      int t = 0;
      if (FirstOfStrip && PS.TitleText().isEmpty()) {
        const QString all = PS.TitleLines().join(QString());
        if (grid_text::CellTextKind(PS.TitleLines().join(QStringLiteral("\r\n")), G.EnableHTML()) == 1)
          t = HtmlTitleHeight(all);
      }
      E += t != 0 ? t + PS.HeaderSize() : (titleLines - 1) * hHeader;
    }
  } else {
    E = PS.HeaderSize();
  }
  if (atBottom(PS.Time()) || atBottom(PS.Date()) || atBottom(PS.PageNr()) || atBottom(PS.Title())) {
    Gf = 2 * gap + 2 * hFooter + PS.FooterSize();
    if (titleLines > 0 && atBottom(PS.Title())) Gf += (titleLines - 1) * hFooter;
  } else {
    Gf = gap + hFooter + PS.FooterSize();
  }
}

bool TGridPrintEngine::RowFits(int y, int ARow) { return y - PrintRowHeight(ARow) >= PB + Gf; }

int TGridPrintEngine::PrintRow(int y, int ARow) {
  if (rfc) PrintCells(*this, y, 0, FixedColCount(G) - 1, ARow);
  return PrintCells(*this, y, v, w, ARow);
}

int TGridPrintEngine::PrintPages() {
  SetUp();
  auto& st = G.PrintState();
  const TGridRect pr = st.FPrintRect;
  const TGridExportState exportState =
      pr.Top > G.FixedRows() || pr.Bottom < G.RowCount() - 1 - G.FixedFooters() ? esExportSelRow : esExportNewRow;
  cacheRow_ = -1;
  C = 0;
  S = 0;
  int lastRow = -1;
  int start = pr.Left;
  bool firstPageAnnounced = false;
  while (start <= pr.Right && !cancel) {
    ++S;
    P = 0;
    FormStrip(start);
    HeaderFooterHeights(true);
    int H = pr.Top;
    if (Drawing() && !firstPageAnnounced) {
      firstPageAnnounced = true;
      if (PageDrawn() && G.OnPrintPage) G.OnPrintPage(&G, Canvas, C + 1, PW, PB);
    }
    int l = 0;          // rows handled on this page
    int dataRows = 0;   // data rows printed on this page
    int y = 0;
    while (H <= pr.Bottom && !cancel) {
      G.ExportNotification(exportState, H);
      if (l == 0) {
        y = -E;
        y -= PS.TitleSpacing() + PrintHeaderFooter();
        dataRows = 0;
      }
      if (l == 0 && H > 0 && (C > 0 || pr.Top >= G.FixedRows()) && PS.RepeatFixedRows() && G.FixedRows() > 0) {
        for (int r = 0; r < G.FixedRows(); ++r) y -= PrintRow(y, r);
        ++l;
      }
      if (IsPrintRow(H)) {
        // A row taller than a whole page prints alone, clipped at the bottom.
        if (RowFits(y, H) || dataRows == 0) {
          y -= PrintRow(y, H);
          ++H;
          ++dataRows;
        }
      } else {
        ++H;
      }
      ++l;
      bool forced = false;
      if (G.OnPrintNewPage && H <= pr.Bottom) G.OnPrintNewPage(&G, H, forced);
      const bool full = H <= pr.Bottom && !RowFits(y, H);
      if ((full || H > pr.Bottom || forced) && Drawing() && PageDrawn()) {
        if (G.OnPrintPageDone) G.OnPrintPageDone(&G, Canvas, H, y, C + 1, PW, PB);
        if (G.OnPrintCancel) G.OnPrintCancel(&G, C + 1, cancel);
      }
      if ((full || forced) && H <= pr.Bottom) {
        PrintPageBorders(v, w, y);
        l = 0;
        lastRow = H;
        if (cancel) break;
        PrintNextPage();
        if (G.FastPrint() && C > st.FPrintPageFrom) H = pr.Bottom + 1;
        ++C;
        ++P;
        HeaderFooterHeights(false);
      }
    }
    if (lastRow != H) PrintPageBorders(v, w, y);
    start = w + 1;
    if (start <= pr.Right && !cancel) PrintNextPage();
    ++C;
  }
  st.FPrintPageRect = TRect{0, 0, PW, PB};
  G.SetFontscalefactor(1.0);
  return C;
}

void TGridPrintEngine::PrintNextPage() {
  const auto& st = G.PrintState();
  if (C + 2 < st.FPrintPageFrom || C + 2 > st.FPrintPageTo) return;
  if (Mode == pmPrint && C + 1 >= st.FPrintPageFrom) {
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(Painter.device())) paged->newPage();
  }
  SetMetric();
  if (Drawing() && G.OnPrintPage) G.OnPrintPage(&G, Canvas, C + 2, PW, PB);
}

void TGridPrintEngine::PrintPageBorders(int av, int aw, int y) {
  if (!PageDrawn()) return;
  const int top = -E - PS.TitleSpacing();
  const int x0 = rfc ? Indents[0] : Indents[av];
  const int x1 = Indents[aw + 1];
  const int yb = y + gap / 2;
  const TCanvas::Pen_State saved = Canvas.Pen;
  Canvas.Pen = pagePen_;
  Canvas.Pen.Color = PS.BorderColor() == clNone ? clBlack : PS.BorderColor();
  const TPrintBorders b = PS.Borders();
  if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
    Line(x0, top, x1, top);
    Line(x1, top, x1, yb);
    Line(x1, yb, x0, yb);
    Line(x0, yb, x0, top);
  }
  if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal) Line(x0, yb, x1, yb);
  if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && rfc)
    for (int i = 0; i < FixedColCount(G); ++i) Line(Indents[i], top, Indents[i], yb);
  Canvas.Pen = saved;
}

// ---- header and footer

QString TGridPrintEngine::JoinWithSpace(const QString& A, const QString& B) {
  if (A.isEmpty()) return B;
  if (B.isEmpty()) return A;
  return A + QLatin1Char(' ') + B;
}

QString TGridPrintEngine::PrintPageNumText() {
  QString text;
  if (multi) {
    text = QString::number(P + 1) + QLatin1Char('-') + QString::number(S);
    G.DoPrintGetPageNum(P + 1, S, text);
  } else {
    text = QString::number(qint64(C) + PS.PageNumberOffset() + 1);
    if (!PS.PageNumSep().isEmpty() && Pages > 1) text += PS.PageNumSep() + QString::number(Pages + PS.MaxPagesOffset());
    G.DoPrintGetPageNum(C + 1, S, text);
  }
  return text;
}

std::vector<QString> TGridPrintEngine::HeaderFooterTexts(QString* HtmlTitle) {
  std::vector<QString> pos(6);
  auto slot = [](TPrintPosition p) { return int(p) - 1; };
  auto add = [&](TPrintPosition p, const QString& item) {
    if (p == ppNone) return;
    QString& t = pos[slot(p)];
    const bool left = p == ppTopLeft || p == ppBottomLeft;
    t = left ? item + QLatin1Char(' ') + t : t + QLatin1Char(' ') + item;
  };
  const QDateTime now = G.PrintClock ? G.PrintClock() : QDateTime::currentDateTime();
  add(PS.Time(), Format_Date_Time(QStringLiteral("hh:nn"), now));
  add(PS.Date(), Format_Date_Time(PS.DateFormat(), now));
  if (PS.PageNr() != ppNone)
    add(PS.PageNr(), PS.PagePrefix() + QLatin1Char(' ') + PrintPageNumText() + QLatin1Char(' ') + PS.PageSuffix());
  if (PS.Title() != ppNone) {
    if (!PS.TitleText().isEmpty()) {
      add(PS.Title(), PS.TitleText());
    } else if (!PS.TitleLines().isEmpty()) {
      if (grid_text::CellTextKind(PS.TitleLines().join(QStringLiteral("\r\n")), G.EnableHTML()) == 1) {
        if (HtmlTitle) *HtmlTitle = PS.TitleLines().join(QString());
      } else {
        QString& t = pos[slot(PS.Title())];
        const QString first = PS.TitleLines().first();
        const bool left = PS.Title() == ppTopLeft || PS.Title() == ppBottomLeft;
        t = left ? JoinWithSpace(first, t) : JoinWithSpace(t, first);
      }
    }
  }
  return pos;
}

int TGridPrintEngine::HtmlTitleHeight(const QString& Title) {
  const QFont saved = Canvas.Font;
  SetDevice();
  QFont f = PS.HeaderFont();
  f.setPointSizeF(PointsOf(PS.HeaderFont()) * fit);
  Canvas.Font = f;
  THtmlDrawParams params;
  params.MeasureOnly = true;
  params.Print = true;
  params.ResFactor = resRatio;
  THtmlDrawResult result;
  DrawHtmlText(Canvas, Title, TRect{0, 0, std::max(1, Nearest(PW * dpiX_ / 254.0)), 65535}, params, result);
  SetMetric();
  Canvas.Font = saved;
  return Nearest(result.Height * 254.0 / dpiY_);
}

int TGridPrintEngine::PrintHeaderFooter() {
  if (!PageDrawn()) return 0;
  G.SetFontscalefactor(fit);
  QString html;
  const std::vector<QString> pos = HeaderFooterTexts(&html);
  const QFont savedFont = Canvas.Font;
  const TCanvas::Brush_State savedBrush = Canvas.Brush;
  const TColor savedColor = Canvas.Font_Color;
  Canvas.Brush.Style = TBrushStyle::bsClear;
  Canvas.Font_Color = clBlack;
  const bool titleTop = PS.Title() >= ppTopLeft && PS.Title() <= ppTopCenter;
  const bool titleBottom = PS.Title() >= ppBottomLeft && PS.Title() <= ppBottomCenter;
  const bool plainLines = PS.TitleText().isEmpty() && html.isEmpty() && PS.TitleLines().size() > 1;

  auto xOf = [&](int slot, const QString& text) {
    const int tw = Canvas.Text_Width(text);
    switch (slot % 3) {
      case 0:
        return PS.LeftSize();
      case 1:
        return PW - tw - PS.RightSize() - 20;
      default:
        // A centred text wider than the page starts at the left margin.
        return tw > PW ? PS.LeftSize() : (PW - tw) / 2;
    }
  };
  auto drawRow = [&](int first, int y, bool titleHere) {
    for (int i = first; i < first + 3; ++i)
      if (!pos[i].isEmpty()) TextOut(xOf(i, pos[i]), y, pos[i]);
    if (titleHere && plainLines) {
      const int slot = int(PS.Title()) - 1;
      const int lh = Canvas.Text_Height(QStringLiteral("gh"));
      int ly = y;
      for (int k = 1; k < PS.TitleLines().size(); ++k) {
        ly -= lh;
        TextOut(xOf(slot, PS.TitleLines()[k]), ly, PS.TitleLines()[k]);
      }
    }
  };
  auto drawHtml = [&](const TRect& box, const QFont& base) {
    SetDevice();
    QFont f = base;
    f.setPointSizeF(PointsOf(base) * fit);
    Canvas.Font = f;
    THtmlDrawParams params;
    params.Print = true;
    params.ResFactor = resRatio;
    params.URLColor = G.URLColor();
    THtmlDrawResult result;
    DrawHtmlText(Canvas, html, ToDevice(box), params, result);
    SetMetric();
    return result;
  };

  int htmlHeight = 0;
  Canvas.Font = PrintFont(PS.HeaderFont(), PointsOf(PS.HeaderFont()));
  drawRow(0, -PS.HeaderSize(), titleTop);
  if (!html.isEmpty() && titleTop) {
    htmlHeight = HtmlTitleHeight(html);
    drawHtml(TRect{PS.LeftSize(), -PS.HeaderSize(), PW, -PS.HeaderSize() - htmlHeight}, PS.HeaderFont());
  }
  Canvas.Font = PrintFont(PS.FooterFont(), PointsOf(PS.FooterFont()));
  drawRow(3, PB + hFooter + gap + PS.FooterSize(), titleBottom);
  if (!html.isEmpty() && titleBottom)
    drawHtml(TRect{PS.LeftSize(), PB + PS.FooterSize(), PW, PB}, PS.FooterFont());
  Canvas.Font = savedFont;
  Canvas.Brush = savedBrush;
  Canvas.Font_Color = savedColor;
  G.SetFontscalefactor(1.0);
  return htmlHeight;
}
