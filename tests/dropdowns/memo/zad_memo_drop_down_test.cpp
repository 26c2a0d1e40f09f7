#include "dropdowns/memo/zad_memo_drop_down.h"

#include <QtTest>
#include <memory>
class Memo_Test : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void two_lines_show_the_first_with_an_ellipsis() {
    std::unique_ptr<TZadMemoDropDown> d(Create_Drop_Down<TZadMemoDropDown>());
    d->SetEditorEnabled(false);
    d->SetMemoText({QStringLiteral("one"), QStringLiteral("two")});
    QCOMPARE(d->text(), QStringLiteral("one..."));
  }
};
QTEST_MAIN(Memo_Test)
#include "zad_memo_drop_down_test.moc"
