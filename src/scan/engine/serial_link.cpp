#include "scan/engine/serial_link.h"

Serial_Link::Serial_Link() {
  comm_.SetBaudRate(TBaudrate::br115200);
  comm_.SetDatabits(TDatabits::da8);
  comm_.SetFlowControl(TFlowControl::fcNone);
  comm_.SetParity(TParity::paNone);
  comm_.SetStopbits(TStopbits::sb10);
  comm_.SetReadBufSize(4096);
  comm_.SetWriteBufSize(4096);
  comm_.OnRxChar = [](TCustomComm*, int32_t) {};
}

void Serial_Link::Activate(const QString& device, uint16_t) {
  Deactivate();
  comm_.SetDeviceName(device);
  comm_.Open();
}

void Serial_Link::Deactivate() { comm_.Close(); }

void Serial_Link::Send(const QByteArray& bytes, uint16_t) {
  if (comm_.Write(bytes.constData(), static_cast<int>(bytes.size())) != bytes.size())
    throw Gateway_Link_Error("Write error: the serial port did not take the frame in time");
}
