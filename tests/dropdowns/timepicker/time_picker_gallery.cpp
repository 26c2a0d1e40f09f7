// A window to look at and work the time picker under X (not a test): two
// pickers (the second with the time picker under its watch) and a line
// showing their times. Run it with a display and click, or drive it with
// xdotool; it prints the times on stdout when it closes.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstdio>

#include "dropdowns/timepicker/zad_time_picker_drop_down.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Time picker"));
  window.setGeometry(0, 0, 420, 320);
  auto* plain = Create_Drop_Down<TZadTimePickerDropDown>(&window);
  plain->setGeometry(20, 20, 120, 21);
  plain->SetTime(Encode_Time(QTime(10, 20, 0)));
  auto* with_picker = Create_Drop_Down<TZadTimePickerDropDown>(&window);
  with_picker->setGeometry(220, 20, 120, 21);
  with_picker->SetShowTimePicker(true);
  with_picker->SetEditorEnabled(true);
  with_picker->SetTime(Encode_Time(QTime(18, 45, 30)));
  auto* shown = new QLabel(&window);
  shown->setGeometry(20, 280, 380, 20);
  const auto show = [=] {
    shown->setText(QStringLiteral("%1   %2").arg(Time_Of(plain->Time()).toString(QStringLiteral("HH:mm:ss")),
                                                 Time_Of(with_picker->Time()).toString(QStringLiteral("HH:mm:ss"))));
  };
  plain->OnTimeChange = [=](TZadTimePickerDropDown*) { show(); };
  with_picker->OnTimeChange = [=](TZadTimePickerDropDown*) { show(); };
  plain->OnDropUp = [=](TZadCustomDropDown*, bool) { show(); };
  with_picker->OnDropUp = [=](TZadCustomDropDown*, bool) { show(); };
  show();
  window.show();
  const int result = app.exec();
  std::printf("%s\n", qPrintable(shown->text()));
  return result;
}
