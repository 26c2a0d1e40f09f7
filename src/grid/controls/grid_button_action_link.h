#pragma once
// Links a grid button to an action: the action's text reaches the caption
// while the two are equal, its checked state reaches Down for a grouped
// button that may be raised (GroupIndex not 0, AllowAllUp) while the two
// agree, its enabled state the button's; a click triggers the action.
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class TZadGridButton;

class TZadGridButtonActionLink : public QObject {
 public:
  TZadGridButtonActionLink(TZadGridButton* Client, QAction* Action);

  QAction* Action() const { return FAction; }
  bool IsCaptionLinked() const;
  bool IsCheckedLinked() const;
  // The button goes up in its group: a checked action follows.
  void Button_Raised();
  void Execute();

 private:
  void Action_Changed();

  TZadGridButton* FClient;
  QPointer<QAction> FAction;
  QString FText;
  bool FChecked;
};
