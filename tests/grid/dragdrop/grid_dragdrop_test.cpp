// The drag-and-drop base: the dragged data and what of it can be fetched,
// the drop target's order of hooks and effects on well-formed and malformed
// data, and the drop source's answers.
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QtTest>

#include "grid/dragdrop/drop_formats.h"
#include "grid/dragdrop/drop_source.h"
#include "grid/dragdrop/drop_target.h"
#include "grid/dragdrop/enum_formats.h"
#include "grid/dragdrop/source_data_object.h"

using namespace grid_dragdrop;

namespace {

// Writes down every hook call in order.
class Recording_Target : public TZSGDropTarget {
 public:
  QStringList log;

 protected:
  void DropText(QPoint, const QString& s) override { log << "text:" + s; }
  void DropStream(QPoint, const QByteArray& ms) override { log << "cells:" + QString::fromLatin1(ms.toHex()); }
  void DropCol(QPoint, int col) override { log << "col:" + QString::number(col); }
  void DropRTF(QPoint, const QString& s) override { log << "rtf:" + s; }
  void DropFiles(QPoint, const QStringList& files) override { log << "files:" + files.join(','); }
  void DropURL(QPoint, const QString& s) override { log << "url:" + s; }
  void DragMouseMove(QPoint pt, bool& Allow, TDropFormats) override {
    if (pt.x() < 0) Allow = false;
  }
};

// A drag loop that never runs: answers a given effect and keeps the data.
class Scripted_Source : public TZSGDropSource {
 public:
  using TZSGDropSource::TZSGDropSource;
  int answer = DROPEFFECT_NONE;
  int ok_effects = -1;
  QStringList formats;
  QByteArray cells, column, text;
  int finished = 0;
  int Run_Drag(QDrag* Drag, int OkEffects) override {
    ok_effects = OkEffects;
    auto* data = static_cast<TSourceDataObject*>(Drag->mimeData());
    formats = data->formats();
    cells = data->data(Cells_Mime);
    column = data->data(Column_Mime);
    text = data->data(Text_Mime);
    return answer;
  }
  void DragFinished() override { ++finished; }
};

QByteArray Cells_Block(int32_t count, int payload) {
  QByteArray block(8, '\0');
  qToLittleEndian<int32_t>(count, block.data());
  return block + QByteArray(payload, 'x');
}

struct Rtf_Scope {
  explicit Rtf_Scope(bool on) { SetRTFDropEnabled(on); }
  ~Rtf_Scope() { SetRTFDropEnabled(false); }
};

}  // namespace

class Grid_DragDrop_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cells_block_layout() {
    QByteArray stream;
    for (int i = 0; i < 20; ++i) stream.append(char(i + 1));
    TSourceDataObject data("a\tb", "{\\rtf1 a}", -1, stream);
    const QByteArray block = data.data(Cells_Mime);
    QCOMPARE(block.size(), 28);
    QCOMPARE(block.left(8), QByteArray::fromHex("1400000000000000"));
    QCOMPARE(block.mid(8), stream);
    QByteArray back;
    QVERIFY(Decode_Cells(block, back));
    QCOMPARE(back, stream);
  }

  void column_drag_lists_text_but_hands_out_only_the_column() {
    Rtf_Scope rtf(true);
    TSourceDataObject data(QString(), QString(), 3, std::nullopt);
    QCOMPARE(data.formats(), (QStringList{Text_Mime, Rtf_Mime, Column_Mime}));
    QVERIFY(!data.QueryGetData(Text_Mime));
    QVERIFY(!data.QueryGetData(Rtf_Mime));
    QVERIFY(!data.QueryGetData(Cells_Mime));
    QVERIFY(data.data(Text_Mime).isEmpty());
    QCOMPARE(data.data(Column_Mime), QByteArray::fromHex("03000000"));
  }

  void rich_text_fetchable_only_while_enabled() {
    TSourceDataObject data("a", "{\\rtf1 a}", -1, std::nullopt);
    QVERIFY(!data.QueryGetData(Rtf_Mime));
    Rtf_Scope rtf(true);
    QCOMPARE(data.data(Rtf_Mime), QByteArray("{\\rtf1 a}"));
    QCOMPARE(data.text(), QString("a"));
  }

  void decoders_refuse_malformed_blocks_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<bool>("cells_ok");
    QTest::addColumn<bool>("column_ok");
    QTest::newRow("count past the end") << Cells_Block(1000, 12) << false << false;
    QTest::newRow("negative count") << Cells_Block(-1, 4) << false << false;
    QTest::newRow("head cut short") << QByteArray(7, '\0') << false << false;
    QTest::newRow("empty stream") << Cells_Block(0, 0) << true << false;
    QTest::newRow("count below the bytes") << Cells_Block(2, 5) << true << false;
    QTest::newRow("four bytes") << QByteArray(4, '\1') << false << true;
    QTest::newRow("five bytes") << QByteArray(5, '\1') << false << false;
  }
  void decoders_refuse_malformed_blocks() {
    QFETCH(QByteArray, block);
    QFETCH(bool, cells_ok);
    QFETCH(bool, column_ok);
    QByteArray stream;
    int32_t column = 0;
    QCOMPARE(Decode_Cells(block, stream), cells_ok);
    QCOMPARE(Decode_Column(block, column), column_ok);
  }

  void drop_order_and_effects_data() {
    QTest::addColumn<QStringList>("formats");  // mime=value pairs
    QTest::addColumn<bool>("rtf_on");
    QTest::addColumn<bool>("accept_cols");
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("allowed");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("effect");
    const QString text = Text_Mime + "=hello", rtf = Rtf_Mime + "={\\rtf1 hi}", uris = Uri_List_Mime;
    const int both = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    QTest::newRow("rtf off: text") << QStringList{rtf, text} << false << false << 0 << both << QStringList{"text:hello"}
                                   << int(DROPEFFECT_MOVE);
    QTest::newRow("rtf on: rtf") << QStringList{rtf, text} << true << false << 0 << both
                                 << QStringList{"rtf:{\\rtf1 hi}"} << int(DROPEFFECT_MOVE);
    QTest::newRow("files after text") << QStringList{text, uris + "=file:///tmp/a.txt\r\nfile:///tmp/b.txt\r\n"}
                                      << false << false << 0 << both
                                      << QStringList{"text:hello", "files:/tmp/a.txt,/tmp/b.txt"}
                                      << int(DROPEFFECT_MOVE);
    QTest::newRow("url after files") << QStringList{text, uris + "=file:///tmp/a.txt\r\nhttp://h/x\r\n"} << false
                                     << false << 0 << both << QStringList{"text:hello", "files:/tmp/a.txt", "url:hello"}
                                     << int(DROPEFFECT_MOVE);
    QTest::newRow("cells before text") << QStringList{text, Cells_Mime + "=#" + Cells_Block(2, 2).toHex()} << false
                                       << false << 0 << both << QStringList{"cells:7878"} << int(DROPEFFECT_MOVE);
    QTest::newRow("cells of 1000 in 20 bytes refused")
        << QStringList{text, Cells_Mime + "=#" + Cells_Block(1000, 12).toHex()} << false << false << 0 << both
        << QStringList{} << int(DROPEFFECT_NONE);
    QTest::newRow("column alone") << QStringList{text, Column_Mime + "=#07000000"} << false << true << 0 << both
                                  << QStringList{"col:7"} << int(DROPEFFECT_MOVE);
    QTest::newRow("column refused without accepting columns")
        << QStringList{text, Column_Mime + "=#07000000"} << false << false << 0 << both << QStringList{}
        << int(DROPEFFECT_NONE);
    QTest::newRow("column of 5 bytes refused") << QStringList{Column_Mime + "=#0700000000"} << false << true << 0
                                               << both << QStringList{} << int(DROPEFFECT_NONE);
    QTest::newRow("ctrl copies") << QStringList{text} << false << false << int(Qt::ControlModifier) << both
                                 << QStringList{"text:hello"} << int(DROPEFFECT_COPY);
    QTest::newRow("copy when move not allowed") << QStringList{text} << false << false << 0 << int(DROPEFFECT_COPY)
                                                << QStringList{"text:hello"} << int(DROPEFFECT_COPY);
    QTest::newRow("nothing acceptable") << QStringList{"image/png=x"} << false << false << 0 << both << QStringList{}
                                        << int(DROPEFFECT_NONE);
  }
  void drop_order_and_effects() {
    QFETCH(QStringList, formats);
    QFETCH(bool, rtf_on);
    QFETCH(bool, accept_cols);
    QFETCH(int, keys);
    QFETCH(int, allowed);
    QFETCH(QStringList, log);
    QFETCH(int, effect);
    Rtf_Scope rtf(rtf_on);
    QMimeData data;
    for (const QString& entry : formats) {
      const QString mime = entry.section('=', 0, 0), value = entry.section('=', 1);
      data.setData(mime, value.startsWith('#') ? QByteArray::fromHex(value.mid(1).toLatin1()) : value.toUtf8());
    }
    Recording_Target target;
    target.SetAcceptCols(accept_cols);
    const auto shift = Qt::KeyboardModifiers::fromInt(keys);
    int entered = -1, dropped = -1;
    target.DragEnter(&data, shift, QPoint(5, 5), allowed, entered);
    target.Drop(&data, shift, QPoint(5, 5), allowed, dropped);
    QCOMPARE(target.log, log);
    QCOMPARE(dropped, effect);
  }

  void drop_formats_and_move_hook() {
    QMimeData data;
    data.setData(Text_Mime, "t");
    data.setData(Uri_List_Mime, "http://h/\r\n");
    Recording_Target target;
    int effect = -1;
    target.DragEnter(&data, {}, QPoint(1, 1), DROPEFFECT_MOVE, effect);
    QCOMPARE(int(target.DropFormats()), Drop_Format_Bit(dfText) | Drop_Format_Bit(dfURL));
    QCOMPARE(effect, int(DROPEFFECT_MOVE));
    target.DragOver({}, QPoint(-1, 1), DROPEFFECT_MOVE, effect);
    QCOMPARE(effect, int(DROPEFFECT_NONE));
    target.DragOver(Qt::ControlModifier, QPoint(1, 1), DROPEFFECT_MOVE, effect);
    QCOMPARE(effect, int(DROPEFFECT_COPY));
  }

  // The platform's drag events reach the hooks and carry the effect back.
  void drop_events_through_the_window() {
    QWidget window;
    window.setAcceptDrops(true);
    Recording_Target target;
    target.Install(&window);
    QMimeData data;
    data.setText("dropped");
    QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ControlModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(3, 3), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::MoveAction);
    QCOMPARE(target.log, QStringList{"text:dropped"});
  }

  void query_continue_drag_data() {
    QTest::addColumn<bool>("escape");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("finished");
    QTest::newRow("escape") << true << int(Qt::LeftButton) << int(DRAGDROP_S_CANCEL) << 1;
    QTest::newRow("released") << false << int(Qt::NoButton) << int(DRAGDROP_S_DROP) << 1;
    QTest::newRow("still held") << false << int(Qt::LeftButton) << 0 << 0;
  }
  void query_continue_drag() {
    QFETCH(bool, escape);
    QFETCH(int, buttons);
    QFETCH(int, result);
    QFETCH(int, finished);
    QObject owner;
    Scripted_Source source(&owner);
    QCOMPARE(source.QueryContinueDrag(escape, Qt::MouseButtons::fromInt(buttons)), result);
    QCOMPARE(source.finished, finished);
    QCOMPARE(source.GiveFeedback(DROPEFFECT_NONE), int(DRAGDROP_S_USEDEFAULTCURSORS));
    QVERIFY(source.NoAccept());
    source.GiveFeedback(DROPEFFECT_MOVE);
    QVERIFY(!source.NoAccept());
  }

  void begin_drags() {
    QObject owner;
    Scripted_Source source(&owner);
    int effect = -1;
    source.answer = DROPEFFECT_MOVE;
    QCOMPARE(BeginTextDrag(source, "a\tb", "{\\rtf1 a}", effect, 3, QByteArray("zz")), int(DRAGDROP_S_DROP));
    QCOMPARE(effect, int(DROPEFFECT_MOVE));
    QCOMPARE(source.ok_effects, 3);
    QCOMPARE(source.cells, QByteArray::fromHex("02000000000000007a7a"));
    QCOMPARE(source.text, QByteArray("a\tb"));
    // Released over a window that took nothing.
    source.answer = DROPEFFECT_NONE;
    QCOMPARE(BeginTextDrag(source, "a", "", effect, 3, std::nullopt), int(DRAGDROP_S_CANCEL));
    QCOMPARE(effect, int(DROPEFFECT_NONE));
    QVERIFY(!source.formats.contains(Cells_Mime));
    source.answer = DROPEFFECT_COPY;
    QCOMPARE(BeginColumnDrag(source, 3, 3, effect), int(DRAGDROP_S_DROP));
    QCOMPARE(source.column, QByteArray::fromHex("03000000"));
    QCOMPARE(source.finished, 3);
  }
};

QTEST_MAIN(Grid_DragDrop_Test)
#include "grid_dragdrop_test.moc"
