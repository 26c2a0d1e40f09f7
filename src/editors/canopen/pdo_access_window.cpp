#include "editors/canopen/pdo_access_window.h"

#include "controls/tab_sheet.h"
#include "shell/core/globals.h"

TFSet_PDO_Access::TFSet_PDO_Access(QWidget* parent)
    : CANopen_Table_Window(CANopen_Table_Kind::PDO, Path_PDO_XML, parent),
      TS_Receive_PDO(Page(0)),
      TS_Transmit_PDO(Page(1)),
      Hint_Rece(Hint_List(0)),
      Hint_Tran(Hint_List(1)) {
  setObjectName(QStringLiteral("FSet_PDO_Access"));
  TS_Receive_PDO->setObjectName(QStringLiteral("TS_Receive_PDO"));
  TS_Transmit_PDO->setObjectName(QStringLiteral("TS_Transmit_PDO"));
}
