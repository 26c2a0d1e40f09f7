#pragma once
#include <QStringList>

// The fixed lists behind the list fields of a variable: the file stores the
// position of the chosen entry, not a raw M-Bus field value. These texts are
// the editor's list items and are not translated.
namespace m_bus_lists {

const QStringList& Type_Of_Data();    // 26 entries, TVariabile::Type_Of_Data
const QStringList& Function_Field();  // 4 entries, TVariabile::Function_Field
const QStringList& Dimension();       // 8 entries (bits), TVariabile::Dimension
const QStringList& VIFE();            // 152 entries, TVariabile::VIFE; 0 "Not Selected"

}  // namespace m_bus_lists
