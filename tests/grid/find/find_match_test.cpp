// The test of one prepared cell text against a search text.
#include "grid/find/find_match.h"

#include <QtTest>

Q_DECLARE_METATYPE(TFindParams)

class FindMatchTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void matches_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("search");
    QTest::addColumn<TFindParams>("params");
    QTest::addColumn<bool>("expected");
    QTest::newRow("inside") << "cab"
                            << "ab" << TFindParams{} << true;
    QTest::newRow("absent") << "cab"
                            << "ba" << TFindParams{} << false;
    QTest::newRow("start") << "abc"
                           << "ab" << TFindParams{fnMatchStart} << true;
    QTest::newRow("not at start") << "cab"
                                  << "ab" << TFindParams{fnMatchStart} << false;
    QTest::newRow("full") << "ab"
                          << "ab" << TFindParams{fnMatchFull} << true;
    QTest::newRow("more than full") << "abc"
                                    << "ab" << TFindParams{fnMatchFull} << false;
    QTest::newRow("quotes find empty") << ""
                                       << "\"\"" << TFindParams{} << true;
    QTest::newRow("quotes skip text") << "x"
                                      << "\"\"" << TFindParams{} << false;
    QTest::newRow("quotes before regular") << ""
                                           << "\"\"" << TFindParams{fnMatchRegular} << true;
    QTest::newRow("empty search finds nothing") << "abc"
                                                << "" << TFindParams{} << false;
    QTest::newRow("empty search, empty cell") << ""
                                              << "" << TFindParams{fnMatchFull} << false;
    QTest::newRow("condition holds") << "15"
                                     << ">10" << TFindParams{fnMatchRegular} << true;
    QTest::newRow("condition fails") << "5"
                                     << ">10" << TFindParams{fnMatchRegular} << false;
    QTest::newRow("wildcards") << "METER 7"
                               << "M*7" << TFindParams{fnMatchRegular} << true;
    QTest::newRow("malformed condition") << "((a"
                                         << "((a" << TFindParams{fnMatchRegular} << false;
  }
  void matches() {
    QFETCH(QString, cell);
    QFETCH(QString, search);
    QFETCH(TFindParams, params);
    QFETCH(bool, expected);
    QCOMPARE(Find_Text_Matches(cell, search, params), expected);
  }

  void parameter_set_bits() {
    TFindParams p{fnMatchCase, fnIncludeHiddenRows};
    QCOMPARE(p.Bits(), uint16_t(0x8001));
    p << fnBackward >> fnMatchCase;
    QVERIFY(p.Has(fnBackward) && !p.Has(fnMatchCase));
    QCOMPARE(TFindParams::FromBits(p.Bits()), p);
  }
};

QTEST_GUILESS_MAIN(FindMatchTest)
#include "find_match_test.moc"
