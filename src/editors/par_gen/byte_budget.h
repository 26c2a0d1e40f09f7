#pragma once
#include <QString>
#include <cstdint>
#include <vector>

#include "editors/files/nodo.h"

// The M-Bus network editor's byte budget: how many fieldbus bytes the
// communication settings allow, how many the network in memory needs, and
// whether a network may be saved. The communication settings window's
// automatic count and the address map count by rules of their own.
struct Byte_Budget {
  int32_t Num_Byte_Par_Gen = 496;   // the budget
  int32_t Working_Mode = 0;         // 0 "Normal", 1 "Single Slave"
  bool Auto_Calc_Num_Byte = false;  // device type 5: the settings count the bytes themselves
  // Set when ParGen.xml exists but cannot be parsed; the defaults then apply.
  QString read_error;
};

// The budget when ParGen.xml does not say: 455 (type 1), 244 (type 3), else 496.
int32_t Default_Byte_Budget(int device_type);

// Reads the budget of `device_type` from ParGen.xml, each value with its own
// fallback. Device type 6 reads nothing. Never throws: a file that cannot be
// parsed gives the defaults and its error text, so the editor can still read
// and show its network.
Byte_Budget Read_Byte_Budget(const QString& par_gen_path, int device_type);

// The bytes the network needs (at least 1). Disabled nodes and variables count
// nothing.
int32_t Calcola_Byte_Usati(const std::vector<TNodo>& nodes, int device_type);

// Bytes a variable of this Dim takes in the process image; Dim 7 (text) takes
// its Length, and a negative length from a hand-edited file takes none.
int64_t Dimension_Bytes(int32_t dimension, int64_t length);

// Whether the count is held against the budget at all for this device type
// and these settings.
bool Budget_Applies(const Byte_Budget& budget, int device_type);
// True when the network may be saved: the budget does not apply or the count
// is at most the budget.
bool Budget_Allows(const Byte_Budget& budget, int32_t count, int device_type);

// "Bytes Used : <count>", the caption of the editor's byte label.
QString Bytes_Used_Text(int32_t count);
// The warning shown when the count exceeds the budget: text 560 and the budget.
QString Budget_Warning_Text(const Byte_Budget& budget);
