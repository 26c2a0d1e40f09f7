#pragma once
// The parameters of a cell search: which cells are visited, in which order,
// and how a cell text is compared with the search text.
#include <QString>
#include <cstdint>
#include <initializer_list>

enum TFindParameters : uint8_t {
  fnMatchCase,             // compare case-sensitively
  fnMatchFull,             // the whole cell text equals the search text
  fnMatchRegular,          // the search text is a filter condition
  fnDirectionLeftRight,    // row by row instead of column by column
  fnMatchStart,            // the cell text starts with the search text
  fnFindInCurrentRow,      // only the current row
  fnFindInCurrentCol,      // only the current column
  fnIncludeFixed,          // fixed rows, columns and footer rows too
  fnAutoGoto,              // a found cell becomes the current cell
  fnIgnoreHTMLTags,        // tags removed from the cell text first
  fnBackward,              // scan backwards
  fnIncludeHiddenColumns,  // hidden columns too; columns are real indexes
  fnFindInPresetCol,       // only column FindCol
  fnFindInPresetRow,       // only row FindRow
  fnSelectedCells,         // only the selection rectangle
  fnIncludeHiddenRows,     // hidden rows too; rows are real indexes
};

// A set of TFindParameters: bit n stands for value n.
class TFindParams {
 public:
  constexpr TFindParams() = default;
  constexpr TFindParams(std::initializer_list<TFindParameters> Values) {
    for (TFindParameters v : Values) FBits |= Bit(v);
  }
  static constexpr TFindParams FromBits(uint16_t Bits) {
    TFindParams p;
    p.FBits = Bits;
    return p;
  }
  constexpr uint16_t Bits() const { return FBits; }
  constexpr bool Has(TFindParameters Value) const { return (FBits & Bit(Value)) != 0; }
  constexpr TFindParams& operator<<(TFindParameters Value) {
    FBits |= Bit(Value);
    return *this;
  }
  constexpr TFindParams& operator>>(TFindParameters Value) {
    FBits &= uint16_t(~Bit(Value));
    return *this;
  }
  friend constexpr bool operator==(TFindParams, TFindParams) = default;

 private:
  static constexpr uint16_t Bit(TFindParameters Value) { return uint16_t(1u << Value); }
  uint16_t FBits = 0;
};

enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
