#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <stdexcept>

// A failure of the link to the gateway (socket or serial port), with the system's reason.
class Gateway_Link_Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The scan's way to the gateway: the UDP socket with its receive thread, or the serial
// port. Tests put a scripted link in its place.
class Gateway_Link {
 public:
  // Runs on the link's own receive thread, once per datagram from the gateway.
  using Receiver = std::function<void(const uint8_t* data, size_t length)>;

  virtual ~Gateway_Link() = default;
  // Opens the link to `peer` (the gateway's IPv4 address, or the serial device path);
  // a UDP link binds `local_port` (0: the system picks one). Throws Gateway_Link_Error.
  virtual void Activate(const QString& peer, uint16_t local_port) = 0;
  // Closes the link; the receive thread has ended when this returns.
  virtual void Deactivate() = 0;
  virtual bool Active() const = 0;
  // One datagram (or block of bytes) to the peer's `remote_port`. Throws Gateway_Link_Error.
  virtual void Send(const QByteArray& bytes, uint16_t remote_port) = 0;
  virtual void Set_Receiver(Receiver receiver) = 0;
};
