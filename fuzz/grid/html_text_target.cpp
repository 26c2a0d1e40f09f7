// Feeds arbitrary cell texts (pasted or read from a stored grid) to the
// mini-HTML renderer and the HTML text utilities. The first four bytes pick
// the renderer's settings and rectangle; the rest is the text. Whatever the
// text, every call ends, the measuring pass sees at least what the drawing
// pass laid out, and escaping round-trips.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <vector>

#include "fuzz_gui.h"
#include "grid/html/draw_html_text.h"
#include "grid/html/html_auto_link.h"
#include "grid/html/html_controls.h"
#include "grid/html/html_entities.h"
#include "grid/html/html_highlight.h"
#include "grid/html/html_picture.h"
#include "grid/html/html_plain_text.h"

namespace {

// Longer texts only repeat what shorter ones reach.
constexpr size_t kLargestInput = 8192;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4 || size > kLargestInput) return 0;
  Ensure_Fuzz_Gui("fuzz_html_text");
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 4), qsizetype(size - 4));
  THtmlDrawParams p;
  p.WordWrap = data[0] & 1;
  p.HitTestOnly = data[0] & 2;
  p.Selected = data[0] & 4;
  p.BlinkVisible = data[0] & 8;
  p.HoverUnderlineOnly = data[0] & 16;
  p.BiDiMode = data[0] & 32 ? bdRightToLeft : bdLeftToRight;
  p.HoverColor = data[0] & 64 ? clYellow : clNone;
  p.HoverFontColor = data[0] & 128 ? clRed : clNone;
  const TRect rect{data[1] % 16 - 4, 0, data[1] % 16 + data[1] / 2, data[2] / 2};
  p.FocusLink = data[3] % 4 - 1;
  p.HoverLink = data[3] / 4 % 4;
  p.MouseDown = data[3] & 16;
  p.Print = data[3] & 32;
  p.ResFactor = data[3] & 64 ? 2.0 : 1.0;
  p.ControlID = QStringLiteral("c");
  static const std::vector<QImage> images{QImage(16, 16, QImage::Format_RGB32), QImage(40, 8, QImage::Format_RGB32)};
  p.Images = &images;
  // Named pictures only: URLs would read the file system.
  static TPictureContainer pictures = [] {
    TPictureContainer c;
    TPictureItem* item = c.Items.Add();
    item->Name = QStringLiteral("p");
    QImage image(12, 9, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    item->Picture.LoadFromStream(&buffer);
    return c;
  }();
  p.Pictures = &pictures;
  p.XPos = data[1] / 3;
  p.YPos = data[2] / 8;

  QImage image(140, 140, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  TCanvas canvas(painter);
  THtmlDrawParams measure = p;
  measure.MeasureOnly = true;
  THtmlDrawResult measured;
  // The first measuring loads the fallback fonts, which may change advances
  // by a pixel: the comparison takes the figures after it.
  DrawHtmlText(canvas, text, rect, measure, measured);
  THtmlDrawResult drawn;
  DrawHtmlText(canvas, text, rect, p, drawn);
  if (DrawHtmlText(canvas, text, rect, measure, measured)) std::abort();
  if (drawn.Width < 0 || drawn.Height <= 0 || measured.Height < drawn.Height || measured.Width < drawn.Width ||
      !measured.PlainText.startsWith(drawn.PlainText) || drawn.LinkCount > measured.LinkCount)
    std::abort();
  painter.end();

  for (bool accented : {false, true})
    if (UnescapeHtmlChars(EscapeHtmlChars(text, accented), accented) != text) std::abort();
  HtmlToPlainText(text);
  const QString search = text.left(data[3] % 4 + 1);
  const QString marked = HighlightInHtml(text, search, QStringLiteral("hi"), data[0] & 1);
  RemoveHighlightFromHtml(marked, QStringLiteral("hi"));
  QString controls = text;
  const THtmlControlAttributes first = ReadHtmlControlAttributes(text);
  SetHtmlControlValue(controls, first.ID, text.right(3));
  ResetHtmlRadioControls(text);
  NextHtmlEditControlID(text, first.ID);
  QString linked;
  for (const char* prefix : kAutoLinkPrefixes) InsertAutoLink(text, QLatin1String(prefix), linked);

  // The GIF scanner and frame rebuilding over the raw bytes, also behind a
  // GIF signature.
  for (const QByteArray& head : {QByteArray(), QByteArray("GIF89a")}) {
    QByteArray bytes = head + QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    THTMLPicture picture;
    picture.LoadFromStream(&buffer);
    const int frames = picture.FrameCount();
    if (picture.IsGIF() != (frames >= 0)) std::abort();
    for (int i = 0; i <= std::min(frames, 4) + 1; ++i) picture.GetFrameTime(i);
    for (int i = 0; i < 4; ++i) picture.Step();
    picture.SetFrame(std::max(1, frames));
    picture.FramePrev();
  }
  return 0;
}
