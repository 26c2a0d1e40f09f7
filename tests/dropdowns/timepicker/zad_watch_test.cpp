#include "dropdowns/timepicker/zad_watch.h"

#include <QImage>
#include <QTest>
#include <memory>

namespace {

TDateTime At(int H, int M, int S = 0) { return Encode_Time(QTime(H, M, S)); }
QString Shown(const TZadWatch& W) { return Time_Of(W.CurrentTime()).toString(QStringLiteral("HH:mm:ss")); }

// A shown 180 x 180 watch with a fixed clock, no pauses in the label's roll
// and a count of its change notices.
struct Fixture {
  Fixture() {
    watch = std::make_unique<TZadWatch>();
    watch->resize(180, 180);
    watch->Now = [this] { return now; };
    watch->Pause = [](int) {};
    watch->OnChange = [this](TZadWatch*) { ++changes; };
    watch->show();
    (void)QTest::qWaitForWindowExposed(watch.get());
  }
  // Runs a started hand animation to its end; the minutes after each tick.
  std::vector<int> Run() {
    std::vector<int> minutes;
    for (int i = 0; watch->Animating() && i < 500; ++i) {
      watch->AnimationTimerTick();
      minutes.push_back(Time_Of(watch->Time()).minute());
    }
    return minutes;
  }
  void Click(QPoint P) {
    QTest::mouseClick(watch.get(), Qt::LeftButton, {}, P);
    Run();
  }

  std::unique_ptr<TZadWatch> watch;
  TDateTime now = At(10, 0);
  int changes = 0;
};

}  // namespace

class Zad_Watch_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void geometryOfTheDefaultWatch() {
    Fixture f;
    QCOMPARE(f.watch->GetWatchRect(), (TRect{10, 10, 170, 170}));
    QCOMPARE(f.watch->GetWatchCenter(), QPoint(90, 90));
    QCOMPARE(f.watch->GetRadius(), 80);
    QVERIFY(TZadWatch::IsInsideEllipse(QPoint(150, 90), f.watch->GetWatchRect()));
    QVERIFY(!TZadWatch::IsInsideEllipse(QPoint(177, 3), f.watch->GetWatchRect()));
    QVERIFY(!TZadWatch::IsInsideEllipse(QPoint(20, 20), f.watch->GetWatchRect()));
    const TRect label = f.watch->GetAMPMRect();
    QVERIFY(label.Left < 90 && label.Right > 90 && label.Top > 90);
    f.watch->SetShowAMPM(false);
    QCOMPARE(f.watch->GetAMPMRect(), (TRect{-1, -1, -1, -1}));
  }

  void clicks_data() {
    QTest::addColumn<int>("start_hour");
    QTest::addColumn<int>("start_minute");
    QTest::addColumn<bool>("animation");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three o'clock, morning") << 0 << 0 << true << QPoint(150, 90) << "03:00:00";
    QTest::newRow("three o'clock, afternoon") << 12 << 0 << true << QPoint(150, 90) << "15:00:00";
    QTest::newRow("three o'clock, unanimated") << 20 << 10 << false << QPoint(150, 90) << "15:10:00";
    QTest::newRow("outside the dial: minute 7") << 10 << 30 << true << QPoint(177, 3) << "10:07:00";
    QTest::newRow("outside, unanimated") << 10 << 30 << false << QPoint(177, 3) << "10:07:00";
  }
  void clicks() {
    QFETCH(int, start_hour);
    QFETCH(int, start_minute);
    QFETCH(bool, animation);
    QFETCH(QPoint, at);
    QFETCH(QString, expected);
    Fixture f;
    f.watch->SetAnimation(animation);
    f.watch->SetTime(At(start_hour, start_minute));
    QCOMPARE(f.changes, 0);
    f.Click(at);
    QCOMPARE(Shown(*f.watch), expected);
    // One notice per completed change, animated or not.
    QCOMPARE(f.changes, 1);
  }

  void labelClickSwitchesTheHalfOfTheDay() {
    Fixture f;
    f.watch->SetTime(At(9, 30));
    QVERIFY(f.watch->AM());
    const TRect label = f.watch->GetAMPMRect();
    // The label rolls one pixel per pause, as tall as its inside.
    int pauses = 0;
    f.watch->Pause = [&](int ms) {
      QCOMPARE(ms, 10);
      if (++pauses == label.Height() / 2 && qEnvironmentVariableIsSet("WATCH_SHOT"))
        f.watch->grab().save(qEnvironmentVariable("WATCH_SHOT") + "/watch_label_roll.png");
    };
    f.Click(QPoint((label.Left + label.Right) / 2, (label.Top + label.Bottom) / 2));
    QCOMPARE(Shown(*f.watch), QStringLiteral("21:30:00"));
    QVERIFY(!f.watch->AM());
    QCOMPARE(f.changes, 1);
    QCOMPARE(pauses, label.Height() - 2);
    f.Click(QPoint((label.Left + label.Right) / 2, (label.Top + label.Bottom) / 2));
    QCOMPARE(Shown(*f.watch), QStringLiteral("09:30:00"));
    QVERIFY(f.watch->AM());
  }

  void keys_data() {
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Right at 10:59") << 10 << 59 << int(Qt::Key_Right) << "11:00:00";
    QTest::newRow("Right at 23:59") << 23 << 59 << int(Qt::Key_Right) << "00:00:00";
    QTest::newRow("Left at 11:00") << 11 << 0 << int(Qt::Key_Left) << "10:59:00";
    QTest::newRow("Left at 00:00") << 0 << 0 << int(Qt::Key_Left) << "23:59:00";
    QTest::newRow("Left at 11:30") << 11 << 30 << int(Qt::Key_Left) << "11:29:00";
    QTest::newRow("End at 10:45") << 10 << 45 << int(Qt::Key_End) << "11:00:00";
    QTest::newRow("End at 10:15") << 10 << 15 << int(Qt::Key_End) << "10:00:00";
    QTest::newRow("Home") << 4 << 20 << int(Qt::Key_Home) << "12:20:00";
    QTest::newRow("Page Up") << 4 << 20 << int(Qt::Key_PageUp) << "05:20:00";
    QTest::newRow("Page Up at 23") << 23 << 20 << int(Qt::Key_PageUp) << "00:20:00";
    QTest::newRow("Page Down at 0") << 0 << 20 << int(Qt::Key_PageDown) << "23:20:00";
    QTest::newRow("A in the afternoon") << 15 << 5 << int(Qt::Key_A) << "03:05:00";
    QTest::newRow("A in the morning") << 3 << 5 << int(Qt::Key_A) << "03:05:00";
    QTest::newRow("P in the morning") << 3 << 5 << int(Qt::Key_P) << "15:05:00";
  }
  void keys() {
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, key);
    QFETCH(QString, expected);
    for (bool animation : {true, false}) {
      Fixture f;
      f.watch->SetAnimation(animation);
      f.watch->SetTime(At(hour, minute));
      f.watch->ProcessKey(key);
      f.Run();
      QCOMPARE(Shown(*f.watch), expected);
      QCOMPARE(f.changes, Shown(*f.watch) == Time_Of(At(hour, minute)).toString("HH:mm:ss") ? 0 : 1);
    }
  }

  void animatedMinuteStepsAndNotifiesOnce() {
    Fixture f;
    f.watch->SetTime(At(10, 5));
    f.watch->SetMinute(45);
    QVERIFY(f.watch->Animating());
    QCOMPARE(Shown(*f.watch), QStringLiteral("10:05:00"));
    const std::vector<int> minutes = f.Run();
    QVERIFY(minutes.size() > 10);
    QCOMPARE(minutes[0], 9);
    QCOMPARE(minutes[1], 13);
    QCOMPARE(minutes[2], 16);
    QCOMPARE(minutes.back(), 45);
    for (size_t i = 1; i < minutes.size(); ++i) QVERIFY(minutes[i] >= minutes[i - 1]);
    QCOMPARE(f.changes, 1);
    // Backwards from 10:45 to 5 past, without touching the hour.
    f.watch->SetMinute(5);
    const std::vector<int> back = f.Run();
    QVERIFY(back.front() < 45);
    QCOMPARE(Shown(*f.watch), QStringLiteral("10:05:00"));
    QCOMPARE(f.changes, 2);
  }

  void aChangeOfTheOtherHandLetsTheFirstArrive() {
    Fixture f;
    f.watch->SetTime(At(10, 30));
    QTest::mouseClick(f.watch.get(), Qt::LeftButton, {}, QPoint(150, 90));
    f.watch->AnimationTimerTick();
    QVERIFY(f.watch->Animating());
    QTest::mouseClick(f.watch.get(), Qt::LeftButton, {}, QPoint(177, 3));
    f.Run();
    QCOMPARE(Shown(*f.watch), QStringLiteral("03:07:00"));
    QCOMPARE(f.changes, 2);
  }

  void rejectedAndUnchangedValues() {
    Fixture f;
    f.watch->SetTime(At(10, 5));
    bool threw = false;
    try {
      f.watch->SetMinute(60);
    } catch (const std::exception& e) {
      threw = QString::fromLatin1(e.what()) == QStringLiteral("Invalid time");
    }
    QVERIFY(threw);
    f.watch->SetHour(24);
    f.watch->SetHour(200);
    f.watch->SetHour(10);
    f.watch->SetMinute(5);
    f.watch->SetTime(At(10, 5));
    QVERIFY(!f.watch->Animating());
    QCOMPARE(Shown(*f.watch), QStringLiteral("10:05:00"));
    QCOMPARE(f.changes, 0);
    // A factor below 1 still moves the hand (in one step).
    f.watch->SetAnimationFactor(0);
    f.watch->SetHour(20);
    f.Run();
    QCOMPARE(Shown(*f.watch), QStringLiteral("20:05:00"));
  }

  void liveClockShowsTheOffsetAndIgnoresInput() {
    Fixture f;
    f.now = Encode_Time(QTime(10, 15, 30));
    f.watch->SetTime(At(4, 0));
    f.watch->Settings().SetTimeOffset(60);
    f.watch->Settings().SetAuto(true);
    QVERIFY(f.watch->ClockRunning());
    QCOMPARE(Shown(*f.watch), QStringLiteral("11:15:30"));
    f.Click(QPoint(150, 90));
    f.watch->ProcessKey(Qt::Key_PageUp);
    f.Run();
    QCOMPARE(Shown(*f.watch), QStringLiteral("11:15:30"));
    QCOMPARE(f.changes, 0);
    f.now = Encode_Time(QTime(23, 30, 0));
    QCOMPARE(Shown(*f.watch), QStringLiteral("00:30:00"));
    f.watch->Settings().SetAuto(false);
    QVERIFY(!f.watch->ClockRunning());
  }

  void handsMoveWithoutRepaintingTheFace() {
    Fixture f;
    f.watch->SetTime(At(3, 0));
    f.watch->grab();
    const int faces = f.watch->FacePaintCount();
    QVERIFY(faces >= 1);
    f.watch->SetTime(At(3, 20));
    f.watch->grab();
    QCOMPARE(f.watch->FacePaintCount(), faces);
    f.watch->Appearance().SetBackgroundColor(0x00FFFF);
    f.watch->grab();
    QCOMPARE(f.watch->FacePaintCount(), faces + 1);
  }

  void paintsDialHandsAndCentre() {
    Fixture f;
    f.watch->SetTime(At(3, 0));
    f.watch->Appearance().SetHourPointerShadow(clNone);
    f.watch->Appearance().SetMinutePointerShadow(clNone);
    f.watch->Appearance().SetHourPointer(0x0000FF);    // red
    f.watch->Appearance().SetMinutePointer(0xFF0000);  // blue
    const QImage image = f.watch->grab().toImage();
    // Hour hand along the horizontal to the right, minute hand straight up.
    QCOMPARE(QColor(image.pixel(115, 90)), QColor(Qt::red));
    QCOMPARE(QColor(image.pixel(90, 50)), QColor(Qt::blue));
    // The dial is white inside, the corners show the background behind it.
    QCOMPARE(QColor(image.pixel(60, 130)), QColor(Qt::white));
    QVERIFY(QColor(image.pixel(2, 2)) != QColor(Qt::white) || f.watch->palette().color(QPalette::Window) == Qt::white);
    // The border runs through the dial's edge at nine o'clock.
    QCOMPARE(QColor(image.pixel(11, 90)), QColor(Qt::black));
    if (qEnvironmentVariableIsSet("WATCH_SHOT")) image.save(qEnvironmentVariable("WATCH_SHOT") + "/watch.png");
  }

  void stylesAndLooks() {
    Fixture f;
    f.watch->Appearance().SetBackgroundColor(0x123456);
    // The look it already has: nothing is reset.
    f.watch->SetStyle(wsClassic);
    QCOMPARE(f.watch->Appearance().BackgroundColor(), TColor(0x123456));
    f.watch->SetStyle(wsSuperNova);
    QCOMPARE(int(f.watch->Appearance().HourMarkLength()), 40);
    QCOMPARE(int(f.watch->Appearance().MinuteMarkLength()), 60);
    QVERIFY(!f.watch->ShowAMPM());
    QVERIFY(!f.watch->ShowNumbers());
    f.watch->SetStyle(wsSports);
    QCOMPARE(int(f.watch->Appearance().CenterPointSize()), 50);
    f.watch->SetComponentStyle(tsOffice2003Classic);
    QCOMPARE(f.watch->Appearance().BackgroundColor(), TColor(0xF2F2F2));
    QCOMPARE(f.watch->Appearance().SecondPointer(), TColor(0x808080));
  }

  // Not a check: with WATCH_SHOT set to a folder, saves one picture of every
  // look (at 10:08:30 on the live clock) to look at.
  void looksGallery() {
    if (!qEnvironmentVariableIsSet("WATCH_SHOT")) QSKIP("WATCH_SHOT not set");
    QWidget sheet;
    sheet.resize(4 * 190, 3 * 190);
    std::vector<TZadWatch*> watches;
    for (int s = wsClassic; s <= wsSmooth; ++s) {
      auto* w = new TZadWatch(&sheet);
      w->setGeometry((s % 4) * 190, (s / 4) * 190, 180, 180);
      w->Now = [] { return Encode_Time(QTime(22, 8, 30)); };
      w->SetStyle(wsSmooth);
      w->SetStyle(static_cast<TWatchStyle>(s));
      w->Settings().SetAuto(true);
      watches.push_back(w);
    }
    sheet.show();
    (void)QTest::qWaitForWindowExposed(&sheet);
    sheet.grab().save(qEnvironmentVariable("WATCH_SHOT") + "/watch_looks.png");
  }
};

QTEST_MAIN(Zad_Watch_Test)
#include "zad_watch_test.moc"
