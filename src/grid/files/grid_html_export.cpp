// HTML export of TZadIrururOziz (layout at the head of grid_html_export.h).
#include "grid/files/grid_html_export.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QUrl>
#include <stdexcept>

#include "controls/tcolor.h"
#include "grid/core/cell_picture.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/files/grid_file_support.h"
#include "grid/html/html_colors.h"
#include "grid/html/html_entities.h"
#include "grid/store/text_helpers.h"

namespace {

THTMLOpener& Opener() {
  static THTMLOpener opener = [](const QString& FileName) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(FileName).absoluteFilePath()));
  };
  return opener;
}

const QString CRLF = QStringLiteral("\r\n");

QString Quoted(const QString& value) { return QLatin1Char('"') + value + QLatin1Char('"'); }

// RRGGBB of a colour, system colours resolved.
QString Html_Hex(TColor color) {
  const QColor c = To_QColor(color);
  return ColorToHtmlHex(TColor(uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16));
}

class Html_Writer {
 public:
  Html_Writer(TZadIrururOziz& grid, const QString& dir)
      : grid_(grid), settings_(grid.HTMLSettings()), dir_(dir), x_(settings_.XHTML()) {}

  QString Run();

 private:
  QString Tag(const char* upper) const { return x_ ? QString::fromLatin1(upper).toLower() : QString::fromLatin1(upper); }
  QString Nbsp() const { return x_ ? QStringLiteral("&#160;") : QStringLiteral("&nbsp;"); }
  QString Line_Breaks(const QString& text) const {
    QString out = grid_text::LineBreaksToHtml(text);
    if (x_) out.replace(QLatin1String("<br>"), QLatin1String("<br />"));
    return out;
  }
  QString Link(const QString& text) const;
  QString Style(int col, int row, bool header);
  int Style_Index(const QString& style);
  QString Image(const QImage& image);
  QString Content(int real, int row, const QString& text);
  void Add_Cell(int col, int row, QString text, bool header, int width);

  TZadIrururOziz& grid_;
  THTMLSettings& settings_;
  QString dir_;
  bool x_;
  QStringList styles_;
  QStringList lines_;
  int images_ = 0;
  bool wrap_ = false;  // the last styled cell wraps its words
};

QString Html_Writer::Link(const QString& text) const {
  if (!grid_.URLShow() || text.contains(QLatin1String("</"))) return text;
  QString result = text;
  auto wrap = [&](const QString& marker) {
    const qsizetype at = text.indexOf(marker);
    if (at < 0) return;
    const QString label = grid_.URLFull() ? text : text.mid(at + marker.size(), 255);
    result = QStringLiteral("<a href=") + Quoted(text) + QLatin1Char('>') + label + QStringLiteral("</a>");
  };
  wrap(QStringLiteral("://"));
  wrap(QStringLiteral("mailto:"));  // looks at the unconverted text: the last word
  return result;
}

int Html_Writer::Style_Index(const QString& style) {
  qsizetype at = styles_.indexOf(style);
  if (at < 0) {
    styles_.append(style);
    at = styles_.size() - 1;
  }
  return int(at);
}

QString Html_Writer::Style(int col, int row, bool header) {
  TGridDrawState state{};
  TCanvas::Brush_State brush;
  TColor color_to = clNone, mirror = clNone, mirror_to = clNone, font_color = grid_.FontColor();
  QFont font = grid_.GridFont();
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = grid_.WordWrap();
  TCellGradientDirection gd = GradientVertical;
  static_cast<TBaseGrid&>(grid_).GetVisualProperties(col, row, state, true, false, true, brush, color_to, mirror,
                                                     mirror_to, font, font_color, ha, va, ww, gd);
  wrap_ = ww;
  // A colour counts as set when it is not the grid's own: plain cells carry
  // no colour into the style.
  TColor background = clNone;
  if (header || static_cast<TBaseGrid&>(grid_).IsFixed(col, row))
    background = grid_.FixedColor();
  else if (brush.Color != clNone && brush.Color != grid_.Color())
    background = brush.Color;
  QStringList css;
  if (settings_.SaveColor() && background != clNone) css << QStringLiteral("background-color: #") + Html_Hex(background);
  if (settings_.SaveColor() && font_color != clNone && font_color != grid_.FontColor())
    css << QStringLiteral("color: #") + Html_Hex(font_color);
  int size = font.pointSize();
  if (size <= 0) size = qRound(font.pixelSize() * 72.0 / 96.0);
  css << QStringLiteral("font-size:%1pt").arg(size);
  if (font.italic()) css << QStringLiteral("font-style: italic");
  if (font.bold()) css << QStringLiteral("font-weight: bold");
  css << QStringLiteral("font-family: ") + font.family();
  if (ha == taRightJustify) css << QStringLiteral("text-align: right");
  if (ha == taCenter) css << QStringLiteral("text-align: center");
  static const char* const vertical[] = {"top", "middle", "bottom"};
  css << QStringLiteral("vertical-align: ") + QLatin1String(vertical[va]);
  return css.join(QLatin1Char(';'));
}

QString Html_Writer::Image(const QImage& image) {
  const QString folder = dir_ + QStringLiteral("images");
  if (!QDir().mkpath(folder.isEmpty() ? QStringLiteral(".") : folder))
    throw std::runtime_error(("Cannot create " + folder).toStdString());
  const QString path = folder + QStringLiteral("/img%1.jpg").arg(images_++);
  QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  if (!rgb.save(path, "JPG")) throw std::runtime_error(("Cannot write " + path).toStdString());
  const QString src = Quoted(QStringLiteral("file://") + path);
  return x_ ? QStringLiteral("<img src=") + src + QStringLiteral(" alt=\"\" />") : QStringLiteral("<img src= ") + src + QLatin1Char('>');
}

QString Html_Writer::Content(int real, int row, const QString& text) {
  if (!settings_.ExportImages()) return text;
  TCellGraphic* graphic = grid_.GetCellGraphic(real, row);
  if (!graphic) return text;
  const QList<QImage>* list = grid_.GridImages();
  auto in_list = [&](int i) { return list && i >= 0 && i < list->size(); };
  switch (graphic->CellType) {
    case ctImageList:
      return in_list(graphic->CellIndex) ? Image(list->at(graphic->CellIndex)) + text : text;
    case ctDataImage: {
      int32_t index = 0;
      bool ok = false;
      index = grid_.GetGridCell(real, row).trimmed().toInt(&ok);
      return ok && in_list(index) ? Image(list->at(index)) : QString();
    }
    case ctBitmap: {
      const auto* bitmap = static_cast<const QImage*>(graphic->CellBitmap);
      return bitmap && !bitmap->isNull() ? text + Image(*bitmap) : text;
    }
    case ctPicture: {
      const auto* picture = dynamic_cast<const TPicture*>(static_cast<const TCellPicture*>(graphic->CellBitmap));
      return picture && !picture->Empty() ? text + Image(picture->Graphic()) : text;
    }
    case ctNode:
      return QLatin1Char('+') + text;
    case ctImages: {
      QString out;
      if (const TIntList* indexes = grid_.GetCellImages(real, row); indexes && list)
        for (int i = 0; i < indexes->Count(); ++i)
          if (in_list(indexes->GetInteger(i))) out += Image(list->at(indexes->GetInteger(i)));
      return out + text;
    }
    default:
      return text;
  }
}

void Html_Writer::Add_Cell(int col, int row, QString text, bool header, int width) {
  const int real = grid_.RealColIndex(col);
  const QString style = Style(col, row, header);
  if (header ? text.isEmpty() : text.trimmed().isEmpty()) text = Nbsp();
  QString td = QLatin1Char('<') + Tag("TD") + QStringLiteral(" class=") + Quoted(QStringLiteral("c%1").arg(Style_Index(style)));
  const QPoint span = grid_.CellSpan(real, row);
  if (span.x() > 0) td += QLatin1Char(' ') + Tag("COLSPAN") + QLatin1Char('=') + Quoted(QString::number(span.x() + 1));
  if (span.y() > 0) td += QLatin1Char(' ') + Tag("ROWSPAN") + QLatin1Char('=') + Quoted(QString::number(span.y() + 1));
  if (!wrap_) td += x_ ? QStringLiteral(" nowrap=\"nowrap\"") : QStringLiteral(" nowrap");
  if (width > 0) {
    const QString value = QString::number(width);
    td += x_ ? QStringLiteral(" width=") + Quoted(value) : (header ? QStringLiteral(" WIDTH=") : QStringLiteral(" width=")) + value;
  }
  lines_ << td + QLatin1Char('>') + Content(real, row, text) + QStringLiteral("</td>");
}

QString Html_Writer::Run() {
  const bool all = grid_.SaveFixedCells();
  const int c0 = all || grid_.SaveFixedCols() ? 0 : grid_.FixedCols();
  int r0 = all || grid_.SaveFixedRows() ? 0 : grid_.FixedRows();
  QString prologue;
  if (x_) {
    prologue = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>") + CRLF +
               QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"") + CRLF +
               QStringLiteral("\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">") + CRLF +
               QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">") + CRLF;
  }
  if (!settings_.PrefixTag().isEmpty()) prologue += settings_.PrefixTag();
  QString table = QLatin1Char('<') + Tag("TABLE") + QLatin1Char(' ') + Tag("BORDER") + QLatin1Char('=') +
                  Quoted(QString::number(settings_.BorderSize())) + QLatin1Char(' ') + Tag("CELLSPACING") +
                  QLatin1Char('=') + Quoted(QString::number(settings_.CellSpacing())) + QLatin1Char(' ') +
                  Tag("CELLPADDING") + QLatin1Char('=') + Quoted(QString::number(settings_.CellPadding())) +
                  QLatin1Char(' ');
  if (!settings_.Summary().isEmpty()) {
    const QString summary = x_ ? EscapeHtmlChars(settings_.Summary(), false) : settings_.Summary();
    table += Tag("SUMMARY") + QLatin1Char('=') + Quoted(summary) + QLatin1Char(' ');
  }
  if (!settings_.TableStyle().isEmpty()) table += QLatin1Char(' ') + settings_.TableStyle() + QLatin1Char(' ');
  table += QLatin1Char(' ') + Tag("WIDTH") + QLatin1Char('=') + Quoted(QString::number(settings_.Width()) + QLatin1Char('%')) +
           QLatin1Char('>');
  lines_ << table;
  const TIntList& widths = settings_.ColWidths();
  const bool header = grid_.FixedRows() > 0 && (all || grid_.SaveFixedRows());
  auto own_base = [&](int c, int r) {
    const int real = grid_.RealColIndex(c);
    return !grid_.IsMergedCell(real, r) || grid_.IsBaseCell(real, r);
  };
  if (header) {
    lines_ << QLatin1Char('<') + Tag("TR") + QLatin1Char('>');
    for (int c = c0; c < grid_.ColCount(); ++c) {
      if (!own_base(c, 0)) continue;
      QString text;
      grid_.DoSaveCell(grid_.RealColIndex(c), 0, text);
      if (x_) text = EscapeHtmlChars(text, false);
      text = Link(Line_Breaks(text));
      Add_Cell(c, 0, text, true, c < widths.Count() ? widths.GetInteger(c) : 0);
    }
    lines_ << QStringLiteral("</") + Tag("TR") + QLatin1Char('>');
    r0 = 1;
  }
  grid_.ExportNotification(esExportStart, r0);
  for (int r = r0; r < grid_.RowCount(); ++r) {
    grid_.ExportNotification(esExportNextRow, r);
    lines_ << QLatin1Char('<') + Tag("TR") + QLatin1Char('>');
    for (int c = c0; c < grid_.ColCount(); ++c) {
      if (!own_base(c, r)) continue;
      QString text;
      grid_.DoSaveCell(grid_.RealColIndex(c), r, text);
      // XHTML takes every cell text as text: markup in it would not be
      // well-formed XML.
      if (settings_.ConvertSpecialChars() || x_) text = EscapeHtmlChars(text, !x_);
      if (settings_.NonBreakingText()) text = x_ ? text.replace(QLatin1Char(' '), Nbsp()) : SpacesToNbsp(text);
      text = Link(Line_Breaks(text));
      const int i = c - c0;
      Add_Cell(c, r, text, false, !header && i < widths.Count() ? widths.GetInteger(i) : 0);
    }
    lines_ << QStringLiteral("</") + Tag("TR") + QLatin1Char('>');
  }
  grid_.ExportNotification(esExportDone, -1);
  lines_ << QStringLiteral("</") + Tag("TABLE") + QLatin1Char('>');
  if (!settings_.SuffixTag().isEmpty()) lines_ << settings_.SuffixTag();
  if (x_) lines_ << QStringLiteral("</html>");
  QString style = QStringLiteral("<style>") + CRLF;
  for (qsizetype i = 0; i < styles_.size(); ++i) style += QStringLiteral(".c%1 {").arg(i) + styles_[i] + QLatin1Char('}') + CRLF;
  style += QStringLiteral("</style>") + CRLF;
  return prologue + style + lines_.join(CRLF) + CRLF;
}

// 7-bit text with every other character as a numeric reference.
QByteArray Ascii_Bytes(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (uint code : text.toUcs4()) {
    if (code < 128)
      out += char(code);
    else
      out += "&#" + QByteArray::number(code) + ';';
  }
  return out;
}

void Write_HTML_File(TZadIrururOziz& grid, const QString& FileName, bool Append, bool Unicode, bool Show) {
  QStringList items;
  if (Append) {
    try {
      if (QFileInfo::exists(FileName)) items = grid_files::Split_Lines(grid_files::Read_Bytes(FileName));
    } catch (const std::exception&) {
      items.clear();  // an unreadable old file is started afresh
    }
  }
  THTMLSettings& settings = grid.HTMLSettings();
  if (!settings.HeaderFile().isEmpty()) items << grid_files::Split_Lines(grid_files::Read_Bytes(settings.HeaderFile()));
  QString dir = QFileInfo(FileName).path().replace(QLatin1Char('\\'), QLatin1Char('/'));
  dir = dir == QLatin1String(".") && !FileName.startsWith(QLatin1String("./")) ? QString() : dir + QLatin1Char('/');
  items << SaveToHTMLString(grid, dir);
  if (!settings.FooterFile().isEmpty()) items << grid_files::Split_Lines(grid_files::Read_Bytes(settings.FooterFile()));
  const QString text = items.join(CRLF) + CRLF;
  grid_files::Write_File(FileName, Unicode ? text.toUtf8() : Ascii_Bytes(text));
  if ((Show || settings.AutoPreview()) && Opener()) Opener()(FileName);
}

}  // namespace

QString SaveToHTMLString(TZadIrururOziz& Grid, const QString& Dir) { return Html_Writer(Grid, Dir).Run(); }

void SaveToHTML(TZadIrururOziz& Grid, const QString& FileName, bool Show, bool Unicode) {
  Write_HTML_File(Grid, FileName, false, Unicode, Show);
}

void AppendToHTML(TZadIrururOziz& Grid, const QString& FileName, bool Show, bool Unicode) {
  Write_HTML_File(Grid, FileName, true, Unicode, Show);
}

void SetHTMLOpener(THTMLOpener Opener_) { Opener() = std::move(Opener_); }
