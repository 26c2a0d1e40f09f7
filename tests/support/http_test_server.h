#pragma once
#include <atomic>
#include <mutex>
#include <string>
#include <thread>

// A one-request-at-a-time HTTP server on 127.0.0.1 for tests: answers every
// request with a fixed status and body, or stays silent to test time-outs.
class Http_Test_Server {
 public:
  enum class Mode { Answer, Silent };

  Http_Test_Server();
  ~Http_Test_Server();

  void Set_Answer(int status, const std::string& body);
  void Set_Mode(Mode mode) { mode_ = mode; }
  int Port() const { return port_; }
  std::string Base_Url() const { return "http://127.0.0.1:" + std::to_string(port_); }
  // The last request's head (request line and headers) as received.
  std::string Last_Request() const;

 private:
  void Serve();

  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<Mode> mode_{Mode::Answer};
  mutable std::mutex mutex_;
  int status_ = 200;
  std::string body_;
  std::string last_request_;
  std::thread thread_;
};
