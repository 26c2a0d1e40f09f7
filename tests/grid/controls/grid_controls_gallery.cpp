// A window of the grid buttons in every look and state, the check boxes in
// every state and a page control whose tabs close by their boxes and come
// back by the "Reopen" buttons, for checking them by eye:
// `grid_controls_gallery` opens it, `grid_controls_gallery out.png` saves a
// picture and quits.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "controls/page_control.h"
#include "grid/controls/grid_button.h"
#include "grid/controls/grid_check_box.h"

namespace {

// A 16 x 16 arrow on magenta (the see-through colour).
QImage Arrow_Glyph(QColor colour) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 255));
  QPainter p(&image);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygon({QPoint(3, 3), QPoint(12, 8), QPoint(3, 13)}));
  return image;
}

QWidget* Buttons(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  for (int look = 0; look <= 6; ++look) {
    grid->addWidget(new QLabel(QStringLiteral("Look %1").arg(look), box), look, 0);
    for (int col = 0; col < 6; ++col) {
      auto* b = new TZadGridButton(box);
      b->setFixedSize(col == 0 ? 22 : 96, 23);
      b->SetLook(look);
      b->SetGlyph(Arrow_Glyph(QColor(0, 90, 170)));
      switch (col) {
        case 0:
          break;
        case 1:
          b->SetCaption(QStringLiteral("&Next"));
          break;
        case 2:
          b->SetCaption(QStringLiteral("Checked"));
          b->SetStyle(tasCheck);
          b->SetDown(true);
          break;
        case 3:
          b->SetCaption(QStringLiteral("Disabled"));
          b->setEnabled(false);
          break;
        case 4:
          b->SetCaption(QStringLiteral("Menu"));
          b->SetDropDownButton(true);
          b->SetDropDownMenu(new QMenu(b));
          break;
        case 5:
          b->SetCaption(QStringLiteral("Group"));
          b->SetGroupIndex(look + 1);
          b->SetDown(true);
          break;
      }
      grid->addWidget(b, look, col + 1);
    }
  }
  auto* classic = new TZadGridButton(box);
  classic->setFixedSize(96, 23);
  classic->SetFlat(false);
  classic->SetCaption(QStringLiteral("Classic"));
  grid->addWidget(new QLabel(QStringLiteral("not flat"), box), 7, 0);
  grid->addWidget(classic, 7, 2);
  auto* bordered = new TZadGridButton(box);
  bordered->setFixedSize(96, 23);
  bordered->SetBorderColor(clGray);
  bordered->SetRounded(true);
  bordered->SetCaption(QStringLiteral("Rounded"));
  grid->addWidget(bordered, 7, 3);
  return box;
}

QWidget* Check_Boxes(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  const char* captions[] = {"&Match case",       "Checked",          "Grayed",
                            "Disabled",          "Box on the right", "An ellipsis for a caption far too long",
                            "Read-only, checked"};
  for (int i = 0; i < 7; ++i) {
    auto* c = new TZadCheckBox(box);
    c->setFixedSize(i == 5 ? 140 : 130, 22);
    c->SetCaption(QString::fromLatin1(captions[i]));
    if (i == 1 || i == 6) c->SetChecked(true);
    if (i == 2) c->SetState(cbGrayed);
    if (i == 3) {
      c->SetChecked(true);
      c->setEnabled(false);
    }
    if (i == 4) c->SetAlignment(taRightJustify);
    if (i == 5) c->SetEllipsis(true);
    if (i == 6) c->SetReadOnly(true);
    grid->addWidget(c, i / 4, i % 4);
  }
  return box;
}

QWidget* Pages(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  auto* control = new TZadPageControl(box);
  control->setFixedSize(520, 120);
  control->Set_TabHoverColor(0xF0E0D0);
  for (int i = 0; i < 4; ++i) {
    auto* sheet = new TZadTabSheet(control);
    sheet->setObjectName(QStringLiteral("Page%1").arg(i + 1));
    sheet->Set_Caption(QStringLiteral("Page %1").arg(i + 1));
    sheet->Set_ShowClose(true);
    new QLabel(QStringLiteral("Contents of page %1").arg(i + 1), sheet);
  }
  layout->addWidget(control);
  auto* reopen = new TZadGridButton(box);
  reopen->setFixedSize(120, 23);
  reopen->SetLook(1);
  reopen->SetCaption(QStringLiteral("Reopen all"));
  reopen->OnClick = [control] { control->OpenAllClosedTabs(); };
  layout->addWidget(reopen);
  return box;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Grid controls"));
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(Buttons(&window));
  layout->addWidget(Check_Boxes(&window));
  layout->addWidget(Pages(&window));
  window.move(0, 0);
  window.show();
  if (argc > 1) {
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(300, &window, [&window, out] {
      window.grab().save(out);
      QApplication::quit();
    });
  }
  return app.exec();
}
