#pragma once
// The drop-down list of the flat combo box: a popup window holding a list
// box. It reports the chosen row and, once, that it closed (however it
// closed: a choice, Escape, F4, or a click elsewhere).
#include <QElapsedTimer>
#include <QFrame>
#include <QStringList>
#include <functional>

class QListWidget;

class TComboListPopup : public QFrame {
  Q_OBJECT

 public:
  explicit TComboListPopup(QWidget* owner);

  std::function<void(int Row)> OnChoose;
  std::function<void()> OnClosed;

  QListWidget* List() const { return FList; }
  // Fills the list, highlights `current` and shows `visible_rows` rows of
  // `row_height` pixels, `width` wide, under (or, without room, over) `anchor`
  // (global coordinates).
  void Open(const QStringList& items, int current, int visible_rows, int row_height, int width, const QRect& anchor);
  // Highlights the first row starting with `prefix` (case-insensitive),
  // searching from the row after the highlighted one; false when none does.
  bool Seek(const QString& prefix);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Choose(int Row);

  static constexpr int kNone = -2;
  QListWidget* FList;
  QString FTyped;
  QElapsedTimer FTypedClock;
  int FChosen = kNone;
};
