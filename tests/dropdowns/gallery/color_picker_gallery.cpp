// The colour picker in its four styles, to look at and try by hand:
//   xvfb-run -a -s '-screen 0 1280x1024x24' build/tests/dropdowns/color_picker_gallery [list|boxes|cube|spectrum]
// The argument opens that picker's popup once the window shows; "focus"
// gives the list's picker the focus instead; "classic" as a further argument
// leaves the desktop theme out. The line at the bottom
// tells the last choice.
#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "dropdowns/colorpicker/zad_color_picker_drop_down.h"
#include "grid/theme/qstyle_theme_backend.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (!args.contains(QStringLiteral("classic"))) QStyle_Theme_Backend::Install_And_Load();

  QWidget window;
  window.setWindowTitle(QStringLiteral("Colour picker drop-downs"));
  auto* layout = new QVBoxLayout(&window);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  auto* status = new QLabel(&window);

  struct Kind {
    const char* Name;
    TColorSelectionStyle Style;
    TColorValueText Text;
    TColor Color;
  };
  const Kind kinds[] = {{"list", csList, cvtWebName, clTeal},
                        {"boxes", csDiscrete, cvtHTML, 0x7F7F7F},
                        {"cube", csColorCube, cvtRGB, clWhite},
                        {"spectrum", csSpectrum, cvtHex, 0xABCDEF}};
  TZadColorPickerDropDown* open = nullptr;
  TZadColorPickerDropDown* first = nullptr;
  for (const Kind& k : kinds) {
    auto* picker = Create_Drop_Down<TZadColorPickerDropDown>(&window);
    picker->AddDefaultColors();
    picker->SetColorSelectionStyle(k.Style);
    picker->SetColorValueText(k.Text);
    picker->SetSelectedColor(k.Color);
    picker->OnSelect = [=](TZadCustomDropDown*) {
      status->setText(QStringLiteral("%1: %2").arg(QLatin1String(k.Name), picker->SelectedColorText()));
    };
    form->addRow(QLatin1String(k.Name), picker);
    if (args.contains(QLatin1String(k.Name))) open = picker;
    if (k.Style == csList) first = picker;
  }
  layout->addWidget(status);
  layout->addStretch();

  window.resize(360, 380);
  window.move(40, 40);
  window.show();
  // "focus": the list style's picker takes the focus (its focused look).
  if (args.contains(QStringLiteral("focus")))
    QTimer::singleShot(300, first, [first] {
      first->activateWindow();
      first->setFocus();
    });
  if (open) QTimer::singleShot(500, open, [open] { open->ShowDropDown(); });
  return app.exec();
}
