#pragma once
#include <QString>

#include "outputs/compiler/bank_buffer.h"
#include "outputs/compiler/canopen_node_image.h"
#include "outputs/compiler/canopen_object_tables.h"
#include "outputs/compiler/canopen_param_record.h"
#include "platform/xml_document.h"

// The compile steps of the M-Bus / CANopen gateway: bank1.bin (parameter
// record followed by the six object tables, always 59392 bytes) into
// Bank_Buffer_C and bank2.bin (the node image) into Bank_Buffer_A.
class CANopen_Compiler {
 public:
  // Rebuilds everything from the files of `conf_dir`; throws Compile_Error,
  // after which the buffers are not to be saved.
  void Compile_CANopen(const QString& conf_dir, Bank_Buffers& buffers);

  const CANopen_Param_Record& Record() const { return record_; }
  const CANopen_Object_Tables& Tables() const { return tables_; }
  const CANopen_Node_Image& Node_Image() const { return node_image_; }

 private:
  CANopen_Param_Record record_;
  CANopen_Object_Tables tables_;
  CANopen_Node_Image node_image_;
};

// First pass over M_Bus.xml and ParGen.xml (nullptr for a file that does not
// exist): the wireless-node count, the pass's fixed values, and the strict
// checks of the variables' Type, Fun_Field and Dim and of the ParGen.xml values
// the images cannot do without.
void Read_CANopen_Parameters(const Xml_Node* m_bus_root, const Xml_Node* par_gen_root, CANopen_Param_Record& record);
