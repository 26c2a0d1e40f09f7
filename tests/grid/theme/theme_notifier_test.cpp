#include "grid/theme/theme_notifier.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <functional>

#include "grid/theme/office_theme.h"
#include "grid/theme/registry_ini.h"
#include "support/temp_dir.h"

namespace {

QCoreApplication& App() {
  static int argc = 1;
  static char name[] = "theme_notifier_test";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

bool Wait_Until(const std::function<bool()>& done, int ms = 3000) {
  QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

// Counts the theme-change events a control receives.
class Control : public QObject {
 public:
  int changes = 0;
  QString key;
  bool event(QEvent* e) override {
    if (e->type() == Theme_Change_Event::Event_Type()) {
      ++changes;
      key = static_cast<Theme_Change_Event*>(e)->Key();
    }
    return QObject::event(e);
  }
};

class Notifier_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    registry_ini::Override_Root(dir_.Path());
  }
  void TearDown() override { registry_ini::Override_Root({}); }
  Temp_Dir dir_;
};

TEST_F(Notifier_Test, WithoutOffice2007Or2010ThereIsNoMonitor) {
  dir_.Write("Software/Microsoft/Office/11.0/Common/General.ini", "");
  TThemeNotifier notifier(nullptr);
  EXPECT_EQ(notifier.RegMonitorThread(), nullptr);
  Control control;
  notifier.RegisterWindow(&control);  // nothing happens
  notifier.UnRegisterWindow(&control);
}

TEST_F(Notifier_Test, ThemeChangeReachesTheNotifierAndEveryRegisteredControlOnce) {
  dir_.Write("Software/Microsoft/Office/12.0/Common/General.ini", "");
  const QString theme_file = dir_.Write("Software/Microsoft/Office/12.0/Common.ini", "Theme=1\n");
  QObject owner;
  TThemeNotifier* notifier = ThemeNotifierInstance(&owner);
  EXPECT_EQ(ThemeNotifierInstance(&owner), notifier);
  ASSERT_NE(notifier->RegMonitorThread(), nullptr);
  EXPECT_EQ(notifier->RegMonitorThread()->Key(), QString::fromLatin1(kOffice2007ThemeKey));
  EXPECT_EQ(notifier->RegMonitorThread()->Filter(), 4);
  EXPECT_TRUE(notifier->RegMonitorThread()->Running());

  int fired = 0;
  QObject* sender = nullptr;
  notifier->OnOfficeThemeChange = [&](QObject* s) {
    ++fired;
    sender = s;
  };
  Control first, second;
  notifier->RegisterWindow(&first);
  notifier->RegisterWindow(&first);
  notifier->RegisterWindow(&second);
  EXPECT_EQ(notifier->RegMonitorThread()->WinList().Count(), 2);

  dir_.Write("Software/Microsoft/Office/12.0/Common.ini", "Theme=3\n");
  ASSERT_TRUE(Wait_Until([&] { return first.changes > 0 && second.changes > 0; }));
  EXPECT_EQ(ReadOfficeThemeSetting(), ot2007Black);
  EXPECT_EQ(first.changes, second.changes);
  EXPECT_GE(fired, 1);
  EXPECT_EQ(sender, notifier);
  EXPECT_EQ(first.key, QString::fromLatin1(kOffice2007ThemeKey));

  // A file replaced by a rename is still watched; an unregistered control
  // hears nothing more.
  notifier->UnRegisterWindow(&second);
  const int second_before = second.changes;
  const int first_before = first.changes;
  const QString replacement = dir_.Write("Software/Microsoft/Office/12.0/new.tmp", "Theme=2\n");
  QFile::remove(theme_file);
  ASSERT_TRUE(QFile::rename(replacement, theme_file));
  ASSERT_TRUE(Wait_Until([&] { return first.changes > first_before; }));
  EXPECT_EQ(second.changes, second_before);

  // A neighbouring key's change is not a theme change.
  Wait_Until([] { return false; }, 200);
  const int settled = first.changes;
  dir_.Write("Software/Microsoft/Office/12.0/Other.ini", "X=1\n");
  Wait_Until([] { return false; }, 300);
  EXPECT_EQ(first.changes, settled);

  // The destroyed notifier is forgotten: the next request makes a working
  // one instead of handing out a dangling pointer (ASan watches this).
  delete notifier;
  TThemeNotifier* again = ThemeNotifierInstance(&owner);
  again->RegisterWindow(&first);
  EXPECT_EQ(again->RegMonitorThread()->WinList().Count(), 1);
}

TEST_F(Notifier_Test, MonitorOfAMissingKeyStaysSilentWithItsReason) {
  TRegMonitor monitor;
  monitor.Set_Key(QStringLiteral("Software\\Nothing\\Here"));
  EXPECT_EQ(monitor.Filter(), 15);
  EXPECT_FALSE(monitor.Start());
  EXPECT_FALSE(monitor.Running());
  EXPECT_EQ(monitor.Error(), QStringLiteral("Unable to open registry key Software\\Nothing\\Here"));
}

}  // namespace
