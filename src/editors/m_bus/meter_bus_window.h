#pragma once
#include <QDialog>
#include <array>
#include <vector>

#include "editors/m_bus/m_bus_network_editor.h"
#include "editors/par_gen/byte_budget.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TFNewIDNode;
class TZadPageControl;
class TZadTabSheet;
class TZbButton;
class Title_Panel;
class Wide_Combo_Box;

// "M-Bus Network": the modal editor of the configuration's M_Bus.xml. The
// tree on the left mirrors the network (node i is the root's child i, its
// child j that node's variable j); the Nodes and Variables pages on the right
// show the selection or the values for a new item. The page buttons add or
// modify as the selection decides. Each showing reads the file afresh; OK
// checks the byte budget and replaces the file; Cancel asks before dropping
// edits. The clipboard of copied nodes and variables lasts as long as the
// window.
class TFMeter_Bus : public QDialog {
  Q_OBJECT
 public:
  explicit TFMeter_Bus(QWidget* parent = nullptr);

  // The dialog that asks for a pasted node's identity (created after this
  // window at program start).
  void Set_New_ID_Dialog(TFNewIDNode* dialog) { New_ID_Dialog = dialog; }

  void Set_Lang();
  void Aggiorna_Label();
  void Sposta_Oggetti_Var(int var_type);
  void Nodes_Move_Elements();
  void Aggiorna_Label_Num_Byte();

  // Event handlers.
  void TWClick();
  void btn_Add_NodeClick();
  void btn_Add_VarClick();
  void btn_Delete_ItemClick();
  void CopyVariable1Click();
  void PasteVariable1Click();
  void CopyNode1Click();
  void PasteNode1Click();
  void CB_Var_ToDChange();
  void CB_Var_DimChange();
  void CB_MBus_TypeChange();
  void ZbButton2Click();  // OK
  void ZbButton4Click();  // Cancel
  void Btn_ImportNetClick();
  void Btn_Export_MapClick();

  // What the pages hold now.
  Node_Entry Node_Page() const;
  Variable_Entry Variable_Page() const;

  // The network, the selection and the clipboard.
  M_Bus_Network_Editor Editor;
  Byte_Budget Budget;
  // The last read of M_Bus.xml stopped early: saving would drop the rest.
  bool Load_Incomplete = false;

  QTreeWidget* TW;
  QTreeWidgetItem* NODE_ORIG = nullptr;
  QMenu* PM_Tree;
  QAction* CopyVariable1;
  QAction* PasteVariable1;
  QAction* CopyNode1;
  QAction* PasteNode1;
  QAction* Delete_Items1;

  Title_Panel* Title;
  QLabel* L_MBus_NumByte;
  TZbButton* ZbButton2;  // OK
  TZbButton* ZbButton4;  // Cancel
  TZbButton* Btn_ImportNet;
  TZbButton* Btn_Export_Map;

  TZadPageControl* PC_MBus;
  TZadTabSheet* TS_Nodes;
  TZadTabSheet* TS_Variables;

  // Nodes page.
  QCheckBox* CB_Node_Enable;
  QLabel* L_Node_Desc;
  QLineEdit* E_Node_Desc;
  QLabel* L_MBus_Type;
  QComboBox* CB_MBus_Type;
  QRadioButton* RB_ID_Primary;
  QLineEdit* E_ID_Primary;
  QRadioButton* RB_ID_Secondary;
  QLineEdit* E_ID_Secondary;
  QCheckBox* CB_Node_State;
  QCheckBox* CB_Ident_Num;
  QLabel* L_Swap_Ident;
  QComboBox* CB_Swap_Ident;
  QCheckBox* CB_BCD_IN;
  QCheckBox* CB_Send_SNK;
  QCheckBox* CB_Reset_App;
  QLabel* L_Var_List_Type;
  QComboBox* CB_Var_List_Type;
  QLabel* L_Cut_After;
  QComboBox* CB_Cut_After;
  QLabel* L_Frames;
  TZbButton* btn_Add_Node;

  // Wireless panel of the Nodes page (device types 4 and 5).
  QWidget* P_wMBus;
  QLabel* L_wMBus_ManID;
  QLineEdit* E_wMBus_ManID;
  QLabel* L_wMBus_Add;
  QLineEdit* E_wMBus_Add;
  QLabel* L_wMBus_Ver;
  QLineEdit* E_wMBus_Ver;
  QLabel* L_wMBus_DevType;
  QLineEdit* E_wMBus_DevType;
  QCheckBox* CB_wMBus_En_Key;
  std::array<QLabel*, 16> L_wMBus_Key;
  std::array<QLineEdit*, 16> E_wMBus_Key;  // byte 1 first
  QCheckBox* CB_wMBus_Node_State;
  QCheckBox* CB_wMBus_Ident_Num;
  QCheckBox* CB_wMBus_RSSI;
  QCheckBox* CB_wMBus_BCD_IN;
  QLabel* L_wMBus_Swap_Ident;
  QComboBox* CB_wMBus_Swap_Ident;
  QLabel* L_wMBus_Var_List_Type;
  QComboBox* CB_wMBus_Var_List_Type;

  // Variables page.
  QCheckBox* CB_Var_Enable;
  QLabel* L_Var_Desc;
  QLineEdit* E_Var_Desc;
  QLabel* L_Var_ToD;
  Wide_Combo_Box* CB_Var_ToD;
  QLabel* L_VIF_ASCII;
  QLineEdit* E_VIF_ASCII;
  QLabel* L_Var_Fun;
  QComboBox* CB_Var_Fun;
  QLabel* L_Var_Dim;
  QComboBox* CB_Var_Dim;
  QLabel* L_Var_Len;
  QLineEdit* E_Var_Len;
  QLabel* L_Var_Unit;
  QComboBox* CB_Var_Unit;
  QCheckBox* CB_Var_Scale;
  QLabel* L_Var_Sto;
  QLineEdit* E_Var_Sto;
  QLabel* L_Var_Tariff;
  QLineEdit* E_Var_Tariff;
  QLabel* L_VIFE;
  Wide_Combo_Box* CB_VIFE;
  QCheckBox* CB_Var_BCD;
  QCheckBox* CB_Var_Swap;
  QCheckBox* CB_Var_TP;
  QCheckBox* CB_Var_Force32;
  QLabel* L_Var_Pos;
  QLineEdit* E_Var_Pos;
  TZbButton* btn_Add_Var;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // A row of a page: the controls side by side at one height.
  using Row = std::vector<QWidget*>;

  void Create_Tree();
  void Create_Buttons();
  void Create_Nodes_Page();
  void Create_Wireless_Panel();
  void Create_Variables_Page();
  void Place_Rows(const std::vector<Row>& rows, const std::vector<Row>& hidden, int top);

  void FormShow();
  void Load_Network();
  void Clear_Tree();
  QTreeWidgetItem* Add_Node_Item(const QString& label);
  void Add_Variable_Item(QTreeWidgetItem* node_item, const TVariabile& variable);
  QTreeWidgetItem* Node_Item(int index) const;
  // Brings the tree's selection to the editor's and fills the pages.
  void Select_Item(QTreeWidgetItem* item);
  void Show_Node(const TNodo& node);
  void Show_Variable(const Variable_Entry& entry);
  void Show_Error(int text);
  void Changed();

  TFNewIDNode* New_ID_Dialog = nullptr;
};
