#pragma once
// The maker of the grid drop-down editor. The grid drop-down builds on the
// grid (its list is a string grid of its own), so the grid cannot build on
// it: the drop-down's library registers how to make and open one at program
// start, and the grid knows the editor only as a drop-down edit. Without a
// maker, cells of that editor type open no editor.
#include <QString>
#include <functional>

class TZadCustomDropDown;
class TZadIrururOziz;

struct TZadGridDropDownMaker {
  // Makes the editor for Grid.
  std::function<TZadCustomDropDown*(TZadIrururOziz* Grid)> Create;
  // Opens it over a cell holding Text: the row of the text chosen, the text
  // in the edit.
  std::function<void(TZadCustomDropDown* Control, const QString& Text)> Open;
};

// Replaces the maker (a maker without Create switches the editor off).
void Register_Zad_Grid_Drop_Down(const TZadGridDropDownMaker& Maker);
const TZadGridDropDownMaker& Zad_Grid_Drop_Down_Maker();
