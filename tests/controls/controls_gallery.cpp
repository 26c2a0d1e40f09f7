// A window showing the controls in their looks, for checking them by eye:
// `controls_gallery` opens it, `controls_gallery out.png` saves a picture.
// `controls_gallery --editors [--exercise] [out.png]` shows the editor
// controls instead (typed into, stepped and dropped down by themselves with
// --exercise; a picture of the screen shows the open list, after 3 s the
// open calendar).
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include "controls/page_control.h"
#include "controls/zb_button.h"

namespace {

QWidget* Button_Rows(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  const TZbButtonStyle styles[] = {bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken};
  const char* names[] = {"bsNormal", "bsEncarta", "bsModern", "bsOld", "bsShape", "bsQuicken"};
  for (int row = 0; row < 6; ++row) {
    grid->addWidget(new QLabel(QString::fromLatin1(names[row]), box), row, 0);
    for (int col = 0; col < 5; ++col) {
      auto* b = new TZbButton(box);
      b->setFixedSize(100, 23);
      b->Set_Style(styles[row]);
      b->Set_Caption(QStringLiteral("&Button %1").arg(col));
      if (styles[row] == bsEncarta) {
        b->Set_Color(0xEDF7F8);
        b->Set_LightColor(clGray);
        b->Set_ColorWhenDown(0x0080FF);
        b->Set_HotTrackColor(clYellow);
      }
      if (col == 1) b->Set_Kind(bkOK);
      if (col == 2) {
        b->Set_Kind(bkCancel);
        b->setEnabled(false);
      }
      if (col == 3) {
        b->Set_Caption(QStringLiteral("A caption far too long for it"));
        b->Set_Alignment(taLeftJustify);
      }
      if (col == 4) b->Set_PopupMenu(new QMenu(b));
      grid->addWidget(b, row, col + 1);
    }
  }
  const TZbColorStyle presets[] = {lcsGold,       lcsChrome,      lcsBlue, lcsRed,     lcsUltraFlat1,
                                   lcsUltraFlat2, lcsUltraFlatXP, lcsAqua, lcsDefault, lcsQuicken};
  for (int i = 0; i < 10; ++i) {
    auto* b = new TZbButton(box);
    b->setFixedSize(100, 23);
    b->Set_ColorStyle(presets[i]);
    b->Set_Caption(QStringLiteral("Preset %1").arg(i + 1));
    grid->addWidget(b, 6 + i / 5, 1 + i % 5);
  }
  auto* tall = new TZbButton(box);
  tall->setFixedSize(100, 48);
  tall->Set_Kind(bkAll);
  tall->Set_Layout(blGlyphTop);
  grid->addWidget(tall, 8, 1);
  auto* right = new TZbButton(box);
  right->setFixedSize(100, 48);
  right->Set_Kind(bkRetry);
  right->Set_Layout(blGlyphRight);
  right->Set_WordWrap(true);
  right->Set_Caption(QStringLiteral("Wrapped caption here"));
  grid->addWidget(right, 8, 2);
  // The windows' configuration in its three states: plain, hot, pressed.
  for (int i = 0; i < 3; ++i) {
    auto* b = new TZbButton(box);
    b->setFixedSize(100, 23);
    b->Set_Style(bsEncarta);
    b->Set_Color(0xEDF7F8);
    b->Set_LightColor(clGray);
    b->Set_ColorWhenDown(0x0080FF);
    b->Set_HotTrackColor(clYellow);
    b->Set_Caption(i == 0 ? QStringLiteral("Plain") : i == 1 ? QStringLiteral("Hot") : QStringLiteral("Pressed"));
    b->Set_Kind(i == 2 ? bkOK : bkCustom);
    if (i == 2) b->Set_Caption(QStringLiteral("Pressed"));
    grid->addWidget(b, 8, 3 + i);
    QTimer::singleShot(100, b, [b, i] {
      if (i == 1) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(b, &enter);
      } else if (i == 2) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(b, &press);
      }
    });
  }
  return box;
}

TZadPageControl* Pages(QWidget* parent, TTabPosition position, TTabStyle style, bool hidden_second) {
  auto* control = new TZadPageControl(parent);
  control->setFixedSize(300, 200);
  control->Set_TabPosition(position);
  control->Set_TabStyle(style);
  control->Set_MultiLine(true);
  if (style == tsDotNet) {
    // The look of the configurator's own page control.
    control->TabMargin().Set_TopMargin(10);
    control->TabMargin().Set_RightMargin(20);
    control->Set_ActiveColor(0x00FF00);
    control->Set_TabBackGroundColor(0xF0F0F0);
    control->Set_DefaultTabColor(0xE0E0E0);
    QFont active_font(QStringLiteral("Verdana"));
    active_font.setBold(true);
    control->Set_ActiveFont(active_font);
  }
  const char* captions[] = {"General", "M-Bus", "CANopen", "Options"};
  for (int i = 0; i < 4; ++i) {
    auto* sheet = new TZadTabSheet(control);
    sheet->Set_Caption(QString::fromLatin1(captions[i]));
    auto* label = new QLabel(QStringLiteral("Page %1").arg(i + 1), sheet);
    label->move(10, 10);
    if (i == 3) sheet->Set_TabEnable(false);
    if (i == 0 && style == tsClassic) sheet->Set_ShowClose(true);
  }
  if (hidden_second) control->Pages(1)->Set_TabVisible(false);
  control->Set_ActivePageIndex(2);
  control->Set_ShowFocus(true);
  return control;
}

}  // namespace

QWidget* Editors_Gallery(QWidget* parent, bool exercise);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  const bool editors = args.removeAll(QStringLiteral("--editors")) > 0;
  const bool exercise = args.removeAll(QStringLiteral("--exercise")) > 0;
  if (editors) {
    QWidget window;
    auto* layout = new QGridLayout(&window);
    layout->addWidget(Editors_Gallery(&window, exercise), 0, 0);
    window.setWindowTitle(QStringLiteral("Editor controls"));
    window.show();
    if (!args.isEmpty()) {
      const QString out = args.first();
      QTimer::singleShot(1200, [&window, &app, out] {
        if (!window.grab().save(out)) qWarning("could not save %s", qPrintable(out));
        app.quit();
      });
    }
    return app.exec();
  }
  QWidget window;
  auto* layout = new QGridLayout(&window);
  layout->addWidget(Button_Rows(&window), 0, 0, 1, 4);
  const TTabPosition positions[] = {tpTop, tpBottom, tpLeft, tpRight};
  for (int i = 0; i < 4; ++i) {
    layout->addWidget(Pages(&window, positions[i], tsClassic, i == 0), 1, i);
    layout->addWidget(Pages(&window, positions[i], tsDotNet, false), 2, i);
  }
  // As the M-Bus editor has it: two pages, tabs on the left.
  auto* editor = Pages(&window, tpLeft, tsDotNet, false);
  editor->setFixedSize(420, 260);
  editor->Pages(0)->Set_Caption(QStringLiteral("Nodes     "));
  editor->Pages(1)->Set_Caption(QStringLiteral("Variables     "));
  delete editor->Pages(3);
  delete editor->Pages(2);
  editor->Set_ActivePageIndex(1);
  layout->addWidget(editor, 3, 0, 1, 2);
  // Tab faces from bitmaps: a rounded tab on a see-through ground.
  auto face = [](QColor top, QColor bottom) {
    QImage image(40, 22, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    for (int y = 0; y < 22; ++y) {
      const int inset = y < 3 ? 3 - y : 0;
      const double t = y / 21.0;
      const QColor c =
          QColor::fromRgbF(top.redF() * (1 - t) + bottom.redF() * t, top.greenF() * (1 - t) + bottom.greenF() * t,
                           top.blueF() * (1 - t) + bottom.blueF() * t);
      for (int x = inset; x < 40 - inset; ++x) image.setPixelColor(x, y, c);
    }
    image.setPixelColor(0, 21, Qt::magenta);
    return image;
  };
  auto* faces = Pages(&window, tpTop, tsClassic, false);
  faces->Set_TabBackGround(face(QColor(250, 250, 250), QColor(190, 200, 220)));
  faces->Set_TabBackGroundActive(face(QColor(255, 255, 255), QColor(255, 210, 120)));
  layout->addWidget(faces, 3, 2);
  window.setWindowTitle(QStringLiteral("Controls"));
  window.show();
  if (argc > 1) {
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(300, [&window, &app, out] {
      if (!window.grab().save(out)) qWarning("could not save %s", qPrintable(out));
      app.quit();
    });
  }
  return app.exec();
}
