#pragma once
// Completion while typing in a list drop-down's edit. The text up to the
// caret is looked up among the candidates (compared upper-cased unless
// MatchCase); the first candidate that begins with it completes the text:
// the typed part keeps its own letter case, the completed tail follows and
// is selected, so that the next character replaces it. A typed text that no
// candidate begins with loses whatever followed the caret.
//
// Keys switch completion on and off: Backspace, Escape and Delete switch it
// off, so that deleting never completes again; Enter leaves it as it is;
// every other key switches it on. No widgets: the edit asks and applies.
#include <QString>
#include <QStringList>

class TypeCompletion {
 public:
  struct Result {
    enum Kind {
      None,       // leave the text as it is
      Completed,  // Text completed from candidate Index
      Cut,        // no candidate: Text is the typed part, caret at its end
    };
    Kind What = None;
    QString Text;
    // The caret; the selection runs from the end of Text back to it.
    int Caret = 0;
    int Index = -1;
  };

  // Compares case-sensitively.
  bool MatchCase = false;

  // Whether the next text change completes.
  bool WorkMode() const { return FWorkMode; }
  void SetWorkMode(bool Value) { FWorkMode = Value; }
  // A key went down (a Qt key code).
  void KeyDown(int Key);

  // The text changed by typing (Caret: the caret after the change).
  // Forgets an earlier completion first; answers what the edit should do.
  Result TextChanged(const QString& Text, int Caret, const QStringList& Candidates);
  // The key went up: the candidate a completion during it found, -1 for
  // none; the completion is forgotten.
  int KeyReleased();

  // Whether a completion happened during the current key, its candidate and
  // the length of the typed part it kept.
  bool ItemChange() const { return FItemChange; }
  int ItemIdx() const { return FItemIdx; }
  int ItemSel() const { return FItemSel; }

  // The text the edit had when it took the focus; the edit counts as
  // modified while its text differs from it.
  void SetOldValue(const QString& Value) { FOldValue = Value; }
  QString OldValue() const { return FOldValue; }
  bool Modified(const QString& Text) const { return Text != FOldValue; }

  // Text upper-cased character by character (positions stay where they
  // were, which a whole-string case mapping such as "ß" -> "SS" would
  // break), or unchanged when CaseSensitive.
  static QString Match_Case_Text(const QString& Text, bool CaseSensitive);
  // The first candidate equal to Text, -1 when none.
  static int Index_Of(const QStringList& Candidates, const QString& Text, Qt::CaseSensitivity Sensitivity);

 private:
  bool FWorkMode = true;
  bool FItemChange = false;
  int FItemIdx = 0;
  int FItemSel = 0;
  QString FOldValue;
};
