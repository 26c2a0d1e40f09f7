// The editor controls' page of the controls gallery: spin edits, edit
// buttons, combo boxes and date-time pickers in their looks. With
// `exercise` the page types into them, steps them and drops lists and
// calendars down by itself, so a screenshot shows them in use.
#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "controls/datetime/month_calendar.h"
#include "controls/datetime/zad_date_time_picker.h"
#include "controls/datetime/zsg_date_time_picker.h"
#include "controls/editors/zsg_combo_box.h"
#include "controls/editors/zsg_spin_edit.h"
#include "controls/editors/zsg_unit_edit_btn.h"

namespace {

void Key(QWidget* target, int key, const QString& text = QString(), Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, mods, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, mods, text);
  QApplication::sendEvent(target, &release);
}

void Type(QWidget* target, const QString& text) {
  for (QChar c : text) Key(target, c.isDigit() ? Qt::Key_0 + (c.unicode() - '0') : Qt::Key_unknown, QString(c));
}

QLabel* Caption(const char* text, QWidget* parent) { return new QLabel(QString::fromLatin1(text), parent); }

}  // namespace

QWidget* Editors_Gallery(QWidget* parent, bool exercise) {
  auto* page = new QWidget(parent);
  auto* grid = new QGridLayout(page);
  grid->setHorizontalSpacing(70);
  grid->setVerticalSpacing(14);
  int row = 0;

  // Spin edits: integer, float, date, time; horizontal, coloured, flat.
  auto* spin_int = new TZsgSpinEdit(page);
  auto* spin_float = new TZsgSpinEdit(page);
  spin_float->SetSpinType(sptFloat);
  spin_float->SetPrecision(2);
  spin_float->SetFloatValue(3.14159);
  auto* spin_date = new TZsgSpinEdit(page);
  spin_date->SetSpinType(sptDate);
  spin_date->SetDateValue(Encode_Date(QDate(2024, 1, 31)));
  auto* spin_time = new TZsgSpinEdit(page);
  spin_time->SetShowSeconds(false);
  spin_time->SetSpinType(sptTime);
  spin_time->SetTimeValue(0.5 / 24);
  grid->addWidget(Caption("Spin edits", page), row, 0);
  grid->addWidget(spin_int, row, 1);
  grid->addWidget(spin_float, row, 2);
  grid->addWidget(spin_date, row, 3);
  grid->addWidget(spin_time, row, 4);
  ++row;
  auto* spin_horz = new TZsgSpinEdit(page);
  spin_horz->SetDirection(spHorizontal);
  spin_horz->SetEditAlign(eaRight);
  auto* spin_color = new TZsgSpinEdit(page);
  spin_color->Button()->SetButtonColor(0xF0D0A0);
  spin_color->Button()->SetButtonColorHot(0xFFE0C0);
  auto* spin_flat = new TZsgSpinEdit(page);
  spin_flat->SetSpinFlat(true);
  spin_flat->SetBorderStyle(bsNone);
  auto* spin_off = new TZsgSpinEdit(page);
  spin_off->setEnabled(false);
  grid->addWidget(Caption("horizontal, coloured, flat, disabled", page), row, 0);
  grid->addWidget(spin_horz, row, 1);
  grid->addWidget(spin_color, row, 2);
  grid->addWidget(spin_flat, row, 3);
  grid->addWidget(spin_off, row, 4);
  ++row;

  // Edit buttons: caption, coloured, flat; the unit edit.
  auto* edit_btn = new TZsgEditBtn(page);
  edit_btn->SetButtonCaption(QStringLiteral("..."));
  edit_btn->setText(QStringLiteral("C:/data/file.xml"));
  auto* edit_color = new TZsgEditBtn(page);
  edit_color->SetButtonCaption(QStringLiteral("Go"));
  edit_color->SetButtonWidth(28);
  edit_color->Button()->SetButtonColor(0x80C0FF);
  auto* edit_flat = new TZsgEditBtn(page);
  edit_flat->Button()->SetFlat(true);
  edit_flat->SetButtonCaption(QStringLiteral("v"));
  auto* unit = new TZsgUnitEditBtn(page);
  unit->SetUnits({QStringLiteral("m"), QStringLiteral("km"), QStringLiteral("mm")});
  unit->SetTextAndUnit(QStringLiteral("12km"));
  unit->SetButtonCaption(QStringLiteral("..."));
  grid->addWidget(Caption("Edit buttons, unit edit", page), row, 0);
  grid->addWidget(edit_btn, row, 1);
  grid->addWidget(edit_color, row, 2);
  grid->addWidget(edit_flat, row, 3);
  grid->addWidget(unit, row, 4);
  ++row;

  // Combo boxes: platform look, flat, border colours, custom button, list style.
  const QStringList fruit = {QStringLiteral("Apple"),  QStringLiteral("Apricot"), QStringLiteral("Banana"),
                             QStringLiteral("Cherry"), QStringLiteral("Damson"),  QStringLiteral("Elderberry"),
                             QStringLiteral("Fig"),    QStringLiteral("Grape"),   QStringLiteral("Kiwi"),
                             QStringLiteral("Lemon")};
  auto make_combo = [&](const char* label) {
    auto* combo = new TZsgComboBox(page);
    combo->Items().Assign(fruit);
    combo->SetItemIndex(2);
    combo->SetLabelCaption(QString::fromLatin1(label));
    combo->SetLabelPosition(lpTopLeft);
    combo->SetLabelMargin(1);
    return combo;
  };
  auto* combo_plain = make_combo("Platform look");
  auto* combo_flat = make_combo("Flat, line");
  combo_flat->SetFlat(true);
  combo_flat->SetFlatLineColor(clBlue);
  auto* combo_border = make_combo("Border colour");
  combo_border->SetBorderColor(0x008000);
  combo_border->SetFocusBorderColor(clRed);
  auto* combo_button = make_combo("Custom button");
  combo_button->SetStyle(csDropDownList);
  combo_button->SetItemIndex(3);
  combo_button->SetButtonColor(0xFFC080);
  combo_button->SetButtonBorderColor(clGray);
  combo_button->SetBorderColor(clGray);
  grid->addWidget(Caption("Combo boxes", page), row + 1, 0);
  grid->addWidget(combo_plain, row + 1, 1);
  grid->addWidget(combo_flat, row + 1, 2);
  grid->addWidget(combo_border, row + 1, 3);
  grid->addWidget(combo_button, row + 1, 4);
  grid->setRowMinimumHeight(row, 6);
  row += 2;
  auto* combo_list = make_combo("List, focus border");
  combo_list->SetStyle(csDropDownList);
  combo_list->SetFlat(true);
  combo_list->SetFocusBorder(true);
  combo_list->SetFocusColor(0xE0FFFF);
  auto* combo_off = make_combo("Disabled");
  combo_off->SetDisabledBorder(false);
  combo_off->setEnabled(false);
  auto* combo_left = new TZsgComboBox(page);
  combo_left->Items().Assign(fruit);
  combo_left->SetLabelCaption(QStringLiteral("Left:"));
  combo_left->SetLabelPosition(lpLeftCenter);
  grid->addWidget(combo_list, row + 1, 1);
  grid->addWidget(combo_off, row + 1, 2);
  grid->addWidget(combo_left, row + 1, 4);
  grid->setRowMinimumHeight(row, 6);
  row += 2;

  // Date-time pickers.
  auto* plain_date = new TDateTimePicker(page);
  plain_date->SetDate(Encode_Date(QDate(2024, 2, 29)));
  auto* plain_time = new TDateTimePicker(page);
  plain_time->SetKind(dtkTime);
  plain_time->SetShowCheckbox(true);
  auto* zad = new TZadDateTimePicker(page);
  zad->SetFormat(QStringLiteral("dd/MM/yyyy"));
  zad->SetTimeFormat(QStringLiteral("HH:mm"));
  zad->SetDateTime(Encode_Date_Time(QDate(2024, 3, 15), QTime(14, 30)));
  zad->SetLabelCaption(QStringLiteral("Date and time"));
  zad->SetLabelPosition(lpTopLeft);
  zad->SetLabelMargin(1);
  zad->setMinimumWidth(200);
  auto* metro = new TZadDateTimePicker(page);
  metro->SetKind(dkDate);
  metro->SetMetroStyle(true);
  metro->SetButtonColor(clRed);
  metro->SetBorderColor(clGray);
  metro->SetLabelCaption(QStringLiteral("Metro"));
  metro->SetLabelPosition(lpTopLeft);
  metro->SetLabelMargin(1);
  grid->addWidget(Caption("Date-time pickers", page), row + 1, 0);
  grid->addWidget(plain_date, row + 1, 1);
  grid->addWidget(plain_time, row + 1, 2);
  grid->addWidget(zad, row + 1, 3);
  grid->addWidget(metro, row + 1, 4);
  grid->setRowMinimumHeight(row, 6);
  row += 2;
  auto* cell = new TZsgDateTimePicker(page);
  cell->SetMetroStyle(true);
  cell->SetButtonColor(0xC0C0FF);
  cell->SetBorderColor(clNavy);
  auto* cell_plain = new TZsgDateTimePicker(page);
  auto* check = new TZadDateTimePicker(page);
  check->SetShowCheckbox(true);
  check->SetChecked(false);
  auto* updown = new TDateTimePicker(page);
  updown->SetDateMode(dmUpDown);
  grid->addWidget(Caption("in-cell Metro, in-cell, check box, up-down", page), row, 0);
  grid->addWidget(cell, row, 1);
  grid->addWidget(cell_plain, row, 2);
  grid->addWidget(check, row, 3);
  grid->addWidget(updown, row, 4);
  ++row;
  // A calendar as the drop-down shows it, with week numbers.
  auto* calendar = new TMonthCalendar(page, false);
  calendar->SetWeekNumbers(true);
  calendar->SetDate(QDate(2024, 2, 29));
  calendar->setFixedSize(calendar->sizeHint());
  grid->addWidget(Caption("Month calendar", page), row, 0);
  grid->addWidget(calendar, row, 1, 1, 2, Qt::AlignLeft);

  // Every control in the page at one width, so the columns line up.
  for (QWidget* child : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (qobject_cast<QLabel*>(child) || child == calendar) continue;
    child->setFixedWidth(child == zad || child == check ? 210 : 150);
  }
  grid->setColumnMinimumWidth(3, 210);

  if (exercise) {
    QTimer::singleShot(200, page, [=] {
      // Typed into and stepped.
      spin_int->setFocus();
      spin_int->selectAll();
      Type(spin_int, QStringLiteral("42"));
      Key(spin_int, Qt::Key_Up);
      Key(spin_int, Qt::Key_Up);
      spin_date->setCursorPosition(3);
      spin_date->StepUp(false);
      spin_time->setCursorPosition(0);
      spin_time->StepDown(false);
      spin_float->setCursorPosition(0);
      Key(spin_float, Qt::Key_PageUp);
      unit->UnitMenuCommand(3);
      edit_btn->setFocus();
      edit_btn->setCursorPosition(0);
      Type(edit_btn, QStringLiteral("D"));
      combo_border->setFocus();
      combo_border->EditPart()->selectAll();
      Key(combo_border->EditPart(), Qt::Key_C, QStringLiteral("C"));
      Key(combo_flat->EditPart(), Qt::Key_Down);
      zad->setFocus();
      zad->SetFieldIndex(2);
      Key(zad, Qt::Key_Up);
      check->SetChecked(true);
      // Dropped down: a list and a calendar.
      combo_button->SetDroppedDown(true);
    });
    // The list stays open long enough for a picture of it (from 1 s on the
    // calendar instead).
    QTimer::singleShot(2500, page, [=] {
      combo_button->SetDroppedDown(false);
      metro->setFocus();
      metro->SetDroppedDown(true);
    });
  }
  return page;
}
