#include "dropdowns/base/type_completion.h"

#include <algorithm>

namespace {

// At most this much of a candidate's tail is appended.
constexpr int kMaxTail = 255;

}  // namespace

void TypeCompletion::KeyDown(int Key) {
  switch (Key) {
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
      FWorkMode = false;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      break;
    default:
      FWorkMode = true;
      break;
  }
}

QString TypeCompletion::Match_Case_Text(const QString& Text, bool CaseSensitive) {
  if (CaseSensitive) return Text;
  QString upper = Text;
  for (QChar& c : upper) c = c.toUpper();
  return upper;
}

int TypeCompletion::Index_Of(const QStringList& Candidates, const QString& Text, Qt::CaseSensitivity Sensitivity) {
  for (int i = 0; i < Candidates.size(); ++i)
    if (Candidates[i].compare(Text, Sensitivity) == 0) return i;
  return -1;
}

TypeCompletion::Result TypeCompletion::TextChanged(const QString& Text, int Caret, const QStringList& Candidates) {
  FItemChange = false;
  Result r;
  if (!FWorkMode) return r;
  const int caret = std::clamp(Caret, 0, int(Text.size()));
  const QString typed = Text.left(caret);
  const QString prefix = Match_Case_Text(typed, MatchCase);
  if (!prefix.isEmpty()) {
    for (int i = 0; i < Candidates.size(); ++i) {
      if (!Match_Case_Text(Candidates[i], MatchCase).startsWith(prefix)) continue;
      r.What = Result::Completed;
      r.Text = typed + Candidates[i].mid(prefix.size(), kMaxTail);
      r.Caret = int(prefix.size());
      r.Index = i;
      FItemIdx = i;
      FItemSel = int(prefix.size());
      FItemChange = true;
      return r;
    }
  }
  if (!typed.isEmpty()) {
    r.What = Result::Cut;
    r.Text = typed;
    r.Caret = int(typed.size());
  }
  return r;
}

int TypeCompletion::KeyReleased() {
  if (!FItemChange) return -1;
  FItemChange = false;
  return FItemIdx;
}
