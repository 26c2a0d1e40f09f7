#pragma once
#include <QByteArray>
#include <QString>

// One ICMP echo over IPv4.
enum class Echo_Outcome {
  Reply_With_Data,     // the device answered and its reply carried data
  Reply_Without_Data,  // no data came back within the time-out
  Failed               // the echo could not be sent (bad address, no socket)
};

class Echo_Client {
 public:
  virtual ~Echo_Client() = default;
  virtual Echo_Outcome Echo(const QString& host, const QByteArray& payload, int timeout_ms) = 0;
};

// Linux: an unprivileged datagram ICMP socket, a raw socket when the system
// does not allow that one. Host must be a dotted IPv4 address.
class Icmp_Echo_Client : public Echo_Client {
 public:
  Echo_Outcome Echo(const QString& host, const QByteArray& payload, int timeout_ms) override;
};
