#include "controls/zb_button.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include "controls/canvas.h"
#include "controls/zb_button_face.h"

namespace {

// A dialog with an edit box and the two dialog-key buttons.
struct Key_Dialog {
  QDialog dialog;
  QLineEdit* edit = new QLineEdit(&dialog);
  TZbButton* ok = new TZbButton(&dialog);
  TZbButton* cancel = new TZbButton(&dialog);
  TZbButton* other = new TZbButton(&dialog);
  int ok_clicks = 0;
  int cancel_clicks = 0;

  Key_Dialog() {
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(edit);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    layout->addWidget(other);
    ok->Set_Caption(QStringLiteral("OK"));
    ok->Set_Default(true);
    cancel->Set_Caption(QStringLiteral("Cancel"));
    cancel->Set_Cancel(true);
    ok->OnClick = [this] { ++ok_clicks; };
    cancel->OnClick = [this] { ++cancel_clicks; };
  }
};

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }
QRgb Rgb_Of(TColor c) { return qRgb(Get_R(c), Get_G(c), Get_B(c)) & 0xFFFFFF; }

QImage Face_Image(const QString& caption, int width) {
  QImage image(width, 23, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  TCanvas canvas(painter);
  Zb_Face face;
  face.Caption = caption;
  DrawZbButtonFace(canvas, width, 23, face);
  return image;
}

// The start that dropping one character at a time from the end would leave.
QString Start_Dropping_One_By_One(const QString& caption, int room) {
  QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  TCanvas canvas(painter);
  QString start = caption;
  while (!start.isEmpty()) {
    TRect probe{0, 0, 100000, 0};
    canvas.Draw_Text(start, probe, DT_CALCRECT | DT_SINGLELINE);
    if (probe.Width() <= room) break;
    start.chop(1);
  }
  if (!start.isEmpty() && start.back().isHighSurrogate()) start.chop(1);  // never half a character
  return start;
}

}  // namespace

class ZbButtonTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void enterClicksTheDefaultButtonOnlyFromNonButtons();
  void escapeClicksCancelWithoutModifiers();
  void modalResultEndsTheDialogWhateverTheHandlerDid_data();
  void modalResultEndsTheDialogWhateverTheHandlerDid();
  void mouseClickNeedsReleaseOverTheButton();
  void keysAndAcceleratorClickTheFocusedButton();
  void propertiesFollowTheirWriters();
  void faceColoursInEachState_data();
  void faceColoursInEachState();
  void flatButtonShowsEdgesOnlyWhenHot();
  void glyphFrameFollowsTheState_data();
  void glyphFrameFollowsTheState();
  void hotColourFadesOnlyWithSlowDecease();
  void blendAndGradient();
  void captionIsCutToItsLongestFittingStart_data();
  void captionIsCutToItsLongestFittingStart();
};

void ZbButtonTest::enterClicksTheDefaultButtonOnlyFromNonButtons() {
  Key_Dialog d;
  d.dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&d.dialog));

  d.edit->setFocus();
  QTest::keyClick(d.edit, Qt::Key_Return);
  QCOMPARE(d.ok_clicks, 1);
  QVERIFY(d.dialog.isVisible());

  // A focused button answers Enter itself.
  int other_clicks = 0;
  d.other->OnClick = [&] { ++other_clicks; };
  d.other->setFocus();
  QTest::keyClick(d.other, Qt::Key_Return);
  QCOMPARE(d.ok_clicks, 1);
  QCOMPARE(other_clicks, 1);

  d.ok->setEnabled(false);
  d.edit->setFocus();
  QTest::keyClick(d.edit, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(d.ok_clicks, 1);
}

void ZbButtonTest::escapeClicksCancelWithoutModifiers() {
  Key_Dialog d;
  d.dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
  d.edit->setFocus();
  QTest::keyClick(d.edit, Qt::Key_Escape, Qt::ShiftModifier);
  QCOMPARE(d.cancel_clicks, 0);
  QTest::keyClick(d.edit, Qt::Key_Escape, Qt::ControlModifier);
  QCOMPARE(d.cancel_clicks, 0);
  QTest::keyClick(d.edit, Qt::Key_Escape);
  QCOMPARE(d.cancel_clicks, 1);
  d.cancel->hide();
  QTest::keyClick(d.edit, Qt::Key_Escape);
  QCOMPARE(d.cancel_clicks, 1);
}

void ZbButtonTest::modalResultEndsTheDialogWhateverTheHandlerDid_data() {
  QTest::addColumn<int>("modal_result");
  QTest::addColumn<int>("handler_result");  // 0: the handler leaves the dialog alone
  QTest::addColumn<int>("expected");
  QTest::newRow("ok button") << 1 << 0 << 1;
  QTest::newRow("cancel over handler") << 2 << 1 << 2;
  QTest::newRow("handler decides") << 0 << 7 << 7;
}

void ZbButtonTest::modalResultEndsTheDialogWhateverTheHandlerDid() {
  QFETCH(int, modal_result);
  QFETCH(int, handler_result);
  QFETCH(int, expected);
  QDialog dialog;
  auto* button = new TZbButton(&dialog);
  button->Set_ModalResult(modal_result);
  int clicks = 0;
  button->OnClick = [&] {
    ++clicks;
    if (handler_result != 0) dialog.done(handler_result);
  };
  QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10)); });
  // A stuck dialog fails the test instead of hanging it.
  QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-99); });
  QCOMPARE(dialog.exec(), expected);
  QCOMPARE(clicks, 1);
}

void ZbButtonTest::mouseClickNeedsReleaseOverTheButton() {
  QWidget window;
  window.resize(300, 100);
  auto* button = new TZbButton(&window);
  button->move(10, 10);
  int clicks = 0;
  QObject::connect(button, &TZbButton::clicked, [&] { ++clicks; });
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));

  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  QVERIFY(button->Is_Down());
  QVERIFY(button->hasFocus());
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 5));  // dragged off
  QCOMPARE(clicks, 0);
  QVERIFY(!button->Is_Down());

  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  QCOMPARE(clicks, 1);

  button->setEnabled(false);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  button->Click();
  QCOMPARE(clicks, 1);
}

void ZbButtonTest::keysAndAcceleratorClickTheFocusedButton() {
  QWidget window;
  auto* button = new TZbButton(&window);
  button->Set_Caption(QStringLiteral("&Go"));
  int clicks = 0;
  button->OnClick = [&] { ++clicks; };
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Space);
  QCOMPARE(clicks, 1);
  // A release without its press (the key that opened the window) does not click.
  QTest::keyRelease(button, Qt::Key_Return);
  QCOMPARE(clicks, 1);
  QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
  QCOMPARE(clicks, 2);
}

void ZbButtonTest::propertiesFollowTheirWriters() {
  TZbButton button;
  QCOMPARE(button.size(), QSize(100, 23));
  QCOMPARE(button.Color(), clBtnFace);
  QCOMPARE(button.LightColor(), TColor(0xFFFFFF));
  QCOMPARE(button.ShadowColor(), TColor(0x808080));
  QCOMPARE(button.ColorWhenDown(), clNone);

  button.Set_Glyph(QImage(60, 20, QImage::Format_RGB32));
  QCOMPARE(button.NumGlyphs(), 3);
  button.Set_Glyph(QImage());
  QCOMPARE(button.NumGlyphs(), 0);

  button.Set_Kind(bkCancel);
  QCOMPARE(button.Caption(), QStringLiteral("Abbrechen"));
  QCOMPARE(button.ModalResult(), 2);
  QCOMPARE(button.NumGlyphs(), 2);
  QCOMPARE(button.Glyph().size(), QSize(36, 18));
  QCOMPARE(button.Kind(), bkCancel);
  button.Set_ModalResult(5);
  QCOMPARE(button.Kind(), bkCustom);
  QCOMPARE(button.Caption(), QStringLiteral("Abbrechen"));  // glyph and caption stay
  QCOMPARE(button.NumGlyphs(), 2);

  button.Set_Kind(bkAll);
  QCOMPARE(button.NumGlyphs(), 2);
  QCOMPARE(button.ModalResult(), 12);
  button.Set_Kind(bkClose);
  QCOMPARE(button.Caption(), QString::fromUtf8("Schließen"));
  QCOMPARE(button.ModalResult(), 0);

  button.Set_ColorStyle(lcsAqua);
  QCOMPARE(button.Style(), bsModern);
  QCOMPARE(button.Color(), TColor(0xECCE94));
  QCOMPARE(button.ColorStyle(), lcsCustom);
  button.Set_ColorStyle(lcsUltraFlat2);
  QVERIFY(button.Flat());
  QCOMPARE(button.Style(), bsNormal);

  button.Set_Hint(QStringLiteral("help text"));
  QCOMPARE(button.toolTip(), QStringLiteral("help text"));
}

void ZbButtonTest::faceColoursInEachState_data() {
  QTest::addColumn<int>("style");
  QTest::addColumn<bool>("pressed");
  QTest::addColumn<bool>("hot");
  QTest::addColumn<QPoint>("probe");
  QTest::addColumn<uint>("expected");
  // The windows' configuration: face $EDF7F8, down $0080FF, hot clYellow.
  QTest::newRow("encarta idle") << int(bsEncarta) << false << false << QPoint(2, 11) << 0xEDF7F8u;
  QTest::newRow("encarta pressed") << int(bsEncarta) << true << false << QPoint(2, 11) << 0x0080FFu;
  QTest::newRow("encarta hot") << int(bsEncarta) << false << true << QPoint(2, 11) << uint(clYellow);
  QTest::newRow("encarta pressed edge") << int(bsEncarta) << true << false << QPoint(0, 11) << uint(clGray);
  QTest::newRow("encarta idle edge") << int(bsEncarta) << false << false << QPoint(99, 11) << 0x808080u;
  QTest::newRow("normal pressed light edge") << int(bsNormal) << true << false << QPoint(99, 11) << uint(clGray);
}

void ZbButtonTest::faceColoursInEachState() {
  QFETCH(int, style);
  QFETCH(bool, pressed);
  QFETCH(bool, hot);
  QFETCH(QPoint, probe);
  QFETCH(uint, expected);
  QWidget window;
  window.resize(200, 60);
  auto* button = new TZbButton(&window);
  button->move(50, 20);  // away from the resting pointer
  button->Set_Style(static_cast<TZbButtonStyle>(style));
  button->Set_Color(0xEDF7F8);
  button->Set_LightColor(clGray);
  button->Set_ShadowColor(0x808080);
  button->Set_ColorWhenDown(0x0080FF);
  button->Set_HotTrackColor(clYellow);
  button->Set_Caption(QStringLiteral("Caption"));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  if (hot) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
    QCOMPARE(button->HotTrackStep(), 8);
  }
  if (pressed) QTest::mousePress(button, Qt::LeftButton, {}, QPoint(50, 11));
  const QImage face = button->grab().toImage();
  QCOMPARE(Pixel(face, probe.x(), probe.y()), Rgb_Of(expected));
  if (pressed) QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 11));
}

void ZbButtonTest::flatButtonShowsEdgesOnlyWhenHot() {
  QWidget window;
  window.resize(200, 60);
  auto* button = new TZbButton(&window);
  button->move(50, 20);  // away from the resting pointer
  button->Set_Color(0xEDF7F8);
  button->Set_Flat(true);
  button->Set_LightColor(clWhite);
  button->Set_ShadowColor(clBlack);
  auto* edit = new QLineEdit(&window);  // holds the focus: a focused button counts as hot
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  edit->setFocus();
  QCOMPARE(Pixel(button->Render(), 99, 11), Rgb_Of(0xEDF7F8));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(button, &enter);
  QCOMPARE(Pixel(button->Render(), 99, 11), Rgb_Of(clBlack));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button, &leave);
  QCOMPARE(Pixel(button->Render(), 99, 11), Rgb_Of(0xEDF7F8));
}

void ZbButtonTest::glyphFrameFollowsTheState_data() {
  QTest::addColumn<int>("frames");
  QTest::addColumn<bool>("enabled");
  QTest::addColumn<bool>("pressed");
  QTest::addColumn<bool>("hot");
  QTest::addColumn<int>("expected");
  QTest::newRow("four frames, normal") << 4 << true << false << false << 0;
  QTest::newRow("four frames, disabled") << 4 << false << true << true << 1;
  QTest::newRow("four frames, pressed") << 4 << true << true << true << 2;
  QTest::newRow("four frames, hot") << 4 << true << false << true << 3;
  QTest::newRow("two frames, pressed") << 2 << true << true << false << 0;
  QTest::newRow("three frames, hot") << 3 << true << false << true << 0;
  QTest::newRow("one frame, disabled") << 1 << false << false << false << 0;
}

void ZbButtonTest::glyphFrameFollowsTheState() {
  QFETCH(int, frames);
  QFETCH(bool, enabled);
  QFETCH(bool, pressed);
  QFETCH(bool, hot);
  QFETCH(int, expected);
  Zb_Face face;
  face.NumGlyphs = frames;
  face.Enabled = enabled;
  face.Pressed = pressed;
  face.Hot = hot;
  QCOMPARE(Zb_Glyph_Frame(face), expected);

  // The chosen frame is what lands on the face (a one-colour frame per index).
  const QColor inks[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
  QImage strip(16 * frames, 16, QImage::Format_RGB32);
  strip.fill(Qt::magenta);
  for (int i = 0; i < frames; ++i) {
    for (int y = 2; y < 12; ++y)
      for (int x = 2; x < 12; ++x) strip.setPixelColor(16 * i + x, y, inks[i]);
  }
  face.Glyph = strip;
  face.Layout = blGlyphLeft;
  face.Alignment = taLeftJustify;
  QImage image(60, 24, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    DrawZbButtonFace(canvas, 60, 24, face);
  }
  const int o = pressed && enabled ? 1 : 0;
  QCOMPARE(image.pixelColor(4 + o + 6, 4 + o + 6), inks[expected]);
}

void ZbButtonTest::hotColourFadesOnlyWithSlowDecease() {
  QWidget window;
  auto* button = new TZbButton(&window);
  button->Set_Color(clBlack);
  button->Set_HotTrackColor(clWhite);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button, &enter);
  QCOMPARE(Pixel(button->Render(), 50, 11), 0xFFFFFFu);
  QApplication::sendEvent(button, &leave);
  QCOMPARE(button->HotTrackStep(), 0);

  button->Set_SlowDecease(true);
  QApplication::sendEvent(button, &enter);
  QApplication::sendEvent(button, &leave);
  QCOMPARE(button->HotTrackStep(), 8);
  QTRY_VERIFY_WITH_TIMEOUT(button->HotTrackStep() < 8 && button->HotTrackStep() > 0, 1000);
  QTRY_COMPARE_WITH_TIMEOUT(button->HotTrackStep(), 0, 2000);
  QCOMPARE(Pixel(button->Render(), 50, 11), 0x000000u);
}

void ZbButtonTest::blendAndGradient() {
  QCOMPARE(BlendHotTrackColor(clBlack, clWhite, 4), TColor(0x7F7F7F));
  QCOMPARE(BlendHotTrackColor(0x102030, clWhite, 0), TColor(0x102030));
  QCOMPARE(BlendHotTrackColor(0x102030, 0x405060, 8), TColor(0x405060));

  QImage image(10, 62, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    DrawZbGradient(canvas, clBlack, RGB(31, 62, 93), 0, 0, 10, 62);
  }
  // Bands of 62 div 31 = 2 rows (plus one of overlap), band i in colour i.
  QCOMPARE(Pixel(image, 5, 0), Rgb_Of(RGB(0, 0, 0)));
  QCOMPARE(Pixel(image, 5, 20), Rgb_Of(RGB(10, 20, 30)));
  QCOMPARE(Pixel(image, 5, 61), Rgb_Of(RGB(30, 60, 90)));
  QCOMPARE(Pixel(image, 5, 60), Rgb_Of(RGB(30, 60, 90)));
}

void ZbButtonTest::captionIsCutToItsLongestFittingStart_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<int>("width");
  QTest::newRow("fits") << "OK" << 75;
  QTest::newRow("one too many") << "Caption x" << 60;
  QTest::newRow("too long") << "A caption far too long for it" << 75;
  QTest::newRow("accelerator") << "&Save the configuration now" << 75;
  QTest::newRow("very long") << QString("Import Network ").repeated(4000) << 100;
  QTest::newRow("surrogate pairs") << QString::fromUtf8("\xF0\x9F\x98\x80").repeated(50) << 60;
  QTest::newRow("no room") << "Caption" << 6;
  QTest::newRow("empty") << "" << 75;
}

// The caption shown is the longest start of it that fits the button, as
// dropping the last character until it fits would give, however long it is.
void ZbButtonTest::captionIsCutToItsLongestFittingStart() {
  QFETCH(QString, caption);
  QFETCH(int, width);
  const int room = width - 8;
  const QString expected = Start_Dropping_One_By_One(caption.left(400), room);
  QVERIFY(expected.size() < 400);
  QVERIFY(Face_Image(caption, width) == Face_Image(expected, width));
}

QTEST_MAIN(ZbButtonTest)
#include "zb_button_test.moc"
