#pragma once
#include <QDialog>
#include <QStringList>
#include <functional>

class QCheckBox;
class QLabel;
class TZadPageControl;
class TZadTabSheet;
class TZbButton;
class Title_Panel;

// "Software Options": the language, chosen from the language files with their
// flags six to a page and applied to every window at once; internet access
// and the new-version check, with a check on demand; two table options. The
// other settings take effect with OK, after which the main window writes the
// settings file and sets its timer.
class TFSoftOptions : public QDialog {
  Q_OBJECT
 public:
  explicit TFSoftOptions(QWidget* parent = nullptr);

  // Re-applies the texts of every window after a language change; without it
  // only this window's texts are applied.
  std::function<void()> Change_Language;

  void Set_Lang();
  void FormShow();
  void Create_Lang_List();
  void Update_Lang_Page(int Num_Page);
  void Show_Page_Line(int Num_Page);
  void Btn_NextClick(QObject* sender);
  // Slot k, 1..6.
  void LangClick(int k);
  void Update_CheckBox();
  void Btn_OKClick();
  void Btn_Check_UpdateClick();
  void LL_Check_UpdateLinkClick(const QString& link);

  int Show_Page = 1;
  QStringList SL_Languages;
  QString Language_In_Use;

  Title_Panel* Title;
  QLabel* L_SW_Code;
  QLabel* L_SW_Desc;
  TZbButton* Btn_OK;
  TZbButton* Btn_Cancel;
  TZadPageControl* PC_Options;
  TZadTabSheet* TS_Language;
  TZadTabSheet* TS_Con_Options;
  TZadTabSheet* TS_Soft_Settings;
  QLabel* L_Sel_Lang;
  QLabel* I_L[6];
  QLabel* L_L[6];
  QLabel* L_Page_Lang;
  TZbButton* Btn_Prev;
  TZbButton* Btn_Next;
  QCheckBox* CB_En_Con;
  QCheckBox* CB_Update;
  TZbButton* Btn_Check_Update;
  QLabel* LL_Check_Update;
  QCheckBox* CB_Soft_Set_Jump_Table;
  QCheckBox* CB_DoubleClick_Auto_Size;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Create_Controls();
};
