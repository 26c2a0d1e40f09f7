#pragma once
// The keys of the calculator keypad: TButtonItem holds one key's caption,
// picture, action tag and rectangle; TButtonItems is the panel's ordered
// collection of them.
#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "controls/canvas.h"
#include "controls/tcolor.h"

class TButtonItems;

class TButtonItem {
 public:
  explicit TButtonItem(TButtonItems* Collection = nullptr) : FCollection(Collection) {}

  // Copies caption, caption colour, tag, image index, picture, enabled state
  // and name; not the rectangle and not the special flag.
  void Assign(const TButtonItem& Source);

  TButtonItems* Collection() const { return FCollection; }
  // Position in the collection, -1 when in none.
  int Index() const;

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value) { FCaption = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  // Drawn at its own size; takes precedence over ImageIndex.
  const QImage& Image() const { return FImage; }
  void SetImage(const QImage& Value) { FImage = Value; }
  // The action code the calculator reads.
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  QString Name() const { return FName; }
  void SetName(const QString& Value) { FName = Value; }
  // Stored only: the caption's colour comes from the appearance.
  TColor CaptionColor() const { return FCaptionColor; }
  void SetCaptionColor(TColor Value) { FCaptionColor = Value; }
  // The caption uses the appearance's SpecialTextColor.
  bool Special() const { return FSpecial; }
  void SetSpecial(bool Value) { FSpecial = Value; }

  // The key rectangle in panel coordinates, set by the layout.
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetBounds(int Left, int Top, int Width, int Height) {
    FLeft = Left, FTop = Top, FWidth = Width, FHeight = Height;
  }
  TRect GetBounds() const { return TRect{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }

 private:
  TButtonItems* FCollection;
  QString FCaption;
  int FImageIndex = -1;
  bool FEnabled = true;
  QImage FImage;
  int FTag = 0;
  int FHeight = 0, FLeft = 0, FWidth = 0, FTop = 0;
  QString FName;
  TColor FCaptionColor = 0xFFFFFF;
  bool FSpecial = false;
};

class TButtonItems {
 public:
  explicit TButtonItems(void* MyOwner = nullptr) : FMyOwner(MyOwner) {}
  TButtonItems(const TButtonItems&) = delete;
  TButtonItems& operator=(const TButtonItems&) = delete;

  // The panel the keys belong to.
  void* Owner() const { return FMyOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TButtonItem* Add();
  // A new key at Index (held to 0..Count).
  TButtonItem* Insert(int Index);
  // Null for a position outside the collection.
  TButtonItem* Items(int Index) const;
  // Assigns Value into the key at Index.
  void SetItems(int Index, const TButtonItem& Value);
  void Delete(int Index);
  void Clear();
  int IndexOf(const TButtonItem* Item) const;
  // Copies the keys of Source (each through Assign).
  void Assign(const TButtonItems& Source);

  // Set by the panel; the collection itself never fires it.
  std::function<void()> OnChange;

 private:
  void* FMyOwner;
  std::vector<std::unique_ptr<TButtonItem>> FItems;
};
