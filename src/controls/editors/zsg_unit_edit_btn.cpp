#include "controls/editors/zsg_unit_edit_btn.h"

#include <QMenu>
#include <QPainter>
#include <QPointer>

#include "controls/canvas.h"
#include "controls/editor_logic/text_and_unit.h"

TZsgUnitEditBtn::TZsgUnitEditBtn(QWidget* parent) : TZsgEditBtn(parent) {
  FUnitSize = 20;
  SetRightAlign(true);
  UpdateEditRect();
}

void TZsgUnitEditBtn::SetUnitID(const QString& Value) {
  FUnitID = Value;
  update();
}

void TZsgUnitEditBtn::SetUnitSpace(int Value) {
  FUnitSize = Value;
  UpdateEditRect();
  update();
}

void TZsgUnitEditBtn::SetTextAndUnit(const QString& Value) {
  const auto split = Split_Text_And_Unit(Value, FUnits);
  if (!split) return;
  setText(split->Text);
  SetUnitID(split->Unit);
}

void TZsgUnitEditBtn::ClickButton(QObject*) {
  if (OnClickBtn) OnClickBtn(this);
  QPointer<TZsgUnitEditBtn> alive(this);
  QMenu menu(this);
  for (int i = 0; i < FUnits.size(); ++i) {
    QAction* action = menu.addAction(FUnits[i]);
    action->setData(i + 1);
  }
  FMenu = &menu;
  const int border = Edit_Border_Width(BorderStyle());
  const QPoint at = mapToGlobal(QPoint(width() - border - 15, height() - border));
  QAction* chosen = menu.exec(at);
  if (!alive) return;
  FMenu = nullptr;
  if (chosen) UnitMenuCommand(chosen->data().toInt());
}

void TZsgUnitEditBtn::UnitMenuCommand(int Id) {
  if (Id < 1 || Id > FUnits.size()) return;
  const QString unit = FUnits[Id - 1];
  const bool changed = unit != FUnitID;
  SetUnitID(unit);
  if (changed && OnUnitChanged) OnUnitChanged(this, unit);
}

void TZsgUnitEditBtn::paintEvent(QPaintEvent* event) {
  TZsgEditBtn::paintEvent(event);
  QPainter painter(this);
  TCanvas canvas(painter);
  canvas.Font = font();
  canvas.Font_Color = clWindowText;
  canvas.Brush.Style = TBrushStyle::bsClear;
  TRect r = TRect::From_QRect(Unit_Text_Rect(size(), Button()->width(), FUnitSize, BorderStyle()));
  canvas.Draw_Text(FUnitID, r, DT_EDITCONTROL | DT_NOPREFIX);
}
