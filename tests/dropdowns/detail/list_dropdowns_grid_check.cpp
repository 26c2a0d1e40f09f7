// A column grid whose second column edits through the detail drop-down and
// whose third column picks a picture through the image picker, to look at
// and work under X (not a test): drive it with the mouse or xdotool; it
// prints the two columns' cells on stdout when it closes.
#include <QApplication>
#include <QPainter>
#include <cstdio>

#include "grid/columns/zad_column_grid.h"
#include "grid/edit/grid_drop_down_wrappers.h"

namespace {

QImage Swatch(QColor Color, QChar Letter) {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Color);
  p.setPen(Color.darker());
  p.drawEllipse(1, 1, 14, 14);
  p.setPen(Qt::white);
  QFont f = p.font();
  f.setPixelSize(10);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString(Letter));
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const struct {
    const char* Name;
    QColor Color;
  } colours[] = {{"Red", Qt::red},       {"Green", Qt::darkGreen}, {"Blue", Qt::blue}, {"Yellow", QColor(200, 160, 0)},
                 {"Cyan", Qt::darkCyan}, {"Magenta", Qt::magenta}};
  QList<QImage> images;
  for (const auto& c : colours) images << Swatch(c.Color, QLatin1Char(c.Name[0]));

  TZadColumnGrid grid;
  grid.setWindowTitle(QStringLiteral("List drop-downs in a grid"));
  grid.SetColCount(4);
  grid.SetRowCount(6);
  grid.SetOptions(grid.Options() | goEditing);
  grid.SetGridImages(&images);
  grid.Columns()[1]->SetEditor(edDetailDropDown);
  grid.Columns()[1]->SetWidth(150);
  grid.Columns()[1]->SetHeader(QStringLiteral("Fruit"));
  grid.Columns()[2]->SetEditor(edImagePickerDropDown);
  grid.Columns()[2]->SetWidth(90);
  grid.Columns()[2]->SetHeader(QStringLiteral("Colour"));
  grid.Columns()[3]->SetWidth(120);

  TGridDetailPickerDropDown* detail = grid.DetailPickerDropDown();
  const struct {
    const char* Caption;
    const char* Notes;
    int Image;
  } fruit[] = {{"Apple", "<b>crisp</b>, <font color=\"clGreen\">green</font> or red", 1},
               {"Apricot", "stone fruit", 3},
               {"Banana", "<i>long</i> and yellow", 3},
               {"Blueberry", "small, <font color=\"clBlue\">blue</font>", 2},
               {"Cherry", "", 0},
               {"Grape", "grows in bunches", 5}};
  TDropDownImages detail_images(images.begin(), images.end());
  detail->SetImages(&detail_images);
  detail->SetItemHeight(34);
  for (const auto& f : fruit) {
    TDetailItem* item = detail->Items().Add();
    item->SetCaption(QLatin1String(f.Caption));
    item->Notes = QLatin1String(f.Notes);
    item->SetImageIndex(f.Image);
  }

  TGridImageDropDown* picker = grid.ImagePickerDropDown();
  picker->SetColumns(3);
  picker->SetLayout(ilCaptionBottom);
  for (int i = 0; i < int(images.size()); ++i) {
    TImageItem* item = picker->Items().Add();
    item->SetImageIndex(i);
    item->SetCaption(QLatin1String(colours[i].Name));
  }

  const char* start[] = {"Apple", "Banana", "", "Cherry", "Grape"};
  for (int row = 1; row < 6; ++row) {
    grid.Store().Set_Text(0, row, QString::number(row));
    grid.Store().Set_Text(1, row, QLatin1String(start[row - 1]));
    grid.AddDataImage(2, row, 0, haCenter, vaCenter);
    grid.Store().Set_Text(2, row, QString::number((row - 1) % int(images.size())));
    grid.Store().Set_Text(3, row, QStringLiteral("text"));
  }
  grid.setGeometry(0, 0, 460, 260);
  grid.show();
  const int result = app.exec();
  for (int row = 1; row < 6; ++row)
    std::printf("%s|%s\n", qPrintable(grid.Store().Text(1, row)), qPrintable(grid.Store().Text(2, row)));
  return result;
}
