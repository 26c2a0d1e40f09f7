// The visual-properties file: every key written and read back, its value
// forms, the file's bytes, and files that are refused without a change.
#include <QtTest>

#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

QByteArray Read_File(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write_File(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// name -> value of each line, in file order.
QList<QPair<QString, QString>> Lines(const QByteArray& bytes) {
  QList<QPair<QString, QString>> out;
  for (const QByteArray& line : bytes.split('\n')) {
    if (line.isEmpty()) continue;
    const QString text = QString::fromLatin1(line.endsWith('\r') ? line.chopped(1) : line);
    const qsizetype eq = text.indexOf('=');
    out.append({text.left(eq), text.mid(eq + 1)});
  }
  return out;
}

QFont Font(const char* family, int size, bool bold, bool italic, bool underline, bool strike) {
  QFont f(QString::fromLatin1(family));
  f.setPointSize(size);
  f.setBold(bold);
  f.setItalic(italic);
  f.setUnderline(underline);
  f.setStrikeOut(strike);
  return f;
}

// Every saved property away from its default.
void Customise(TZadIrururOziz& g) {
  g.SetColor(0x00C08040);
  g.SetHintColor(clRed);
  g.SetSelectionColor(0x010203);
  g.SetSelectionColorTo(0x020304);
  g.SetSelectionMirrorColor(0x030405);
  g.SetSelectionMirrorColorTo(0x040506);
  g.SetSelectionTextColor(clYellow);
  g.SetURLColor(clPurple);
  g.SetURLShow(true);
  g.SetURLShowInText(true);
  g.SetScrollColor(clTeal);
  g.SetActiveRowColor(clCream);
  g.SetActiveRowShow(true);
  g.SetActiveCellShow(true);
  g.SetGridFont(Font("Courier New", 13, true, false, true, false));
  g.SetFontColor(clNavy);
  g.SetActiveCellColor(0x0A0B0C);
  g.SetActiveCellColorTo(0x0B0C0D);
  g.SetActiveCellFont(Font("Caf\xe9 Sans", 10, false, true, false, true));
  g.SetActiveCellFontColor(clMaroon);
  g.SetFixedFont(Font("Verdana", 11, false, false, false, true));
  g.SetFixedFontColor(clGreen);
  g.Balloon().SetBackgroundColor(0x111111);
  g.Balloon().SetTextColor(0x222222);
  g.Balloon().SetTransparency(200);
  g.Bands().SetPrimaryColor(0x333333);
  g.Bands().SetSecondaryColor(0x444444);
  g.Bands().SetActive(true);
  g.SortSettings().IndexColor = 0x555555;
  g.FloatingFooter().SetColor(0x666666);
  g.ControlLook().SetCheckSize(21);
  g.ControlLook().SetColor(0x777777);
  g.ControlLook().SetCommentColor(0x888888);
  g.ControlLook().SetControlStyle(csBorland);
  g.ControlLook().SetFixedGradientFrom(0x999999);
  g.ControlLook().SetFixedGradientTo(0xAAAAAA);
  g.ControlLook().SetRadioSize(17);
  g.ControlLook().SetFlatButton(true);
  g.ControlLook().SetProgressBorderColor(0xBBBBBB);
  g.ControlLook().SetProgressXP(true);
  g.SearchFooter().SetColor(0xCCCCCC);
  g.SearchFooter().SetColorTo(0xDDDDDD);
  g.Grouping().SetHeaderColor(0x010101);
  g.Grouping().SetHeaderColorTo(0x020202);
  g.Grouping().SetHeaderTextColor(0x030303);
  g.Grouping().SetHeaderUnderline(true);
  g.Grouping().SetHeaderLineColor(0x040404);
  g.Grouping().SetHeaderLineWidth(5);
  g.Grouping().SetSummaryColor(0x050505);
  g.Grouping().SetSummaryColorTo(0x060606);
  g.Grouping().SetSummaryTextColor(0x070707);
  g.Grouping().SetSummaryLine(true);
  g.Grouping().SetSummaryLineColor(0x080808);
  g.Grouping().SetSummaryLineWidth(7);
  g.SetGridLineColor(0x090909);
  g.SetGridFixedLineColor(0x0A0A0A);
  g.BackGround().Top = 12;
  g.BackGround().Left = -3;
  g.BackGround().Display = bdGradientVert;
  g.BackGround().Cells = bcAll;
  g.BackGround().Color = 0x0B0B0B;
  g.BackGround().ColorTo = 0x0C0C0C;
}

}  // namespace

class Grid_Visual_Props_Test : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString File(const char* name) { return dir.filePath(QString::fromLatin1(name)); }

 private Q_SLOTS:
  void Every_Key_Comes_Back_data() {
    QTest::addColumn<QString>("key");
    TZadIrururOziz source;
    Customise(source);
    source.SaveVisualProps(File("all.txt"));
    for (const auto& [key, value] : Lines(Read_File(File("all.txt")))) QTest::newRow(qPrintable(key)) << key;
  }
  void Every_Key_Comes_Back() {
    QFETCH(QString, key);
    TZadIrururOziz fresh, plain;
    fresh.LoadVisualProps(File("all.txt"));
    fresh.SaveVisualProps(File("back.txt"));
    plain.SaveVisualProps(File("plain.txt"));
    const auto find = [&](const char* name) {
      for (const auto& [k, v] : Lines(Read_File(File(name))))
        if (k == key) return v;
      return QStringLiteral("<missing>");
    };
    QCOMPARE(find("back.txt"), find("all.txt"));
    if (key != "Look") QVERIFY2(find("plain.txt") != find("all.txt"), "the fixture leaves this key at its default");
  }

  void File_Order_Forms_And_Bytes() {
    TZadIrururOziz grid;
    Customise(grid);
    grid.SaveVisualProps(File("order.txt"));
    const QByteArray bytes = Read_File(File("order.txt"));
    const auto lines = Lines(bytes);
    QCOMPARE(lines.size(), 69);
    QCOMPARE(lines.first(), qMakePair(QStringLiteral("Color"), QStringLiteral("$00C08040")));
    QCOMPARE(lines.last().first, QStringLiteral("BackGround.ColorTo"));
    QVERIFY(bytes.startsWith("Color=$00C08040\r\nHintColor=clRed\r\n"));
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(!bytes.contains("\n\n"));
    QVERIFY(bytes.contains("Font.Style=fsBold,fsUnderline\r\nFont.Size=13\r\nFont.Name=Courier New\r\n"));
    QVERIFY(bytes.contains("FixedFont.Style=fsStrikeOut\r\n"));
    QVERIFY(bytes.contains("ActiveCellFont.Name=Caf\xe9 Sans\r\n"));  // Windows-1252
    QVERIFY(bytes.contains("URLShow=true\r\n"));
    QVERIFY(bytes.contains("ControlLook.ControlStyle=csBorland\r\n"));
    QVERIFY(bytes.contains("BackGround.Display=bdGradientVert\r\nBackGround.Cells=bcAll\r\n"));
    QVERIFY(bytes.contains("Look=glXP\r\n"));
  }

  void Custom_Look_Writes_Nothing_And_Loads_Nothing() {
    TZadIrururOziz custom;
    custom.SetLook(glCustom);
    custom.SaveVisualProps(File("custom.txt"));
    QVERIFY(Read_File(File("custom.txt")).contains("\r\nLook=\r\n"));
    TZadIrururOziz grid;
    grid.SetLook(glWin7);
    grid.LoadVisualProps(File("custom.txt"));
    QCOMPARE(grid.Look(), glWin7);
  }

  void Names_Without_Case_And_Other_Line_Ends() {
    TZadIrururOziz grid;
    grid.SaveVisualProps(File("case.txt"));
    QByteArray bytes = Read_File(File("case.txt"));
    bytes.replace("Balloon.BackgroundColor=clNone", "Balloon.BackGroundColor=$00123456");
    bytes.replace("Bands.Active=false", "BANDS.ACTIVE=True");
    bytes.replace("\r\n", "\n");
    Write_File(File("case.txt"), "\xEF\xBB\xBF" + bytes);  // a UTF-8 signature
    grid.LoadVisualProps(File("case.txt"));
    QCOMPARE(grid.Balloon().BackgroundColor(), TColor(0x123456));
    QVERIFY(grid.Bands().Active());
  }

  void Bad_Files_Change_Nothing_data() {
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::newRow("colour") << QByteArray("GridLineColor=clSilver") << QByteArray("GridLineColor=clNoSuch");
    QTest::newRow("integer") << QByteArray("ControlLook.RadioSize=10") << QByteArray("ControlLook.RadioSize=1O");
    QTest::newRow("missing integer") << QByteArray("ControlLook.CheckSize=15\r\n") << QByteArray();
    QTest::newRow("transparency") << QByteArray("Balloon.Transparency=0") << QByteArray("Balloon.Transparency=256");
    QTest::newRow("font size") << QByteArray("Font.Size=9") << QByteArray("Font.Size=0");
  }
  void Bad_Files_Change_Nothing() {
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    TZadIrururOziz grid;
    grid.SaveVisualProps(File("good.txt"));
    QByteArray bytes = Read_File(File("good.txt"));
    QVERIFY2(bytes.contains(from), bytes.constData());
    bytes.replace(from, to);
    // The first line would change a lot if anything were applied.
    bytes.replace(bytes.left(bytes.indexOf('\r')), "Color=clRed");
    Write_File(File("bad.txt"), bytes);
    const TColor before = grid.Color();
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.LoadVisualProps(File("bad.txt")));
    QCOMPARE(grid.Color(), before);
    grid.SaveVisualProps(File("after.txt"));
    QCOMPARE(Read_File(File("after.txt")), Read_File(File("good.txt")));
  }

  void Files_That_Cannot_Be_Opened_Or_Made() {
    TZadIrururOziz grid;
    const QString missing = File("missing.txt");
    try {
      grid.LoadVisualProps(missing);
      QFAIL("no error");
    } catch (const VAzaZeriVader& error) {
      QCOMPARE(QString::fromUtf8(error.what()), "Cannot open file " + missing);
    }
    const QString nowhere = File("no/such/folder.txt");
    try {
      grid.SaveVisualProps(nowhere);
      QFAIL("no error");
    } catch (const VAzaZeriVader& error) {
      QCOMPARE(QString::fromUtf8(error.what()), "Cannot Create " + nowhere);
    }
    QVERIFY(!QFile::exists(nowhere));
  }
};

QTEST_MAIN(Grid_Visual_Props_Test)
#include "grid_visual_props_test.moc"
