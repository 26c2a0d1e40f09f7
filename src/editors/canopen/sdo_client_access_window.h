#pragma once
#include "editors/canopen/canopen_table_window.h"

// "Set SDO Client Access": SDO_Client_CANopen.xml. The read requests (first
// page, tab hidden) and the write requests (second page, shown), 256 rows
// each; a row copied on one page may only be pasted on that page.
class TFSet_SDO_Client_Access : public CANopen_Table_Window {
  Q_OBJECT
 public:
  explicit TFSet_SDO_Client_Access(QWidget* parent = nullptr);

  TZadTabSheet* const TS_SDO_Read;
  TZadTabSheet* const TS_SDO_Write;
  bool Do_Copy_Read = false;
  bool Do_Copy_Write = false;
  QStringList& Hint_Read;
  QStringList& Hint_Write;

 protected:
  bool& Copy_Flag(int page) override { return page == 0 ? Do_Copy_Read : Do_Copy_Write; }
};
