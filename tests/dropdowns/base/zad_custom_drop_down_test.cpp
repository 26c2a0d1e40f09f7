#include "dropdowns/base/zad_custom_drop_down.h"

#include <QLabel>
#include <QMouseEvent>
#include <QtTest>
#include <memory>

#include "dropdowns/base/drop_down_edit_button.h"
#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/zad_button.h"
#include "dropdowns/base/zad_drop_down_bar.h"

namespace {

// A drop-down hosting a plain 120 x 150 panel, the way descendants host
// their control.
class Panel_Drop_Down : public TZadCustomDropDown {
 public:
  explicit Panel_Drop_Down(QWidget* AOwner = nullptr) : TZadCustomDropDown(AOwner) {}
  void CreateDropDownForm() override {
    ++form_creations;
    TZadCustomDropDown::CreateDropDownForm();
    auto* panel = new QLineEdit(DropDownForm());
    panel->setObjectName(QStringLiteral("panel"));
    panel->resize(120, 150 - 2 * DropDownBorderWidth());
    SetControl(panel);
  }
  void SetText(const QString& Value) override {
    ++text_writes;
    TZadCustomDropDown::SetText(Value);
  }
  void DoDropDownFormKeyDown(int& Key, Qt::KeyboardModifiers Shift) override {
    form_keys.push_back(Key);
    TZadCustomDropDown::DoDropDownFormKeyDown(Key, Shift);
  }
  void MouseWheelDownAction() override { ++wheel_downs; }
  void MouseWheelUpAction() override { ++wheel_ups; }
  QWidget* Panel() const { return Control(); }
  std::vector<int> form_keys;
  int wheel_downs = 0, wheel_ups = 0;
  int form_creations = 0;
  int text_writes = 0;
};

// One window on an 800 x 800 screen holding the drop-down, with a clock the
// test moves by hand.
struct Fixture {
  Fixture() {
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.setGeometry(0, 0, 800, 800);
    drop_down.reset(Create_Drop_Down<Panel_Drop_Down>(&window));
    drop_down->DropDownHeader().SetVisible(false);
    drop_down->DropDownFooter().SetVisible(false);
    drop_down->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 800, 800); };
    drop_down->Clock = [this] { return now; };
    drop_down->move(100, 100);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
  }
  TDropDownForm* Form() const { return drop_down->DropDownForm(); }
  void Click_Arrow() { QTest::mouseClick(drop_down->Button()->Button(), Qt::LeftButton, {}, QPoint(8, 8)); }

  QWidget window;
  std::unique_ptr<Panel_Drop_Down> drop_down;
  uint32_t now = 0;
};

QImage Grab(QWidget* w) { return w->grab().toImage(); }

}  // namespace

class Zad_Custom_Drop_Down_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void a_new_control_and_its_version() {
    std::unique_ptr<TZadCustomDropDown> d(Create_Drop_Down<TZadCustomDropDown>());
    QCOMPARE(d->size(), QSize(200, 21));
    QCOMPARE(d->Button()->width(), 17);
    QCOMPARE(d->Button()->geometry().right(), 200 - 2 - 1);
    QVERIFY(d->DropDownForm() != nullptr);
    QCOMPARE(d->Version(), QStringLiteral("1.0.2.0"));
    d->SetVersion(QStringLiteral("9.9.9.9"));
    QCOMPARE(d->Version(), QStringLiteral("1.0.2.0"));
    QCOMPARE(d->GetComponentStyle(), tsOffice2007Luna);
    QCOMPARE(d->SelectionColor(), TColor(0xD7FFFD));
    QVERIFY(!d->DroppedDown());
    // Lower than its font allows: grows at the next size change.
    d->show();
    d->resize(200, 5);
    QCOMPARE(d->height(), d->MinimumHeight());
    QVERIFY(d->MinimumHeight() > 5);
  }

  void construction_runs_the_most_derived_operations_once() {
    std::unique_ptr<Panel_Drop_Down> d(Create_Drop_Down<Panel_Drop_Down>());
    QCOMPARE(d->form_creations, 1);
    QCOMPARE(d->text_writes, 1);
    QVERIFY(d->Panel() != nullptr);
    QCOMPARE(d->Panel()->parentWidget(), static_cast<QWidget*>(d->DropDownForm()));
    d->Initialize();
    QCOMPARE(d->form_creations, 1);
  }

  void placement_on_the_screen() {
    struct Row {
      int edit_y;
      int popup_top;
    } rows[] = {{700, 550}, {100, 120}, {640, 490}};
    for (const Row& row : rows) {
      Fixture f;
      f.drop_down->move(100, row.edit_y);
      f.drop_down->ShowDropDown();
      QVERIFY(f.drop_down->DroppedDown());
      QCOMPARE(f.Form()->geometry(), QRect(100, row.popup_top, 120, 150));
      f.drop_down->HideDropDown(false);
      QVERIFY(!f.drop_down->DroppedDown());
    }
    Fixture f;
    f.drop_down->SetDropDownWidth(10);
    f.drop_down->SetDropDownHeight(10);
    f.drop_down->ShowDropDown();
    QCOMPARE(f.Form()->size(), QSize(80, 50));
    f.drop_down->HideDropDown(false);
    // Wider than the room to the right: ends at the screen's edge.
    f.drop_down->SetDropDownWidth(300);
    f.drop_down->move(650, 100);
    f.drop_down->ShowDropDown();
    QCOMPARE(f.Form()->geometry().right(), 799);
  }

  void a_dragged_size_is_remembered_until_the_setting_changes() {
    Fixture f;
    f.drop_down->ShowDropDown();
    TDropDownForm* form = f.Form();
    const QPoint corner = form->mapToGlobal(QPoint(form->width() - 3, form->height() - 3));
    auto send = [&](QEvent::Type type, const QPoint& global, Qt::MouseButtons buttons) {
      QMouseEvent e(type, form->mapFromGlobal(global), global, Qt::LeftButton, buttons, Qt::NoModifier);
      QApplication::sendEvent(form, &e);
    };
    send(QEvent::MouseButtonPress, corner, Qt::LeftButton);
    send(QEvent::MouseMove, corner + QPoint(300 - 120, 200 - 150), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, corner + QPoint(300 - 120, 200 - 150), Qt::NoButton);
    QCOMPARE(form->size(), QSize(300, 200));
    // The panel follows the form.
    QCOMPARE(f.drop_down->Panel()->geometry(), QRect(1, 1, 298, 198));
    f.drop_down->HideDropDown(false);
    f.drop_down->ShowDropDown();
    QCOMPARE(form->size(), QSize(300, 200));
    f.drop_down->HideDropDown(false);
    f.drop_down->SetDropDownWidth(250);
    f.drop_down->ShowDropDown();
    QCOMPARE(form->size(), QSize(250, 200));
    // Outside the corner the form's surface starts no resize.
    f.drop_down->HideDropDown(false);
    f.drop_down->ShowDropDown();
    const QPoint middle = form->mapToGlobal(QPoint(40, 5));
    send(QEvent::MouseButtonPress, middle, Qt::LeftButton);
    send(QEvent::MouseMove, middle + QPoint(50, 50), Qt::LeftButton);
    QCOMPARE(form->size(), QSize(250, 200));
  }

  void arrow_clicks_and_the_reopen_guard() {
    Fixture f;
    f.now = 0;
    f.Click_Arrow();
    QVERIFY(f.drop_down->DroppedDown());
    // The press on the arrow takes activation from the popup and closes it;
    // the release must not open it again.
    f.now = 100;
    f.Click_Arrow();
    QVERIFY(!f.drop_down->DroppedDown());
    QVERIFY(!f.Form()->isVisible());
    f.now = 350;
    f.Click_Arrow();
    QVERIFY(!f.drop_down->DroppedDown());
    f.now = 351;
    f.Click_Arrow();
    QVERIFY(f.drop_down->DroppedDown());
  }

  void keys_open_close_keep_and_cancel() {
    Fixture f;
    std::vector<bool> drop_ups;
    f.drop_down->OnDropUp = [&](TZadCustomDropDown*, bool cancelled) { drop_ups.push_back(cancelled); };
    f.drop_down->SetText(QStringLiteral("abc"));
    f.drop_down->setCursorPosition(3);
    QTest::keyClick(f.drop_down.get(), Qt::Key_X);
    QTest::keyClick(f.drop_down.get(), Qt::Key_Down, Qt::AltModifier);
    QVERIFY(f.drop_down->DroppedDown());
    // Esc in the popup reaches the edit and cancels.
    QTest::keyClick(f.Form(), Qt::Key_Escape);
    QVERIFY(!f.drop_down->DroppedDown());
    QCOMPARE(f.drop_down->text(), QStringLiteral("abc"));
    QCOMPARE(drop_ups, std::vector<bool>{true});

    QTest::keyClick(f.drop_down.get(), Qt::Key_X);
    QTest::keyClick(f.drop_down.get(), Qt::Key_F4);
    QVERIFY(f.drop_down->DroppedDown());
    // Enter in the hosted control keeps the value.
    QTest::keyClick(f.drop_down->Panel(), Qt::Key_Return);
    QVERIFY(!f.drop_down->DroppedDown());
    QCOMPARE(f.drop_down->text(), QStringLiteral("abcx"));
    QCOMPARE(drop_ups, (std::vector<bool>{true, false}));

    // Alt+Up and F4 toggle; keys of a closed popup close nothing.
    QTest::keyClick(f.drop_down.get(), Qt::Key_Up, Qt::AltModifier);
    QVERIFY(f.drop_down->DroppedDown());
    QTest::keyClick(f.Form(), Qt::Key_F4);
    QVERIFY(!f.drop_down->DroppedDown());
    QTest::keyClick(f.drop_down.get(), Qt::Key_Escape);
    QCOMPARE(drop_ups.size(), size_t(3));
    // Esc in the edit itself selects the value (CanUndo); the caret goes back
    // to the end for the typing below.
    QCOMPARE(f.drop_down->selectedText(), QStringLiteral("abcx"));
    f.drop_down->setCursorPosition(4);
    // Characters typed in the popup reach the edit; Tab stays a key of it.
    f.drop_down->ShowDropDown();
    QTest::keyClick(f.Form(), Qt::Key_Y, Qt::NoModifier);
    QCOMPARE(f.drop_down->text(), QStringLiteral("abcxy"));
    f.drop_down->form_keys.clear();
    QTest::keyClick(f.Form(), Qt::Key_Tab);
    QCOMPARE(f.drop_down->form_keys, std::vector<int>{Qt::Key_Tab});
  }

  void a_refused_or_impossible_show_opens_nothing() {
    Fixture f;
    int drop_ups = 0;
    f.drop_down->OnDropUp = [&](TZadCustomDropDown*, bool) { ++drop_ups; };
    f.drop_down->OnDropDown = [](TZadCustomDropDown*, bool& accept) { accept = false; };
    f.Click_Arrow();
    QVERIFY(!f.drop_down->DroppedDown());
    QVERIFY(!f.Form()->isVisible());
    f.drop_down->HideDropDown(true);
    QCOMPARE(drop_ups, 0);

    f.drop_down->OnDropDown = nullptr;
    f.drop_down->setReadOnly(true);
    Grab(f.drop_down->Button()->Button());
    QVERIFY(!f.drop_down->Button()->Button()->isEnabled());
    QCOMPARE(f.drop_down->Button()->Button()->Theme_State(), 4);
    f.Click_Arrow();
    f.drop_down->ShowDropDown();
    QVERIFY(!f.drop_down->DroppedDown());
    f.drop_down->setReadOnly(false);
    f.drop_down->setEnabled(false);
    f.drop_down->ShowDropDown();
    QVERIFY(!f.drop_down->DroppedDown());
  }

  void typing_off_a_press_in_the_edit_opens_the_popup() {
    Fixture f;
    f.drop_down->SetEditorEnabled(false);
    f.drop_down->SetText(QStringLiteral("value"));
    QTest::keyClick(f.drop_down.get(), Qt::Key_Z);
    QCOMPARE(f.drop_down->text(), QStringLiteral("value"));
    QTest::mouseClick(f.drop_down.get(), Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(f.drop_down->DroppedDown());
    f.now = 1000;
    QTest::mouseClick(f.drop_down.get(), Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(!f.drop_down->DroppedDown());
  }

  void deactivation_closes_unless_the_popup_keeps_it() {
    Fixture f;
    f.drop_down->SetText(QStringLiteral("old"));
    f.drop_down->ShowDropDown();
    f.drop_down->setText(QStringLiteral("new"));
    // A window of the popup's own (a child window) keeps it open.
    QWidget own_window(f.Form(), Qt::Tool);
    f.now = 500;
    f.Form()->DeActivated(&own_window);
    QVERIFY(f.drop_down->DroppedDown());
    QCOMPARE(f.Form()->DeActivateTime(), 500u);
    f.Form()->SetBlockActivate(true);
    f.Form()->DeActivated(nullptr);
    QVERIFY(f.drop_down->DroppedDown());
    f.Form()->SetBlockActivate(false);
    // Another window (or none): closes, cancelling by default.
    f.Form()->DeActivated(&f.window);
    QVERIFY(!f.drop_down->DroppedDown());
    QCOMPARE(f.drop_down->text(), QStringLiteral("old"));
    f.Form()->SetCancelOnDeActivate(false);
    f.now = 2000;
    f.drop_down->ShowDropDown();
    f.drop_down->setText(QStringLiteral("kept"));
    f.Form()->DeActivated(nullptr);
    QVERIFY(!f.drop_down->DroppedDown());
    QCOMPARE(f.drop_down->text(), QStringLiteral("kept"));
  }

  void coloured_arrow_button() {
    std::unique_ptr<TZadCustomDropDown> d(Create_Drop_Down<TZadCustomDropDown>());
    d->show();
    TDropDownEditButton* b = d->Button();
    b->ButtonColor = 0x00FF00;
    b->ButtonTextColor = clBlack;
    const QImage image = Grab(b->Button());
    QCOMPARE(image.pixelColor(2, 2), QColor(0, 255, 0));
    QCOMPARE(image.pixelColor(8, 8), QColor(0, 0, 0));
    // The hot colour while the mouse is over it.
    b->ButtonColorHot = 0x0000FF;
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(b->Button(), &enter);
    QVERIFY(b->Button()->Hot());
    QCOMPARE(Grab(b->Button()).pixelColor(2, 2), QColor(255, 0, 0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b->Button(), &leave);
    QCOMPARE(Grab(b->Button()).pixelColor(2, 2), QColor(0, 255, 0));
    // Without a button colour a glyph takes the arrow's place.
    b->ButtonColor = clNone;
    QImage glyph(8, 8, QImage::Format_RGB32);
    glyph.fill(Qt::blue);
    glyph.setPixelColor(0, 7, Qt::white);  // the see-through colour
    glyph.setPixelColor(0, 0, Qt::white);
    d->SetDropDownButtonGlyph(glyph);
    const QImage with_glyph = Grab(b->Button());
    QCOMPARE(with_glyph.pixelColor(3, 3), QColor(0, 0, 255));
    QCOMPARE(with_glyph.pixelColor(0, 16), QColor(0x80, 0x80, 0x80));
    b->SetBounds(0, 0, 40, 17);
    QCOMPARE(b->width(), 17);
    b->resize(40, 17);
    QCOMPARE(b->width(), 17);
    d->SetDropDownButtonWidth(25);
    QCOMPARE(b->width(), 25);
  }

  void label_beside_the_edit() {
    QWidget parent;
    parent.resize(400, 200);
    std::unique_ptr<TZadCustomDropDown> d(Create_Drop_Down<TZadCustomDropDown>(&parent));
    d->move(100, 50);
    d->SetLabelMargin(4);
    d->SetLabelCaption(QStringLiteral("Na&me"));
    QLabel* label = d->Label();
    QVERIFY(label != nullptr);
    QCOMPARE(label->parentWidget(), &parent);
    QCOMPARE(label->buddy(), static_cast<QWidget*>(d.get()));
    const int w = QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("Name"));
    QCOMPARE(label->pos(), QPoint(100 - w - 4, 50));
    d->SetLabelPosition(lpLeftTopLeft);
    d->SetLabelMargin(80);
    QCOMPARE(label->x(), 20);
    d->SetLabelPosition(lpBottomRight);
    d->SetLabelMargin(2);
    QCOMPARE(label->pos(), QPoint(300 - label->width(), 50 + 21 + 2));
    // The label follows the edit.
    parent.show();
    d->move(120, 60);
    QCOMPARE(label->pos(), QPoint(320 - label->width(), 60 + 21 + 2));
    QVERIFY(label->isVisible());
    d->hide();
    QVERIFY(!label->isVisible());
    d->show();
    QVERIFY(label->isVisible());
    d->setEnabled(false);
    QVERIFY(!label->isEnabled());
    int clicks = 0, double_clicks = 0;
    d->OnLabelClick = [&](TZadCustomDropDown*) { ++clicks; };
    d->OnLabelDblClick = [&](TZadCustomDropDown*) { ++double_clicks; };
    d->setEnabled(true);
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseDClick(label, Qt::LeftButton);
    QVERIFY(clicks >= 1);
    QCOMPARE(double_clicks, 1);
  }

  void border_colours() {
    QWidget window;
    window.resize(300, 100);
    std::unique_ptr<TZadCustomDropDown> d(Create_Drop_Down<TZadCustomDropDown>(&window));
    auto* other = new QLineEdit(&window);
    other->move(0, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplicationPrivate_Activate(&window);
    d->SetBorderColor(clRed);
    other->setFocus();
    QCOMPARE(d->Border_Frame_Color(), clRed);
    d->setFocus();
    QVERIFY(d->hasFocus());
    QCOMPARE(d->Border_Frame_Color(), clRed);
    QCOMPARE(Grab(d.get()).pixelColor(50, 0), QColor(255, 0, 0));
    d->SetBorderColor(clNone);
    d->SetFocusBorderColor(clLime);
    QCOMPARE(d->Border_Frame_Color(), clLime);
    other->setFocus();
    QCOMPARE(d->Border_Frame_Color(), clNone);
    d->setEnabled(false);
    QCOMPARE(d->Border_Frame_Color(), TColor(0xC0C0C0));
    QCOMPARE(Grab(d.get()).pixelColor(50, 0), QColor(0xC0, 0xC0, 0xC0));
  }

  void bar_buttons_reach_the_drop_down() {
    Fixture f;
    f.drop_down->DropDownHeader().SetVisible(true);
    f.drop_down->DropDownHeader().Buttons().Add()->SetCaption(QStringLiteral("One"));
    f.drop_down->DropDownHeader().Buttons().Add()->SetCaption(QStringLiteral("Two"));
    f.drop_down->DropDownFooter().SetVisible(true);
    TFooterButton* ok = f.drop_down->DropDownFooter().Buttons().Add();
    ok->SetCaption(QStringLiteral("OK"));
    ok->ModalResult = 1;
    std::vector<int> header_clicks;
    f.drop_down->OnDropDownHeaderButtonClick = [&](TZadCustomDropDown*, int index) { header_clicks.push_back(index); };
    std::vector<bool> drop_ups;
    f.drop_down->OnDropUp = [&](TZadCustomDropDown*, bool cancelled) { drop_ups.push_back(cancelled); };
    f.drop_down->SetText(QStringLiteral("abc"));
    f.drop_down->ShowDropDown();
    TZadHeader* header = f.Form()->Header();
    QVERIFY(header != nullptr && header->isVisible());
    QCOMPARE(header->ButtonList().Count(), 2);
    QVERIFY(f.Form()->Footer() != nullptr);
    // The bars take the popup's width inside its border; the panel sits between them.
    QCOMPARE(header->geometry(), QRect(1, 1, f.Form()->width() - 2, f.drop_down->DropDownHeader().Height));
    QCOMPARE(f.drop_down->Panel()->y(), 1 + f.drop_down->DropDownHeader().Height);
    TZadButton* second = header->ButtonList().GetItemsEx(1);
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(header_clicks, std::vector<int>{1});
    f.drop_down->setText(QStringLiteral("abcx"));
    // The popup is the active window, as after a click into it.
    QApplication::setActiveWindow(f.Form());
    QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(f.Form()));
    TZadButton* button = f.Form()->Footer()->ButtonList().GetItemsEx(0);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(!f.drop_down->DroppedDown());
    QCOMPARE(f.drop_down->text(), QStringLiteral("abcx"));
    QCOMPARE(drop_ups, std::vector<bool>{false});
    QCOMPARE(f.Form()->ModalResult(), 1);
  }

  void wheel_over_the_edit_and_the_popup() {
    Fixture f;
    auto wheel = [](QWidget* w, int delta) {
      QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(w, &e);
    };
    wheel(f.drop_down.get(), -120);
    wheel(f.drop_down.get(), 120);
    f.drop_down->ShowDropDown();
    wheel(f.Form(), -120);
    QCOMPARE(f.drop_down->wheel_downs, 2);
    QCOMPARE(f.drop_down->wheel_ups, 1);
  }

  void value_bar_while_typing_is_off() {
    QWidget window;
    window.resize(300, 100);
    std::unique_ptr<TZadCustomDropDown> d(Create_Drop_Down<TZadCustomDropDown>(&window));
    d->SetText(QStringLiteral("value"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplicationPrivate_Activate(&window);
    d->setFocus();
    QVERIFY(d->hasFocus());
    const QColor highlight = d->palette().color(QPalette::Highlight);
    QVERIFY(Grab(d.get()).pixelColor(150, 10) != highlight);
    d->SetEditorEnabled(false);
    QImage image = Grab(d.get());
    QCOMPARE(image.pixelColor(150, 10), highlight);
    QCOMPARE(image.pixelColor(2, 10), QColor(0, 0, 0));  // the bar's outline
    // Not focused: the plain edit.
    d->clearFocus();
    QVERIFY(Grab(d.get()).pixelColor(150, 10) != highlight);
  }

  void a_press_inside_the_selection_keeps_it_until_release() {
    QWidget window;
    window.resize(300, 100);
    std::unique_ptr<TZadCustomDropDown> d(Create_Drop_Down<TZadCustomDropDown>(&window));
    d->SetText(QStringLiteral("abcdefgh"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplicationPrivate_Activate(&window);
    d->setFocus();
    d->selectAll();
    const QPoint inside(4 + QFontMetrics(d->font()).horizontalAdvance(QStringLiteral("abcd")), 10);
    const int at = d->cursorPositionAt(inside);
    QVERIFY(at > 0 && at < 8);
    QTest::mousePress(d.get(), Qt::LeftButton, {}, inside);
    QCOMPARE(d->selectedText(), QStringLiteral("abcdefgh"));
    QTest::mouseRelease(d.get(), Qt::LeftButton, {}, inside);
    QVERIFY(!d->hasSelectedText());
    QCOMPARE(d->cursorPosition(), at);
  }

  void edit_mask() {
    std::unique_ptr<TZadCustomDropDown> d(Create_Drop_Down<TZadCustomDropDown>());
    d->SetEditMask(QStringLiteral("000-00;1;_"));
    d->setCursorPosition(0);
    QTest::keyClicks(d.get(), QStringLiteral("12a345"));
    QCOMPARE(d->text(), QStringLiteral("123-45"));
    d->SetEditMask(QString());
    QCOMPARE(d->inputMask(), QString());
  }

  void assign_copies_settings_not_the_text() {
    std::unique_ptr<TZadCustomDropDown> a(Create_Drop_Down<TZadCustomDropDown>());
    std::unique_ptr<TZadCustomDropDown> b(Create_Drop_Down<TZadCustomDropDown>());
    a->SetDropDownWidth(222);
    a->SetDropDownButtonWidth(21);
    a->SetDropPosition(dpUp);
    a->SetEditorEnabled(false);
    a->SetPrefix(QStringLiteral("$"));
    a->SetText(QStringLiteral("a's text"));
    b->Assign(*a);
    QCOMPARE(b->DropDownWidth(), 222);
    QCOMPARE(b->DropDownButtonWidth(), 21);
    QCOMPARE(b->Button()->width(), 21);
    QCOMPARE(b->DropPosition(), dpUp);
    QVERIFY(!b->EditorEnabled());
    QCOMPARE(b->Prefix(), QStringLiteral("$"));
    QCOMPARE(b->text(), QString());
  }

 private:
  static void QApplicationPrivate_Activate(QWidget* w) {
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
  }
};

QTEST_MAIN(Zad_Custom_Drop_Down_Test)
#include "zad_custom_drop_down_test.moc"
