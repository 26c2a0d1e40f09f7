#include "scan/decode/slave_lists.h"

TList_Slave_MBus List_Slave_MBus;
TList_Slave_wMBus List_Slave_wMBus;

void Free_Records(TList_Var& list) {
  while (!list.empty()) list.pop_back();
}

namespace {

template <typename List>
void Clear_Last_First(List& list) {
  while (!list.empty()) list.pop_back();
}

}  // namespace

void Clear_Slave_List(TList_Slave_MBus& list) { Clear_Last_First(list); }

void Clear_Slave_List(TList_Slave_wMBus& list) { Clear_Last_First(list); }
