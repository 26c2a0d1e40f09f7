#include "editors/canopen/canopen_checks.h"

#include <functional>

#include "editors/canopen/canopen_window_layout.h"
#include "platform/number_entry.h"
#include "shell/core/globals.h"
#include "shell/logic/text_trim.h"

namespace {

constexpr int32_t kMax_Time = 100000000;

// One row under check: reads its cells and records the first failure.
class Row_Check {
 public:
  Row_Check(const CANopen_Row& cells, int row, int prefix, int area_size)
      : cells_(cells), row_(row), prefix_(prefix), area_size_(area_size) {}

  int32_t Number(int col) const { return Read_Number(col - 1 < cells_.size() ? cells_[col - 1] : QString()); }
  bool Failed() const { return failure_.has_value(); }
  std::optional<CANopen_Check_Failure> Failure() const { return failure_; }

  // The cell of column col within low..high, else text.
  void Range(int col, int32_t low, int32_t high, int text) {
    Require(
        [&] {
          const int32_t value = Number(col);
          return value >= low && value <= high;
        },
        text);
  }
  void Size(int col, int text) {
    Require(
        [&] {
          const int32_t value = Number(col);
          return value == 1 || value == 2 || value == 4;
        },
        text);
  }
  // An address into the process-data area; its text ends with the last
  // address.
  void Address(int col, int text) {
    Require(
        [&] {
          const int32_t value = Number(col);
          return value >= 0 && value <= area_size_ - 1;
        },
        text, QString::number(area_size_ - 1));
  }
  void Require(const std::function<bool()>& passes, int text, const QString& limit = QString()) {
    if (Failed() || passes()) return;
    failure_ = CANopen_Check_Failure{row_, Lang(prefix_) + QString::number(row_) + Lang(text) + limit};
  }

 private:
  const CANopen_Row& cells_;
  int row_, prefix_, area_size_;
  std::optional<CANopen_Check_Failure> failure_;
};

// Receive PDO texts from 1869, transmit from 1880.
void Check_PDO(Row_Check& check, int grid) {
  const int base = grid == 0 ? 1869 : 1880;
  check.Range(1, 0, 0x7FF, base);
  check.Range(2, 1, 8, base + 1);
  if (check.Failed()) return;
  const int dimension = check.Number(2);
  for (int k = 1; k <= dimension; ++k) check.Address(2 + k, base + 1 + k);
  check.Range(11, 0, kMax_Time, base + 10);
}

// The addresses of an object of `size` bytes (1, 2 or 4), from `first`.
void Check_SDO_Addresses(Row_Check& check, int size, int first, int text) {
  check.Address(first, text);
  if (size >= 2) check.Address(first + 1, text + 1);
  if (size >= 4) {
    check.Address(first + 2, text + 2);
    check.Address(first + 3, text + 3);
  }
}

// Read requests from 1761, write requests from 1770; a write request may
// have Poll Time 0 and has On Change in column 6 before its addresses.
void Check_Client(Row_Check& check, int grid) {
  const int base = grid == 0 ? 1761 : 1770;
  check.Range(1, 1, 127, base);
  check.Range(2, 0x1000, 0xFFFF, base + 1);
  check.Range(3, 0, 255, base + 2);
  check.Size(4, base + 3);
  check.Range(5, grid == 0 ? 1 : 0, kMax_Time, base + 4);
  if (check.Failed()) return;
  Check_SDO_Addresses(check, check.Number(4), grid == 0 ? 6 : 7, base + 5);
}

// Objects read by the master from 1649, written from 1657. The two excluded
// index ranges are the gateway's own PDO data objects.
void Check_Server(Row_Check& check, int grid) {
  const int base = grid == 0 ? 1649 : 1657;
  check.Range(1, 0x2000, 0x7FFF, base);
  check.Require(
      [&] {
        const int32_t index = check.Number(1);
        return !(index >= 0x7000 && index <= 0x701D) && !(index >= 0x7050 && index <= 0x706D);
      },
      base + 1);
  check.Range(2, 0, 255, base + 2);
  check.Size(3, base + 3);
  if (check.Failed()) return;
  Check_SDO_Addresses(check, check.Number(3), 4, base + 4);
}

bool Blank_First_Cell(const CANopen_Row& cells) { return cells.isEmpty() || Trim_Blanks(cells[0]).isEmpty(); }

}  // namespace

std::optional<CANopen_Check_Failure> Check_CANopen_Grid(CANopen_Table_Kind kind, int grid,
                                                        const std::vector<CANopen_Row>& rows, int area_size) {
  const int prefix = CANopen_Window(kind).error_prefix;
  for (size_t r = 0; r < rows.size(); ++r) {
    if (Blank_First_Cell(rows[r])) break;
    Row_Check check(rows[r], static_cast<int>(r) + 1, prefix, area_size);
    switch (kind) {
      case CANopen_Table_Kind::PDO:
        Check_PDO(check, grid);
        break;
      case CANopen_Table_Kind::SDO_Client:
        Check_Client(check, grid);
        break;
      case CANopen_Table_Kind::SDO_Server:
        Check_Server(check, grid);
        break;
    }
    if (check.Failed()) return check.Failure();
  }
  return std::nullopt;
}

std::optional<int> CANopen_Dropped_Rows(const std::vector<CANopen_Row>& rows, int check_column) {
  size_t first_blank = 0;
  while (first_blank < rows.size() && !Blank_First_Cell(rows[first_blank])) ++first_blank;
  for (size_t r = first_blank; r < rows.size(); ++r)
    for (int c = 0; c < rows[r].size(); ++c)
      if (c + 1 != check_column && !Trim_Blanks(rows[r][c]).isEmpty()) return static_cast<int>(first_blank) + 1;
  return std::nullopt;
}
