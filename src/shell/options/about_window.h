#pragma once
#include <QDialog>

class QLabel;
class TZbButton;

// "About...": the product's description, codes and version for the device
// type, with the maker's logo and web address, both leading to the product
// page. Its texts are fixed English: a language change does not touch them.
class TFAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TFAbout(QWidget* parent = nullptr);

  void FormShow();
  // The click of Label4 and Image2.
  void Label4Click();

  QLabel* Image2;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label6;
  QLabel* Label9;
  QLabel* Label3;
  QLabel* Label10;
  QLabel* Label8;
  QLabel* Label12;
  TZbButton* ZbButton1;
  QLabel* Label4;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};
