#pragma once
#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class TZbButton;
class Title_Panel;

// "Open Configuration": lists the configuration folders and preselects the
// active one (letter case aside) or the first.
class TFOpenConf : public QDialog {
  Q_OBJECT
 public:
  explicit TFOpenConf(QWidget* parent = nullptr);

  void Set_Lang();
  void Load_Existing_Configuration();
  int Search_Open_Conf(const QString& snc) const;
  void ListBox1Click();

  QString Name_Conf;  // the chosen configuration, empty when the list is empty
  QStringList SL;     // the configurations found

  Title_Panel* Title;
  QLabel* Label1;
  QListWidget* ListBox1;
  TZbButton* Btn_OK;
  TZbButton* Btn_Cancel;

 protected:
  void showEvent(QShowEvent* event) override;
};
