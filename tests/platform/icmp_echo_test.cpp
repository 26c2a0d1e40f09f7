#include "platform/icmp_echo.h"

#include <gtest/gtest.h>

namespace {

TEST(IcmpEcho, LoopbackAnswersWithData) {
  Icmp_Echo_Client client;
  const Echo_Outcome outcome = client.Echo("127.0.0.1", QByteArray(1024, 'x'), 400);
  if (outcome == Echo_Outcome::Failed) GTEST_SKIP() << "this machine allows no ICMP socket to this user";
  EXPECT_EQ(outcome, Echo_Outcome::Reply_With_Data);
}

TEST(IcmpEcho, AddressThatIsNotDottedIpv4Fails) {
  Icmp_Echo_Client client;
  for (const char* host : {"192.168.a.1", "", "300.1.1.1", "localhost"})
    EXPECT_EQ(client.Echo(host, "x", 100), Echo_Outcome::Failed) << host;
}

}  // namespace
