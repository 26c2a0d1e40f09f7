#pragma once
// TColumnSize: where the grid keeps its column widths between runs and how
// its columns follow the grid's width: one stretched column, or all columns
// in proportion. Writing Stretch tells the owner (OnStretchChange) so that it
// stretches at once; Assign copies Stretch without that.
#include <QString>
#include <functional>

#include "grid/store/stored_setting.h"

enum TColumnSizeLocation { clRegistry, clIniFile };
// The rows looked at when columns are sized to their contents.
enum TAutoSizeRows { arAll, arNormal, arFixed };

class TColumnSize {
 public:
  std::function<void(TColumnSize* Sender)> OnStretchChange;

  void Assign(const TColumnSize& Source);

  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value) {
    FStretch = Value;
    if (OnStretchChange) OnStretchChange(this);
  }
  // The grid's column code reads and writes the rows field in place.
  TAutoSizeRows& Rows_Field() { return FRows; }

  STORED_SETTING(bool, Save, false)
  // The settings file (or registry key) name and its section.
  STORED_SETTING(QString, Key, QString())
  STORED_SETTING(QString, Section, QString())
  STORED_SETTING(TColumnSizeLocation, Location, clRegistry)
  // -1: the last column.
  STORED_SETTING(int, StretchColumn, -1)
  STORED_SETTING(bool, SynchWithGrid, false)
  STORED_SETTING(bool, SynchNormalCellsOnly, false)
  STORED_SETTING(TAutoSizeRows, Rows, arAll)

 private:
  bool FStretch = false;
};

inline void TColumnSize::Assign(const TColumnSize& Source) {
  if (&Source == this) return;
  FRows = Source.FRows;
  FSave = Source.FSave;
  FKey = Source.FKey;
  FSection = Source.FSection;
  FStretch = Source.FStretch;
  FStretchColumn = Source.FStretchColumn;
  FSynchWithGrid = Source.FSynchWithGrid;
  FSynchNormalCellsOnly = Source.FSynchNormalCellsOnly;
  FLocation = Source.FLocation;
}
