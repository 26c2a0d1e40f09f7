#pragma once
// The settings the string grid's cell painting reads besides the cell store:
// sort glyphs, the grid background and the grid-wide text and selection
// looks (the node look is TCellNode, the look of controls in cells
// TControlLook). Plain records: the grid repaints after a caller changes them (RepaintAll).
#include <QFont>
#include <QImage>
#include <QString>
#include <vector>

#include "controls/tcolor.h"
#include "grid/core/control_look.h"
#include "grid/draw/progress_paint.h"
#include "grid/theme/style_if.h"

enum TSortDirection { sdAscending, sdDescending };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TBackgroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackgroundCells { bcNormal, bcFixed, bcAll };

enum TSortBlankPosition { blFirst, blLast };
enum TIndexSortKey { ikShift, ikCtrl };

class TZadIrururOziz;

// How the grid sorts and how its headers show it. The multi-column sort list
// is the grid's SortIndexes (a negative entry sorts descending).
struct TSortSettingsFields {
  bool Show = false;
  bool IndexShow = false;
  bool Full = true;
  bool SingleColumn = false;
  bool IgnoreBlanks = false;
  TSortBlankPosition BlankPos = blFirst;
  bool AutoFormat = true;
  TSortDirection Direction = sdAscending;
  QImage UpGlyph, DownGlyph, IndexUpGlyph, IndexDownGlyph;
  bool NormalCellsOnly = false;
  bool FixedCols = false;
  int Column = -1;
  int Row = 0;
  bool AutoColumnMerge = false;
  TColor IndexColor = clYellow;
  TSortDirection InitSortDirection = sdAscending;
  bool UndoSort = false;
  bool AutoSortForGrouping = true;
  bool SortOnVirtualCells = true;
  bool IgnoreCase = false;
  TColor HeaderColor = clNone;
  TColor HeaderColorTo = clNone;
  TColor HeaderMirrorColor = clNone;
  TColor HeaderMirrorColorTo = clNone;
  TIndexSortKey IndexSortKey = ikShift;
};

// The settings with the checks and the grid's reactions
// (grid/sort/sort_settings.cpp). Copying keeps the target's grid.
struct TSortSettings : TSortSettingsFields {
  explicit TSortSettings(TZadIrururOziz* AOwner = nullptr) : Owner(AOwner) {}
  TSortSettings(const TSortSettings& Source) : TSortSettingsFields(Source) {}
  TSortSettings& operator=(const TSortSettings& Source) {
    TSortSettingsFields::operator=(Source);
    return *this;
  }

  // Copies every setting but IgnoreCase and SortOnVirtualCells, no repaint.
  void Assign(const TSortSettings& Source);
  // Unsorted: Column -1, no sort indexes, the last fixed row repainted.
  void Remove();
  void ToggleDirection() { Direction = Direction == sdAscending ? sdDescending : sdAscending; }
  // "u3" / "d12" (direction and column) or, with IndexShow, "i;" and the
  // sort indexes; loading sorts the grid accordingly.
  QString SaveToString() const;
  void LoadFromString(const QString& Value);
  // Throws when Value is not smaller than the grid's fixed rows.
  void SetRow(int Value);
  // Writing a new value repaints the grid.
  void SetShow(bool Value);

  TZadIrururOziz* Owner = nullptr;
};

// A picture or a gradient behind the cells and around them.
struct TBackGround {
  // Takes the other's picture, placement and colours.
  void Assign(const TBackGround& Source) { *this = Source; }

  QImage Bitmap;
  TBackgroundDisplay Display = bdTile;
  TBackgroundCells Cells = bcNormal;
  TColor Color = clWhite;
  TColor ColorTo = clNone;
  int Left = 0;
  int Top = 0;
};

// Grid-wide text, selection and fixed-cell looks.
struct TGridPaintLook {
  bool URLShow = false;
  bool URLFull = false;
  // Only the anchor under the mouse of an HTML cell is underlined.
  bool URLUnderlineOnHover = false;
  bool AutoNumAlign = false;
  bool Multilinecells = false;
  bool EnhTextSize = false;
  bool XYOffsetTopLeftOnly = false;
  int ZoomFactor = 0;
  bool HideFocusRect = false;
  bool NoDefaultDraw = false;
  bool NoImageAndText = false;
  bool UseDisabledFont = true;
  TColor ShowModifiedColor = clRed;
  TColor SelectionColorTo = clNone;
  TColor SelectionMirrorColor = clNone;
  TColor SelectionMirrorColorTo = clNone;
  bool SelectionColorMixer = false;
  int SelectionColorMixerFactor = 50;
  bool SelectionRectangle = false;
  TColor SelectionRectangleColor = clBlack;
  bool SelectionResizer = false;
  THoverFixedCells HoverFixedCells = hfNone;
  // Fixed-cell fills of the looks above classic: plain, hovered, pressed
  // (the values of the default XP look).
  TColor DUDGradFrom = clWhite, DUDGradTo = clBtnFace, DUDGradMirrorFrom = clNone, DUDGradMirrorTo = clNone;
  TColor DUDGradHoverFrom = 0xCFD0D1, DUDGradHoverTo = 0xBEC6C8, DUDGradHoverMirrorFrom = 0xBEC6C8,
         DUDGradHoverMirrorTo = 0xABBCBF, DUDGradHoverBorder = clSilver;
  TColor DUDGradDownFrom = 0x868788, DUDGradDownTo = 0x737C7E, DUDGradDownMirrorFrom = 0x737C7E,
         DUDGradDownMirrorTo = 0x627376, DUDGradDownBorder = clGray;
  QImage RowIndicator;
  // The header row whose cells show a filter button, and its glyphs.
  int FilterDropDownRow = 0;
  QImage FilterGlyph, FilterGlyphActive;
  // The images of image-list, data-image and images cells.
  std::vector<QImage> CellImageList;
  TProgressLook ProgressAppearance;
};
