// Picture cells, themed progress bars, list-view header cells, a grouped
// list with group counts and header underlines, a right-to-left copy of the
// grid, and page controls with style-drawn and owner-drawn tabs, to look at
// under X. `cell_looks_gallery [out.png] [classic]` saves the window and
// quits; "classic" leaves the widget style out of the theme facade.
#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "controls/page_control.h"
#include "controls/tab_sheet.h"
#include "grid/core/cell_picture.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/file_picture.h"
#include "grid/theme/qstyle_theme_backend.h"

namespace {

QImage Swatch(int w, int h, QColor from, QColor to) {
  QImage image(w, h, QImage::Format_ARGB32);
  QPainter p(&image);
  QLinearGradient g(0, 0, w, h);
  g.setColorAt(0, from);
  g.setColorAt(1, to);
  p.fillRect(image.rect(), g);
  p.setPen(Qt::black);
  p.drawRect(0, 0, w - 1, h - 1);
  return image;
}

struct Pictures {
  TPicture red{Swatch(20, 10, Qt::red, Qt::darkRed)};
  TPicture wide{Swatch(60, 30, Qt::yellow, Qt::blue)};
  QImage bitmap = Swatch(12, 12, Qt::green, Qt::darkGreen);
  TFilePicture missing;
};

// Pictures, progress bars, check boxes and a sorted header: the same grid
// is shown left to right and right to left.
void Fill_Cells(TZadIrururOziz& grid, Pictures& pics) {
  grid.SetColCount(5);
  grid.SetRowCount(7);
  grid.SetDefaultColWidth(110);
  grid.SetGridDefaultRowHeight(34);
  grid.SetColWidths(0, 70);
  const QStringList heads = {"", "Picture", "Progress", "Check", "Text"};
  for (int c = 0; c < 5; ++c) grid.SetCellEx(c, 0, heads[c]);
  grid.SortSettings().Show = true;
  grid.SortSettings().Row = 0;
  grid.SortSettings().Column = 4;
  grid.AddPicture(1, 1, &pics.red, false, noStretch, 0, haLeft, vaTop);
  grid.SetCellEx(0, 1, "as is");
  grid.AddPicture(1, 2, &pics.wide, false, Stretch, 0, haLeft, vaTop);
  grid.SetCellEx(0, 2, "stretched");
  grid.AddPicture(1, 3, &pics.wide, false, StretchWithAspectRatio, 0, haCenter, vaCenter);
  grid.SetCellEx(0, 3, "aspect");
  grid.AddFilePicture(1, 4, &pics.missing, false, Stretch, 0, haLeft, vaTop);
  grid.SetCellEx(0, 4, "no file");
  grid.AddBitmap(1, 5, &pics.bitmap, false, haBeforeText, vaCenter);
  grid.SetCellEx(1, 5, "bitmap");
  grid.SetCellEx(0, 5, "bitmap");
  grid.ControlLook().SetProgressXP(true);
  const int values[] = {0, 25, 50, 75, 100, 140};
  for (int r = 1; r <= 6; ++r) {
    grid.AddProgress(2, r, clNavy, clWhite);
    grid.SetCellEx(2, r, QString::number(values[r - 1]));
    grid.AddCheckBox(3, r, r % 2 == 1, false);
    grid.SetCellEx(3, r, r % 2 ? "on" : "off");
    grid.SetCellEx(4, r, QStringLiteral("ab %1").arg(r));
  }
}

// A list-view look grid with two groups counted and underlined.
void Fill_Groups(TZadIrururOziz& grid) {
  grid.SetLook(glListView);
  grid.SetColCount(4);
  grid.SetRowCount(10);
  grid.SetDefaultColWidth(120);
  grid.SetColWidths(0, 30);
  grid.SetFixedCols(0);
  const QStringList heads = {"", "Device", "Address", "Note"};
  for (int c = 0; c < 4; ++c) grid.SetCellEx(c, 0, heads[c]);
  grid.SetCellEx(1, 1, "Pumps");
  grid.SetCellEx(1, 2, "P-101");
  grid.SetCellEx(1, 3, "P-102");
  grid.SetCellEx(1, 4, "P-103");
  grid.SetCellEx(1, 5, "Valves");
  grid.SetCellEx(1, 6, "V-201");
  grid.SetCellEx(1, 7, "V-202");
  grid.SetCellEx(1, 8, "total");
  for (int r = 2; r <= 7; ++r)
    if (r != 5) grid.SetCellEx(2, r, QString::number(r + 10));
  grid.AddNode(1, 4);
  grid.AddNode(5, 3);
  grid.MarkSummaryRow(8);
  grid.Grouping().SetShowGroupCount(true);
  grid.Grouping().SetHeaderUnderline(true);
  grid.Grouping().SetSummaryLine(true);
  grid.Grouping().SetSummaryLineColor(clRed);
}

TZadPageControl* Pages(QWidget* parent, bool system, const QList<QImage>& images) {
  auto* pages = new TZadPageControl(parent);
  const QStringList names = {"Meters", "Gateways", "Settings"};
  for (int i = 0; i < names.size(); ++i) {
    auto* sheet = new TZadTabSheet(pages);
    sheet->Set_Caption(names[i]);
    sheet->Set_ImageIndex(i);
    sheet->Set_ShowClose(true);
    new QLabel(system ? QStringLiteral("TabBorder3D: style-drawn tabs") : QStringLiteral("Owner-drawn tabs"), sheet);
  }
  pages->Set_Images(images);
  pages->Set_ActiveColor(0xC0FFC0);
  pages->Set_TabBorder3D(system);
  return pages;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (!args.contains(QStringLiteral("classic"))) QStyle_Theme_Backend::Install_And_Load();
  QWidget form;
  form.setWindowTitle(QStringLiteral("Cell looks"));
  form.resize(1240, 760);
  form.move(10, 10);
  Pictures pics;
  try {
    pics.missing.SetFilename(QStringLiteral("/nonexistent/picture.png"));
  } catch (const std::exception&) {
  }
  auto* ltr = new TZadIrururOziz(&form);
  ltr->setGeometry(10, 10, 600, 260);
  Fill_Cells(*ltr, pics);
  auto* rtl = new TZadIrururOziz(&form);
  rtl->setGeometry(630, 10, 600, 260);
  rtl->setLayoutDirection(Qt::RightToLeft);
  Fill_Cells(*rtl, pics);
  auto* groups = new TZadIrururOziz(&form);
  groups->setGeometry(10, 290, 600, 300);
  Fill_Groups(*groups);
  const QList<QImage> images = {Swatch(16, 16, Qt::red, Qt::yellow), Swatch(16, 16, Qt::blue, Qt::cyan),
                                Swatch(16, 16, Qt::green, Qt::darkGreen)};
  Pages(&form, true, images)->setGeometry(630, 290, 600, 140);
  Pages(&form, false, images)->setGeometry(630, 450, 600, 140);
  form.show();
  if (args.size() > 1 && args[1] != QStringLiteral("classic")) {
    const QString out = args[1];
    QTimer::singleShot(1500, &form, [&form, out] {
      form.grab().save(out);
      QApplication::quit();
    });
  }
  return app.exec();
}
