#pragma once
#include "editors/canopen/canopen_table_window.h"

// "Set PDO Access": PDO_CANopen.xml. The receive PDOs (first page, tab
// hidden) and the transmit PDOs (second page, shown), 30 rows each; a row
// copied on one page may only be pasted on that page.
class TFSet_PDO_Access : public CANopen_Table_Window {
  Q_OBJECT
 public:
  explicit TFSet_PDO_Access(QWidget* parent = nullptr);

  TZadTabSheet* const TS_Receive_PDO;
  TZadTabSheet* const TS_Transmit_PDO;
  QStringList& Hint_Rece;
  QStringList& Hint_Tran;
  bool Do_Copy_Receive = false;
  bool Do_Copy_Transmit = false;

 protected:
  bool& Copy_Flag(int page) override { return page == 0 ? Do_Copy_Receive : Do_Copy_Transmit; }
};
