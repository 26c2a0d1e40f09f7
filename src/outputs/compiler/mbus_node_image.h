#pragma once
#include <QByteArray>
#include <vector>

#include "outputs/compiler/bank_buffer.h"
#include "outputs/compiler/bank_network.h"
#include "outputs/compiler/gateway_param_record.h"
#include "platform/xml_document.h"

// The node images of the wired M-Bus gateways (DeviceNet, EtherNet/IP,
// PROFIBUS): which meters to poll, which values to take from each answer and
// where each value lies in the process image. Layout in the .cpp.
class MBus_Node_Image {
 public:
  // `m_bus_root` / `par_gen_root` are nullptr for a file that does not exist.
  //
  // Device type 1: the DeviceNet image in Bank_Buffer_A from 0.
  // Types 2 and 3 with `gateway_pass`: resets the gateway record, builds the
  //   image behind the format byte, sets the record from ParGen.xml and writes
  //   the gateway parameter block into Bank_Buffer_B.
  // Type 2 without `gateway_pass`: resets the Ethernet record and builds the
  //   image behind the Ethernet parameter block and the format byte.
  // Throws Compile_Error for a strict value or an exceeded limit.
  void Build_MBus_Image(int device_type, bool gateway_pass, const Xml_Node* m_bus_root, const Xml_Node* par_gen_root,
                        Gateway_Param_Record& gateway, Ethernet_Param_Record& ethernet, Bank_Buffers& buffers);

  // The PROFIBUS image of device type 3 (bank.bin) in `buffer` from 0. It
  // reads its own node and variable rules and changes no parameter record.
  void Build_Profibus_Image(const Xml_Node* m_bus_root, const Xml_Node* par_gen_root, Bank_Buffer& buffer);

  const std::vector<TBank_Nodo>& Bank_Nodi() const { return bank_nodi_; }
  const std::vector<TAdd_Nodo>& Bank_Add_Nodi() const { return bank_add_nodi_; }

 private:
  enum class Variant { Plain, Profibus };

  void Read_Network(const Xml_Node& root, Variant variant);
  void Assign_Addresses(uint32_t start, bool single_slave);
  // Writes head, node and variable entries, texts and `settings` into
  // `buffer` behind the bytes of `prefix`.
  void Write_Image(const QByteArray& prefix, Variant variant, const QByteArray& settings, Bank_Buffer& buffer);

  std::vector<TBank_Nodo> bank_nodi_;
  std::vector<TAdd_Nodo> bank_add_nodi_;
};
