#pragma once
#include <QString>
#include <array>
#include <cstdint>

// The value information tables of EN 13757-3 as this system names them: the
// primary VIF table, the extension tables behind VIF FD and FB, the combinable
// VIFE table and its phase extension. Texts and codes are the ones stored in
// network files and shown to the user; their spellings are kept as stored.
namespace vif_tables {

constexpr int None = -1;

enum class Value_Kind {
  Number,      // the scaled value is shown
  Time_Point,  // primary VIF 6C/6D: the data-field code picks the date or time type
  Date,        // combinable date rows: type G or F by the data-field code
  Plain_Text,  // VIF 7C: a character data field is the value's text
};

struct Row {
  QString text;
  int code = None;   // unit code (primary table) or VIFE code (the others)
  int exponent = 0;  // the value is multiplied by 10^exponent when scaled
  bool scaled = false;
  Value_Kind kind = Value_Kind::Number;
};

// Each takes the table's byte with bit 7 already cleared.
Row Primary(uint8_t vif);
Row Extension_FD(uint8_t vife);
Row Extension_FB(uint8_t vife);
Row Combinable(uint8_t vife);
// Text appended for the VIFE that follows a combinable VIFE 7C; empty when none.
QString Phase(uint8_t vife);

// The codes of the four tables above by byte (bit 7 cleared), without their texts:
// every record walked asks for its codes, only the records shown need texts.
struct Code_Table {
  std::array<int16_t, 128> primary, extension_fd, extension_fb, combinable;
};
Code_Table Make_Code_Table();
inline const Code_Table& Codes() {
  static const Code_Table table = Make_Code_Table();
  return table;
}

}  // namespace vif_tables
