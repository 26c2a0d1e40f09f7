// gateway-sim: a stand-in for the M-Bus gateway on the local machine, for tests and
// for trying the configurator without hardware.
//
//   gateway-sim --port <n> [--meters <file>] [--bind <address>] [--delay <ms>]
//               [--analyzer-answer <text>] [--radio telit|radiocrafts] [--verbose]
//               [--wmbus-frames <file>] [--frame-interval <ms>]
//
// Prints "port <n>" (the bound port; --port 0 picks a free one) as its first line on
// standard output, then answers the gateway protocol of scan/gateway_commands.h until
// it is terminated. It binds to 127.0.0.1 unless --bind says otherwise. The meters on
// its M-Bus line come from the file given with --meters (format in meter_script.h).
// --delay slows every answer down; --analyzer-answer replaces the confirmation of the
// analyzer mode (to play a gateway that refuses it). In configuration mode the radio
// module of --radio answers (radio_module_sim.h); while it receives, the datagrams of
// --wmbus-frames are sent to the scan in turn, one every --frame-interval ms (200).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "mbus_line.h"
#include "meter_script.h"
#include "radio_module_sim.h"
#include "scan/engine/gateway_commands.h"
#include "scan/wireless/radio_module_commands.h"

namespace {

struct Options {
  int port = 0;
  std::string bind = "127.0.0.1";
  std::string meters_file;
  int delay_ms = 0;
  bool analyzer_answer_set = false;
  std::string analyzer_answer;
  bool radiocrafts = false;
  bool verbose = false;
  std::string wmbus_frames_file;
  int frame_interval_ms = 200;
};

constexpr const char* kUsage =
    "usage: gateway-sim --port <n> [--meters <file>] [--bind <address>] [--delay <ms>]\n"
    "                   [--analyzer-answer <text>] [--radio telit|radiocrafts] [--verbose]\n"
    "                   [--wmbus-frames <file>] [--frame-interval <ms>]\n";

int Usage(const char* why) {
  std::cerr << "gateway-sim: " << why << "\n" << kUsage;
  return 2;
}

std::string Hex(const std::string& bytes) {
  std::string out;
  char buf[4];
  for (unsigned char c : bytes) {
    std::snprintf(buf, sizeof buf, "%02X ", c);
    out += buf;
  }
  return out;
}

class Gateway {
 public:
  Gateway(const Options& options, gateway_sim::MBus_Line line, gateway_sim::Radio_Module_Sim& radio)
      : options_(options), line_(std::move(line)), radio_(radio) {}

  // The answer to one datagram; `answer` empty means none is sent.
  void Handle(const std::string& in, std::string& answer, int& delay_ms) {
    delay_ms = options_.delay_ms;
    answer.clear();
    if (in == gateway::kEnable_Analyzer_Mode) {
      analyzer_ = true;
      answer = options_.analyzer_answer_set ? options_.analyzer_answer : std::string(gateway::kAnalyzer_Mode_Enabled);
    } else if (in.size() == 17 && in.compare(0, gateway::kSet_MBus_Line.size(), gateway::kSet_MBus_Line) == 0 &&
               in[15] == ',') {
      answer = gateway::kDone;
    } else if (in == gateway::kDisable_Analyzer_Mode) {
      analyzer_ = false;
      answer = gateway::kAnalyzer_Mode_Disabled;
    } else if (in == gateway::kEnable_Configuration_Mode) {
      configuration_ = true;
      answer = gateway::kConfiguration_Mode_Enabled;
    } else if (in == gateway::kType_Radio_Module) {
      answer = options_.radiocrafts ? gateway::kRadio_Radiocrafts : gateway::kRadio_Telit;
    } else if (in == gateway::kDisable_Configuration_Mode) {
      configuration_ = false;
      radio_.Reset();
      answer = gateway::kConfiguration_Mode_Disabled;
    } else if (analyzer_) {
      const auto line_answer = line_.Handle_Frame(in);
      answer = line_answer.bytes.empty() ? std::string(gateway::kNo_Slave) : line_answer.bytes;
      delay_ms += line_answer.delay_ms;
    } else if (configuration_) {
      answer = radio_.Handle(in);
    }
  }

 private:
  const Options& options_;
  gateway_sim::MBus_Line line_;
  gateway_sim::Radio_Module_Sim& radio_;
  bool analyzer_ = false;
  bool configuration_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  bool port_given = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    const char* v = nullptr;
    if (arg == "--verbose") {
      options.verbose = true;
      continue;
    }
    // Asked for, the usage is an answer, not an error.
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if ((v = value()) == nullptr) return Usage(("missing value for " + arg).c_str());
    try {
      if (arg == "--port") {
        options.port = std::stoi(v);
        port_given = true;
      } else if (arg == "--meters") {
        options.meters_file = v;
      } else if (arg == "--bind") {
        options.bind = v;
      } else if (arg == "--delay") {
        options.delay_ms = std::stoi(v);
      } else if (arg == "--analyzer-answer") {
        options.analyzer_answer = v;
        options.analyzer_answer_set = true;
      } else if (arg == "--wmbus-frames") {
        options.wmbus_frames_file = v;
      } else if (arg == "--frame-interval") {
        options.frame_interval_ms = std::stoi(v);
      } else if (arg == "--radio") {
        options.radiocrafts = std::string(v) == "radiocrafts";
      } else {
        return Usage(("unknown option " + arg).c_str());
      }
    } catch (...) {
      return Usage(("bad number for " + arg).c_str());
    }
  }
  if (!port_given || options.port < 0 || options.port > 65535) return Usage("--port <0..65535> is required");

  std::vector<gateway_sim::Scripted_Meter> meters;
  if (!options.meters_file.empty()) {
    std::ifstream file(options.meters_file);
    if (!file) return Usage(("cannot read " + options.meters_file).c_str());
    std::stringstream text;
    text << file.rdbuf();
    std::string error;
    auto parsed = gateway_sim::Parse_Meters(text.str(), error);
    if (!parsed) return Usage((options.meters_file + ", " + error).c_str());
    meters = std::move(*parsed);
  }

  std::vector<std::string> radio_frames;
  if (!options.wmbus_frames_file.empty()) {
    std::ifstream file(options.wmbus_frames_file);
    if (!file) return Usage(("cannot read " + options.wmbus_frames_file).c_str());
    std::stringstream text;
    text << file.rdbuf();
    std::string error;
    auto parsed = gateway_sim::Parse_Wireless_Frames(text.str(), error);
    if (!parsed) return Usage((options.wmbus_frames_file + ", " + error).c_str());
    radio_frames = std::move(*parsed);
  }
  if (options.frame_interval_ms < 1) return Usage("--frame-interval must be at least 1");
  if (options.delay_ms < 0) return Usage("--delay must not be negative");
  gateway_sim::Radio_Module_Sim radio(options.radiocrafts, std::move(radio_frames));

  const int sock = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(options.port));
  if (sock < 0 || inet_pton(AF_INET, options.bind.c_str(), &address.sin_addr) != 1 ||
      bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    std::cerr << "gateway-sim: cannot bind " << options.bind << ":" << options.port << ": " << std::strerror(errno)
              << "\n";
    return 1;
  }
  socklen_t length = sizeof address;
  getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length);
  std::cout << "port " << ntohs(address.sin_port) << std::endl;

  Gateway gateway_state(options, gateway_sim::MBus_Line(std::move(meters)), radio);
  std::string answer;
  char buffer[8192];
  // The scan that last spoke to the gateway: where received radio frames go.
  sockaddr_in last_peer{};
  socklen_t last_peer_length = 0;
  for (;;) {
    // While the module receives, a frame goes out whenever no datagram came for one interval.
    pollfd wait{sock, POLLIN, 0};
    const int ready = poll(&wait, 1, radio.Receiving() ? options.frame_interval_ms : -1);
    if (ready == 0) {
      const std::string frame = radio.Next_Frame();
      if (!frame.empty() && last_peer_length > 0) {
        if (options.verbose) std::cerr << "~> " << Hex(frame) << "\n";
        sendto(sock, frame.data(), frame.size(), 0, reinterpret_cast<sockaddr*>(&last_peer), last_peer_length);
      }
      continue;
    }
    sockaddr_in peer{};
    socklen_t peer_length = sizeof peer;
    // MSG_TRUNC gives the datagram's real length: a longer one is cut, and said so.
    ssize_t n = recvfrom(sock, buffer, sizeof buffer, MSG_TRUNC, reinterpret_cast<sockaddr*>(&peer), &peer_length);
    if (n < 0) {
      if (errno == EINTR) continue;
      std::cerr << "gateway-sim: receive failed: " << std::strerror(errno) << "\n";
      return 1;
    }
    if (static_cast<size_t>(n) > sizeof buffer) {
      std::cerr << "gateway-sim: a datagram of " << n << " bytes was cut to its first " << sizeof buffer << " bytes\n";
      n = static_cast<ssize_t>(sizeof buffer);
    }
    last_peer = peer;
    last_peer_length = peer_length;
    const std::string in(buffer, static_cast<size_t>(n));
    int delay_ms = 0;
    gateway_state.Handle(in, answer, delay_ms);
    if (options.verbose) std::cerr << "<- " << Hex(in) << "\n-> " << Hex(answer) << "\n";
    if (answer.empty()) continue;
    if (delay_ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
    sendto(sock, answer.data(), answer.size(), 0, reinterpret_cast<sockaddr*>(&peer), peer_length);
  }
}
