#pragma once
// The object a grid cell can carry besides its text: its kind (CellType) and
// a few general-purpose slots whose meaning depends on the kind. It lives in
// the cell's properties, so it follows the cell through merges, row moves and
// hiding. A cell owns its object; the object owns the graphics it refers to
// only as listed at Destroy (the grid-made ones).
#include <QPoint>
#include <QString>
#include <QVariant>
#include <functional>

#include "grid/controls/check_box_state.h"
#include "grid/store/cell_properties.h"

class QImage;
class QIcon;
class QPainter;
class QRect;
class TIntList;

enum TCellType : uint8_t {
  ctBitmap,
  ctIcon,
  ctNone,
  ctImageList,
  ctCheckBox,
  ctDataCheckBox,
  ctRotated,
  ctDataImage,
  ctNode,
  ctRadio,
  ctEmpty,
  ctImages,
  ctPicture,
  ctFilePicture,
  ctValue,
  ctProgress,
  ctComment,
  ctButton,
  ctBitButton,
  ctVirtCheckBox,
  ctRowCheckBox,
  ctProgressPie,
  ctSummary,
  ctRangeIndicator,
  ctXPProgress,
  ctInterface,
  ctScrollbar,
  ctRadioButton,
  ctBalloon,
  ctShape,
  ctRating,
  ctTriStateCheckBox,
  ctExpand
};

enum TCellHAlign : uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign : uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
// The icon a balloon shows beside its title.
enum TBalloonIcon { biNone, biInfo, biWarning, biError };

// A cell scroll bar's page and range.
struct TScrollProp {
  int PageSize = 0;
  int Range = 0;
  bool operator==(const TScrollProp&) const = default;
};

class TInterfacedPersistent;

// A picture a cell shows: its size for the cell layout, and its drawing,
// stretched over a rectangle (nothing by default).
class TCellPicture {
 public:
  virtual ~TCellPicture() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void Draw(QPainter& Painter, const QRect& R) const {
    (void)Painter;
    (void)R;
  }
};

class TCellGraphic : public TCellObjectBase {
 public:
  TCellGraphic() = default;
  ~TCellGraphic() override;
  TCellGraphic(const TCellGraphic&) = delete;
  TCellGraphic& operator=(const TCellGraphic&) = delete;

  // The grid frees cell objects of exactly this class with their cells.
  bool Owned_By_Grid() const override;

  // Copies kind, placement and the plain slots; the references, CellVar and
  // the tri-state are not copied.
  void Assign(const TCellGraphic& Source);

  void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
  void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
  // The grid makes the index list and frees it with the object.
  void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                     std::function<void(TIntList*, int, int)> Notifier);
  void SetPicture(TCellPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                  TCellVAlign val);
  void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val);
  // The caller's object stays the caller's.
  void SetInterfacedCell(TInterfacedPersistent* AObject);
  // Angles are brought into 0..360 (360 stays 360).
  void SetAngle(int AAngle);
  // Only for picture kinds: the size in a room of cw x rh by stretch mode.
  QPoint GetPictureSize(int cw, int rh, bool hastext) const;

  TCellType CellType = ctNone;
  // Kind-dependent payload: a picture, an index list, a string list or a
  // colour value. Owned only when CellCreated (or always for ctImages).
  void* CellBitmap = nullptr;
  void* CellIcon = nullptr;
  TCellVAlign CellVAlign = vaTop;
  TCellHAlign CellHAlign = haLeft;
  int CellIndex = 0;
  bool CellTransparent = false;
  bool CellCreated = false;
  bool CellBoolean = false;
  int CellAngle = 0;
  double CellValue = 0;
  int CellErrFrom = 0;
  int CellErrLen = 0;
  QString CellText;
  QVariant CellVar;
  TCheckBoxState CellCheckBoxState = cbUnchecked;

  // Colours kept in the reference-sized slots.
  static void* Color_Slot(TColor Value) { return reinterpret_cast<void*>(quintptr(uint32_t(Value))); }
  static TColor Slot_Color(const void* Slot) { return TColor(uint32_t(reinterpret_cast<quintptr>(Slot))); }

  // Frees a payload the object owns and forgets it.
  void Release_Payload();
  // Deleters for payloads the object owns, registered by the code that makes them.
  std::function<void(void*)> Bitmap_Deleter;
  std::function<void(void*)> Icon_Deleter;
};
