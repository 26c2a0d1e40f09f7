// Column widths and the column order kept in an INI file or the per-user
// registry files: what is written, what survives, what changes nothing, and
// the column grid's design positions.
#include <QtTest>

#include "grid/columns/zad_column_grid.h"
#include "grid/theme/registry_ini.h"

namespace {

QByteArray Read_File(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write_File(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

void Setup(TZadIrururOziz& grid, const QList<int>& widths) {
  grid.SetFixedCols(0);
  grid.SetColCount(int(widths.size()));
  for (int c = 0; c < widths.size(); ++c) {
    grid.SetColWidths(c, widths[c]);
    grid.SetCellEx(c, 0, QStringLiteral("c%1").arg(c));
  }
}

QList<int> Widths(TZadIrururOziz& grid) {
  QList<int> out;
  for (int c = 0; c < grid.ColCount(); ++c) out << grid.ColWidths(c);
  return out;
}

QStringList Headers(TZadIrururOziz& grid) {
  QStringList out;
  for (int c = 0; c < grid.ColCount(); ++c) out << grid.GetCellEx(grid.RealColIndex(c), 0);
  return out;
}

void Use(TZadIrururOziz& grid, TColumnSizeLocation location, const QString& key, const QString& section) {
  grid.ColumnSize().SetLocation(location);
  grid.ColumnSize().SetKey(key);
  grid.ColumnSize().SetSection(section);
}

}  // namespace

class Grid_Col_Sizes_Test : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString ini;
  // The registry key "Kelvra\Grids" section "Main" is this file.
  QString registry;

 private Q_SLOTS:
  void initTestCase() { registry_ini::Override_Root(dir.path()); }

  void init() {
    ini = dir.filePath(QStringLiteral("grid.ini"));
    registry = dir.filePath(QStringLiteral("Kelvra/Grids/Main.ini"));
    QFile::remove(ini);
    QFile::remove(registry);
  }

  void Nothing_Without_Key_And_Section_data() {
    QTest::addColumn<int>("location");
    QTest::addColumn<bool>("keyed");
    QTest::newRow("ini, no key") << int(clIniFile) << false;
    QTest::newRow("ini, no section") << int(clIniFile) << true;
    QTest::newRow("registry, no key") << int(clRegistry) << false;
    QTest::newRow("registry, no section") << int(clRegistry) << true;
  }
  void Nothing_Without_Key_And_Section() {
    QFETCH(int, location);
    QFETCH(bool, keyed);
    const bool is_ini = location == clIniFile;
    TZadIrururOziz grid;
    Setup(grid, {10, 20});
    grid.MoveColumn(0, 1);
    Use(grid, TColumnSizeLocation(location), keyed ? (is_ini ? ini : QStringLiteral("Kelvra\\Grids")) : QString(),
        keyed ? QString() : QStringLiteral("Main"));
    grid.SaveColSizes();
    grid.SaveColPositions();
    QVERIFY(!QFile::exists(ini));
    QVERIFY(!QDir(dir.filePath(QStringLiteral("Kelvra"))).exists());
  }

  void Widths_Through_Both_Stores_data() {
    QTest::addColumn<int>("location");
    QTest::newRow("ini") << int(clIniFile);
    QTest::newRow("registry") << int(clRegistry);
  }
  void Widths_Through_Both_Stores() {
    QFETCH(int, location);
    const bool is_ini = location == clIniFile;
    const QString file = is_ini ? ini : registry;
    const QString key = is_ini ? ini : QStringLiteral("Kelvra\\Grids");
    const QString section = QStringLiteral("Main");
    // Hand-written, in another case; the other lines must survive a save.
    const QByteArray head = is_ini ? QByteArray("; by hand\r\n[Other]\r\nCol0=5\r\n\r\n[main]\r\n")
                                   : QByteArray("; by hand\r\nUnrelated=yes\r\n");
    Write_File(file, head + "COL0=70\r\n");
    TZadIrururOziz grid;
    Setup(grid, {10, 20, 30});
    Use(grid, TColumnSizeLocation(location), key, section);
    grid.LoadColSizes();
    QCOMPARE(Widths(grid), (QList<int>{70, 20, 30}));
    QCOMPARE(Read_File(file), head + "COL0=70\r\n");  // a load writes nothing
    grid.SetColWidths(2, 33);
    grid.SaveColSizes();
    QCOMPARE(Read_File(file), head + "Col0=70\r\nCol1=20\r\nCol2=33\r\n");

    TZadIrururOziz next;
    Setup(next, {1, 1, 1});
    Use(next, TColumnSizeLocation(location), key, section);
    next.LoadColSizes();
    QCOMPARE(Widths(next), (QList<int>{70, 20, 33}));
  }

  void Order_Through_Both_Stores_data() { Widths_Through_Both_Stores_data(); }
  void Order_Through_Both_Stores() {
    QFETCH(int, location);
    const bool is_ini = location == clIniFile;
    const QString key = is_ini ? ini : QStringLiteral("Kelvra\\Grids");
    TZadIrururOziz grid;
    Setup(grid, {10, 20, 30, 40});
    Use(grid, TColumnSizeLocation(location), key, QStringLiteral("Main"));
    grid.SaveColPositions();  // no list: nothing
    QVERIFY(!QFile::exists(is_ini ? ini : registry));
    grid.MoveColumn(0, 3);
    grid.MoveColumn(0, 1);
    grid.SaveColPositions();
    QCOMPARE(Headers(grid), (QStringList{"c2", "c1", "c3", "c0"}));

    TZadIrururOziz next;
    Setup(next, {10, 20, 30, 40});
    Use(next, TColumnSizeLocation(location), key, QStringLiteral("Main"));
    next.HideColumn(1);
    next.LoadColPositions();
    // Real column 1 is hidden again, now holding the column that moved there.
    QVERIFY(next.IsHiddenColumn(1));
    next.UnHideColumnsAll();
    QCOMPARE(Headers(next), (QStringList{"c2", "c1", "c3", "c0"}));
  }

  void Stored_Orders_That_Change_Nothing_data() {
    QTest::addColumn<QByteArray>("section");
    QTest::newRow("no Pos0") << QByteArray("Pos1=0\r\nPos2=1\r\n");
    QTest::newRow("repeated") << QByteArray("Pos0=1\r\nPos1=1\r\nPos2=0\r\n");
    QTest::newRow("out of range") << QByteArray("Pos0=1\r\nPos1=2\r\nPos2=7\r\n");
    QTest::newRow("one missing") << QByteArray("Pos0=1\r\nPos2=0\r\n");
    QTest::newRow("not numbers") << QByteArray("Pos0=b\r\nPos1=a\r\nPos2=0\r\n");
  }
  void Stored_Orders_That_Change_Nothing() {
    QFETCH(QByteArray, section);
    Write_File(ini, "[Main]\r\n" + section);
    TZadIrururOziz grid;
    Setup(grid, {10, 20, 30});
    grid.MoveColumn(2, 0);
    Use(grid, clIniFile, ini, QStringLiteral("Main"));
    grid.LoadColPositions();
    QCOMPARE(Headers(grid), (QStringList{"c2", "c0", "c1"}));
    QCOMPARE(grid.ColumnStatesToString(), QStringLiteral("3#30,10,20#2,0,1#1,1,1"));
  }

  void Widths_Saved_On_Destruction_And_Loaded_After_Loading() {
    {
      TZadIrururOziz grid;
      Setup(grid, {10, 20});
      Use(grid, clIniFile, ini, QStringLiteral("Main"));
      grid.ColumnSize().SetSave(true);
      grid.SetColWidths(1, 55);
    }
    QCOMPARE(Read_File(ini), QByteArray("[Main]\r\nCol0=10\r\nCol1=55\r\n"));
    TZadIrururOziz grid;
    Setup(grid, {10, 20});
    Use(grid, clIniFile, ini, QStringLiteral("Main"));
    grid.ColumnSize().SetSave(true);
    grid.Loaded();
    QCOMPARE(Widths(grid), (QList<int>{10, 55}));
  }

  void Column_Grid_Keeps_Its_Design_Positions() {
    const auto make = [](TZadColumnGrid& grid) {
      grid.SetFixedCols(0);
      grid.SetColCount(4);
      for (int c = 0; c < 4; ++c) grid.Columns()[c]->SetHeader(QStringLiteral("h%1").arg(c));
      grid.Loaded();
      grid.ColumnSize().SetLocation(clIniFile);
    };
    const auto design = [](TZadColumnGrid& grid) {
      QList<int> out;
      for (int c = 0; c < grid.Columns().Count(); ++c) out << grid.Columns()[c]->DefIdx();
      return out;
    };
    TZadColumnGrid grid;
    make(grid);
    grid.MoveColumn(0, 2);
    grid.MoveColumn(3, 0);
    QCOMPARE(Headers(grid), (QStringList{"h3", "h1", "h2", "h0"}));
    grid.ColumnSize().SetKey(ini);
    grid.ColumnSize().SetSection(QStringLiteral("Cols"));
    grid.SaveColPositions();
    QCOMPARE(Read_File(ini), QByteArray("[Cols]\r\nCP0=3\r\nCP1=1\r\nCP2=2\r\nCP3=0\r\n"));

    TZadColumnGrid next;
    make(next);
    next.LoadColumnPositions(ini, QStringLiteral("Cols"));
    QCOMPARE(Headers(next), (QStringList{"h3", "h1", "h2", "h0"}));
    QCOMPARE(design(next), (QList<int>{3, 1, 2, 0}));
    QCOMPARE(next.Columns()[0]->Header(), QStringLiteral("h3"));
    // Loading again from the moved state lands on the same order.
    next.LoadColumnPositions(ini, QStringLiteral("Cols"));
    QCOMPARE(Headers(next), (QStringList{"h3", "h1", "h2", "h0"}));

    // One value missing: nothing moves.
    Write_File(ini, "[Cols]\r\nCP0=3\r\nCP1=1\r\nCP3=0\r\n");
    TZadColumnGrid third;
    make(third);
    third.LoadColumnPositions(ini, QStringLiteral("Cols"));
    QCOMPARE(Headers(third), (QStringList{"h0", "h1", "h2", "h3"}));
    QCOMPARE(design(third), (QList<int>{0, 1, 2, 3}));
  }
};

QTEST_MAIN(Grid_Col_Sizes_Test)
#include "grid_col_sizes_test.moc"
