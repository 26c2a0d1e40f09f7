// A window with a grid of HTML cells holding anchors and form controls, to
// work by hand or by a script under a virtual display. At start it prints
// where each anchor and control is on the screen ("name x y"), then one line
// per event as the user works the cells.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "grid/core/zad_irurur_oziz.h"

namespace {

void Say(const QString& line) {
  std::printf("%s\n", qPrintable(line));
  std::fflush(stdout);
}

QPoint Anchor_Point(TZadIrururOziz& grid, int c, int r, const QString& anchor) {
  const QRect cell = grid.CellRect(c, r).To_QRect();
  for (int y = cell.top(); y <= cell.bottom(); ++y)
    for (int x = cell.left(); x <= cell.right(); ++x) {
      THtmlDrawResult hit;
      if (grid.HtmlCellHit(c, r, QPoint(x, y), hit) && hit.AnchorValue == anchor) return QPoint(x + 3, y + 3);
    }
  return QPoint(-1, -1);
}

QPoint Control_Point(TZadIrururOziz& grid, int c, int r, const QString& id) {
  THtmlDrawResult hit;
  grid.HtmlCellHit(c, r, QPoint(-1, -1), hit, id);
  return hit.ControlRect.To_QRect().center();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TZadIrururOziz grid;
  grid.setWindowTitle(QStringLiteral("HTML cells"));
  grid.SetColCount(3);
  grid.SetRowCount(8);
  grid.SetColWidths(0, 30);
  grid.SetColWidths(1, 330);
  grid.SetColWidths(2, 140);
  for (int r = 1; r <= 5; ++r) grid.SetRowHeights(r, 34);
  grid.SetOptions(grid.Options() | goEditing);
  grid.SetURLUnderlineOnHover(true);
  grid.SetAnchorHint(true);
  grid.SetCellEx(1, 0, QStringLiteral("HTML cell"));
  grid.SetCellEx(2, 0, QStringLiteral("Plain"));
  grid.SetCellEx(1, 1,
                 QStringLiteral("Site <A HREF=\"http://x.org\" TITLE=\"The maker's site\">x.org</A>, "
                                "<A HREF=\"cell://R6C2\">to row 6</A>"));
  grid.SetCellEx(1, 2,
                 QStringLiteral("<CONTROL TYPE=\"CHECK\" ID=\"on\" VALUE=\"FALSE\" WIDTH=\"20\"> enabled "
                                "<CONTROL TYPE=\"RADIO\" ID=\"a\" VALUE=\"TRUE\" WIDTH=\"20\"> A "
                                "<CONTROL TYPE=\"RADIO\" ID=\"b\" VALUE=\"FALSE\" WIDTH=\"20\"> B"));
  grid.SetCellEx(1, 3,
                 QStringLiteral("Name <CONTROL TYPE=\"EDIT\" ID=\"name\" VALUE=\"meter\" WIDTH=\"100\"> "
                                "Key <CONTROL TYPE=\"PASSWORD\" ID=\"key\" VALUE=\"abc\" WIDTH=\"80\">"));
  grid.SetCellEx(1, 4, QStringLiteral("Unit <CONTROL TYPE=\"COMBO\" ID=\"unit\" VALUE=\"kWh\" WIDTH=\"90\">"));
  grid.SetCellEx(1, 5, QStringLiteral("<CONTROL TYPE=\"BUTTON\" ID=\"go\" VALUE=\"Apply\" WIDTH=\"80\">"));
  grid.SetCellEx(2, 6, QStringLiteral("row 6 target"));

  grid.LinkOpener = [](const QString& url) { Say("open " + url); };
  grid.OnAnchorEnter = [](TZadIrururOziz*, int r, int c, const QString& a) {
    Say(QStringLiteral("enter %1 %2 %3").arg(c).arg(r).arg(a));
  };
  grid.OnAnchorExit = [](TZadIrururOziz*, int, int, const QString& a) { Say("exit " + a); };
  grid.OnControlClick = [](TZadIrururOziz*, int, int, const QString& id, const QString& type, const QString& v) {
    Say(QStringLiteral("click %1 %2 %3").arg(id, type, v));
  };
  grid.OnControlComboList = [](TZadIrururOziz*, int, int, const QString&, const QString&, const QString&,
                               QStringList& values, bool& edit, int&) {
    values = QStringList{QStringLiteral("kWh"), QStringLiteral("MWh"), QStringLiteral("GJ")};
    edit = false;
  };
  grid.OnControlComboSelect = [](TZadIrururOziz*, int, int, int index, const QString& id, const QString& v) {
    Say(QStringLiteral("select %1 %2 %3").arg(id).arg(index).arg(v));
  };
  grid.OnControlEditDone = [](TZadIrururOziz*, int, int, const QString& id, const QString&, const QString& v) {
    Say(QStringLiteral("done %1 %2").arg(id, v));
  };
  grid.OnClickCell = [&grid](TZadIrururOziz*, int r, int c) { Say(QStringLiteral("cell %1 %2").arg(c).arg(r)); };
  grid.resize(540, 300);
  grid.move(20, 20);
  grid.show();

  QTimer::singleShot(500, &grid, [&grid] {
    auto say_at = [&grid](const QString& name, QPoint p) {
      const QPoint g = grid.viewport()->mapToGlobal(p);
      Say(QStringLiteral("%1 %2 %3").arg(name).arg(g.x()).arg(g.y()));
    };
    say_at("site", Anchor_Point(grid, 1, 1, "http://x.org"));
    say_at("jump", Anchor_Point(grid, 1, 1, "cell://R6C2"));
    say_at("check", Control_Point(grid, 1, 2, "on"));
    say_at("radio_b", Control_Point(grid, 1, 2, "b"));
    say_at("name", Control_Point(grid, 1, 3, "name"));
    say_at("key", Control_Point(grid, 1, 3, "key"));
    say_at("unit", Control_Point(grid, 1, 4, "unit"));
    say_at("button", Control_Point(grid, 1, 5, "go"));
    say_at("plain", grid.CellRect(2, 2).To_QRect().center());
  });
  // The cells' text after the session, to see what was written back.
  QObject::connect(&app, &QApplication::aboutToQuit, [&grid] {
    for (int r = 1; r <= 5; ++r) Say(QStringLiteral("row %1: %2").arg(r).arg(grid.GetCellEx(1, r)));
    Say(QStringLiteral("current %1 %2").arg(grid.Col()).arg(grid.Row()));
  });
  return app.exec();
}
