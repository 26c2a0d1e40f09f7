#pragma once
#include "scan/decode/slave_mbus.h"
#include "scan/decode/slave_wmbus.h"

// The meters found by the scans: wired and wireless. Both exist, empty, from
// program start to its end; each list owns its meters.
extern TList_Slave_MBus List_Slave_MBus;
extern TList_Slave_wMBus List_Slave_wMBus;

// Frees every meter last first (each one's records before it) and leaves the list empty.
void Clear_Slave_List(TList_Slave_MBus& list);
void Clear_Slave_List(TList_Slave_wMBus& list);
