#pragma once
#include <QDialog>
#include <cstdint>
#include <functional>

#include "editors/par_gen/new_node_id_check.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class TZbButton;
class Title_Panel;

// "New Node ID": asks for the identity of a node being pasted into the M-Bus
// network, a wired node's primary or secondary ID (form type 1) or a wireless
// node's address (form type 2). Created once; the caller prepares it before
// each showing and reads its fields after it closes with OK. It stays open on
// a value out of range or an ID already in use.
class TFNewIDNode : public QDialog {
  Q_OBJECT
 public:
  explicit TFNewIDNode(QWidget* parent = nullptr);

  void Set_Lang();
  // OK: the range check of the selected field, then the duplicate test.
  void ZbButton2Click();

  // Set by the caller before each showing.
  int Form_Type = 1;
  // The network's duplicate test (true when no node holds the ID of that ID
  // type, 0 primary / 1 secondary); without it IDs are not tested.
  std::function<bool(int32_t id, int type_id)> Node_ID_Free;

  // Preparing for a wired copy: kind 1, the radio button by the copy's ID
  // type, both ID fields in decimal.
  void Prepare_Wired(int node_id_type, int32_t primary, int32_t secondary);
  // Preparing for a wireless copy: kind 2 and its address text.
  void Prepare_Wireless(const QString& address);
  // What the fields hold now.
  New_Node_ID_Entry Entry() const;

  Title_Panel* Title;
  QLabel* L_Prompt;
  QRadioButton* RB_Primary;
  QLineEdit* E_ID_Primary;
  QRadioButton* RB_Secondary;
  QLineEdit* E_ID_Secondary;
  QLabel* L_wMBus_Add;
  QLineEdit* E_wMBus_Add;
  TZbButton* Btn_OK;
  TZbButton* Btn_Cancel;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
};
