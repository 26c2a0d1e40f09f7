#include "platform/icmp_echo.h"

#include <arpa/inet.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <algorithm>
#include <vector>

namespace {

uint16_t Checksum(const uint8_t* data, size_t size) {
  uint32_t sum = 0;
  for (size_t i = 0; i + 1 < size; i += 2) sum += static_cast<uint32_t>(data[i] << 8 | data[i + 1]);
  if (size & 1) sum += static_cast<uint32_t>(data[size - 1] << 8);
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return htons(static_cast<uint16_t>(~sum));
}

class Socket {
 public:
  Socket() {
    fd_ = socket(AF_INET, SOCK_DGRAM, IPPROTO_ICMP);
    if (fd_ < 0) {
      fd_ = socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
      raw_ = fd_ >= 0;
    }
  }
  ~Socket() {
    if (fd_ >= 0) close(fd_);
  }
  int Fd() const { return fd_; }
  bool Raw() const { return raw_; }

 private:
  int fd_ = -1;
  bool raw_ = false;
};

}  // namespace

Echo_Outcome Icmp_Echo_Client::Echo(const QString& host, const QByteArray& payload, int timeout_ms) {
  sockaddr_in target{};
  target.sin_family = AF_INET;
  if (inet_pton(AF_INET, host.toLatin1().constData(), &target.sin_addr) != 1) return Echo_Outcome::Failed;
  Socket sock;
  if (sock.Fd() < 0) return Echo_Outcome::Failed;

  static uint16_t next_id = static_cast<uint16_t>(getpid());
  const uint16_t id = ++next_id;
  std::vector<uint8_t> packet(sizeof(icmphdr) + static_cast<size_t>(payload.size()));
  auto* header = reinterpret_cast<icmphdr*>(packet.data());
  header->type = ICMP_ECHO;
  header->un.echo.id = htons(id);
  header->un.echo.sequence = 0;
  std::copy(payload.begin(), payload.end(), packet.begin() + sizeof(icmphdr));
  header->checksum = Checksum(packet.data(), packet.size());
  if (sendto(sock.Fd(), packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&target), sizeof target) < 0)
    return Echo_Outcome::Failed;

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  std::vector<uint8_t> reply(65536);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return Echo_Outcome::Reply_Without_Data;
    pollfd readable{sock.Fd(), POLLIN, 0};
    if (poll(&readable, 1, static_cast<int>(left.count())) <= 0) return Echo_Outcome::Reply_Without_Data;
    sockaddr_in from{};
    socklen_t from_size = sizeof from;
    const ssize_t n = recvfrom(sock.Fd(), reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), &from_size);
    if (n <= 0 || from.sin_addr.s_addr != target.sin_addr.s_addr) continue;
    size_t offset = 0;
    if (sock.Raw()) {
      offset = static_cast<size_t>(reply[0] & 0x0F) * 4;  // raw sockets hand over the IP header
      if (static_cast<size_t>(n) < offset + sizeof(icmphdr)) continue;
    } else if (static_cast<size_t>(n) < sizeof(icmphdr)) {
      continue;
    }
    const auto* answer = reinterpret_cast<const icmphdr*>(reply.data() + offset);
    if (answer->type != ICMP_ECHOREPLY) continue;
    // Datagram sockets rewrite the identifier; the kernel already matched it for us.
    if (sock.Raw() && ntohs(answer->un.echo.id) != id) continue;
    const size_t data = static_cast<size_t>(n) - offset - sizeof(icmphdr);
    return data > 0 ? Echo_Outcome::Reply_With_Data : Echo_Outcome::Reply_Without_Data;
  }
}
