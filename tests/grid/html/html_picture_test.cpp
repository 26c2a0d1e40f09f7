// Pictures of the mini-HTML renderer: bytes kept as loaded, GIF frames and
// their clocks, loading by file, resource and URL, the cache and the
// container, and IMG tags drawing them.
#include "grid/html/html_picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include "grid/html/draw_html_text.h"
#include "grid/html/html_system_icons.h"

namespace {

void Ensure_Gui() {
  static int argc = 1;
  static char name[] = "html_picture_test";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

// A 1 x 1 GIF of two frames: red (delay 10), then green (delay 20).
QByteArray Two_Frame_Gif() {
  const unsigned char bytes[] = {
      'G',  'I',  'F',  '8',  '9',  'a', 1, 0, 1,    0, 0x80, 0, 0,                 // screen 1 x 1, two colours
      0xFF, 0,    0,    0,    0xFF, 0,                                              // red, green
      0x21, 0xF9, 4,    0,    10,   0,   0, 0, 0x2C, 0, 0,    0, 0, 1, 0, 1, 0, 0,  // frame 1
      2,    2,    0x44, 0x01, 0,                                                    // pixel 0
      0x21, 0xF9, 4,    1,    20,   0,   0, 0, 0x2C, 0, 0,    0, 0, 1, 0, 1, 0, 0,  // frame 2, transparent flag
      2,    2,    0x4C, 0x01, 0,                                                    // pixel 1
      0x3B};
  return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

constexpr qsizetype kSecondFrame = 19 + 18 + 5;

QByteArray Png(int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

bool Load(THTMLPicture& picture, QByteArray bytes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  return picture.LoadFromStream(&buffer);
}

TEST(HtmlPicture, GifFrames) {
  Ensure_Gui();
  THTMLPicture picture;
  ASSERT_TRUE(Load(picture, Two_Frame_Gif()));
  EXPECT_TRUE(picture.IsGIF());
  EXPECT_EQ(picture.FrameCount(), 2);
  EXPECT_EQ(picture.GetFrameTime(1), 10);
  EXPECT_EQ(picture.GetFrameTime(2), 20);
  EXPECT_EQ(picture.GetFrameTime(3), -1);
  EXPECT_EQ(picture.GetFrameTime(0), -1);
  EXPECT_EQ(picture.MaxWidth(), 1);
  EXPECT_EQ(picture.Image().pixelColor(0, 0), QColor(Qt::red));
  int changes = 0;
  picture.OnFrameChange = [&](THTMLPicture*) { ++changes; };
  picture.SetFrame(2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(picture.Image().pixelColor(0, 0), QColor(Qt::green));
  EXPECT_EQ(picture.FrameNext(), 1);
  EXPECT_EQ(picture.FramePrev(), 2);
  picture.SetFrame(3);  // beyond the count: ignored
  EXPECT_EQ(picture.Frame(), 2);
  // Saved bytes are the loaded bytes.
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  picture.SaveToStream(out);
  EXPECT_EQ(out.data(), Two_Frame_Gif());
  // A load starts again at frame 1.
  ASSERT_TRUE(Load(picture, Two_Frame_Gif()));
  EXPECT_EQ(picture.Frame(), 1);
  EXPECT_EQ(picture.Image().pixelColor(0, 0), QColor(Qt::red));
  // Not a GIF.
  ASSERT_TRUE(Load(picture, Png(2, 2, Qt::blue)));
  EXPECT_FALSE(picture.IsGIF());
  EXPECT_EQ(picture.FrameCount(), -1);
  EXPECT_EQ(picture.GetFrameTime(1), -1);
}

TEST(HtmlPicture, CutGifsAreScannedWithinTheirBytes) {
  Ensure_Gui();
  const QByteArray gif = Two_Frame_Gif();
  const std::pair<qsizetype, int> cuts[] = {
      {kSecondFrame, 1}, {kSecondFrame + 10, 1}, {kSecondFrame + 17, 2}, {19, 0}, {5, 0}, {4, -1}};
  for (const auto& [size, frames] : cuts) {
    THTMLPicture picture;
    Load(picture, gif.left(size));
    EXPECT_EQ(picture.FrameCount(), frames) << size;
    picture.SetFrame(2);
    picture.FrameNext();
    picture.Step();
  }
}

TEST(HtmlPicture, StepFollowsTheDelays) {
  Ensure_Gui();
  THTMLPicture picture;
  Load(picture, Two_Frame_Gif());
  // Ticks of 10: frame 2 after the first delay (10), frame 1 again after
  // another 20.
  std::vector<int> frames;
  for (int i = 0; i < 6; ++i) {
    picture.Step();
    frames.push_back(picture.Frame());
  }
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 2, 1, 2, 2}));
  THTMLPicture still;
  Load(still, Png(2, 2, Qt::blue));
  EXPECT_FALSE(still.Step());
  EXPECT_FALSE(THTMLPicture().Step());
}

TEST(HtmlPicture, LoadingByFileResourceAndUrl) {
  Ensure_Gui();
  QTemporaryDir dir;
  const QString path = dir.filePath("Logo.png");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Png(6, 4, Qt::blue));
  }
  THTMLPicture picture;
  picture.LoadFromFile(path);
  EXPECT_FALSE(picture.Empty());
  EXPECT_EQ(picture.Width(), 6);
  EXPECT_EQ(picture.Height(), 4);
  // A missing file: empty, no error.
  picture.LoadFromFile(dir.filePath("none.png"));
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(picture.Width(), 0);
  // Only regular files are read: a device would never end.
  for (const QString& other : {QStringLiteral("/dev/zero"), dir.path()}) {
    picture.LoadFromFile(other);
    EXPECT_TRUE(picture.Empty()) << other.toStdString();
  }
  // Schemes in any case; the path keeps its letter case.
  picture.LoadFromURL("FiLe://" + path);
  EXPECT_FALSE(picture.Empty());
  EXPECT_EQ(picture.ID, "FiLe://" + path);
  picture.LoadFromURL("file://" + dir.filePath("LOGO.PNG"));
  EXPECT_TRUE(picture.Empty());
  // A resource missing: nothing changes; other URLs fetch nothing.
  THTMLPicture web;
  web.LoadFromURL("res://NoSuchPicture");
  EXPECT_TRUE(web.Empty());
  EXPECT_EQ(web.ID, "res://NoSuchPicture");
  // A web address is never fetched: asynchronously only the URL is kept,
  // nothing is under way and no download event fires.
  int events = 0;
  web.OnDownLoadProgress = [&](THTMLPicture*, qint64, qint64) { ++events; };
  web.OnDownLoadCancel = [&](THTMLPicture*, bool&) { ++events; };
  web.OnDownLoadComplete = [&](THTMLPicture*) { ++events; };
  web.OnDownLoadError = [&](THTMLPicture*, const QString&) { ++events; };
  web.LoadFromURL("http://x.org/b.png");
  EXPECT_EQ(web.URL, "http://x.org/b.png");
  EXPECT_EQ(web.ID, "res://NoSuchPicture");
  EXPECT_FALSE(web.Busy());
  web.Asynch = false;
  web.LoadFromURL("http://x.org/a.png");
  EXPECT_TRUE(web.Empty());
  EXPECT_EQ(web.ID, "http://x.org/a.png");
  EXPECT_EQ(events, 0);
  // Bytes that are no picture: kept, nothing shown.
  EXPECT_FALSE(Load(web, "not a picture"));
  EXPECT_TRUE(web.Image().isNull());
  // Assign copies the bytes and starts at frame 1; nothing empties.
  THTMLPicture gif;
  Load(gif, Two_Frame_Gif());
  gif.SetFrame(2);
  THTMLPicture copy;
  copy.Assign(&gif);
  EXPECT_EQ(copy.Frame(), 1);
  EXPECT_EQ(copy.FrameCount(), 2);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(HtmlPicture, CacheAndContainer) {
  Ensure_Gui();
  TPictureContainer container;
  TPictureItem* item = container.Items.Add();
  item->Name = "Logo";
  Load(item->Picture, Png(3, 3, Qt::red));
  container.Items.Insert(0)->Name = "first";
  EXPECT_EQ(container.Items.Items(1)->Name, "Logo");
  EXPECT_EQ(container.FindPicture("LOGO"), &item->Picture);
  EXPECT_EQ(container.FindPicture("Log"), nullptr);
  TPictureItem copy;
  copy.Assign(*item);
  EXPECT_EQ(copy.Name, "Logo");
  EXPECT_EQ(copy.Picture.Width(), 3);

  THTMLPictureCache cache;
  THTMLPicture* p = cache.AddPicture();
  p->ID = "Logo";
  EXPECT_EQ(cache.FindPicture("Logo"), p);
  EXPECT_EQ(cache.FindPicture("LOGO"), nullptr);
  Load(*p, Two_Frame_Gif());
  // Every picture is stepped: the second tick of 10 reaches the delay of 10.
  THTMLPicture* still = cache.AddPicture();
  Load(*still, Png(2, 2, Qt::blue));
  EXPECT_FALSE(cache.Animate());
  EXPECT_TRUE(cache.Animate());
  EXPECT_EQ(p->Frame(), 2);
  cache.ClearPictures();
  EXPECT_EQ(cache.Count(), 0);
}

// IMG tags with pictures of the container and the cache.
TEST(HtmlPicture, ImgTags) {
  Ensure_Gui();
  TPictureContainer container;
  TPictureItem* item = container.Items.Add();
  item->Name = "Logo";
  Load(item->Picture, Png(64, 48, Qt::blue));
  THTMLPictureCache cache;
  QTemporaryDir dir;
  const QString path = dir.filePath("Red.png");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Png(10, 10, Qt::red));
  }
  auto draw = [&](const QString& text, QImage* shown = nullptr) {
    QImage image(300, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.Font = QFont("DejaVu Sans", 10);
    THtmlDrawParams p;
    p.Pictures = &container;
    p.PictureCache = &cache;
    THtmlDrawResult r;
    DrawHtmlText(canvas, text, TRect{0, 0, 300, 120}, p, r);
    painter.end();
    if (shown) *shown = image;
    return r;
  };
  QImage image;
  THtmlDrawResult r = draw("<IMG SRC=\"logo\" WIDTH=\"32\">", &image);
  EXPECT_EQ(r.Width, 32);
  EXPECT_EQ(r.Height, 24);
  EXPECT_TRUE(item->Picture.Stretch);
  EXPECT_EQ(image.pixelColor(1, 0), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(32, 23), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(34, 23), QColor(Qt::white));
  EXPECT_EQ(draw("<IMG SRC=\"Logo\" HEIGHT=\"24\">").Width, 32);
  EXPECT_EQ(draw("<IMG SRC=\"Logo\" WIDTH=\"10\" HEIGHT=\"70\">").Height, 70);
  item->Picture.Stretch = false;
  EXPECT_EQ(draw("<IMG SRC=\"Logo\">").Width, 64);
  // By URL through the cache, loaded once.
  r = draw("<IMG SRC=\"file://" + path + "\">", &image);
  EXPECT_EQ(r.Width, 10);
  EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red));
  EXPECT_EQ(cache.Count(), 1);
  draw("<IMG SRC=\"file://" + path + "\">");
  EXPECT_EQ(cache.Count(), 1);
  // Missing pictures and a path without a scheme take no room.
  for (const QString& source : {"nothing", "file:///no/such.png", "http://x.org/a.png", "C:\\a.png", "SSYS:1"})
    EXPECT_EQ(draw("<IMG SRC=\"" + source + "\">").Width, 0) << source.toStdString();
  // A picture of size 0 asked for by WIDTH only takes no room.
  TPictureItem* broken = container.Items.Add();
  broken->Name = "broken";
  Load(broken->Picture, "not a picture");
  EXPECT_EQ(draw("<IMG SRC=\"broken\" WIDTH=\"20\">").Width, 0);
  // BODY BACKGROUND tiles the rectangle, under a BGCOLOR.
  draw("<BODY BACKGROUND=\"logo\">", &image);
  for (const QPoint at : {QPoint(0, 0), QPoint(150, 60), QPoint(299, 119)})
    EXPECT_EQ(image.pixelColor(at), QColor(Qt::blue)) << at.x();
  draw("<BODY BACKGROUND=\"none\">", &image);
  EXPECT_EQ(image.pixelColor(150, 60), QColor(Qt::white));
  // An animated GIF shows its current frame.
  TPictureItem* anim = container.Items.Add();
  anim->Name = "anim";
  Load(anim->Picture, Two_Frame_Gif());
  draw("<IMG SRC=\"anim\">", &image);
  EXPECT_EQ(image.pixelColor(1, 0), QColor(Qt::red));
  anim->Picture.SetFrame(2);
  draw("<IMG SRC=\"anim\">", &image);
  EXPECT_EQ(image.pixelColor(1, 0), QColor(Qt::green));
}

// SSYS and LSYS pictures come from the installed icon provider: without one
// they take no room; with one the box is its icon scaled to the canvas.
TEST(HtmlPicture, SystemIcons) {
  Ensure_Gui();
  struct Asked {
    QString source;
    bool large;
  };
  std::vector<Asked> asked;
  auto draw = [](const QString& text, int dpi, QImage* shown = nullptr) {
    QImage image(200, 80, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.Font = QFont("DejaVu Sans", 10);
    THtmlDrawResult r;
    DrawHtmlText(canvas, text, TRect{0, 0, 200, 80}, THtmlDrawParams{}, r);
    painter.end();
    if (shown) *shown = image;
    return r;
  };
  ASSERT_FALSE(HasHtmlSystemIconProvider());
  EXPECT_EQ(draw("<IMG SRC=\"SSYS:/tmp\">", 96).Width, 0);
  EXPECT_TRUE(HtmlSystemIcon("/tmp", false).isNull());

  SetHtmlSystemIconProvider([&](const QString& source, bool large) {
    asked.push_back({source, large});
    if (source == "none") return QImage();
    QImage icon(large ? 32 : 16, large ? 32 : 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    return icon;
  });
  QImage image;
  THtmlDrawResult r = draw("<IMG SRC=\"ssys:/Home/Doc.TXT\">", 96, &image);
  EXPECT_EQ(r.Width, 16);
  EXPECT_EQ(r.Height, 16);
  ASSERT_FALSE(asked.empty());
  // The path keeps its letter case.
  EXPECT_EQ(asked.back().source, "/Home/Doc.TXT");
  EXPECT_FALSE(asked.back().large);
  EXPECT_EQ(image.pixelColor(8, 8), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(20, 8), QColor(Qt::white));
  r = draw("<IMG SRC=\"LSYS:3\">", 96);
  EXPECT_EQ(r.Width, 32);
  EXPECT_EQ(asked.back().source, "3");
  EXPECT_TRUE(asked.back().large);
  // At 120 dpi the small icon's box is 20 x 20; the icon itself keeps its size.
  r = draw("<IMG SRC=\"SSYS:x\">", 120, &image);
  EXPECT_EQ(r.Width, 20);
  EXPECT_EQ(r.Height, 20);
  EXPECT_EQ(image.pixelColor(15, 15), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(17, 17), QColor(Qt::white));
  // No icon for the source: no room.
  EXPECT_EQ(draw("<IMG SRC=\"SSYS:none\">", 96).Width, 0);
  SetHtmlSystemIconProvider({});
  EXPECT_FALSE(HasHtmlSystemIconProvider());
  EXPECT_EQ(draw("<IMG SRC=\"SSYS:x\">", 96).Width, 0);
}

}  // namespace
