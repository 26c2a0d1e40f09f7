#pragma once
// TZadIrururOzizCheck: the checker a string grid runs over its cells
// (CellChecker). Checkers derive from it: Correct answers a corrected text,
// MarkError the text with its errors marked (MarkText). This base checks
// nothing and answers every text unchanged.
#include <QObject>
#include <QString>

class TZadIrururOzizCheck : public QObject {
  Q_OBJECT

 public:
  explicit TZadIrururOzizCheck(QObject* AOwner = nullptr) : QObject(AOwner) {}

  // A checking run makes each checked cell current and then goes back.
  bool GotoCell() const { return FGotoCell; }
  void SetGotoCell(bool Value) { FGotoCell = Value; }
  // Applied to a cell whenever an edit of it is committed.
  bool AutoCorrect() const { return FAutoCorrect; }
  void SetAutoCorrect(bool Value) { FAutoCorrect = Value; }
  bool AutoMarkError() const { return FAutoMarkError; }
  void SetAutoMarkError(bool Value) { FAutoMarkError = Value; }
  // What a checking run calls.
  bool UseCorrect() const { return FUseCorrect; }
  void SetUseCorrect(bool Value) { FUseCorrect = Value; }
  bool UseMarkError() const { return FUseMarkError; }
  void SetUseMarkError(bool Value) { FUseMarkError = Value; }

  virtual QString MarkError(int ACol, int ARow, const QString& s) { return (void)ACol, (void)ARow, s; }
  virtual QString Correct(int ACol, int ARow, const QString& s) { return (void)ACol, (void)ARow, s; }
  virtual void StartCheck() {}
  virtual void StopCheck() {}

 private:
  bool FGotoCell = false;
  bool FAutoCorrect = false;
  bool FAutoMarkError = false;
  bool FUseCorrect = false;
  bool FUseMarkError = false;
};
