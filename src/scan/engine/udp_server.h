#pragma once
#include <netinet/in.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "scan/engine/gateway_link.h"

// The scan's UDP socket: bound on every local address, sending to the gateway and
// handing each datagram that comes from the gateway's address and from the port last
// sent to (the gateway answers from the port it was asked on) to the receiver on its
// own thread. Datagrams from any other address or port, datagrams before the first
// send, and datagrams longer than the receive buffer are dropped.
class Udp_Server : public Gateway_Link {
 public:
  static constexpr size_t kReceive_Buffer = 8192;

  Udp_Server() = default;
  ~Udp_Server() override;

  void Activate(const QString& peer, uint16_t local_port) override;
  void Deactivate() override;
  bool Active() const override { return socket_ >= 0; }
  void Send(const QByteArray& bytes, uint16_t remote_port) override;
  void Set_Receiver(Receiver receiver) override { receiver_ = std::move(receiver); }

  // The bound local port while active (tests and the wireless scan's bindings).
  uint16_t Local_Port() const;

 private:
  void Receive_Loop();

  int socket_ = -1;
  int wake_ = -1;  // eventfd that ends the receive thread
  sockaddr_in peer_{};
  std::atomic<uint16_t> answer_port_{0};  // network order; 0 until the first send
  Receiver receiver_;
  std::thread thread_;
};
