#pragma once
// TZsgUnitEditBtn: an edit button for a value with a unit. The number is the
// text, the unit (one of Units) is painted between the text and the button,
// and the button opens a menu of the units.
#include <QStringList>

#include "controls/editors/zsg_edit_btn.h"

class QMenu;

class TZsgUnitEditBtn : public TZsgEditBtn {
  Q_OBJECT

 public:
  explicit TZsgUnitEditBtn(QWidget* parent = nullptr);

  // Fires only when the chosen unit differs from the current one.
  std::function<void(QObject* Sender, const QString& NewUnit)> OnUnitChanged;

  QString UnitID() const { return FUnitID; }
  void SetUnitID(const QString& Value);
  QStringList Units() const { return FUnits; }
  void SetUnits(const QStringList& Value) { FUnits = Value; }
  int UnitSpace() const { return FUnitSize; }
  void SetUnitSpace(int Value);

  // Text followed directly by the unit.
  QString TextAndUnit() const { return text() + FUnitID; }
  // The longest listed unit that ends Value becomes the unit, the rest the
  // text; without one nothing changes.
  void SetTextAndUnit(const QString& Value);

  // OnClickBtn, then the menu of units under the button.
  void ClickButton(QObject* Sender) override;
  // A chosen menu entry (1-based); others are ignored.
  void UnitMenuCommand(int Id);
  // The open menu while ClickButton shows it (tests pick from it).
  QMenu* UnitMenu() const { return FMenu; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString FUnitID;
  QStringList FUnits;
  QMenu* FMenu = nullptr;
};
