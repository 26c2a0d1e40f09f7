// The track bar, memo and calculator drop-downs and a keypad on its own, to
// look at and try by hand:
//   xvfb-run -a -s '-screen 0 1280x1024x24' build/tests/dropdowns/value_dropdowns_gallery [trackbar|memo|calculator]
// The argument opens that drop-down's popup once the window shows; "classic"
// as a second argument leaves the desktop theme out (the keys' plain look).
// The line at the bottom tells the values.
#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "dropdowns/calculator/custom_button_panel.h"
#include "dropdowns/calculator/zad_calculator_dropdown.h"
#include "dropdowns/memo/zad_memo_drop_down.h"
#include "dropdowns/trackbar/zad_track_bar_drop_down.h"
#include "grid/theme/qstyle_theme_backend.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (!args.contains(QStringLiteral("classic"))) QStyle_Theme_Backend::Install_And_Load();

  QWidget window;
  window.setWindowTitle(QStringLiteral("Track bar, memo and calculator drop-downs"));
  auto* layout = new QVBoxLayout(&window);
  auto* form = new QFormLayout;
  layout->addLayout(form);

  auto* track = Create_Drop_Down<TZadTrackBarDropDown>(&window);
  track->SetMax(20);
  track->SetFrequency(2);
  track->SetPosition(7);
  track->SetRawText(QStringLiteral("7"));
  form->addRow(QStringLiteral("Track bar"), track);

  auto* memo = Create_Drop_Down<TZadMemoDropDown>(&window);
  memo->SetEditorEnabled(false);
  memo->SetMemoText({QStringLiteral("Meter 1 on the first floor"), QStringLiteral("Meter 2 in the cellar")});
  memo->SetMemoScrollBars(ssVertical);
  form->addRow(QStringLiteral("Memo"), memo);

  auto* calc = Create_Drop_Down<TZadCalculatorDropdown>(&window);
  calc->SetValue(1234.5L);
  form->addRow(QStringLiteral("Calculator"), calc);

  auto* pad = new TCustomButtonPanel(&window);
  pad->setFixedSize(230, 150);
  pad->Loaded();
  layout->addWidget(pad);

  auto* status = new QLabel(&window);
  layout->addWidget(status);
  const auto tell = [=] {
    status->setText(QStringLiteral("position %1, lines %2, value %3")
                        .arg(track->Position())
                        .arg(memo->MemoText().size())
                        .arg(static_cast<double>(calc->Value())));
  };
  track->OnChange = [=](TZadCustomDropDown*) { tell(); };
  memo->OnChange = [=](TZadCustomDropDown*) { tell(); };
  calc->OnChange = [=](TZadCustomDropDown*) { tell(); };
  pad->OnButtonClick = [=](QObject*, int Index) {
    status->setText(QStringLiteral("keypad: %1").arg(pad->Buttons().Items(Index)->Caption()));
  };
  tell();

  window.resize(420, 320);
  window.move(40, 40);
  window.show();
  TZadCustomDropDown* open = nullptr;
  if (args.contains(QStringLiteral("trackbar"))) open = track;
  if (args.contains(QStringLiteral("memo"))) open = memo;
  if (args.contains(QStringLiteral("calculator"))) open = calc;
  if (open) QTimer::singleShot(500, open, [open] { open->ShowDropDown(); });
  return app.exec();
}
