// A window with one string grid per colour style, per look and in colour
// tones, each with headers, a selected block, the active cell marked in the
// headers and a strip in its search footer colours, for checking the presets
// by eye: `grid_looks_gallery` opens it, `grid_looks_gallery out.png` saves a
// picture and quits.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/draw/gradient_paint.h"

namespace {

// The search footer's colours: the search panel itself comes with the grid
// services, so the strip shows the gradient it will be painted in.
class Footer_Strip : public QWidget {
 public:
  Footer_Strip(TZadIrururOziz* grid, QWidget* parent) : QWidget(parent), grid_(grid) { setFixedHeight(14); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const TColor from = grid_->SearchFooter().Color(), to = grid_->SearchFooter().ColorTo();
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, To_QColor(from));
    g.setColorAt(1, To_QColor(to == clNone ? from : to));
    p.fillRect(rect(), g);
    p.setPen(To_QColor(grid_->GridFixedLineColor()));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("Tahoma"), 7));
    p.drawText(rect().adjusted(4, 0, 0, 0), Qt::AlignVCenter, QStringLiteral("search footer"));
  }

 private:
  TZadIrururOziz* grid_;
};

QWidget* Sample(const QString& caption, const std::function<void(TZadIrururOziz&)>& apply, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* v = new QVBoxLayout(box);
  v->setContentsMargins(2, 2, 2, 2);
  v->setSpacing(1);
  auto* label = new QLabel(caption, box);
  label->setFont(QFont(QStringLiteral("Tahoma"), 8, QFont::Bold));
  v->addWidget(label);
  auto* grid = new TZadIrururOziz(box);
  grid->SetColCount(4);
  grid->SetRowCount(6);
  grid->SetFixedRows(1);
  grid->SetFixedCols(1);
  grid->SetDefaultColWidth(48);
  grid->SetGridDefaultRowHeight(18);
  grid->SetFixedRowHeight(18);
  grid->setFixedSize(200, 124);
  const char* heads[] = {"", "Node", "Value", "Unit"};
  for (int c = 0; c < 4; ++c) grid->SetCellEx(c, 0, QString::fromLatin1(heads[c]));
  for (int r = 1; r < 6; ++r) {
    grid->SetCellEx(0, r, QString::number(r));
    grid->SetCellEx(1, r, QStringLiteral("M%1").arg(r));
    grid->SetCellEx(2, r, QString::number(r * 12.5, 'f', 1));
    grid->SetCellEx(3, r, QStringLiteral("kWh"));
  }
  grid->SetActiveCellShow(true);
  grid->SortSettings().Column = 2;
  apply(*grid);
  grid->SetSelectionRect(TGridRect{1, 2, 2, 3});
  v->addWidget(grid);
  v->addWidget(new Footer_Strip(grid, box));
  return box;
}

const char* const kStyleNames[] = {
    "gsOffice2003Blue", "gsOffice2003Silver",   "gsOffice2003Olive",  "gsOffice2003Classic",
    "gsOffice2007Luna", "gsOffice2007Obsidian", "gsWindowsXP",        "gsWhidbey",
    "gsCustom",         "gsOffice2007Silver",   "gsWindowsVista",     "gsWindows7",
    "gsTerminal",       "gsOffice2010Blue",     "gsOffice2010Silver", "gsOffice2010Black"};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Grid looks"));
  auto* layout = new QGridLayout(&window);
  layout->setSpacing(4);
  int n = 0;
  auto add = [&](QWidget* w) {
    layout->addWidget(w, n / 6, n % 6);
    ++n;
  };
  for (int s = gsOffice2003Blue; s <= gsOffice2010Black; ++s)
    add(Sample(
        QString::fromLatin1(kStyleNames[s]), [s](TZadIrururOziz& g) { g.SetComponentStyle(TDUDStyle(s)); }, &window));
  for (int l = glStandard; l <= glCustom; ++l) {
    QString name = QStringLiteral("glCustom");
    LookToString(TGridLook(l), name);
    add(Sample(
        QStringLiteral("Look ") + name,
        [l](TZadIrururOziz& g) {
          // From another look, so that every look is written.
          g.SetLook(l == glClassic ? glXP : glClassic);
          g.SetLook(TGridLook(l));
        },
        &window));
  }
  add(Sample(
      QStringLiteral("SetColorTones"),
      [](TZadIrururOziz& g) {
        TColorTones t;
        t.Background = {0xFFFFFF, 0xDDDDDD, 0x202020};
        t.Foreground = {0xF0F0F0, 0xC0C0C0, 0x404040};
        t.Selected = {0xD77800, 0xD77800, 0xFFFFFF};
        t.Hover = {0xF7E6CC, 0xF7E6CC, 0x000000};
        t.Disabled = {0xF0F0F0, 0xF0F0F0, 0xA0A0A0};
        g.SetColorTones(t);
      },
      &window));
  add(Sample(
      QStringLiteral("SetTheme(xpGreen)"), [](TZadIrururOziz& g) { g.SetTheme(xpGreen); }, &window));
  window.move(0, 0);
  window.show();
  if (argc > 1) {
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(500, &window, [&window, out] {
      window.grab().save(out);
      QApplication::quit();
    });
  }
  return app.exec();
}
