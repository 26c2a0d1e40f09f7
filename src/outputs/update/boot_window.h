#pragma once
#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class Echo_Client;
class TZbButton;
class Title_Panel;

// "Update Device": hands the compiled images (and the firmware) to an external
// updater. Form_Type 1 pings the device over Ethernet and writes
// Ethernet_Update.xml for Ethernet_Update.exe; Form_Type 0 starts the serial
// or USB updater on a COM port. Each show re-applies the texts and the layout
// of Form_Type; the window stays open after an update.
class TFBoot : public QDialog {
  Q_OBJECT
 public:
  explicit TFBoot(QWidget* parent = nullptr);
  ~TFBoot() override;

  int Form_Type = 1;  // 0 serial or USB updater, 1 Ethernet
  int ping_res = 0;   // 0 none yet, 1 reply with data, 2 reply without data

  void Set_Lang();
  // The layout and values of a show; runs from showEvent.
  void FormShow();
  void update_ComPort();
  void Btn_COM_ListClick();
  void Btn_UpdateClick();
  // True while a ping or an updater runs.
  bool Busy() const { return busy_; }

  // The pinger; tests put in a scripted one (the window does not own it).
  void Set_Echo_Client(Echo_Client* client);

  Title_Panel* P_Title;
  QLabel* L_SW_Code;
  QLabel* L_SW_Desc;
  QWidget* P_IP_Address;
  QLabel* L_IP_Address;
  QLineEdit* E_IP1;
  QLineEdit* E_IP2;
  QLineEdit* E_IP3;
  QLineEdit* E_IP4;
  QWidget* P_Serial;
  QLabel* L_COM_Port;
  QComboBox* CB_COM_Port;
  TZbButton* Btn_COM_List;
  QWidget* P_Options;
  QLabel* L_Update_Option;
  QComboBox* CB_Update_Options;
  QCheckBox* CB_Update_Option_Read_Back;
  QWidget* P_Button;
  TZbButton* Btn_Cancel;
  TZbButton* Btn_Update;

 public Q_SLOTS:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Create_Controls();
  void Stack_Panels();
  void Run_Update();
  QString Address_Text() const;

  std::unique_ptr<Echo_Client> own_echo_;
  Echo_Client* echo_;
  bool busy_ = false;
};
