#include "platform/xml_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Xml_Document doc;
  try {
    doc.Load_Text(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  } catch (const Xml_Error&) {
    return 0;
  }
  const Xml_Node root = doc.Root();
  for (Xml_Node child = root.First_Child(); !child.Is_Null(); child = child.Next_Sibling()) {
    (void)child.Single_Text();
    (void)child.Find_Attribute("ID");
  }
  (void)doc.Save_Text();
  return 0;
}
