#pragma once
#include <QString>
#include <QStringList>

// Serial ports by COM number. The machine's serial devices get fixed numbers
// by one rule, shared by the port list and by whoever opens a port:
//   ttyS<n>   -> COM n + 1     (n 0..63,  COM 1..64)
//   ttyUSB<n> -> COM n + 65    (n 0..95,  COM 65..160)
//   ttyACM<n> -> COM n + 161   (n 0..95,  COM 161..256)
// Devices outside these ranges get no number and are never listed.
namespace com_ports {

// The folder holding the devices: "/dev" unless a test points it elsewhere
// (an empty text returns to "/dev").
QString Device_Folder();
void Override_Device_Folder(const QString& folder);

// COM number of a device name such as "ttyUSB0"; 0 when it has none.
int Number_Of_Device(const QString& device_name);
// Full path of the device behind COM `number`; empty when no device can have it.
QString Device_Path(int number);

}  // namespace com_ports

// The numbers (decimal text, without "COM") of the serial ports present, in
// ascending order. A port is present when it can be opened for reading and
// writing or when it is refused because it is busy or not ours to open (held by
// another program); a device node without hardware behind it is not.
QStringList List_COM_Ports();
