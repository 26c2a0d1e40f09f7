#include "grid/html/html_picture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPaintDevice>
#include <QPainter>

#include "grid/html/html_text_scan.h"

namespace {

int Word(const QByteArray& data, qsizetype at) { return quint8(data[at]) | (quint8(data[at + 1]) << 8); }

}  // namespace

void THTMLPicture::SaveToStream(QIODevice& stream) const { stream.write(FData); }

void THTMLPicture::Reset_Frames() {
  FFramesRead = false;
  FFrames.clear();
  FFrame = 1;
  FFrameXPos = FFrameYPos = 0;
  FAnimMaxX = FAnimMaxY = 0;
  FNextCount = FTimerCount = -1;
}

bool THTMLPicture::ReadData(QIODevice& stream) {
  FData = stream.readAll();
  Reset_Frames();
  FIsEmpty = false;
  return Rebuild();
}

bool THTMLPicture::LoadFromStream(QIODevice* stream) {
  if (!stream) return false;
  const bool ok = ReadData(*stream);
  if (OnChange) OnChange(this);
  return ok;
}

// Files larger than this are no picture a cell shows.
constexpr qint64 kLargestPictureFile = 64 * 1024 * 1024;

void THTMLPicture::LoadFromFile(const QString& FileName) {
  QFile file(FileName);
  // Only regular files: a cell text naming a device (file:///dev/zero) or a
  // pipe must not read forever.
  const QFileInfo info(FileName);
  if (!info.isFile() || info.size() > kLargestPictureFile || !file.open(QIODevice::ReadOnly) || !ReadData(file)) {
    FData.clear();
    FImage = QImage();
    FIsEmpty = true;
    Reset_Frames();
    return;
  }
  if (OnChange) OnChange(this);
}

void THTMLPicture::LoadFromResourceName(const QString& ResName) {
  QString name = ResName;
  if (!name.startsWith(u':')) name = QStringLiteral(":/") + name;
  QFile file(name);
  if (!file.exists() || !file.open(QIODevice::ReadOnly)) return;
  LoadFromStream(&file);
}

void THTMLPicture::LoadFromResourceID(int ResID) { LoadFromResourceName(QString::number(ResID)); }

void THTMLPicture::LoadFromURL(const QString& url) {
  // Schemes compare without regard to case; what follows keeps its case.
  if (html_scan::Matches_At(url, 0, u"RES://")) {
    ID = url;
    LoadFromResourceName(url.mid(6));
  } else if (html_scan::Matches_At(url, 0, u"FILE://")) {
    ID = url;
    LoadFromFile(url.mid(7));
  } else {
    // Nothing is fetched from the network; an asynchronous load only
    // remembers where the picture would come from.
    URL = url;
    if (!Asynch) ID = url;
  }
}

void THTMLPicture::Assign(const THTMLPicture* Source) {
  FImage = QImage();
  Reset_Frames();
  if (!Source) {
    FData.clear();
    FIsEmpty = true;
    return;
  }
  FData = Source->FData;
  FIsEmpty = Source->FIsEmpty;
  Stretch = Source->Stretch;
  if (!FData.isEmpty()) Rebuild();
  if (OnChange) OnChange(this);
}

bool THTMLPicture::IsGIF() const { return FData.size() >= 5 && FData.startsWith("GIF8"); }

const std::vector<THTMLPicture::Frame_Info>& THTMLPicture::Frames() {
  if (FFramesRead) return FFrames;
  FFramesRead = true;
  FFrames.clear();
  if (!IsGIF()) return FFrames;
  // A frame starts at a graphic control extension (0x21 0xF9 4) whose image
  // separator follows eight bytes on; its position and size come after it.
  for (qsizetype i = 0; i + 17 <= FData.size(); ++i) {
    if (quint8(FData[i]) != 0x21 || quint8(FData[i + 1]) != 0xF9 || FData[i + 2] != 4 || quint8(FData[i + 8]) != 0x2C)
      continue;
    FFrames.push_back({i, Word(FData, i + 4), (FData[i + 3] & 1) != 0, Word(FData, i + 9), Word(FData, i + 11),
                       Word(FData, i + 13), Word(FData, i + 15)});
  }
  return FFrames;
}

int THTMLPicture::FrameCount() { return IsGIF() ? int(Frames().size()) : -1; }

int THTMLPicture::GetFrameTime(int i) {
  if (!IsGIF() || i < 1 || i > int(Frames().size())) return -1;
  return FFrames[size_t(i - 1)].Delay;
}

bool THTMLPicture::Rebuild() {
  FFrameXPos = FFrameYPos = 0;
  FAnimMaxX = FAnimMaxY = 0;
  QByteArray bytes = FData;
  if (IsGIF() && !Frames().empty()) {
    if (FData.size() >= 10) {
      FAnimMaxX = Word(FData, 6);
      FAnimMaxY = Word(FData, 8);
    }
    const int frame = std::clamp(FFrame, 1, int(FFrames.size()));
    const Frame_Info& current = FFrames[size_t(frame - 1)];
    // The header, then the current frame as the first image.
    bytes = FData.left(FFrames[0].Start) + FData.mid(current.Start);
    FFrameXPos = current.Left;
    FFrameYPos = current.Top;
  }
  FImage = QImage::fromData(bytes);
  return !FImage.isNull();
}

void THTMLPicture::SetFrame(int frame) {
  if (frame < 1 || (IsGIF() && frame > FrameCount())) return;
  FFrame = frame;
  if (FData.isEmpty()) return;
  Rebuild();
  if (OnFrameChange) OnFrameChange(this);
}

int THTMLPicture::FrameNext() {
  const int count = FrameCount();
  if (count < 1) return FFrame;
  SetFrame(FFrame >= count ? 1 : FFrame + 1);
  return FFrame;
}

int THTMLPicture::FramePrev() {
  const int count = FrameCount();
  if (count < 1) return FFrame;
  SetFrame(FFrame <= 1 ? count : FFrame - 1);
  return FFrame;
}

bool THTMLPicture::Step() {
  if (FIsEmpty || FrameCount() < 2) return false;
  if (FTimerCount < 0) {
    FTimerCount = 0;
    FNextCount = std::max(0, GetFrameTime(FFrame));
  }
  bool moved = false;
  if (FTimerCount * 10 >= FNextCount) {
    FrameNext();
    FNextCount += std::max(0, GetFrameTime(FFrame));
    moved = true;
  }
  ++FTimerCount;
  return moved;
}

int THTMLPicture::MaxWidth() const { return FAnimMaxX > 0 ? FAnimMaxX : Width(); }
int THTMLPicture::MaxHeight() const { return FAnimMaxY > 0 ? FAnimMaxY : Height(); }

void THTMLPicture::Draw(TCanvas& Canvas, const TRect& Rect) const {
  if (FIsEmpty || FImage.isNull()) return;
  QPainter& painter = Canvas.Painter();
  if (Stretch) {
    painter.drawImage(Rect.To_QRect(), FImage);
    return;
  }
  const QPaintDevice* device = painter.device();
  const int w = (FImage.width() * device->logicalDpiX() + 48) / 96;
  const int h = (FImage.height() * device->logicalDpiY() + 48) / 96;
  painter.drawImage(QRect(Rect.Left, Rect.Top, w, h), FImage);
}

THTMLPicture* THTMLPictureCache::AddPicture() {
  FPictures.push_back(std::make_unique<THTMLPicture>());
  return FPictures.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& ID) const {
  for (const auto& p : FPictures)
    if (p->ID == ID) return p.get();
  return nullptr;
}

bool THTMLPictureCache::Animate() {
  bool any = false;
  for (const auto& p : FPictures) any = p->Step() || any;
  return any;
}

void TPictureItem::Assign(const TPictureItem& Source) {
  Name = Source.Name;
  Tag = Source.Tag;
  Picture.Assign(&Source.Picture);
}

TPictureItem* TPictureCollection::Add() {
  FItems.push_back(std::make_unique<TPictureItem>());
  return FItems.back().get();
}

TPictureItem* TPictureCollection::Insert(int index) {
  index = std::clamp(index, 0, Count());
  return FItems.insert(FItems.begin() + index, std::make_unique<TPictureItem>())->get();
}

bool TPictureCollection::Animate() {
  bool any = false;
  for (const auto& item : FItems) any = item->Picture.Step() || any;
  return any;
}

THTMLPicture* TPictureContainer::FindPicture(const QString& s) const {
  const QString wanted = html_scan::Ascii_Upper(s);
  for (int i = 0; i < Items.Count(); ++i)
    if (html_scan::Ascii_Upper(Items.Items(i)->Name) == wanted) return &Items.Items(i)->Picture;
  return nullptr;
}
