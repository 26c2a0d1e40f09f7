#pragma once
#include <QString>

#include "outputs/compiler/bank_buffer.h"
#include "outputs/compiler/gateway_param_record.h"
#include "outputs/compiler/mbus_node_image.h"
#include "outputs/compiler/wmbus_key_table.h"
#include "outputs/compiler/wmbus_node_image.h"

// The compile steps of the M-Bus gateways with a fieldbus of their own:
//
//   type  Bank_Buffer_A            Bank_Buffer_B         Bank_Buffer_C
//   1     DeviceNet image          -                     -
//   2     Ethernet block + image   gateway block         first-pass image
//   3     PROFIBUS image           gateway block         first-pass image
//   4, 5  wireless node image      -                     gateway block + key table (3072 bytes)
//
// Each compile rebuilds every record, table and buffer it fills, so nothing
// of an earlier compile reaches the images.
class Gateway_Compiler {
 public:
  // Runs the steps of `device_type` (1 to 5) on the files of `conf_dir`;
  // throws Compile_Error, after which the buffers are not to be saved.
  void Compile(int device_type, const QString& conf_dir, Bank_Buffers& buffers);

  const Gateway_Param_Record& Gateway_Record() const { return gateway_; }
  const Ethernet_Param_Record& Ethernet_Record() const { return ethernet_; }
  const wMBus_Key_Table& Key_Table() const { return keys_; }
  const MBus_Node_Image& MBus_Image() const { return mbus_image_; }
  const wMBus_Node_Image& wMBus_Image() const { return wmbus_image_; }

 private:
  void Compile_DeviceNet(const Xml_Node* m_bus, const Xml_Node* par_gen, Bank_Buffers& buffers);
  void Compile_EtherNetIP(const Xml_Node* m_bus, const Xml_Node* par_gen, Bank_Buffers& buffers);
  void Compile_Profibus(const Xml_Node* m_bus, const Xml_Node* par_gen, Bank_Buffers& buffers);
  void Build_Gateway_Images(int device_type, const Xml_Node* m_bus, const Xml_Node* par_gen, Bank_Buffers& buffers);
  void Compile_wMBus(int device_type, const Xml_Node* m_bus, const Xml_Node* par_gen, Bank_Buffers& buffers);

  Gateway_Param_Record gateway_;
  Ethernet_Param_Record ethernet_;
  wMBus_Key_Table keys_;
  MBus_Node_Image mbus_image_;
  wMBus_Node_Image wmbus_image_;
};

// Copies the used bytes of Bank_Buffer_A to Bank_Buffer_C, which gets the same used length.
void Copy_Bank_To_Bank2(Bank_Buffers& buffers);
