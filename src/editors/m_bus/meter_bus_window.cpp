#include "editors/m_bus/meter_bus_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <exception>

#include "controls/page_control.h"
#include "controls/tab_sheet.h"
#include "controls/zb_button.h"
#include "editors/files/m_bus_network_file.h"
#include "editors/m_bus/address_map.h"
#include "editors/m_bus/m_bus_tree_labels.h"
#include "editors/m_bus/network_import.h"
#include "editors/m_bus/wide_combo_box.h"
#include "editors/par_gen/new_id_node.h"
#include "platform/dialogs.h"
#include "platform/guarded_application.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/core/modal_result.h"
#include "shell/ui/shell_look.h"
#include "shell/ui/title_panel.h"

namespace {

constexpr int kVIF_In_ASCII = 21;  // type of data "VIF is in ASCII"

// Shown on OK after a read of M_Bus.xml that stopped early. No numbered text
// covers this case, so it is a fixed text like the tree's labels.
const char* const kIncomplete_Save_Question =
    "The M-Bus network file could not be read completely. Saving now replaces it with the part that was read and "
    "loses the rest. Save anyway?";

bool Is_Wireless_Type() { return Device_Type() == 4 || Device_Type() == 5; }

}  // namespace

TFMeter_Bus::TFMeter_Bus(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FMeter_Bus"));
  setFont(shell_look::Window_Font());
  shell_look::Set_Background(this, shell_look::kBackground);

  Title = new Title_Panel(this);
  Title->setGeometry(0, 0, 780, 62);
  L_MBus_NumByte = new QLabel(Title);
  L_MBus_NumByte->setTextFormat(Qt::PlainText);
  L_MBus_NumByte->setObjectName(QStringLiteral("L_MBus_NumByte"));
  L_MBus_NumByte->setFont(shell_look::Bold_Font());
  L_MBus_NumByte->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  L_MBus_NumByte->setGeometry(460, 36, 308, 18);

  Create_Tree();

  PC_MBus = new TZadPageControl(this);
  PC_MBus->setObjectName(QStringLiteral("PC_MBus"));
  PC_MBus->setGeometry(316, 70, 456, 542);
  PC_MBus->Set_TabPosition(tpLeft);
  PC_MBus->Set_TabStyle(tsDotNet);
  PC_MBus->TabMargin().Set_TopMargin(10);
  PC_MBus->TabMargin().Set_RightMargin(20);
  PC_MBus->Set_ActiveColor(0x00FF00);
  PC_MBus->Set_TabBackGroundColor(shell_look::kBackground);
  PC_MBus->Set_DefaultTabColor(0xE0E0E0);
  PC_MBus->Set_ActiveFont(shell_look::Bold_Font());
  TS_Nodes = new TZadTabSheet(PC_MBus);
  TS_Nodes->setObjectName(QStringLiteral("TS_Nodes"));
  TS_Variables = new TZadTabSheet(PC_MBus);
  TS_Variables->setObjectName(QStringLiteral("TS_Variables"));
  PC_MBus->Set_ActivePage(TS_Nodes);

  Create_Nodes_Page();
  Create_Variables_Page();
  Create_Buttons();

  // FormCreate
  CB_Var_ToD->Select_Width_ComboBox();
  CB_VIFE->Select_Width_ComboBox();
  connect(CB_Var_ToD, &QComboBox::currentIndexChanged, this, &TFMeter_Bus::CB_Var_ToDChange);
  connect(CB_Var_Dim, &QComboBox::currentIndexChanged, this, &TFMeter_Bus::CB_Var_DimChange);
  connect(CB_MBus_Type, &QComboBox::currentIndexChanged, this, &TFMeter_Bus::CB_MBus_TypeChange);
  setFixedSize(780, 662);
  Sposta_Oggetti_Var(0);
  Nodes_Move_Elements();
  Set_Lang();
}

void TFMeter_Bus::Set_Lang() {
  setWindowTitle(Lang(500));
  Title->L_SW_Code->setText(SW_Code);
  Title->L_SW_Desc->setText(Lang(501));
  ZbButton2->Set_Caption(Lang(502));
  ZbButton4->Set_Caption(Lang(503));
  Btn_ImportNet->Set_Caption(Lang(504));
  Btn_Export_Map->Set_Caption(Lang(505));
  TS_Nodes->Set_Caption(Lang(506));
  TS_Variables->Set_Caption(Lang(507));

  CB_Node_Enable->setText(Lang(508));
  L_Node_Desc->setText(Lang(509));
  RB_ID_Primary->setText(Lang(510));
  RB_ID_Secondary->setText(Lang(511));
  CB_Node_State->setText(Lang(512));
  CB_Ident_Num->setText(Lang(513));
  L_Swap_Ident->setText(Lang(514));
  CB_BCD_IN->setText(Lang(515));
  CB_Send_SNK->setText(Lang(516));
  CB_Reset_App->setText(Lang(517));
  L_Var_List_Type->setText(Lang(518));
  L_Cut_After->setText(Lang(519));
  L_Frames->setText(Lang(520));
  btn_Add_Node->Set_Caption(Lang(Editor.Node_Button_Text()));

  CB_Var_Enable->setText(Lang(523));
  L_Var_Desc->setText(Lang(524));
  L_Var_ToD->setText(Lang(525));
  L_VIF_ASCII->setText(Lang(526));
  L_Var_Fun->setText(Lang(527));
  L_Var_Dim->setText(Lang(528));
  L_Var_Len->setText(Lang(529));
  L_Var_Unit->setText(Lang(530));
  CB_Var_Scale->setText(Lang(531));
  L_Var_Sto->setText(Lang(532));
  L_Var_Tariff->setText(Lang(533));
  L_VIFE->setText(Lang(534));
  CB_Var_BCD->setText(Lang(535));
  CB_Var_Swap->setText(Lang(536));
  CB_Var_TP->setText(Lang(537));
  L_Var_Pos->setText(Lang(538));
  CB_Var_Force32->setText(Lang(541));
  btn_Add_Var->Set_Caption(Lang(Editor.Var_Button_Text()));

  L_MBus_Type->setText(Lang(588));
  L_wMBus_ManID->setText(Lang(561));
  L_wMBus_Add->setText(Lang(562));
  L_wMBus_Ver->setText(Lang(563));
  L_wMBus_DevType->setText(Lang(564));
  CB_wMBus_En_Key->setText(Lang(565));
  for (int i = 0; i < 16; ++i) L_wMBus_Key[i]->setText(Lang(566 + i));
  CB_wMBus_Node_State->setText(Lang(582));
  CB_wMBus_Ident_Num->setText(Lang(583));
  CB_wMBus_RSSI->setText(Lang(584));
  CB_wMBus_BCD_IN->setText(Lang(585));
  L_wMBus_Swap_Ident->setText(Lang(586));
  L_wMBus_Var_List_Type->setText(Lang(587));
  Aggiorna_Label_Num_Byte();
}

// --- showing ---

void TFMeter_Bus::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

void TFMeter_Bus::FormShow() {
  CB_Cut_After->setCurrentIndex(0);
  Load_Network();
  PasteVariable1->setEnabled(Editor.Copy_Var.has_value());
  PasteNode1->setEnabled(Editor.Copy_Node.has_value());
  CB_MBus_TypeChange();
  Editor.Is_Change = false;
  Aggiorna_Label_Num_Byte();
  TW->setFocus();
  Select_Item(NODE_ORIG);
}

// The budget, then the network: a fresh model and tree, nothing selected. A
// read that stops early keeps what was read and says why.
void TFMeter_Bus::Load_Network() {
  Clear_Tree();
  Budget = Read_Byte_Budget(Path_ParGen_XML, Device_Type());
  if (!Budget.read_error.isEmpty()) dialogs::Error(this, Budget.read_error);
  M_Bus_Network_Load load = Read_M_Bus_Network(Path_M_Bus_XML, Device_Type());
  Load_Incomplete = !load.Complete();
  Editor.Start(std::move(load.nodes), Device_Type());
  for (const TNodo& node : Editor.Nodi_List) {
    QTreeWidgetItem* item = Add_Node_Item(m_bus_tree_labels::Node(node, Device_Type()));
    for (const TVariabile& variable : node.Var_List) Add_Variable_Item(item, variable);
  }
  NODE_ORIG->setExpanded(true);
  Sposta_Oggetti_Var(0);
  if (Load_Incomplete) dialogs::Error(this, load.error);
}

void TFMeter_Bus::Clear_Tree() {
  const QSignalBlocker quiet(TW);
  TW->clear();
  NODE_ORIG = new QTreeWidgetItem(TW, QStringList{m_bus_tree_labels::Root()});
}

QTreeWidgetItem* TFMeter_Bus::Add_Node_Item(const QString& label) {
  const QSignalBlocker quiet(TW);
  return new QTreeWidgetItem(NODE_ORIG, QStringList{label});
}

void TFMeter_Bus::Add_Variable_Item(QTreeWidgetItem* node_item, const TVariabile& variable) {
  const QSignalBlocker quiet(TW);
  new QTreeWidgetItem(node_item, QStringList{m_bus_tree_labels::Variable(variable)});
}

QTreeWidgetItem* TFMeter_Bus::Node_Item(int index) const {
  if (index < 0 || index >= NODE_ORIG->childCount()) return nullptr;
  return NODE_ORIG->child(index);
}

void TFMeter_Bus::Select_Item(QTreeWidgetItem* item) {
  {
    const QSignalBlocker quiet(TW);
    TW->setCurrentItem(item);
    if (item != nullptr) item->setSelected(true);
  }
  TWClick();
}

// --- selection ---

void TFMeter_Bus::TWClick() {
  const QList<QTreeWidgetItem*> selected = TW->selectedItems();
  QTreeWidgetItem* item = selected.isEmpty() ? nullptr : selected.first();
  int node = -1;
  int var = -1;
  if (item != nullptr && item->parent() == NODE_ORIG) {
    node = NODE_ORIG->indexOfChild(item);
  } else if (item != nullptr && item->parent() != nullptr && item->parent()->parent() == NODE_ORIG) {
    node = NODE_ORIG->indexOfChild(item->parent());
    var = item->parent()->indexOfChild(item);
  }
  Editor.Select(node, var);
  Aggiorna_Label();
  CB_Var_ToDChange();
  CB_Var_DimChange();
  if (Editor.IND_VAR >= 0)
    PC_MBus->Set_ActivePage(TS_Variables);
  else if (Editor.IND_NODO >= 0)
    PC_MBus->Set_ActivePage(TS_Nodes);
}

void TFMeter_Bus::Aggiorna_Label() {
  btn_Add_Node->Set_Caption(Lang(Editor.Node_Button_Text()));
  btn_Add_Var->Set_Caption(Lang(Editor.Var_Button_Text()));
  if (Editor.IND_NODO < 0) {
    for (QCheckBox* box : {CB_Send_SNK, CB_Reset_App, CB_Node_State, CB_Ident_Num, CB_BCD_IN}) box->setChecked(false);
    CB_Node_Enable->setChecked(true);
  } else {
    const TNodo& node = Editor.Nodi_List[Editor.IND_NODO];
    Show_Node(node);
    if (Editor.IND_VAR < 0)
      Show_Variable(Variable_Entry{});
    else
      Show_Variable(Entry_Of_Variable(node.Var_List[Editor.IND_VAR]));
    Sposta_Oggetti_Var(node.Var_List_Type);
  }
  CB_MBus_TypeChange();
}

void TFMeter_Bus::Show_Node(const TNodo& node) {
  const Node_Entry e = Entry_Of_Node(node, Device_Type());
  CB_Node_Enable->setChecked(e.enable);
  E_Node_Desc->setText(e.description);
  E_ID_Primary->setText(e.primary_id);
  E_ID_Secondary->setText(e.secondary_id);
  CB_Send_SNK->setChecked(e.send_snk);
  CB_Reset_App->setChecked(e.reset_app);
  CB_Node_State->setChecked(e.node_state);
  CB_Ident_Num->setChecked(e.ident_num);
  CB_BCD_IN->setChecked(e.bcd);
  CB_Swap_Ident->setCurrentIndex(e.swap);
  (e.secondary_selected ? RB_ID_Secondary : RB_ID_Primary)->setChecked(true);
  CB_Var_List_Type->setCurrentIndex(e.var_list);
  CB_Cut_After->setCurrentIndex(e.cut_after);
  if (!Is_Wireless_Type()) return;
  {
    // The switch runs once, after the whole page is filled.
    const QSignalBlocker quiet(CB_MBus_Type);
    CB_MBus_Type->setCurrentIndex(e.mbus_type);
  }
  E_wMBus_ManID->setText(e.manufacturer_id);
  E_wMBus_Add->setText(e.address);
  E_wMBus_Ver->setText(e.version);
  E_wMBus_DevType->setText(e.device_type);
  for (int i = 0; i < 16; ++i) E_wMBus_Key[i]->setText(e.key[i]);
  CB_wMBus_En_Key->setChecked(e.key_enable);
  CB_wMBus_Node_State->setChecked(e.w_node_state);
  CB_wMBus_Ident_Num->setChecked(e.w_ident_num);
  CB_wMBus_RSSI->setChecked(e.w_rssi);
  CB_wMBus_BCD_IN->setChecked(e.w_bcd);
  CB_wMBus_Swap_Ident->setCurrentIndex(e.w_swap);
  CB_wMBus_Var_List_Type->setCurrentIndex(e.w_var_list);
}

void TFMeter_Bus::Show_Variable(const Variable_Entry& e) {
  CB_Var_Enable->setChecked(e.enable);
  E_Var_Desc->setText(e.description);
  CB_Var_ToD->setCurrentIndex(e.type_of_data);
  CB_Var_Fun->setCurrentIndex(e.function_field);
  CB_Var_Dim->setCurrentIndex(e.dimension);
  CB_Var_Unit->setCurrentIndex(e.unit);
  CB_Var_Scale->setChecked(e.scale);
  E_Var_Sto->setText(e.storage_number);
  E_Var_Tariff->setText(e.tariff);
  CB_VIFE->setCurrentIndex(e.vife);
  CB_Var_BCD->setChecked(e.bcd);
  CB_Var_Swap->setChecked(e.swap);
  E_VIF_ASCII->setText(e.vif_ascii);
  E_Var_Len->setText(e.length);
  CB_Var_TP->setChecked(e.time_point);
  E_Var_Pos->setText(e.position);
  CB_Var_Force32->setChecked(e.force_integer32);
}

void TFMeter_Bus::CB_Var_ToDChange() { E_VIF_ASCII->setEnabled(CB_Var_ToD->currentIndex() == kVIF_In_ASCII); }

void TFMeter_Bus::CB_Var_DimChange() { E_Var_Len->setEnabled(CB_Var_Dim->currentIndex() == kVariable_Length); }

void TFMeter_Bus::CB_MBus_TypeChange() {
  if (!Is_Wireless_Type()) {
    L_MBus_Type->hide();
    CB_MBus_Type->hide();
    P_wMBus->hide();
    return;
  }
  Nodes_Move_Elements();
}

// --- the pages as entries ---

Node_Entry TFMeter_Bus::Node_Page() const {
  Node_Entry e;
  e.enable = CB_Node_Enable->isChecked();
  e.description = E_Node_Desc->text();
  e.secondary_selected = !RB_ID_Primary->isChecked();
  e.primary_id = E_ID_Primary->text();
  e.secondary_id = E_ID_Secondary->text();
  e.node_state = CB_Node_State->isChecked();
  e.ident_num = CB_Ident_Num->isChecked();
  e.swap = CB_Swap_Ident->currentIndex();
  e.bcd = CB_BCD_IN->isChecked();
  e.send_snk = CB_Send_SNK->isChecked();
  e.reset_app = CB_Reset_App->isChecked();
  e.var_list = CB_Var_List_Type->currentIndex();
  e.cut_after = CB_Cut_After->currentIndex();
  e.mbus_type = Is_Wireless_Type() ? CB_MBus_Type->currentIndex() : 1;
  e.manufacturer_id = E_wMBus_ManID->text();
  e.address = E_wMBus_Add->text();
  e.version = E_wMBus_Ver->text();
  e.device_type = E_wMBus_DevType->text();
  e.key_enable = CB_wMBus_En_Key->isChecked();
  for (int i = 0; i < 16; ++i) e.key[i] = E_wMBus_Key[i]->text();
  e.w_node_state = CB_wMBus_Node_State->isChecked();
  e.w_ident_num = CB_wMBus_Ident_Num->isChecked();
  e.w_rssi = CB_wMBus_RSSI->isChecked();
  e.w_bcd = CB_wMBus_BCD_IN->isChecked();
  e.w_swap = CB_wMBus_Swap_Ident->currentIndex();
  e.w_var_list = CB_wMBus_Var_List_Type->currentIndex();
  return e;
}

Variable_Entry TFMeter_Bus::Variable_Page() const {
  Variable_Entry e;
  e.enable = CB_Var_Enable->isChecked();
  e.description = E_Var_Desc->text();
  e.type_of_data = CB_Var_ToD->currentIndex();
  e.function_field = CB_Var_Fun->currentIndex();
  e.dimension = CB_Var_Dim->currentIndex();
  e.unit = CB_Var_Unit->currentIndex();
  e.scale = CB_Var_Scale->isChecked();
  e.storage_number = E_Var_Sto->text();
  e.tariff = E_Var_Tariff->text();
  e.vife = CB_VIFE->currentIndex();
  e.bcd = CB_Var_BCD->isChecked();
  e.swap = CB_Var_Swap->isChecked();
  e.vif_ascii = E_VIF_ASCII->text();
  e.length = E_Var_Len->text();
  e.time_point = CB_Var_TP->isChecked();
  e.position = E_Var_Pos->text();
  e.force_integer32 = CB_Var_Force32->isChecked();
  return e;
}

// --- editing ---

void TFMeter_Bus::Show_Error(int text) { dialogs::Error(this, Lang(text)); }

void TFMeter_Bus::Changed() {
  TW->viewport()->update();
  Aggiorna_Label_Num_Byte();
}

void TFMeter_Bus::btn_Add_NodeClick() {
  const Node_Entry entry = Node_Page();
  const bool modify = Editor.Node_Button_Mode() == Edit_Mode::Modify;
  const Edit_Result result = Editor.Node_Button(entry);
  if (result.error_text != 0) return Show_Error(result.error_text);
  if (!result.done) return;
  // A label made by an edit shows the ID as the user typed it.
  const QString id_text = entry.secondary_selected ? entry.secondary_id : entry.primary_id;
  if (modify) {
    Node_Item(Editor.IND_NODO)
        ->setText(0, m_bus_tree_labels::Node(Editor.Nodi_List[Editor.IND_NODO], Device_Type(), id_text));
  } else {
    Add_Node_Item(m_bus_tree_labels::Node(Editor.Nodi_List.back(), Device_Type(), id_text));
  }
  NODE_ORIG->setExpanded(true);
  Changed();
}

void TFMeter_Bus::btn_Add_VarClick() {
  const bool modify = Editor.Var_Button_Mode() == Edit_Mode::Modify;
  const Edit_Result result = Editor.Var_Button(Variable_Page());
  if (result.error_text != 0) return Show_Error(result.error_text);
  if (!result.done) return;
  QTreeWidgetItem* node_item = Node_Item(Editor.IND_NODO);
  const std::vector<TVariabile>& variables = Editor.Nodi_List[Editor.IND_NODO].Var_List;
  if (modify)
    node_item->child(Editor.IND_VAR)->setText(0, m_bus_tree_labels::Variable(variables[Editor.IND_VAR]));
  else
    Add_Variable_Item(node_item, variables.back());
  NODE_ORIG->setExpanded(true);
  Changed();
}

void TFMeter_Bus::btn_Delete_ItemClick() {
  const int node = Editor.IND_NODO;
  const int var = Editor.IND_VAR;
  if (dialogs::Ask_Yes_No(this, Lang(Editor.Delete_Question())) && Editor.Delete_Selected().done) {
    const QSignalBlocker quiet(TW);
    if (node >= 0 && var >= 0) {
      QTreeWidgetItem* node_item = Node_Item(node);
      delete node_item->takeChild(var);
      Select_Item(node_item);
    } else if (node >= 0) {
      delete NODE_ORIG->takeChild(node);
      Select_Item(NODE_ORIG);
    } else {
      qDeleteAll(NODE_ORIG->takeChildren());
      Select_Item(NODE_ORIG);
    }
  }
  Changed();
}

void TFMeter_Bus::CopyVariable1Click() {
  if (const int failed = Editor.Copy_Variable()) return Show_Error(failed);
  PasteVariable1->setEnabled(true);
}

void TFMeter_Bus::PasteVariable1Click() {
  const Edit_Result result = Editor.Paste_Variable();
  if (result.error_text != 0) return Show_Error(result.error_text);
  if (!result.done) return;
  Add_Variable_Item(Node_Item(Editor.IND_NODO), Editor.Nodi_List[Editor.IND_NODO].Var_List.back());
  Changed();
}

void TFMeter_Bus::CopyNode1Click() {
  if (const int failed = Editor.Copy_Selected_Node()) return Show_Error(failed);
  PasteNode1->setEnabled(true);
}

void TFMeter_Bus::PasteNode1Click() {
  if (!Editor.Copy_Node || New_ID_Dialog == nullptr) return;
  const TNodo& copy = *Editor.Copy_Node;
  if (Editor.Paste_Is_Wireless())
    New_ID_Dialog->Prepare_Wireless(copy.wMBus_Add);
  else
    New_ID_Dialog->Prepare_Wired(copy.Node_ID_Type, copy.Node_ID_Primary, copy.Node_ID_Secondary);
  New_ID_Dialog->Node_ID_Free = [this](int32_t id, int type_id) { return Editor.Check_Node_ID2(id, type_id); };
  const int answer = New_ID_Dialog->exec();
  New_ID_Dialog->Node_ID_Free = nullptr;
  if (answer != mrOk) return;
  const New_Node_ID_Entry identity = New_ID_Dialog->Entry();
  const Edit_Result result = Editor.Paste_Node(identity);
  if (result.error_text != 0) return Show_Error(result.error_text);
  if (!result.done) return;
  const TNodo& node = Editor.Nodi_List.back();
  const QString id_text = identity.secondary_selected ? identity.secondary_id : identity.primary_id;
  QTreeWidgetItem* item = Add_Node_Item(m_bus_tree_labels::Node(node, Device_Type(), id_text));
  for (const TVariabile& variable : node.Var_List) Add_Variable_Item(item, variable);
  Changed();
}

void TFMeter_Bus::Aggiorna_Label_Num_Byte() { L_MBus_NumByte->setText(Bytes_Used_Text(Editor.Bytes_Used())); }

// --- closing ---

void TFMeter_Bus::ZbButton2Click() {
  if (!Budget_Allows(Budget, Editor.Bytes_Used(), Device_Type())) {
    dialogs::Warning(this, Budget_Warning_Text(Budget));
    return;
  }
  if (Load_Incomplete && !dialogs::Ask_Yes_No(this, QString::fromLatin1(kIncomplete_Save_Question))) return;
  try {
    Write_M_Bus_Network(Path_M_Bus_XML, Editor.Nodi_List, Device_Type());
  } catch (const std::exception& error) {
    Show_Exception(error);
    return;
  }
  Clear_Tree();
  Editor.Start({}, Device_Type());
  done(mrOk);
}

void TFMeter_Bus::ZbButton4Click() {
  if (Editor.Is_Change && !dialogs::Ask_Yes_No(this, Lang(557))) return;
  done(mrCancel);
}

// Escape goes through Cancel and its question; the title-bar close box does not.
void TFMeter_Bus::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    ZbButton4Click();
    return;
  }
  QDialog::keyPressEvent(event);
}

// --- exchange with other files ---

void TFMeter_Bus::Btn_Export_MapClick() {
  const QString chosen = dialogs::Current().Save_File(
      this, {QString(), Active_Conf_Dir, QStringLiteral("comma-separated value (*.csv)"), QString()});
  if (chosen.isEmpty()) return;
  const Address_Map_Result result = Export_Address_Map(chosen, Editor.Nodi_List);
  if (!result.Ok()) dialogs::Error(this, result.error);
}

void TFMeter_Bus::Btn_ImportNetClick() {
  const QString chosen =
      dialogs::Current().Open_File(this, {QString(), Active_Conf_Dir, QStringLiteral("XML File (*.xml)"), QString()});
  if (chosen.isEmpty()) return;
  if (Network_Import_Asks(Path_M_Bus_XML) && !dialogs::Ask_Yes_No(this, Lang(558))) return;
  const Network_Import_Result result = Import_M_Bus_Network(chosen, Path_M_Bus_XML, Device_Type());
  // A refused file changed nothing: the editor keeps its network and its unsaved edits.
  if (!result.Ok()) {
    dialogs::Error(this, result.error);
    return;
  }
  FormShow();
}
