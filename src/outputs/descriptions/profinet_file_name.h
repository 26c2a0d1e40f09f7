#pragma once
#include <QDate>
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class TZbButton;
class Title_Panel;

// "PROFINET XML File Name": the user types the middle part of the GSDML file
// name between two fixed parts; the last one holds the date on which the
// program started. After OK, Name_File_XML holds the composed name.
class TFProfinetFileName : public QDialog {
  Q_OBJECT
 public:
  // `start_date` is the date the name carries; the program passes today's.
  explicit TFProfinetFileName(QWidget* parent = nullptr, const QDate& start_date = QDate::currentDate());

  void Set_Lang();
  void Btn_OKClick();

  QString Name_File_XML;

  Title_Panel* Title;
  QLabel* L_Select;
  QLabel* L_Col_Fix1;
  QLabel* L_Col_User;
  QLabel* L_Col_Fix2;
  QLabel* L_XML_Fix1;
  QLineEdit* E_XML_User;
  QLabel* L_XML_Fix2;
  TZbButton* Btn_OK;
  TZbButton* Btn_Cancel;

 private:
  QDate start_date_;
};
