#include "editors/canopen/sdo_server_access_window.h"

#include "controls/tab_sheet.h"
#include "shell/core/globals.h"

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(QWidget* parent)
    : CANopen_Table_Window(CANopen_Table_Kind::SDO_Server, Path_SDO_Server_XML, parent),
      TS_SDO_Read(Page(0)),
      TS_SDO_Write(Page(1)),
      Hint_Read(Hint_List(0)),
      Hint_Write(Hint_List(1)) {
  setObjectName(QStringLiteral("FSet_SDO_Server_Access"));
  TS_SDO_Read->setObjectName(QStringLiteral("TS_SDO_Read"));
  TS_SDO_Write->setObjectName(QStringLiteral("TS_SDO_Write"));
}
