#pragma once
#include <vector>

#include "outputs/compiler/bank_buffer.h"
#include "outputs/compiler/bank_network.h"
#include "platform/xml_document.h"

class CANopen_Param_Record;

// Builds bank2.bin of the M-Bus / CANopen gateway: which meters to poll, which
// values to take from each answer and where each value lies in the process
// image that the CANopen object tables refer to. Layout in the .cpp.
class CANopen_Node_Image {
 public:
  // `m_bus_root` / `par_gen_root` are the roots of M_Bus.xml and ParGen.xml;
  // a file that does not exist is passed as nullptr. Empties the node arrays,
  // reads the network, assigns the addresses, writes the image into `buffer`
  // from position 0 and, when ParGen.xml exists, sets the record's fields that
  // come from it. Throws Compile_Error for a strict value or an exceeded limit.
  void Build_CANopen_Node_Image(const Xml_Node* m_bus_root, const Xml_Node* par_gen_root, CANopen_Param_Record& record,
                                Bank_Buffer& buffer);

  const std::vector<TBank_Nodo>& Bank_Nodi() const { return bank_nodi_; }
  const std::vector<TAdd_Nodo>& Bank_Add_Nodi() const { return bank_add_nodi_; }

 private:
  void Read_Network(const Xml_Node& root);
  void Assign_Addresses();
  void Write_Image(const Xml_Node* par_gen_root, Bank_Buffer& buffer);

  std::vector<TBank_Nodo> bank_nodi_;
  std::vector<TAdd_Nodo> bank_add_nodi_;
};

// Sets the record fields that come from ParGen.xml: the Ethernet address,
// M-Bus line and CANopen settings (strict where the compile requires it).
void Apply_CANopen_Par_Gen(const Xml_Node& par_gen_root, CANopen_Param_Record& record);
