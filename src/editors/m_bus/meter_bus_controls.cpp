// The controls of the "M-Bus Network" window and the layouts of its pages.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTreeWidget>

#include "controls/page_control.h"
#include "controls/tab_sheet.h"
#include "controls/zb_button.h"
#include "editors/files/m_bus_lists.h"
#include "editors/m_bus/meter_bus_window.h"
#include "editors/m_bus/wide_combo_box.h"
#include "shell/core/device_profile.h"
#include "shell/ui/shell_look.h"

namespace {

// Columns and rows of the pages.
constexpr int kLabel_X = 10;
constexpr int kField_X = 170;
constexpr int kField_Width = 230;
constexpr int kRow_Top = 12;
constexpr int kRow_Pitch = 26;
constexpr int kCheck_Width = 400;

template <typename T>
T* Named(T* widget, const char* name, int x, int width, int height = 21) {
  widget->setObjectName(QLatin1String(name));
  widget->setGeometry(x, 0, width, height);
  return widget;
}

QLabel* New_Label(QWidget* parent, const char* name, int x = kLabel_X, int width = kField_X - kLabel_X - 6) {
  QLabel* label = Named(new QLabel(parent), name, x, width);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QLineEdit* New_Edit(QWidget* parent, const char* name, int x = kField_X, int width = kField_Width) {
  return Named(new QLineEdit(parent), name, x, width);
}

QCheckBox* New_Check(QWidget* parent, const char* name, int x = kLabel_X, int width = kCheck_Width) {
  return Named(new QCheckBox(parent), name, x, width);
}

template <typename Combo = QComboBox>
Combo* New_List(QWidget* parent, const char* name, const QStringList& items, int x = kField_X,
                int width = kField_Width) {
  Combo* list = Named(new Combo(parent), name, x, width, 22);
  list->addItems(items);
  list->setCurrentIndex(0);
  return list;
}

QStringList Numbers(int first, int last) {
  QStringList items;
  for (int i = first; i <= last; ++i) items << QString::number(i);
  return items;
}

const QStringList& Swap_Items() {
  static const QStringList items = {QStringLiteral("None"), QStringLiteral("Type 1")};
  return items;
}

const QStringList& Var_List_Items() {
  static const QStringList items = {QStringLiteral("By Type"), QStringLiteral("By Position")};
  return items;
}

}  // namespace

void TFMeter_Bus::Create_Tree() {
  TW = new QTreeWidget(this);
  TW->setObjectName(QStringLiteral("TW"));
  TW->setGeometry(8, 70, 300, 542);
  TW->setHeaderHidden(true);
  TW->setColumnCount(1);
  TW->header()->setStretchLastSection(true);
  TW->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TW->setSelectionMode(QAbstractItemView::SingleSelection);
  TW->setSelectionBehavior(QAbstractItemView::SelectRows);
  TW->setAllColumnsShowFocus(true);
  // The selection stays as visible as with the focus when the user works on
  // the pages.
  QPalette look = TW->palette();
  look.setColor(QPalette::Inactive, QPalette::Highlight, look.color(QPalette::Active, QPalette::Highlight));
  look.setColor(QPalette::Inactive, QPalette::HighlightedText, look.color(QPalette::Active, QPalette::HighlightedText));
  TW->setPalette(look);

  PM_Tree = new QMenu(this);
  PM_Tree->setObjectName(QStringLiteral("PM_Tree"));
  CopyVariable1 = PM_Tree->addAction(QStringLiteral("Copy Variable"), this, &TFMeter_Bus::CopyVariable1Click);
  PasteVariable1 = PM_Tree->addAction(QStringLiteral("Paste Variable"), this, &TFMeter_Bus::PasteVariable1Click);
  PM_Tree->addSeparator();
  CopyNode1 = PM_Tree->addAction(QStringLiteral("Copy Node"), this, &TFMeter_Bus::CopyNode1Click);
  PasteNode1 = PM_Tree->addAction(QStringLiteral("Paste Node"), this, &TFMeter_Bus::PasteNode1Click);
  PM_Tree->addSeparator();
  Delete_Items1 = PM_Tree->addAction(QStringLiteral("Delete Items"), this, &TFMeter_Bus::btn_Delete_ItemClick);
  PasteVariable1->setEnabled(false);
  PasteNode1->setEnabled(false);
  TW->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(TW, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PM_Tree->popup(TW->viewport()->mapToGlobal(at)); });
  connect(TW, &QTreeWidget::itemSelectionChanged, this, &TFMeter_Bus::TWClick);
  connect(TW, &QTreeWidget::itemClicked, this, &TFMeter_Bus::TWClick);
}

void TFMeter_Bus::Create_Buttons() {
  const auto button = [this](const char* name, const QRect& geometry) {
    auto* b = new TZbButton(this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    return b;
  };
  Btn_ImportNet = button("Btn_ImportNet", QRect(8, 626, 130, 27));
  Btn_ImportNet->OnClick = [this] { Btn_ImportNetClick(); };
  Btn_Export_Map = button("Btn_Export_Map", QRect(146, 626, 130, 27));
  Btn_Export_Map->OnClick = [this] { Btn_Export_MapClick(); };
  // OK closes only after a successful save and Cancel may ask first, so
  // neither carries a modal result of its own.
  ZbButton2 = button("ZbButton2", QRect(590, 626, 88, 27));
  ZbButton2->OnClick = [this] { ZbButton2Click(); };
  ZbButton4 = button("ZbButton4", QRect(684, 626, 88, 27));
  ZbButton4->Set_Cancel(true);
  ZbButton4->OnClick = [this] { ZbButton4Click(); };
}

void TFMeter_Bus::Create_Nodes_Page() {
  QWidget* p = TS_Nodes;
  CB_Node_Enable = New_Check(p, "CB_Node_Enable");
  L_Node_Desc = New_Label(p, "L_Node_Desc");
  E_Node_Desc = New_Edit(p, "E_Node_Desc");
  L_MBus_Type = New_Label(p, "L_MBus_Type");
  CB_MBus_Type = New_List(p, "CB_MBus_Type", {QStringLiteral("wM-Bus"), QStringLiteral("M-Bus on wires")});
  RB_ID_Primary = Named(new QRadioButton(p), "RB_ID_Primary", kLabel_X, kField_X - kLabel_X - 6);
  RB_ID_Primary->setChecked(true);
  E_ID_Primary = New_Edit(p, "E_ID_Primary", kField_X, 110);
  E_ID_Primary->setText(QStringLiteral("1"));
  RB_ID_Secondary = Named(new QRadioButton(p), "RB_ID_Secondary", kLabel_X, kField_X - kLabel_X - 6);
  E_ID_Secondary = New_Edit(p, "E_ID_Secondary", kField_X, 110);
  E_ID_Secondary->setText(QStringLiteral("1"));
  CB_Node_State = New_Check(p, "CB_Node_State");
  CB_Ident_Num = New_Check(p, "CB_Ident_Num");
  L_Swap_Ident = New_Label(p, "L_Swap_Ident");
  CB_Swap_Ident = New_List(p, "CB_Swap_Ident", Swap_Items(), kField_X, 110);
  CB_BCD_IN = New_Check(p, "CB_BCD_IN");
  CB_Send_SNK = New_Check(p, "CB_Send_SNK");
  CB_Reset_App = New_Check(p, "CB_Reset_App");
  L_Var_List_Type = New_Label(p, "L_Var_List_Type");
  CB_Var_List_Type = New_List(p, "CB_Var_List_Type", Var_List_Items(), kField_X, 110);
  L_Cut_After = New_Label(p, "L_Cut_After");
  CB_Cut_After = New_List(p, "CB_Cut_After", Numbers(1, 250), kField_X, 60);
  L_Frames = New_Label(p, "L_Frames", kField_X + 66, 80);
  btn_Add_Node = Named(new TZbButton(p), "btn_Add_Node", kField_X, 150, 27);
  btn_Add_Node->OnClick = [this] { btn_Add_NodeClick(); };
  Create_Wireless_Panel();
}

void TFMeter_Bus::Create_Wireless_Panel() {
  P_wMBus = new QWidget(TS_Nodes);
  P_wMBus->setObjectName(QStringLiteral("P_wMBus"));
  P_wMBus->setGeometry(0, 0, 420, 372);
  QWidget* p = P_wMBus;
  const auto at = [](auto* w, int y) {
    w->move(w->x(), y);
    return w;
  };
  L_wMBus_ManID = New_Label(p, "L_wMBus_ManID");
  E_wMBus_ManID = New_Edit(p, "E_wMBus_ManID", kField_X, 120);
  L_wMBus_Add = New_Label(p, "L_wMBus_Add");
  E_wMBus_Add = New_Edit(p, "E_wMBus_Add", kField_X, 120);
  L_wMBus_Ver = New_Label(p, "L_wMBus_Ver");
  E_wMBus_Ver = New_Edit(p, "E_wMBus_Ver", kField_X, 120);
  L_wMBus_DevType = New_Label(p, "L_wMBus_DevType");
  E_wMBus_DevType = New_Edit(p, "E_wMBus_DevType", kField_X, 120);
  const std::pair<QWidget*, QWidget*> identity[] = {{L_wMBus_ManID, E_wMBus_ManID},
                                                    {L_wMBus_Add, E_wMBus_Add},
                                                    {L_wMBus_Ver, E_wMBus_Ver},
                                                    {L_wMBus_DevType, E_wMBus_DevType}};
  for (int i = 0; i < 4; ++i) {
    at(identity[i].first, i * kRow_Pitch);
    at(identity[i].second, i * kRow_Pitch);
  }
  CB_wMBus_En_Key = at(New_Check(p, "CB_wMBus_En_Key"), 4 * kRow_Pitch);
  // The sixteen key bytes in two rows of eight, byte 1 at the top left.
  for (int i = 0; i < 16; ++i) {
    const int x = kLabel_X + (i % 8) * 50;
    const int y = 5 * kRow_Pitch + (i / 8) * 42;
    const QByteArray label_name = "L_wMBus_Key_" + QByteArray::number(i + 1);
    const QByteArray edit_name = "E_wMBus_Key_" + QByteArray::number(i + 1);
    L_wMBus_Key[i] = at(New_Label(p, label_name.constData(), x, 44), y);
    L_wMBus_Key[i]->setAlignment(Qt::AlignCenter);
    L_wMBus_Key[i]->resize(44, 16);
    E_wMBus_Key[i] = at(New_Edit(p, edit_name.constData(), x, 44), y + 16);
  }
  const int checks_top = 5 * kRow_Pitch + 2 * 42 + 6;
  CB_wMBus_Node_State = at(New_Check(p, "CB_wMBus_Node_State"), checks_top);
  CB_wMBus_Ident_Num = at(New_Check(p, "CB_wMBus_Ident_Num"), checks_top + kRow_Pitch);
  CB_wMBus_RSSI = at(New_Check(p, "CB_wMBus_RSSI"), checks_top + 2 * kRow_Pitch);
  CB_wMBus_BCD_IN = at(New_Check(p, "CB_wMBus_BCD_IN"), checks_top + 3 * kRow_Pitch);
  L_wMBus_Swap_Ident = at(New_Label(p, "L_wMBus_Swap_Ident"), checks_top + 4 * kRow_Pitch);
  CB_wMBus_Swap_Ident =
      at(New_List(p, "CB_wMBus_Swap_Ident", Swap_Items(), kField_X, 110), checks_top + 4 * kRow_Pitch);
  L_wMBus_Var_List_Type = at(New_Label(p, "L_wMBus_Var_List_Type"), checks_top + 5 * kRow_Pitch);
  CB_wMBus_Var_List_Type =
      at(New_List(p, "CB_wMBus_Var_List_Type", Var_List_Items(), kField_X, 110), checks_top + 5 * kRow_Pitch);
  P_wMBus->resize(P_wMBus->width(), checks_top + 6 * kRow_Pitch);
  P_wMBus->hide();
}

void TFMeter_Bus::Create_Variables_Page() {
  QWidget* p = TS_Variables;
  CB_Var_Enable = New_Check(p, "CB_Var_Enable");
  L_Var_Desc = New_Label(p, "L_Var_Desc");
  E_Var_Desc = New_Edit(p, "E_Var_Desc");
  L_Var_ToD = New_Label(p, "L_Var_ToD");
  CB_Var_ToD = New_List<Wide_Combo_Box>(p, "CB_Var_ToD", m_bus_lists::Type_Of_Data());
  L_VIF_ASCII = New_Label(p, "L_VIF_ASCII");
  E_VIF_ASCII = New_Edit(p, "E_VIF_ASCII");
  L_Var_Fun = New_Label(p, "L_Var_Fun");
  CB_Var_Fun = New_List(p, "CB_Var_Fun", m_bus_lists::Function_Field());
  L_Var_Dim = New_Label(p, "L_Var_Dim");
  CB_Var_Dim = New_List(p, "CB_Var_Dim", m_bus_lists::Dimension(), kField_X, 130);
  L_Var_Len = New_Label(p, "L_Var_Len");
  E_Var_Len = New_Edit(p, "E_Var_Len", kField_X, 80);
  L_Var_Unit = New_Label(p, "L_Var_Unit");
  CB_Var_Unit = New_List(p, "CB_Var_Unit", Numbers(0, 10), kField_X, 80);
  CB_Var_Scale = New_Check(p, "CB_Var_Scale");
  L_Var_Sto = New_Label(p, "L_Var_Sto");
  E_Var_Sto = New_Edit(p, "E_Var_Sto", kField_X, 130);
  L_Var_Tariff = New_Label(p, "L_Var_Tariff");
  E_Var_Tariff = New_Edit(p, "E_Var_Tariff", kField_X, 130);
  L_VIFE = New_Label(p, "L_VIFE");
  CB_VIFE = New_List<Wide_Combo_Box>(p, "CB_VIFE", m_bus_lists::VIFE());
  CB_Var_BCD = New_Check(p, "CB_Var_BCD");
  CB_Var_Swap = New_Check(p, "CB_Var_Swap");
  CB_Var_TP = New_Check(p, "CB_Var_TP");
  CB_Var_Force32 = New_Check(p, "CB_Var_Force32");
  L_Var_Pos = New_Label(p, "L_Var_Pos");
  E_Var_Pos = New_Edit(p, "E_Var_Pos", kField_X, 80);
  btn_Add_Var = Named(new TZbButton(p), "btn_Add_Var", kField_X, 150, 27);
  btn_Add_Var->OnClick = [this] { btn_Add_VarClick(); };
}

// Stacks the rows from `top` down, one pitch apart, and hides the others.
void TFMeter_Bus::Place_Rows(const std::vector<Row>& rows, const std::vector<Row>& hidden, int top) {
  for (const Row& row : hidden)
    for (QWidget* w : row) w->hide();
  int y = top;
  for (const Row& row : rows) {
    for (QWidget* w : row) {
      w->move(w->x(), y);
      w->show();
    }
    y += kRow_Pitch;
  }
}

void TFMeter_Bus::Sposta_Oggetti_Var(int var_type) {
  const Row enable{CB_Var_Enable}, desc{L_Var_Desc, E_Var_Desc}, tod{L_Var_ToD, CB_Var_ToD},
      vif{L_VIF_ASCII, E_VIF_ASCII}, fun{L_Var_Fun, CB_Var_Fun}, dim{L_Var_Dim, CB_Var_Dim}, len{L_Var_Len, E_Var_Len},
      unit{L_Var_Unit, CB_Var_Unit}, scale{CB_Var_Scale}, sto{L_Var_Sto, E_Var_Sto}, tariff{L_Var_Tariff, E_Var_Tariff},
      vife{L_VIFE, CB_VIFE}, bcd{CB_Var_BCD}, swap{CB_Var_Swap}, tp{CB_Var_TP}, force{CB_Var_Force32},
      pos{L_Var_Pos, E_Var_Pos}, button{btn_Add_Var};
  if (var_type == 1)
    Place_Rows({enable, desc, dim, len, scale, bcd, swap, tp, force, pos, button},
               {tod, vif, fun, unit, sto, tariff, vife}, kRow_Top);
  else
    Place_Rows({enable, desc, tod, vif, fun, dim, len, unit, scale, sto, tariff, vife, bcd, swap, tp, force, button},
               {pos}, kRow_Top);
}

void TFMeter_Bus::Nodes_Move_Elements() {
  const bool wireless_types = Device_Type() == 4 || Device_Type() == 5;
  const Row enable{CB_Node_Enable}, desc{L_Node_Desc, E_Node_Desc}, type{L_MBus_Type, CB_MBus_Type};
  const std::vector<Row> wired = {{RB_ID_Primary, E_ID_Primary},
                                  {RB_ID_Secondary, E_ID_Secondary},
                                  {CB_Node_State},
                                  {CB_Ident_Num},
                                  {L_Swap_Ident, CB_Swap_Ident},
                                  {CB_BCD_IN},
                                  {CB_Send_SNK},
                                  {CB_Reset_App},
                                  {L_Var_List_Type, CB_Var_List_Type},
                                  {L_Cut_After, CB_Cut_After, L_Frames}};
  std::vector<Row> rows = {enable, desc};
  std::vector<Row> hidden;
  // The wireless panel takes the place of the wired rows (types 4 and 5 with
  // "wM-Bus"), right below the M-Bus type row.
  const bool panel = wireless_types && CB_MBus_Type->currentIndex() == 0;
  if (wireless_types)
    rows.push_back(type);
  else
    hidden.push_back(type);
  if (panel) {
    hidden.insert(hidden.end(), wired.begin(), wired.end());
  } else {
    rows.insert(rows.end(), wired.begin(), wired.end());
  }
  Place_Rows(rows, hidden, kRow_Top);
  const int below = kRow_Top + static_cast<int>(rows.size()) * kRow_Pitch;
  if (panel) {
    P_wMBus->move(0, below);
    P_wMBus->show();
    btn_Add_Node->move(btn_Add_Node->x(), below + P_wMBus->height() + 4);
  } else {
    P_wMBus->hide();
    btn_Add_Node->move(btn_Add_Node->x(), below + 4);
  }
}
