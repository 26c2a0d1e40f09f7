#include "support/http_test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

Http_Test_Server::Http_Test_Server() {
  listener_ = socket(AF_INET, SOCK_STREAM, 0);
  if (listener_ < 0) throw std::runtime_error("socket");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listener_, 4) != 0)
    throw std::runtime_error("bind/listen");
  socklen_t length = sizeof address;
  getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

Http_Test_Server::~Http_Test_Server() {
  stop_ = true;
  thread_.join();
  close(listener_);
}

void Http_Test_Server::Set_Answer(int status, const std::string& body) {
  std::lock_guard lock(mutex_);
  status_ = status;
  body_ = body;
}

std::string Http_Test_Server::Last_Request() const {
  std::lock_guard lock(mutex_);
  return last_request_;
}

void Http_Test_Server::Serve() {
  while (!stop_) {
    pollfd waiting{listener_, POLLIN, 0};
    if (poll(&waiting, 1, 50) <= 0) continue;
    const int client = accept(listener_, nullptr, nullptr);
    if (client < 0) continue;
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
      pollfd readable{client, POLLIN, 0};
      if (poll(&readable, 1, 1000) <= 0) break;
      const ssize_t n = recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      request.append(buffer, static_cast<size_t>(n));
    }
    {
      std::lock_guard lock(mutex_);
      last_request_ = request.substr(0, request.find("\r\n\r\n"));
    }
    if (mode_ == Mode::Silent) {
      while (!stop_ && mode_ == Mode::Silent) {
        pollfd idle{client, POLLIN, 0};
        if (poll(&idle, 1, 50) > 0 && recv(client, buffer, sizeof buffer, 0) <= 0) break;
      }
    } else {
      std::string answer;
      {
        std::lock_guard lock(mutex_);
        answer = "HTTP/1.0 " + std::to_string(status_) + (status_ == 200 ? " OK" : " Error") +
                 "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body_.size()) + "\r\n\r\n" + body_;
      }
      send(client, answer.data(), answer.size(), MSG_NOSIGNAL);
    }
    close(client);
  }
}
