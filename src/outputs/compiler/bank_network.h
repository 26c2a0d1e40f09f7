#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "outputs/compiler/bank_buffer.h"
#include "platform/xml_document.h"

// The compiler's own records of the M-Bus network read from M_Bus.xml, with
// the process-image addresses the compile gives them. They are rebuilt by each
// compile and are independent of the network editor's objects.

struct TBank_Variabile {
  uint8_t Type_Of_Data = 0;
  uint8_t Function_Field = 0;  // EN 13757-3 order: 0 instantaneous, 1 maximum, 2 minimum, 3 error state
  uint8_t Dimension = 0;       // EN 13757-3 data field code
  uint8_t Unita = 0;
  uint8_t Scale = 0;
  uint32_t Storage_Num = 0;
  uint32_t Tarif = 0;
  uint8_t VIFE = 0;
  uint8_t Options = 0;  // bit 0 BCD to integer, bit 1 swap, bit 2 six-byte time point, bit 3 force 32-bit integer
  uint8_t Length = 0;
  uint8_t Len_VIF_ASCII = 0;
  uint32_t Address_VIF_ASCII = 0;
  QString VIF_ASCII;
  uint8_t Position = 0;
  uint8_t BCDtoINT = 0;
  uint8_t SWAP = 0;
  uint8_t TP_Mod_Regs = 0;

  // Bytes the value takes in the process image, and where value and scale byte lie.
  uint32_t Value_Size = 0;
  uint32_t Value_Address = 0;
  uint32_t Scale_Address = 0;
  int Source_Index = 0;  // 1-based place among the node's children in M_Bus.xml, for messages
};

struct TBank_Nodo {
  uint32_t ID = 0;
  uint8_t SND_NKE = 0;
  uint8_t Reset_App = 0;
  uint32_t Add = 0;  // offset of the node's first variable entry in the image
  uint8_t Node_State = 0;
  uint8_t Ident_Num = 0;
  uint8_t RSSI = 0;
  uint8_t BCDtoINT_IN = 0;
  uint8_t Swap_IN = 0;
  uint8_t ID_Type = 0;
  uint8_t Var_Type = 0;
  uint8_t Cut_After = 0;
  uint8_t Mamu_Spec_Data = 0;
  uint8_t MSD_Length = 0;
  uint8_t MSD_Offset = 0;
  uint16_t Address_Arr_Calcolato = 0;
  uint16_t Access_Number = 0;
  uint8_t Opzioni_Check = 0;  // bit 0 node state byte, bit 1 identification number, bit 2 its BCD to integer
  std::vector<TBank_Variabile> Vars;
  int Source_Index = 0;  // 1-based place among the root's children in M_Bus.xml, for messages
};

// Process-image addresses of one node's items.
struct TAdd_Nodo {
  uint32_t Add_NS = 0;
  uint32_t Add_IN = 0;
  uint32_t Add_RSSI = 0;
  uint32_t Add_Start_Var = 0;
  uint32_t Add_MSD = 0;
};

namespace bank_network {

// EN 13757-3 data field code of the editor's size list position `dim`
// ("8", "16", "32", "64", "24", "48", "32 Real", "Variable Length"); 2 for any other.
uint8_t Data_Field_Code(int32_t dim);
// Process-image bytes a value of that size takes; `length` for variable length.
uint32_t Value_Bytes(int32_t dim, uint8_t length);

// Reads one enabled variable by the rules every node image shares. Type,
// Fun_Field and Dim are strict; everything else falls back. `where` names the
// variable in errors.
TBank_Variabile Read_Bank_Variable(const Xml_Node& variable, const QString& where);

// Limits the node images' field widths set: node counts are one byte,
// variable counts and process-image addresses two bytes, text lengths one byte.
constexpr int kMax_Nodes = 255;
constexpr int kMax_Node_Variables = 65535;
constexpr uint32_t kMax_Address = 0xFFFF;
constexpr int kMax_VIF_Text = 255;

// A node is compiled when Enable_Node read as a number has the low byte 1
// (absent or not a number counts as 1). A file written by a scan marks nodes
// with Node_Enable instead; an unchecked scanned meter must stay out.
bool Node_Is_Compiled(const Xml_Node& node);

// The node values of the images with a byte per node flag: Node_ID_Type, ID
// (or ID_Primary / ID_Secondary), Send_SND_NKE, Reset_App, Node_State,
// Ident_Num, BCDtoINT_IN, Swap_IN, Var_List_Type, Cut_After, each as read.
TBank_Nodo Read_Node_Values(const Xml_Node& node);

// Every variable of `node` whose Enable is exactly "1", read by
// Read_Bank_Variable, with its text length and place set; empty when the node
// has none (it then gets no entry). `node_number` is the node's 1-based place
// among the root's children, for messages. `adjust`, when given, applies an
// image's own variable rules to each variable read.
using Variable_Rule = std::function<void(TBank_Variabile&, const Xml_Node&, const QString& where)>;
std::vector<TBank_Variabile> Read_Compiled_Variables(const Xml_Node& node, int node_number,
                                                     const Variable_Rule& adjust = nullptr);

// Gives each variable of `nodo` its value and scale address from `address`
// on; returns the address after the last. Stops the compile when an address
// no longer fits its two-byte field.
uint32_t Assign_Variable_Addresses(TBank_Nodo& nodo, uint32_t address);
void Check_Address(uint32_t address, int node_number, int variable_number);

// The node identifier, most significant byte first.
void Append_Node_ID(Bank_Buffer& buffer, uint32_t id);
// The 23-byte node entry of the images with a byte per node flag.
void Append_Flag_Node_Entry(Bank_Buffer& buffer, const TBank_Nodo& nodo, const TAdd_Nodo& add);
// The 26-byte variable entry.
void Append_Variable_Entry(Bank_Buffer& buffer, const TBank_Variabile& var);
// The VIF text, one byte per character, last character first.
void Append_VIF_Text(Bank_Buffer& buffer, const TBank_Variabile& var);

}  // namespace bank_network
