#pragma once
#include <vector>

#include "outputs/compiler/bank_buffer.h"
#include "outputs/compiler/bank_network.h"
#include "outputs/compiler/gateway_param_record.h"
#include "outputs/compiler/wmbus_key_table.h"
#include "platform/xml_document.h"

// The node image of the wireless gateways (bank2.bin): a node table of the
// wired M-Bus nodes and one of the wireless meters, their variables and the
// settings area; fills the key table and the gateway record on the way.
// Layout in the .cpp.
class wMBus_Node_Image {
 public:
  // `device_type` 4 (EtherNet/IP) or 5 (PROFINET); `m_bus_root` /
  // `par_gen_root` are nullptr for a file that does not exist. The caller
  // resets `gateway` and clears `keys` first. Writes the image into `buffer`
  // from 0. Throws Compile_Error for a strict value or an exceeded limit.
  void Build_wMBus_Image(int device_type, const Xml_Node* m_bus_root, const Xml_Node* par_gen_root,
                         Gateway_Param_Record& gateway, wMBus_Key_Table& keys, Bank_Buffer& buffer);

  const std::vector<TBank_Nodo>& Bank_Nodi() const { return bank_nodi_; }
  const std::vector<TAdd_Nodo>& Bank_Add_Nodi() const { return bank_add_nodi_; }
  const std::vector<TBank_Nodo>& Bank_Nodi_2() const { return bank_nodi_2_; }
  const std::vector<TAdd_Nodo>& Bank_Add_Nodi_2() const { return bank_add_nodi_2_; }

 private:
  void Read_Network(const Xml_Node& root, bool wired_port_present, wMBus_Key_Table& keys);
  void Assign_Addresses(bool single_slave);
  void Write_Image(const QByteArray& settings, Bank_Buffer& buffer);

  std::vector<TBank_Nodo> bank_nodi_;  // wired nodes
  std::vector<TAdd_Nodo> bank_add_nodi_;
  std::vector<TBank_Nodo> bank_nodi_2_;  // wireless meters
  std::vector<TAdd_Nodo> bank_add_nodi_2_;
};
