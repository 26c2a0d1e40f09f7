#include "outputs/update/device_ping.h"

#include <chrono>

namespace {
constexpr int kEchoTimeoutMs = 400;
constexpr int64_t kGiveUpAfterMs = 5000;
constexpr int kRepliesNeeded = 2;
}  // namespace

Ping_Clock Default_Ping_Clock() {
  return {[] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::steady_clock::now().time_since_epoch())
                .count();
          },
          [] {}};
}

Ping_Outcome Send_Ping(Echo_Client& client, const QString& host, const Ping_Clock& clock) {
  Ping_Outcome outcome;
  const int64_t start = clock.now_ms();
  int replies = 0;
  bool last_had_data = false;
  for (;;) {
    const Echo_Outcome echo = client.Echo(host, host.toLatin1(), kEchoTimeoutMs);
    if (echo == Echo_Outcome::Failed) {
      outcome.success = false;  // ping_res stays as it stood
      return outcome;
    }
    outcome.ping_res = echo == Echo_Outcome::Reply_With_Data ? 1 : 2;
    last_had_data = outcome.ping_res == 1;
    if (last_had_data) ++replies;
    if (clock.process_events) clock.process_events();
    if (replies >= kRepliesNeeded || clock.now_ms() - start > kGiveUpAfterMs) break;
  }
  outcome.success = last_had_data;
  return outcome;
}
