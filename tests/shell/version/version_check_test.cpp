#include "shell/version/version_check.h"

#include <gtest/gtest.h>

#include <chrono>

#include "shell/core/device_profile.h"
#include "support/http_test_server.h"

namespace {

TEST(ConvVersion, ReadsFirstThirdFourthAndFifthCharacters) {
  const struct {
    const char* text;
    int expected;
  } rows[] = {{"VER. 2.004", 2004},
              {"2.003", 2003},
              {"VER. 12.000", -1},
              {"VER. 2.0", -1},
              {"", -1},
              {"VER. 2.0a4", -1},
              {"VER. 1.23456", 1234},
              {"  VER. 3.007", -1} /* the first blank is the leading one */,
              {"VER. +.123", -1}};
  for (const auto& row : rows) EXPECT_EQ(Conv_Version(row.text), row.expected) << row.text;
}

TEST(ConvVersion, NewerOnlyWhenBothReadAndRemoteIsHigher) {
  EXPECT_TRUE(Is_Newer_Version("VER. 2.004", "2.003"));
  EXPECT_TRUE(Is_Newer_Version(" ver. 2.004\r\n", "2.003"));
  EXPECT_FALSE(Is_Newer_Version("VER. 2.003", "2.003"));
  EXPECT_FALSE(Is_Newer_Version("ver. 0.000", "2.003"));
  EXPECT_FALSE(Is_Newer_Version("12.000", "2.003"));
  EXPECT_FALSE(Is_Newer_Version("", "2.003"));
}

TEST(WebLinks, AddressesPerDeviceType) {
  Override_Web_Server_Base("http://host");
  EXPECT_EQ(Version_Query_Url(6), "http://host/home/download/GetversionSW.asp?nomesw=SW58221");
  EXPECT_EQ(Download_Page_Url(6), "http://host/Home/download/download.asp#HD58221");
  EXPECT_EQ(Product_Page_Url(4), "http://host/HOME/default.asp?frompg=SW58287");
  EXPECT_EQ(Link_Label_Text("http://x", "New"), "<a href=\"http://x\">New</a>");
  Override_Web_Server_Base({});
}

class CheckVersionAgainstServer : public ::testing::Test {
 protected:
  void SetUp() override {
    Override_Device_Type(6);
    Override_Web_Server_Base(QString::fromStdString(server_.Base_Url()));
  }
  void TearDown() override {
    Override_Web_Server_Base({});
    Override_Device_Type(0);
  }
  Http_Test_Server server_;
};

TEST_F(CheckVersionAgainstServer, SendsThePlainHttp10Query) {
  server_.Set_Answer(200, "VER. 2.004");
  EXPECT_TRUE(Check_Version());
  const std::string request = server_.Last_Request();
  EXPECT_EQ(request.rfind("GET /home/download/GetversionSW.asp?nomesw=SW58221 HTTP/1.0\r\n", 0), 0u) << request;
  EXPECT_NE(request.find("Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"), std::string::npos);
  EXPECT_NE(request.find("User-Agent: Mozilla/3.0 (compatible; Indy Library)"), std::string::npos);
  EXPECT_EQ(request.find("Cookie"), std::string::npos);
}

TEST_F(CheckVersionAgainstServer, AnswersThatAreNotNewer) {
  for (const char* body : {"VER. 2.003", "ver. 0.000", "12.000", ""}) {
    server_.Set_Answer(200, body);
    EXPECT_FALSE(Check_Version()) << body;
    const Version_Check check = Check_Version_Answer();
    EXPECT_EQ(check.outcome, Version_Check::Outcome::Not_Newer) << body;
    EXPECT_TRUE(check.error.isEmpty()) << body;
  }
  server_.Set_Answer(200, "VER. 2.004");
  EXPECT_EQ(Check_Version_Answer().outcome, Version_Check::Outcome::Newer);
}

// A check that gets no answer is a failed check with the reason, never "no
// newer version".
TEST_F(CheckVersionAgainstServer, AnswersThatAreNoAnswerFailTheCheck) {
  const struct {
    int status;
    std::string body;
    const char* reason;
  } rows[] = {
      {404, "VER. 9.999", "404"},
      {500, "", "500"},
      {200, std::string(100000, '9'), "longer than 4096 bytes"},
  };
  for (const auto& row : rows) {
    server_.Set_Answer(row.status, row.body);
    EXPECT_FALSE(Check_Version()) << row.status;
    const Version_Check check = Check_Version_Answer();
    EXPECT_EQ(check.outcome, Version_Check::Outcome::Failed) << row.status;
    EXPECT_TRUE(check.error.contains(row.reason)) << check.error.toStdString();
  }
}

TEST(CheckVersion, RefusedConnectionFailsTheCheck) {
  int closed_port = 0;
  {
    Http_Test_Server probe;
    closed_port = probe.Port();
  }
  Override_Web_Server_Base(QStringLiteral("http://127.0.0.1:%1").arg(closed_port));
  EXPECT_FALSE(Check_Version());
  const Version_Check check = Check_Version_Answer();
  EXPECT_EQ(check.outcome, Version_Check::Outcome::Failed);
  EXPECT_TRUE(check.error.contains(QString::number(closed_port))) << check.error.toStdString();
  Override_Web_Server_Base({});
}

TEST_F(CheckVersionAgainstServer, SilentServerTimesOut) {
  server_.Set_Mode(Http_Test_Server::Mode::Silent);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(Check_Version());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
  server_.Set_Mode(Http_Test_Server::Mode::Answer);
}

}  // namespace
