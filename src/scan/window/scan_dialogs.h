#pragma once
// The three small dialogs of the Scan & Decode window: a wireless meter's key,
// the start register of an append, and each meter's start address.
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class TZadColumnGrid;
class TZbButton;
class Title_Panel;

// "Insert Key": 32 hexadecimal characters, typed in upper case; the text stays
// between uses.
class TFInsertKeyWireless : public QDialog {
  Q_OBJECT
 public:
  explicit TFInsertKeyWireless(QWidget* parent = nullptr);
  void Set_Lang();
  static bool Check_Data(const QString& key);
  void Btn_OKClick();

  QLabel* L_InsKey;
  QLineEdit* E_Key;
  TZbButton* Btn_OK;
  TZbButton* Btn_Cancel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The first Modbus register of the nodes appended to the network file.
class TFScanModbusStart : public QDialog {
  Q_OBJECT
 public:
  explicit TFScanModbusStart(QWidget* parent = nullptr);
  void Set_Lang();
  void Btn_OKClick();

  int32_t StartModAdd = 1;
  Title_Panel* Title;
  QLabel* L_StartModAdd;
  QLineEdit* E_StartModAdd;
  TZbButton* Btn_OK;
  TZbButton* Btn_Cancel;

 protected:
  void showEvent(QShowEvent* event) override;
};

// One row per meter found with its Modbus start address.
class TFModbusStartAdd_SD : public QDialog {
  Q_OBJECT
 public:
  explicit TFModbusStartAdd_SD(QWidget* parent = nullptr);
  void Set_Lang();
  bool Check_Data();
  void Btn_OKClick();
  // Column 1 of the data rows.
  QStringList Starts() const;

  Title_Panel* Title;
  QCheckBox* CB_En_NodeState;
  QCheckBox* CB_En_IndNum;
  TZadColumnGrid* sga;
  TZbButton* Btn_OK;
  TZbButton* Btn_Cancel;

 protected:
  void showEvent(QShowEvent* event) override;
};
