#include "scan/engine/udp_server.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

Gateway_Link_Error Error(const QString& what, int error) {
  return Gateway_Link_Error((what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error))).toStdString());
}

}  // namespace

Udp_Server::~Udp_Server() { Deactivate(); }

void Udp_Server::Activate(const QString& peer, uint16_t local_port) {
  Deactivate();
  sockaddr_in peer_address{};
  peer_address.sin_family = AF_INET;
  if (inet_pton(AF_INET, peer.toLatin1().constData(), &peer_address.sin_addr) != 1)
    throw Gateway_Link_Error(QStringLiteral("Invalid gateway address \"%1\"").arg(peer).toStdString());

  const int sock = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (sock < 0) throw Error(QStringLiteral("Cannot create the UDP socket"), errno);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  local.sin_port = htons(local_port);
  if (bind(sock, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
    const int error = errno;
    close(sock);
    throw Error(QStringLiteral("Cannot bind UDP port %1").arg(local_port), error);
  }
  const int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake < 0) {
    const int error = errno;
    close(sock);
    throw Error(QStringLiteral("Cannot create the UDP receive thread"), error);
  }
  socket_ = sock;
  wake_ = wake;
  peer_ = peer_address;
  answer_port_.store(0);
  thread_ = std::thread([this] { Receive_Loop(); });
}

void Udp_Server::Deactivate() {
  if (!Active()) return;
  const uint64_t one = 1;
  [[maybe_unused]] auto written = write(wake_, &one, sizeof one);
  if (thread_.joinable()) thread_.join();
  close(socket_);
  close(wake_);
  socket_ = -1;
  wake_ = -1;
}

uint16_t Udp_Server::Local_Port() const {
  sockaddr_in local{};
  socklen_t length = sizeof local;
  if (!Active() || getsockname(socket_, reinterpret_cast<sockaddr*>(&local), &length) != 0) return 0;
  return ntohs(local.sin_port);
}

void Udp_Server::Send(const QByteArray& bytes, uint16_t remote_port) {
  if (!Active()) throw Gateway_Link_Error("The UDP link to the gateway is not open");
  sockaddr_in to = peer_;
  to.sin_port = htons(remote_port);
  answer_port_.store(to.sin_port);
  for (;;) {
    const ssize_t sent = sendto(socket_, bytes.constData(), static_cast<size_t>(bytes.size()), 0,
                                reinterpret_cast<sockaddr*>(&to), sizeof to);
    if (sent == bytes.size()) return;
    if (sent < 0 && errno == EINTR) continue;
    char address[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &to.sin_addr, address, sizeof address);
    throw Error(QStringLiteral("Cannot send to %1:%2").arg(QString::fromLatin1(address)).arg(remote_port),
                sent < 0 ? errno : EMSGSIZE);
  }
}

void Udp_Server::Receive_Loop() {
  std::vector<uint8_t> buffer(kReceive_Buffer);
  for (;;) {
    pollfd fds[2] = {{wake_, POLLIN, 0}, {socket_, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) continue;
    if (fds[0].revents != 0) return;
    if ((fds[1].revents & POLLIN) == 0) continue;
    sockaddr_in from{};
    socklen_t from_length = sizeof from;
    // MSG_TRUNC gives the datagram's real length, so a longer one is recognised and dropped.
    const ssize_t n = recvfrom(socket_, buffer.data(), buffer.size(), MSG_TRUNC | MSG_DONTWAIT,
                               reinterpret_cast<sockaddr*>(&from), &from_length);
    if (n < 0 || static_cast<size_t>(n) > buffer.size()) continue;
    if (from.sin_family != AF_INET || from.sin_addr.s_addr != peer_.sin_addr.s_addr || from.sin_port == 0 ||
        from.sin_port != answer_port_.load())
      continue;
    if (receiver_) receiver_(buffer.data(), static_cast<size_t>(n));
  }
}
