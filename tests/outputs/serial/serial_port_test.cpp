// The serial component against a pseudo-terminal pair: the component opens the
// terminal side, the test plays the device on the controlling side.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "outputs/serial/comm.h"
#include "support/temp_dir.h"

namespace {

class Pty_Pair {
 public:
  Pty_Pair() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) throw std::runtime_error("no pty");
    path_ = QString::fromLocal8Bit(ptsname(master_));
    fcntl(master_, F_SETFL, O_NONBLOCK);
  }
  ~Pty_Pair() { close(master_); }
  const QString& Path() const { return path_; }
  // Reads what the component sent, waiting up to a second for `count` bytes.
  QByteArray Read(int count) {
    QByteArray out;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (out.size() < count && std::chrono::steady_clock::now() < end) {
      pollfd fd{master_, POLLIN, 0};
      poll(&fd, 1, 50);
      char buf[256];
      const ssize_t n = read(master_, buf, sizeof buf);
      if (n > 0) out.append(buf, n);
    }
    return out;
  }
  void Write(const QByteArray& bytes) { ASSERT_EQ(write(master_, bytes.constData(), bytes.size()), bytes.size()); }

 private:
  int master_ = -1;
  QString path_;
};

std::string Error_Text(const std::function<void()>& action) {
  try {
    action();
  } catch (const ECommError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(Serial_Port, Defaults_And_Closed_State) {
  TComm comm;
  EXPECT_EQ(comm.DeviceName(), "Com2");
  EXPECT_EQ(comm.ReadTimeout(), 1000);
  EXPECT_EQ(comm.WriteTimeout(), 1000);
  EXPECT_EQ(comm.ReadBufSize(), 4096);
  EXPECT_EQ(comm.WriteBufSize(), 2048);
  EXPECT_EQ(comm.BaudRate(), TBaudrate::br9600);
  EXPECT_EQ(comm.FlowControl(), TFlowControl::fcDefault);
  EXPECT_TRUE(comm.MonitorEvents() == kAll_Comm_Events);
  EXPECT_EQ(comm.EventChars().XonChar(), 17);
  EXPECT_EQ(comm.EventChars().XoffChar(), 19);
  EXPECT_FALSE(comm.Enabled());
  EXPECT_EQ(comm.InQueCount(), -1);
  EXPECT_EQ(comm.OutQueCount(), -1);
  EXPECT_FALSE(comm.CTS());
  EXPECT_FALSE(comm.RLSD());
  EXPECT_EQ(Error_Text([&] { comm.SetDTRState(true); }), "Port not open, unable to complete operation (Error: -1) ");
  comm.Close();  // closing a closed port does nothing
  comm.PurgeIn();
}

TEST(Serial_Port, Open_Errors) {
  TComm comm;
  comm.SetDeviceName("/nonexistent/ttyS99");
  EXPECT_EQ(Error_Text([&] { comm.Open(); }), "Error accessing specified device (Error: 2) ");
  EXPECT_FALSE(comm.Enabled());

  Temp_Dir dir;
  comm.SetDeviceName(dir.Write("plain.txt", "x"));
  EXPECT_EQ(Error_Text([&] { comm.Open(); }), "Invalid device handle, access denied (Error: -1) ");
  EXPECT_FALSE(comm.Enabled());
}

TEST(Serial_Port, Write_And_Read_Through_Pty) {
  Pty_Pair pty;
  TComm comm;
  comm.SetDeviceName(pty.Path());
  comm.SetBaudRate(TBaudrate::br115200);
  comm.SetFlowControl(TFlowControl::fcNone);  // XON/XOFF bytes must pass as data
  comm.Open();
  ASSERT_TRUE(comm.Enabled());
  EXPECT_EQ(Error_Text([&] { comm.Open(); }), "Port already assigned (open) (Error: -1) ");

  EXPECT_EQ(comm.Write("ABC", 3), 3);
  EXPECT_EQ(pty.Read(3), QByteArray("ABC"));

  char buf[16];
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(comm.Read(buf, sizeof buf), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));

  // Bytes that would be translated in a cooked terminal come through unchanged.
  const QByteArray binary("\x0d\x0a\x03\x11\x13\x00\xff", 7);
  pty.Write(binary);
  QByteArray got;
  for (int i = 0; i < 100 && got.size() < binary.size(); ++i) {
    const int n = comm.Read(buf, sizeof buf);
    got.append(buf, n);
    if (n == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(got.toHex(), binary.toHex());
  comm.Close();
  EXPECT_FALSE(comm.Enabled());
  EXPECT_EQ(Error_Text([&] { comm.Write("A", 1); }), "Write error (Error: 9) ");
}

TEST(Serial_Port, Port_Is_Exclusive) {
  Pty_Pair pty;
  TComm first;
  first.SetDeviceName(pty.Path());
  first.Open();
  TComm second;
  second.SetDeviceName(pty.Path());
  EXPECT_NE(Error_Text([&] { second.Open(); }).find("Error accessing specified device"), std::string::npos);
  first.Close();
  second.Open();
  EXPECT_TRUE(second.Enabled());
}

TEST(Serial_Port, Driver_Settings_Change_Only_While_Closed) {
  Pty_Pair pty;
  TComm comm;
  comm.SetDeviceName(pty.Path());
  comm.Open();
  comm.SetDeviceName(pty.Path());  // the same name: nothing to change
  EXPECT_EQ(Error_Text([&] { comm.SetDeviceName("/dev/ttyS7"); }), "Port already assigned (open) (Error: -1) ");
  EXPECT_EQ(Error_Text([&] { comm.SetReadBufSize(100); }), "Port already assigned (open) (Error: -1) ");
  EXPECT_EQ(Error_Text([&] { comm.SetMonitorEvents({TCommEventType::evRxChar}); }),
            "Port already assigned (open) (Error: -1) ");
  EXPECT_EQ(comm.DeviceName(), pty.Path());
  EXPECT_EQ(comm.ReadBufSize(), 4096);
  comm.Close();
  comm.SetReadBufSize(100);
  EXPECT_EQ(comm.ReadBufSize(), 100);
}

TEST(Serial_Port, Control_Block_Follows_Properties) {
  Pty_Pair pty;
  TComm comm;
  comm.SetDeviceName(pty.Path());
  comm.Open();
  EXPECT_EQ(comm.DCB().XonLim, 1024);
  EXPECT_EQ(comm.DCB().XoffLim, 1024);
  EXPECT_EQ(comm.DCB().BaudRate, 9600);

  comm.SetBaudRate(TBaudrate::br2400);
  // Parity and data bits are left out: some kernels refuse them on pseudo-terminals.
  comm.SetStopbits(TStopbits::sb20);
  comm.SetFlowControl(TFlowControl::fcSoftware);
  comm.EventChars().SetXonChar(0x21);
  EXPECT_EQ(comm.DCB().BaudRate, 2400);
  EXPECT_EQ(comm.DCB().Stopbits, TStopbits::sb20);
  EXPECT_EQ(comm.DCB().ByteSize, 8);
  EXPECT_TRUE(comm.DCB().OutX && comm.DCB().InX);
  EXPECT_EQ(comm.DCB().XonChar, 0x21);
  comm.SetFlowControl(TFlowControl::fcNone);
  EXPECT_FALSE(comm.DCB().OutX || comm.DCB().InX || comm.DCB().OutxCtsFlow);
}

TEST(Serial_Port, Settings_Linux_Cannot_Express_Are_Refused) {
  struct Row {
    const char* name;
    std::function<void(TComm&)> set;
  };
  const Row rows[] = {
      {"14400 baud", [](TComm& c) { c.SetBaudRate(TBaudrate::br14400); }},
      {"4 data bits", [](TComm& c) { c.SetDatabits(TDatabits::da4); }},
      {"1.5 stop bits", [](TComm& c) { c.SetStopbits(TStopbits::sb15); }},
      {"DTR flow", [](TComm& c) { c.SetFlowControl(TFlowControl::fcDTR); }},
      {"null strip", [](TComm& c) { c.SetOptions({TCommOption::coNullStrip}); }},
  };
  Pty_Pair pty;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TComm comm;
    comm.SetDeviceName(pty.Path());
    comm.Open();
    EXPECT_EQ(Error_Text([&] { row.set(comm); }), "Error updating DataControlBlock (Error: 22) ");
    EXPECT_EQ(comm.DCB().BaudRate, 9600);
    EXPECT_TRUE(comm.Enabled());
    comm.Close();
    // Stored while closed, refused at open, and the port is not left half-open.
    row.set(comm);
    EXPECT_EQ(Error_Text([&] { comm.Open(); }), "Error updating DataControlBlock (Error: 22) ");
    EXPECT_FALSE(comm.Enabled());
  }
}

TEST(Serial_Port, Rx_Char_Event_Reports_Waiting_Bytes) {
  Pty_Pair pty;
  TComm comm;
  std::atomic<int> reported{0};
  comm.OnRxChar = [&](TCustomComm* sender, int32_t count) {
    EXPECT_EQ(sender, &comm);
    reported = count;
  };
  comm.SetDeviceName(pty.Path());
  comm.Open();
  pty.Write("hello");
  for (int i = 0; i < 100 && reported == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(reported.load(), 5);
  EXPECT_EQ(comm.InQueCount(), 5);
  comm.PurgeIn();
  EXPECT_EQ(comm.InQueCount(), 0);
}

}  // namespace
