#pragma once
#include <QString>
#include <optional>

#include "editors/files/variabile.h"

// What the Variables page of the M-Bus network editor holds: the fields as
// typed and the lists as positions. Fields that the page's layout hides are
// part of it all the same: they are checked and stored like the shown ones.
struct Variable_Entry {
  bool enable = true;
  QString description;
  int type_of_data = 0;
  int function_field = 0;
  int dimension = 0;
  int unit = 0;
  bool scale = false;
  QString storage_number = QStringLiteral("0");
  QString tariff = QStringLiteral("0");
  int vife = 0;
  bool bcd = false;
  bool swap = false;
  QString vif_ascii;
  QString length = QStringLiteral("0");
  bool time_point = false;  // "Use Six Bytes for the Time Point"
  QString position = QStringLiteral("1");
  bool force_integer32 = false;
};

// The size entry whose length field counts.
constexpr int kVariable_Length = 7;

// The range checks in order: the language text of the first failing field,
// nullopt when all pass. Storage number 0..0xFFFFFFFF and tariff 0..0xFFFFF
// are read as 64-bit numbers (542, 543); the length 0..191 only for a
// "Variable Length" size (544); the position 1..100 (545).
std::optional<int> Variable_Entry_Error(const Variable_Entry& entry);

// The variable the page describes. Call only after Variable_Entry_Error
// passed. A length that is not a number (not checked for fixed sizes) is 0.
TVariabile Variable_From_Entry(const Variable_Entry& entry);

// The page showing a variable: the storage number unsigned, tariff, length
// and position in decimal.
Variable_Entry Entry_Of_Variable(const TVariabile& variable);
