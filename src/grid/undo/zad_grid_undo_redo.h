#pragma once
// TZadGridUndoRedo: the undo list of a grid's cell texts. The grid (its
// UndoRedo property) registers each change of a cell text, and a group of
// changes between StartSequence and StopSequence undoes and redoes as one
// step. Only texts are recorded, nothing of a cell's properties or objects.
//
// Items below Level are done, those from Level on were undone; registering
// a change drops the undone ones, so a Redo never brings back a text from
// before a later edit.
#include <QObject>
#include <QPointer>
#include <QString>
#include <deque>
#include <functional>

class TBaseGrid;
class TZadGridUndoRedo;

// One change of one cell (Col is the store's column), or a sequence bracket
// (Col = Row = -1, empty texts).
struct TUndoRedoItem {
  int Row = -1;
  int Col = -1;
  QString Value;      // the text after the change, written by Redo
  QString OrigValue;  // the text before it, written by Undo
  bool SequenceStart = false;
  bool SequenceStop = false;
};

// The items, oldest first; the oldest go first when MaxLevel is reached.
class TUndoRedoCollection {
 public:
  int Count() const { return int(items_.size()); }
  const TUndoRedoItem& Items(int i) const { return items_[size_t(i)]; }
  const TUndoRedoItem& operator[](int i) const { return Items(i); }

 private:
  friend class TZadGridUndoRedo;
  std::deque<TUndoRedoItem> items_;
};

// Told before a cell is written: OrigValue is the cell's text now (which may
// differ from the recorded one when the cell changed by other means),
// NewValue the text about to be written.
using TZadGridUndoRedoEvent = std::function<void(TZadGridUndoRedo* Sender, TBaseGrid* Grid, int Col, int Row,
                                                 const QString& OrigValue, const QString& NewValue)>;

class TZadGridUndoRedo : public QObject {
  Q_OBJECT

 public:
  explicit TZadGridUndoRedo(QObject* AOwner = nullptr);
  ~TZadGridUndoRedo() override;

  const TUndoRedoCollection& Items() const { return FItems; }
  // Set by the grid's UndoRedo writer; forgotten when the grid goes.
  TBaseGrid* Grid() const;
  void SetGrid(TBaseGrid* Value);
  int Level() const { return FLevel; }
  void SetLevel(int Value) { FLevel = Value; }
  // At most this many items before the oldest is dropped; 0: no limit.
  int MaxLevel() const { return FMaxLevel; }
  void SetMaxLevel(int Value) { FMaxLevel = Value; }

  virtual void RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue);
  virtual void StartSequence();
  virtual void StopSequence();
  void Undo();
  void Redo();
  // Empties the list; Level goes back to 0.
  void Reset();
  bool CanUndo() const { return FLevel > 0; }
  bool CanRedo() const { return FLevel < FItems.Count(); }

  TZadGridUndoRedoEvent OnUndo;
  TZadGridUndoRedoEvent OnRedo;

 private:
  void Drop_Undone();
  void Append(TUndoRedoItem Item);
  void Write_Cell(const TUndoRedoItem& Item, bool Redoing);

  TUndoRedoCollection FItems;
  QPointer<TBaseGrid> FGrid;
  int FLevel = 0;
  int FMaxLevel = 0;
};
