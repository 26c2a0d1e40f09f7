// Anchors and form controls in HTML cells of the string grid, driven by real
// mouse and key events on its viewport: control clicks, cell links and web
// links, the floating editors and their keys, hover with its events and the
// hot link, automatic links, and the system icons every grid serves.
#include <QListWidget>
#include <QStyle>
#include <QtTest>

#include "controls/editors/combo_list_popup.h"
#include "grid/core/control_editors.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/html_controls.h"
#include "grid/html/html_system_icons.h"

namespace {

void Show(TZadIrururOziz& grid) {
  grid.resize(640, 300);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
  grid.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&grid));
  grid.setFocus();
}

void Setup(TZadIrururOziz& grid, bool editing = true) {
  grid.SetColCount(4);
  grid.SetRowCount(40);
  grid.SetColWidths(1, 260);
  grid.SetRowHeights(1, 40);
  if (editing) grid.SetOptions(grid.Options() | goEditing);
  Show(grid);
}

QPoint Control_Point(TZadIrururOziz& grid, int c, int r, const QString& id) {
  THtmlDrawResult hit;
  grid.HtmlCellHit(c, r, QPoint(-1, -1), hit, id);
  return hit.ControlRect.To_QRect().center();
}

// The first point of the cell that lies on the anchor.
QPoint Anchor_Point(TZadIrururOziz& grid, int c, int r, const QString& anchor) {
  const QRect cell = grid.CellRect(c, r).To_QRect();
  for (int y = cell.top(); y <= cell.bottom(); ++y)
    for (int x = cell.left(); x <= cell.right(); ++x) {
      THtmlDrawResult hit;
      if (grid.HtmlCellHit(c, r, QPoint(x, y), hit) && hit.AnchorValue == anchor) return QPoint(x + 1, y + 1);
    }
  return QPoint(-1, -1);
}

void Click(TZadIrururOziz& grid, QPoint p) {
  QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, p);
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, p);
}

void Move(TZadIrururOziz& grid, QPoint p) {
  QMouseEvent move(QEvent::MouseMove, QPointF(p), grid.viewport()->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(grid.viewport(), &move);
}

QString Value_Of(TZadIrururOziz& grid, int c, int r, const QString& id) {
  QString value;
  GetHtmlControlValue(grid.Store().Text(c, r), id, value);
  return value;
}

struct Control_Call {
  int row, col;
  QString id, type, value;
};

}  // namespace

class GridHtmlAnchorsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void check_and_radio_clicks() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetCellEx(1, 1,
                   "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\" WIDTH=\"20\"> "
                   "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"20\"> "
                   "<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"FALSE\" WIDTH=\"20\">");
    QList<Control_Call> calls;
    grid.OnControlClick = [&](TZadIrururOziz*, int r, int c, const QString& id, const QString& type,
                              const QString& value) {
      calls << Control_Call{r, c, id, type, value};
    };
    int anchor_clicks = 0;
    grid.OnAnchorClick = [&](TZadIrururOziz*, int, int, const QString&, bool&) { ++anchor_clicks; };

    Click(grid, Control_Point(grid, 1, 1, "c1"));
    QCOMPARE(Value_Of(grid, 1, 1, "c1"), QString("TRUE"));
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].row, 1);
    QCOMPARE(calls[0].col, 1);
    QCOMPARE(calls[0].id, QString("c1"));
    QCOMPARE(calls[0].type, QString("CHECK"));
    QCOMPARE(calls[0].value, QString("TRUE"));
    Click(grid, Control_Point(grid, 1, 1, "c1"));
    QCOMPARE(Value_Of(grid, 1, 1, "c1"), QString("FALSE"));

    Click(grid, Control_Point(grid, 1, 1, "r2"));
    QCOMPARE(Value_Of(grid, 1, 1, "r1"), QString("FALSE"));
    QCOMPARE(Value_Of(grid, 1, 1, "r2"), QString("TRUE"));
    QCOMPARE(Value_Of(grid, 1, 1, "c1"), QString("FALSE"));
    QCOMPARE(anchor_clicks, 0);
    // No editor opens for these, and the current cell stays.
    QVERIFY(!grid.HtmlControlEditing());
    QCOMPARE(grid.Row(), 1);

    // A read-only cell, and a refusal by OnCanEditCell, only report the click.
    grid.GetCellProperties(1, 1)->SetReadOnly(true);
    Click(grid, Control_Point(grid, 1, 1, "c1"));
    QCOMPARE(Value_Of(grid, 1, 1, "c1"), QString("FALSE"));
    QCOMPARE(anchor_clicks, 1);
    grid.GetCellProperties(1, 1)->SetReadOnly(false);
    grid.OnCanEditCell = [](TZadIrururOziz*, int, int, bool& can) { can = false; };
    Click(grid, Control_Point(grid, 1, 1, "c1"));
    QCOMPARE(Value_Of(grid, 1, 1, "c1"), QString("FALSE"));
    QCOMPARE(anchor_clicks, 2);
  }

  void control_click_without_editing() {
    QFETCH(bool, edit_disable);
    QFETCH(QString, expected);
    TZadIrururOziz grid;
    Setup(grid, false);
    grid.SetEditDisable(edit_disable);
    const QString text = "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\" WIDTH=\"20\">";
    grid.SetCellEx(1, 1, text);
    QStringList anchors;
    grid.OnAnchorClick = [&](TZadIrururOziz*, int, int, const QString& a, bool&) { anchors << a; };
    Click(grid, Control_Point(grid, 1, 1, "c1"));
    QCOMPARE(Value_Of(grid, 1, 1, "c1"), expected);
    QCOMPARE(anchors, edit_disable ? QStringList() : QStringList{"ctrl"});
  }
  void control_click_without_editing_data() {
    QTest::addColumn<bool>("edit_disable");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no editing: anchor click, text stays") << false << "FALSE";
    QTest::newRow("edit-disable: the control works") << true << "TRUE";
  }

  void cell_links() {
    QFETCH(QString, anchor);
    QFETCH(int, col);
    QFETCH(int, row);
    TZadIrururOziz grid;
    Setup(grid, false);
    grid.SetCellEx(1, 1, "go <A HREF=\"" + anchor + "\">there</A>");
    int opened = 0;
    grid.LinkOpener = [&](const QString&) { ++opened; };
    const QPoint p = Anchor_Point(grid, 1, 1, anchor);
    QVERIFY(p.x() >= 0);
    Click(grid, p);
    QCOMPARE(grid.Col(), col);
    QCOMPARE(grid.Row(), row);
    QVERIFY(grid.TopRow() <= row && row < grid.TopRow() + grid.VisibleRowCount());
    QCOMPARE(opened, 0);
  }
  void cell_links_data() {
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::newRow("R3C2") << "cell://R3C2" << 2 << 3;
    QTest::newRow("far down, scrolled into view") << "CELL://r35c3" << 3 << 35;
    QTest::newRow("no reference") << "cell://X9" << 1 << 1;
    QTest::newRow("beyond the grid") << "cell://R99C2" << 1 << 1;
  }

  void web_links() {
    QFETCH(QString, anchor);
    QFETCH(QString, opened);
    QFETCH(bool, auto_handle);
    TZadIrururOziz grid;
    Setup(grid, false);
    grid.FocusCell(1, 1);
    grid.SetCellEx(1, 1, "<A HREF=\"" + anchor + "\">link</A>");
    QStringList calls;
    grid.LinkOpener = [&](const QString& url) { calls << url; };
    QStringList clicked;
    grid.OnAnchorClick = [&](TZadIrururOziz*, int r, int c, const QString& a, bool& handle) {
      QCOMPARE(r, 1);
      QCOMPARE(c, 1);
      clicked << a;
      handle = auto_handle;
    };
    Click(grid, Anchor_Point(grid, 1, 1, anchor));
    QCOMPARE(clicked, QStringList{anchor});
    QCOMPARE(calls, opened.isEmpty() ? QStringList() : QStringList{opened});
  }
  void web_links_data() {
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("auto_handle");
    QTest::newRow("http") << "http://x.org"
                          << "http://x.org" << true;
    QTest::newRow("mailto") << "mailto:a@x.org"
                            << "mailto:a@x.org" << true;
    QTest::newRow("www") << "www.x.org"
                         << "http://www.x.org" << true;
    QTest::newRow("handler takes it") << "http://x.org"
                                      << "" << false;
    QTest::newRow("a program") << "calc"
                               << "" << true;
    QTest::newRow("a local file") << "file:///bin/sh"
                                  << "" << true;
  }

  void url_text_click() {
    TZadIrururOziz grid;
    Setup(grid, false);
    grid.PaintLook().URLShow = true;
    grid.SetCellEx(1, 1, "http://x.org/a");
    QStringList calls;
    grid.LinkOpener = [&](const QString& url) { calls << url; };
    Click(grid, grid.CellRect(1, 1).To_QRect().center());
    QCOMPARE(calls, QStringList{"http://x.org/a"});
    // Hovering it shows the hand.
    Move(grid, grid.CellRect(1, 1).To_QRect().center());
    QCOMPARE(grid.viewport()->cursor().shape(), Qt::PointingHandCursor);
    Move(grid, grid.CellRect(2, 2).To_QRect().center());
    QVERIFY(grid.viewport()->cursor().shape() != Qt::PointingHandCursor);
  }

  void click_beside_the_controls() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetCellEx(2, 3, "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\" WIDTH=\"20\">");
    QList<QPoint> clicked;
    grid.OnClickCell = [&](TZadIrururOziz*, int r, int c) { clicked << QPoint(c, r); };
    const TRect cell = grid.CellRect(2, 3);
    Click(grid, QPoint(cell.Right - 5, cell.Bottom - 3));
    QCOMPARE(clicked, QList<QPoint>{QPoint(2, 3)});
    QCOMPARE(grid.Col(), 2);
    QCOMPARE(grid.Row(), 3);
    QVERIFY(!grid.EditorMode());
    QCOMPARE(Value_Of(grid, 2, 3, "c1"), QString("FALSE"));
  }

  void edit_control() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetCellEx(1, 1,
                   "Name <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"old\" WIDTH=\"80\"> "
                   "<CONTROL TYPE=\"PASSWORD\" ID=\"p1\" VALUE=\"pw\" WIDTH=\"60\" MAXLEN=\"3\">");
    QList<Control_Call> done;
    grid.OnControlEditDone = [&](TZadIrururOziz*, int r, int c, const QString& id, const QString& type,
                                 const QString& value) {
      done << Control_Call{r, c, id, type, value};
    };
    THtmlDrawResult hit;
    grid.HtmlCellHit(1, 1, QPoint(-1, -1), hit, "e1");
    const TRect rect = hit.ControlRect;
    Click(grid, rect.To_QRect().center());
    TControlEdit* edit = grid.HtmlEditControl();
    QVERIFY(edit && edit->isVisible());
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->geometry(), QRect(rect.Left + 1, rect.Top + 8, rect.Width() - 4, 14));
    QCOMPARE(edit->text(), QString("old"));
    QCOMPARE(edit->echoMode(), QLineEdit::Normal);
    edit->selectAll();
    QTest::keyClicks(edit, "a\"b<");
    grid.setFocus();
    QVERIFY(!edit->isVisible());
    QCOMPARE(done.size(), 1);
    QCOMPARE(done[0].row, 1);
    QCOMPARE(done[0].col, 1);
    QCOMPARE(done[0].id, QString("e1"));
    QCOMPARE(done[0].type, QString("EDIT"));
    QCOMPARE(done[0].value, QString("a\"b<"));
    // The markup survived the quote and the "<": both controls still there.
    QCOMPARE(Value_Of(grid, 1, 1, "e1"), QString("a\"b<"));
    QCOMPARE(Value_Of(grid, 1, 1, "p1"), QString("pw"));
    QVERIFY(grid.HtmlCellHit(1, 1, QPoint(-1, -1), hit, "p1"));

    Click(grid, Control_Point(grid, 1, 1, "p1"));
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QCOMPARE(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit), int('*'));
    QCOMPARE(edit->maxLength(), 3);
    edit->selectAll();
    QTest::keyClicks(edit, "abcdef");
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(grid.hasFocus());
    QCOMPARE(Value_Of(grid, 1, 1, "p1"), QString("abc"));
    QCOMPARE(done.size(), 2);
  }

  void mask_control() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetCellEx(1, 1, "<CONTROL TYPE=\"MASK\" ID=\"m1\" VALUE=\"\" WIDTH=\"80\" PROP=\"00-00\">");
    Click(grid, Control_Point(grid, 1, 1, "m1"));
    TControlEdit* edit = grid.HtmlEditControl();
    QVERIFY(edit && edit->isVisible());
    QVERIFY(!edit->inputMask().isEmpty());
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, "12x34");
    grid.setFocus();
    QCOMPARE(Value_Of(grid, 1, 1, "m1"), QString("12-34"));
  }

  void combo_control() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetCellEx(1, 1, "<CONTROL TYPE=\"COMBO\" ID=\"k1\" VALUE=\"y\" WIDTH=\"90\">");
    grid.OnControlComboList = [](TZadIrururOziz*, int, int, const QString& id, const QString&, const QString&,
                                 QStringList& values, bool& edit, int& count) {
      QCOMPARE(id, QString("k1"));
      values = QStringList{"x", "y"};
      edit = false;
      count = 4;
    };
    QList<QPair<int, QString>> selected;
    grid.OnControlComboSelect = [&](TZadIrururOziz*, int r, int c, int index, const QString& id, const QString& value) {
      QCOMPARE(r, 1);
      QCOMPARE(c, 1);
      QCOMPARE(id, QString("k1"));
      selected << qMakePair(index, value);
    };
    Click(grid, Control_Point(grid, 1, 1, "k1"));
    TControlCombo* combo = grid.HtmlComboControl();
    QVERIFY(combo && combo->isVisible());
    QCOMPARE(combo->Style(), csDropDownList);
    QCOMPARE(combo->ItemIndex(), 1);
    QCOMPARE(combo->DropDownCount(), 4);
    QVERIFY(combo->DroppedDown());
    QListWidget* list = combo->Popup()->List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected[0].first, 0);
    QCOMPARE(selected[0].second, QString("x"));
    grid.setFocus();
    QVERIFY(!combo->isVisible());
    QCOMPARE(Value_Of(grid, 1, 1, "k1"), QString("x"));
  }

  void keys_walk_the_controls() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetCellEx(1, 1,
                   "<CONTROL TYPE=\"EDIT\" ID=\"a\" VALUE=\"first\" WIDTH=\"70\"> "
                   "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"FALSE\" WIDTH=\"20\"> "
                   "<CONTROL TYPE=\"EDIT\" ID=\"b\" VALUE=\"second\" WIDTH=\"70\">");
    grid.FocusCell(1, 1);
    grid.setFocus();
    // A typed character starts no in-place editor.
    QTest::keyClick(&grid, Qt::Key_X);
    QVERIFY(!grid.EditorMode());
    QVERIFY(!grid.HtmlControlEditing());
    QTest::keyClick(&grid, Qt::Key_Return);
    TControlEdit* edit = grid.HtmlEditControl();
    QVERIFY(edit && edit->isVisible() && edit->hasFocus());
    QCOMPARE(edit->text(), QString("first"));
    THtmlDrawResult first;
    QVERIFY(grid.HtmlCellHit(1, 1, QPoint(-1, -1), first, "a"));
    QCOMPARE(edit->x(), first.ControlRect.Left + 1);
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(edit->isVisible() && edit->hasFocus());
    QCOMPARE(edit->text(), QString("second"));
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!edit->isVisible());
    QVERIFY(grid.hasFocus());
    QVERIFY(!grid.EditorMode());
    QCOMPARE(grid.Row(), 1);
    // F2 opens the first one again; Tab after the last gives the grid the focus.
    QTest::keyClick(&grid, Qt::Key_F2);
    QCOMPARE(edit->text(), QString("first"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->isVisible());
    QVERIFY(grid.hasFocus());
  }

  void button_control_presses() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetCellEx(1, 1, "<CONTROL TYPE=\"BUTTON\" ID=\"go\" VALUE=\"Go\" WIDTH=\"60\">");
    QStringList clicks;
    grid.OnControlClick = [&](TZadIrururOziz*, int, int, const QString& id, const QString&, const QString&) {
      clicks << id;
    };
    const QRect cell = grid.CellRect(1, 1).To_QRect();
    const QImage up = grid.viewport()->grab(cell).toImage();
    const QPoint p = Control_Point(grid, 1, 1, "go");
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, p);
    QVERIFY(grid.HtmlButtonDown());
    QCOMPARE(clicks, QStringList{"go"});
    QVERIFY(grid.viewport()->grab(cell).toImage() != up);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, p);
    QVERIFY(!grid.HtmlButtonDown());
    QCOMPARE(grid.viewport()->grab(cell).toImage(), up);
  }

  void hover_enter_and_exit() {
    TZadIrururOziz grid;
    Setup(grid, false);
    grid.SetCellEx(1, 1, "see <A HREF=\"one\">first</A> and <A HREF=\"two\">second</A>");
    QStringList events;
    grid.OnAnchorEnter = [&](TZadIrururOziz*, int r, int c, const QString& a) {
      QCOMPARE(QPoint(c, r), QPoint(1, 1));
      events << "enter " + a;
    };
    grid.OnAnchorExit = [&](TZadIrururOziz*, int, int, const QString& a) { events << "exit " + a; };
    const QPoint one = Anchor_Point(grid, 1, 1, "one");
    const QPoint two = Anchor_Point(grid, 1, 1, "two");
    Move(grid, one);
    Move(grid, one + QPoint(2, 0));
    QCOMPARE(grid.viewport()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(grid.AnchorUnderMouse(), QString("one"));
    Move(grid, grid.CellRect(1, 1).To_QRect().bottomRight() - QPoint(3, 3));
    QVERIFY(grid.viewport()->cursor().shape() != Qt::PointingHandCursor);
    Move(grid, two);
    Move(grid, grid.CellRect(2, 3).To_QRect().center());
    QCOMPARE(events, (QStringList{"enter one", "exit one", "enter two", "exit two"}));
    // Straight from one anchor to the other, and out of the grid.
    events.clear();
    Move(grid, one);
    Move(grid, two);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&grid, &leave);
    QCOMPARE(events, (QStringList{"enter one", "exit one", "enter two", "exit two"}));
  }

  void hover_underlines_only_the_hot_link() {
    TZadIrururOziz grid;
    Setup(grid, false);
    grid.SetURLUnderlineOnHover(true);
    grid.SetCellEx(1, 1, "<A HREF=\"one\">first</A> and <A HREF=\"two\">second</A>");
    const QPoint one = Anchor_Point(grid, 1, 1, "one");
    const QPoint two = Anchor_Point(grid, 1, 1, "two");
    THtmlDrawResult hit;
    grid.HtmlCellHit(1, 1, one, hit);
    const QRect first = hit.AnchorRect.To_QRect().adjusted(0, 0, 0, 2);
    grid.HtmlCellHit(1, 1, two, hit);
    const QRect second = hit.AnchorRect.To_QRect().adjusted(0, 0, 0, 2);
    auto shot = [&](const QRect& r) { return grid.viewport()->grab(r).toImage(); };
    const QImage first_cold = shot(first), second_cold = shot(second);
    Move(grid, one);
    QCOMPARE(grid.HoverLink(), 1);
    QVERIFY(shot(first) != first_cold);
    QCOMPARE(shot(second), second_cold);
    Move(grid, two);
    QCOMPARE(grid.HoverLink(), 2);
    QCOMPARE(shot(first), first_cold);
    QVERIFY(shot(second) != second_cold);
    Move(grid, grid.CellRect(2, 3).To_QRect().center());
    QCOMPARE(grid.HoverLink(), -1);
    QCOMPARE(shot(second), second_cold);
  }

  void anchor_hint_title() {
    TZadIrururOziz grid;
    Setup(grid, false);
    grid.SetCellEx(1, 1, "<A HREF=\"one\">first</A>");
    QStringList asked;
    grid.OnAnchorHint = [&](TZadIrururOziz*, int, int, QString& anchor) {
      asked << anchor;
      anchor = "Title";
    };
    Move(grid, Anchor_Point(grid, 1, 1, "one"));
    QCOMPARE(asked, QStringList{"one"});
  }

  void links_in_text() {
    TZadIrururOziz grid;
    Setup(grid, false);
    grid.SetCellEx(1, 1, "see www.x.org now");
    grid.SetCellEx(1, 2, "mail mailto:a@x.org or www.y.org");
    const QRect cell = grid.CellRect(1, 1).To_QRect();
    const QImage plain = grid.viewport()->grab(cell).toImage();
    grid.SetURLShowInText(true);
    QCOMPARE(grid.GetCellEx(1, 1), QString("see <a href=\"www.x.org\">www.x.org</a> now"));
    QCOMPARE(grid.GetCellEx(1, 2), QString("mail mailto:a@x.org or <a href=\"www.y.org\">www.y.org</a>"));
    QCOMPARE(grid.Store().Text(1, 1), QString("see www.x.org now"));
    QVERIFY(grid.viewport()->grab(cell).toImage() != plain);
    QStringList calls;
    grid.LinkOpener = [&](const QString& url) { calls << url; };
    Click(grid, Anchor_Point(grid, 1, 1, "www.x.org"));
    QCOMPARE(calls, QStringList{"http://www.x.org"});
  }

  void system_icons() {
    // Every grid installs the platform's icons for SSYS and LSYS pictures.
    TZadIrururOziz grid;
    QVERIFY(HasHtmlSystemIconProvider());
    const QImage folder = HtmlSystemIcon(QDir::tempPath(), false);
    QCOMPARE(folder.size(), QSize(16, 16));
    QCOMPARE(HtmlSystemIcon(QDir::tempPath(), true).size(), QSize(32, 32));
    QVERIFY(!HtmlSystemIcon("/no/such/file.txt", false).isNull());
    QVERIFY(!HtmlSystemIcon(QString::number(int(QStyle::SP_DirIcon)), false).isNull());
    QVERIFY(HtmlSystemIcon("99999", false).isNull());
    QVERIFY(HtmlSystemIcon("", false).isNull());
    grid.SetCellEx(1, 1, "<IMG SRC=\"SSYS:" + QDir::tempPath() + "\">");
    QCOMPARE(grid.GetCellTextSize(1, 1, false, false).width(), grid.logicalDpiX() * 16 / 96 + 2);
  }
};

QTEST_MAIN(GridHtmlAnchorsTest)
#include "grid_html_anchors_test.moc"
