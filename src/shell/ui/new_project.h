#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class TZbButton;
class Title_Panel;

// "Create New Configuration": asks for a name, creates its folder with the
// bin folder inside and makes it the active configuration. Stays open on a
// refused name.
class TFNew_Project : public QDialog {
  Q_OBJECT
 public:
  explicit TFNew_Project(QWidget* parent = nullptr);

  void Set_Lang();
  void Btn_OKClick();

  Title_Panel* Title;
  QLabel* Label1;
  QLineEdit* E_New_Proj;
  TZbButton* Btn_OK;
  TZbButton* Btn_Cancel;

 protected:
  void showEvent(QShowEvent* event) override;
};
