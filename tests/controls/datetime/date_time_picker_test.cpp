#include <QtTest>

#include "controls/datetime/custom_date_time_picker.h"
#include "controls/datetime/zad_date_time_picker.h"
#include "controls/datetime/zsg_date_time_picker.h"
#include "controls/editor_logic/editor_theme.h"

namespace {

TDateTime At(int y, int m, int d, int h, int n, int s, int ms = 0) {
  return Encode_Date_Time(QDateTime(QDate(y, m, d), QTime(h, n, s, ms)));
}

QColor Pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

}  // namespace

class DateTimePickerTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void time_picker_sits_at_the_right_after_the_first_paint() {
    TZadDateTimePicker picker;
    picker.resize(220, 21);
    picker.SetDateTime(At(2024, 3, 15, 10, 20, 30));
    QVERIFY(picker.FirstRun());
    (void)picker.grab();
    QVERIFY(!picker.FirstRun());
    TCustomDateTimePicker* time = picker.TimePicker();
    QVERIFY(time);
    QVERIFY(time->isVisibleTo(&picker));
    const int text = picker.fontMetrics().horizontalAdvance(time->Shown_Text());
    QCOMPARE(time->width(), text + 31);
    QVERIFY(time->geometry().right() < picker.width());
    QVERIFY(time->x() > picker.width() / 2 - 20);
  }

  void kind_date_frees_the_time_picker_and_back_makes_a_new_one() {
    TZadDateTimePicker picker;
    picker.resize(220, 21);
    QVERIFY(picker.TimePicker());
    picker.SetKind(dkDate);
    QVERIFY(!picker.TimePicker());
    picker.SetKind(dkDateTime);
    QVERIFY(picker.TimePicker());
  }

  void date_keeps_the_time_and_date_time_drops_milliseconds() {
    TZadDateTimePicker picker;
    picker.SetDateTime(At(2024, 3, 15, 10, 20, 30, 456));
    QCOMPARE(picker.DateTime(), At(2024, 3, 15, 10, 20, 30));
    picker.SetDate(At(2025, 1, 2, 0, 0, 0));
    QCOMPARE(picker.DateTime(), At(2025, 1, 2, 10, 20, 30));
    // The time shown in the time picker is the picker's time.
    picker.TimePicker()->SetTime(Encode_Time(QTime(8, 9, 10)));
    QCOMPARE(picker.DateTime(), At(2025, 1, 2, 8, 9, 10));
    QCOMPARE(picker.Time(), Encode_Time(QTime(8, 9, 10)));
  }

  void auto_tab_moves_on_after_a_digit() {
    QWidget form;
    auto* picker = new TZadDateTimePicker(&form);
    picker->setGeometry(10, 10, 220, 21);
    picker->SetFormat(QStringLiteral("dd/MM/yyyy"));
    picker->SetAutoTab(true);
    picker->SetDateTime(At(2024, 3, 15, 10, 0, 0));
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    picker->setFocus();
    QTRY_VERIFY(picker->hasFocus());

    // The fields' indexes count the separators too.
    auto index_of = [&](Dtp_Field_Kind kind) {
      for (size_t i = 0; i < picker->Fields().size(); ++i)
        if (picker->Fields()[i].Kind == kind) return int(i);
      return -1;
    };

    // A day digit changes the day: on to the month.
    picker->SetFieldIndex(index_of(Dtp_Field_Kind::Day));
    QTest::keyClick(picker, Qt::Key_2);
    QTRY_COMPARE(picker->FieldIndex(), index_of(Dtp_Field_Kind::Month));
    QCOMPARE(picker->Value().date().day(), 2);
    QVERIFY(!picker->TimePicker()->hasFocus());

    // A year digit changes the year, the format's last field: into the time.
    picker->SetFieldIndex(index_of(Dtp_Field_Kind::Year));
    QTest::keyClick(picker, Qt::Key_1);
    QTRY_VERIFY(picker->TimePicker()->hasFocus());
  }

  void clearing_the_check_box_disables_the_time_picker() {
    TZadDateTimePicker picker;
    picker.resize(220, 21);
    picker.SetShowCheckbox(true);
    QVERIFY(picker.TimePicker()->isEnabled());
    // The user clears it (Space on the check box).
    picker.SetFieldIndex(-1);
    QTest::keyClick(&picker, Qt::Key_Space);
    QVERIFY(!picker.Checked());
    QVERIFY(!picker.TimePicker()->isEnabled());
    QTest::keyClick(&picker, Qt::Key_Space);
    QVERIFY(picker.Checked());
    QVERIFY(picker.TimePicker()->isEnabled());
    // The program clears it.
    picker.SetChecked(false);
    QVERIFY(!picker.TimePicker()->isEnabled());
  }

  void label_left_center_at_its_text_width() {
    QWidget form;
    auto* picker = new TZadDateTimePicker(&form);
    picker->setGeometry(200, 50, 160, 22);
    picker->SetLabelPosition(lpLeftCenter);
    picker->SetLabelCaption(QStringLiteral("Start"));
    QLabel* label = picker->PickerLabel();
    QVERIFY(label);
    const int w = QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("Start"));
    QCOMPARE(label->x(), 200 - w - 4);
    QCOMPARE(label->y(), 50 + (22 - label->height()) / 2);
    QCOMPARE(picker->Version(), QStringLiteral("1.2.0.0"));
  }

  // The Metro button: a strip in ButtonColor with a down triangle from
  // (L+5,T+7) over (L+11,T+7) to (L+8,T+10).
  void metro_button_in_plain_colours() {
    for (bool in_cell : {false, true}) {
      std::unique_ptr<TDateTimePicker> owner;
      TRect B;
      if (in_cell) {
        auto* p = new TZsgDateTimePicker;
        p->SetMetroStyle(true);
        p->SetButtonColor(0x0000FF);
        p->SetButtonTextColor(clBlack);
        owner.reset(p);
      } else {
        auto* p = new TZadDateTimePicker;
        p->SetKind(dkDate);
        p->SetMetroStyle(true);
        p->SetButtonColor(0x0000FF);
        p->SetButtonTextColor(clBlack);
        owner.reset(p);
      }
      owner->resize(160, 22);
      B = in_cell ? static_cast<TZsgDateTimePicker*>(owner.get())->Metro_Button_Rect()
                  : static_cast<TCustomDateTimePicker*>(owner.get())->Metro_Button_Rect();
      const QImage image = owner->grab().toImage();
      const QColor red(255, 0, 0);
      QCOMPARE(Pixel(image, B.Left + 7, B.Top + 4), red);
      QCOMPARE(Pixel(image, B.Left + 7, B.Bottom - 4), red);
      // The triangle's top edge, its tip and a point beside it.
      QCOMPARE(Pixel(image, B.Left + 6, B.Top + 7), QColor(Qt::black));
      QCOMPARE(Pixel(image, B.Left + 8, B.Top + 9), QColor(Qt::black));
      QCOMPARE(Pixel(image, B.Left + 8, B.Top + 11), red);
      QCOMPARE(Pixel(image, B.Left + 13, B.Top + 7), red);
    }
  }

  void in_cell_picker_without_metro_paints_as_the_plain_picker() {
    TZsgDateTimePicker cell;
    TDateTimePicker plain;
    for (TDateTimePicker* p : {static_cast<TDateTimePicker*>(&cell), &plain}) {
      p->SetBorderStyle(bsNone);
      p->SetCtl3D(true);
      p->resize(150, 21);
      p->SetDateTime(At(2024, 3, 15, 0, 0, 0));
    }
    cell.SetButtonColor(0x0000FF);
    QCOMPARE(cell.grab().toImage(), plain.grab().toImage());
  }
};

QTEST_MAIN(DateTimePickerTest)
#include "date_time_picker_test.moc"
