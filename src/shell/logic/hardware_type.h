#pragma once
#include <QString>

class Xml_Document;

// Type 3 devices are updated through a serial updater unless their
// communication settings say the hardware has Ethernet: true (serial) when
// ParGen.xml holds a Hardware_Type whose text is anything but "2"; false when
// the file, the element or a single text in it is missing. A file that is not
// well-formed XML throws Xml_Error.
bool Check_Update_Serial_232(Xml_Document& document, const QString& par_gen_path);
