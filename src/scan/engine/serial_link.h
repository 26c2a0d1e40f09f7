#pragma once
#include "outputs/serial/comm.h"
#include "scan/engine/gateway_link.h"

// The scan over a serial port: sends frames and commands, receives nothing (the port's
// receive handler is empty, so every step waits out its time-out).
class Serial_Link : public Gateway_Link {
 public:
  Serial_Link();

  void Activate(const QString& device, uint16_t local_port) override;
  void Deactivate() override;
  bool Active() const override { return comm_.Enabled(); }
  void Send(const QByteArray& bytes, uint16_t remote_port) override;
  void Set_Receiver(Receiver) override {}

  TComm& Comm() { return comm_; }

 private:
  TComm comm_;
};
