#pragma once
#include "editors/canopen/canopen_table_window.h"

// "Set SDO Server Access": SDO_Server_CANopen.xml. The objects the master
// reads (first page, shown) and writes (second page, tab hidden), 500 rows
// each with the same columns; one copy flag serves both pages, so a row
// copied on one page may be pasted on the other.
class TFSet_SDO_Server_Access : public CANopen_Table_Window {
  Q_OBJECT
 public:
  explicit TFSet_SDO_Server_Access(QWidget* parent = nullptr);

  TZadTabSheet* const TS_SDO_Read;
  TZadTabSheet* const TS_SDO_Write;
  bool Do_Copy = false;
  QStringList& Hint_Read;
  QStringList& Hint_Write;

 protected:
  bool& Copy_Flag(int) override { return Do_Copy; }
};
