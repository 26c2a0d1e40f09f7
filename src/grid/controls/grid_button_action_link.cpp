#include "grid/controls/grid_button_action_link.h"

#include <QAction>

#include "grid/controls/grid_button.h"

TZadGridButtonActionLink::TZadGridButtonActionLink(TZadGridButton* Client, QAction* Action)
    : QObject(Client), FClient(Client), FAction(Action), FText(Action->text()), FChecked(Action->isChecked()) {
  FClient->SetCaption(FText);
  FClient->setEnabled(Action->isEnabled());
  if (FClient->GroupIndex() != 0 && FClient->AllowAllUp()) FClient->SetDown(FChecked);
  connect(Action, &QAction::changed, this, &TZadGridButtonActionLink::Action_Changed);
}

bool TZadGridButtonActionLink::IsCaptionLinked() const { return FAction && FClient->Caption() == FText; }

bool TZadGridButtonActionLink::IsCheckedLinked() const {
  return FAction && FClient->GroupIndex() != 0 && FClient->AllowAllUp() && FChecked == FClient->Down();
}

void TZadGridButtonActionLink::Action_Changed() {
  if (!FAction) return;
  // The tests see the values before this change.
  const bool caption_linked = IsCaptionLinked(), checked_linked = IsCheckedLinked();
  FText = FAction->text();
  FChecked = FAction->isChecked();
  if (caption_linked) FClient->SetCaption(FText);
  if (checked_linked) FClient->SetDown(FChecked);
  FClient->setEnabled(FAction->isEnabled());
}

void TZadGridButtonActionLink::Button_Raised() {
  if (FAction && FAction->isChecked()) FAction->setChecked(false);
}

void TZadGridButtonActionLink::Execute() {
  if (FAction) FAction->trigger();
}
