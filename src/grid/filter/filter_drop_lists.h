#pragma once
// The two lists a header's filter button opens: TDropList picks one value
// (Enter or a release picks and hides it), TDropCheckList ticks several (each
// toggled tick reports -1 and the list stays). Both hide when the focus
// leaves them for somewhere other than their grid, and tell the grid
// (OnCancel) so that it forgets the open column; a click back on the grid is
// left to the grid's own release, which closes or moves the list.
#include <QListWidget>
#include <functional>

using TFilterSelectEvent = std::function<void(QObject* Sender, int ItemIndex)>;

class TDropList : public QListWidget {
  Q_OBJECT

 public:
  explicit TDropList(QWidget* AOwner = nullptr);

  TFilterSelectEvent OnSelect;
  std::function<void()> OnCancel;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

class TDropCheckList : public QListWidget {
  Q_OBJECT

 public:
  explicit TDropCheckList(QWidget* AOwner = nullptr);

  TFilterSelectEvent OnSelect;
  std::function<void()> OnCancel;

  // Adds an item with a tick box; filling does not report ticks.
  void AddCheckItem(const QString& Text, bool Checked);
  bool Checked(int Index) const;
  void SetChecked(int Index, bool Value);

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool filling_ = false;
};
