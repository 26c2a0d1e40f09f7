#pragma once
// Pictures of the mini-HTML renderer: THTMLPicture keeps an image file's
// bytes as loaded and shows them (any format the image readers know), with
// frame stepping for animated GIF files; THTMLPictureCache holds the pictures
// named by URL, found by ID; TPictureContainer holds named pictures that IMG
// tags ask for by name (letter case ignored).
#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "controls/canvas.h"

class QIODevice;

class THTMLPicture {
 public:
  THTMLPicture() = default;

  // The bytes as loaded, unchanged.
  void SaveToStream(QIODevice& stream) const;
  void WriteData(QIODevice& stream) const { SaveToStream(stream); }
  // Loads the bytes and builds the image; false when they are no image (the
  // bytes stay, the picture shows nothing). ReadData does not signal.
  bool LoadFromStream(QIODevice* stream);
  bool ReadData(QIODevice& stream);
  // A missing or unreadable file leaves the picture empty, without error.
  void LoadFromFile(const QString& FileName);
  // A Qt resource (":/name" or "qrc:/name"); nothing when there is none.
  void LoadFromResourceName(const QString& ResName);
  void LoadFromResourceID(int ResID);
  // RES://name (a resource), FILE://path (a file; the path keeps its letter
  // case). Any other URL is never fetched: with Asynch only URL is set,
  // without it URL and ID.
  void LoadFromURL(const QString& url);
  void Assign(const THTMLPicture* Source);

  bool Empty() const { return FIsEmpty; }
  // Natural size in pixels at 96 dpi; 0 without an image.
  int Width() const { return FImage.isNull() ? 0 : FImage.width(); }
  int Height() const { return FImage.isNull() ? 0 : FImage.height(); }
  // Stretched into Rect, or at its top-left corner in its natural size on
  // the canvas's resolution.
  void Draw(TCanvas& Canvas, const TRect& Rect) const;
  const QImage& Image() const { return FImage; }

  bool Stretch = false;
  QString ID;
  QString URL;
  bool Asynch = true;
  bool IsDB = false;
  // No download is ever under way, so the download events never fire; they
  // are kept for owners that assign them.
  bool Busy() const { return false; }
  std::function<void(THTMLPicture* Sender, qint64 Size, qint64 TotalSize)> OnDownLoadProgress;
  std::function<void(THTMLPicture* Sender, bool& Cancel)> OnDownLoadCancel;
  std::function<void(THTMLPicture* Sender)> OnDownLoadComplete;
  std::function<void(THTMLPicture* Sender, const QString& Error)> OnDownLoadError;

  // GIF frames (1-based). FrameCount is -1 for other pictures.
  bool IsGIF() const;
  int FrameCount();
  int GetFrameTime(int i);  // hundredths of a second; -1 without such frame
  int Frame() const { return FFrame; }
  void SetFrame(int frame);  // ignored beyond the frame count
  int FrameNext();
  int FramePrev();
  // One animation tick of 10 hundredths of a second; true when the frame
  // moved on.
  bool Step();
  int MaxWidth() const;
  int MaxHeight() const;
  int FrameXPos() const { return FFrameXPos; }
  int FrameYPos() const { return FFrameYPos; }
  std::function<void(THTMLPicture*)> OnFrameChange;
  std::function<void(THTMLPicture*)> OnChange;

 private:
  struct Frame_Info {
    qsizetype Start;  // offset of the frame's 0x21
    int Delay;
    bool Transparent;
    int Left, Top, Width, Height;
  };
  void Reset_Frames();
  bool Rebuild();
  const std::vector<Frame_Info>& Frames();

  QByteArray FData;
  QImage FImage;
  bool FIsEmpty = true;
  int FFrame = 1;
  bool FFramesRead = false;
  std::vector<Frame_Info> FFrames;
  int FFrameXPos = 0, FFrameYPos = 0;
  int FAnimMaxX = 0, FAnimMaxY = 0;
  int FNextCount = -1, FTimerCount = -1;
};

class THTMLPictureCache {
 public:
  THTMLPicture* AddPicture();
  // Letter case counts.
  THTMLPicture* FindPicture(const QString& ID) const;
  void ClearPictures() { FPictures.clear(); }
  bool Animate();
  int Count() const { return int(FPictures.size()); }
  THTMLPicture* GetPicture(int i) const { return FPictures[size_t(i)].get(); }

 private:
  std::vector<std::unique_ptr<THTMLPicture>> FPictures;
};

class TPictureItem {
 public:
  THTMLPicture Picture;
  int Tag = 0;
  QString Name;
  void Assign(const TPictureItem& Source);
};

class TPictureCollection {
 public:
  TPictureItem* Add();
  TPictureItem* Insert(int index);
  int Count() const { return int(FItems.size()); }
  TPictureItem* Items(int i) const { return FItems[size_t(i)].get(); }
  void SetItems(int i, const TPictureItem& item) { FItems[size_t(i)]->Assign(item); }
  bool Animate();

 private:
  std::vector<std::unique_ptr<TPictureItem>> FItems;
};

class TPictureContainer {
 public:
  TPictureCollection Items;
  // The picture of the first item named s, ASCII letter case ignored.
  THTMLPicture* FindPicture(const QString& s) const;
};
