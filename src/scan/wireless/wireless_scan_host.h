#pragma once
#include <QByteArray>
#include <cstdint>

// What the wireless scan needs of the scan engine that runs it: the link to the
// gateway on the wireless port, the answer hand-over, the step time-out and the
// scan's shared state flags. The engine implements it; tests script it.
class Wireless_Scan_Host {
 public:
  virtual ~Wireless_Scan_Host() = default;
  // One datagram to the gateway's wireless port; clears the arrived answer and
  // restarts the time-out clock.
  virtual void Send_Wireless(const QByteArray& bytes) = 0;
  // The answer that arrived since the last send, if any (it stays until the next send).
  virtual bool Answer(QByteArray& answer) = 0;
  virtual void Set_TimeOut(int32_t ms) = 0;
  virtual bool TimeOut_Expired() = 0;
  virtual void Set_Result(int32_t result) = 0;
  // The user asked to stop or to abort.
  virtual bool Stop_Requested() = 0;
  virtual void Clear_Stop_Requests() = 0;
  // While set, datagrams are radio frames for the frame decoder, not answers.
  virtual void Set_Receive_Message(bool receiving) = 0;
  virtual bool Serial() = 0;
  // The last step: closes the link, ends the scan and writes the report when asked.
  virtual void Finish_Scan() = 0;
};
