#include "grid/workbook/workbook_address.h"

namespace grid_workbook {

namespace {

// Digits only, at most nine of them; -1 otherwise.
int Row_Number(QStringView digits) {
  if (digits.isEmpty() || digits.size() > 9) return -1;
  int n = 0;
  for (QChar ch : digits) {
    if (ch < u'0' || ch > u'9') return -1;
    n = n * 10 + (ch.unicode() - u'0');
  }
  return n > 0 ? n : -1;
}

bool Is_Letter(QChar ch) { return ch >= u'A' && ch <= u'Z'; }

QStringView Without_Dollar(QStringView part) { return part.startsWith(u'$') ? part.mid(1) : part; }

// "B$3" (a part after its leading "$"): letters, "$", digits.
bool Read_Part(QStringView part, int& col, int& row) {
  const qsizetype dollar = part.indexOf(u'$');
  if (dollar < 0) return false;
  col = Column_Number(part.left(dollar).toString());
  row = Row_Number(part.mid(dollar + 1));
  return col > 0 && row > 0;
}

}  // namespace

QString Column_Letters(int n) {
  QString letters;
  while (n > 0) {
    const int digit = (n - 1) % 26;
    letters.prepend(QChar(u'A' + digit));
    n = (n - 1) / 26;
  }
  return letters;
}

int Column_Number(const QString& letters) {
  if (letters.isEmpty() || letters.size() > 3) return -1;
  int n = 0;
  for (QChar ch : letters) {
    if (!Is_Letter(ch)) return -1;
    n = n * 26 + (ch.unicode() - u'A' + 1);
  }
  return n;
}

Used_Range Parse_Used_Range(const QString& address) {
  Used_Range r;
  const qsizetype colon = address.indexOf(u':');
  if (colon >= 0) {
    const QStringView left = Without_Dollar(QStringView(address).left(colon));
    const QStringView right = Without_Dollar(QStringView(address).mid(colon + 1));
    if (!left.contains(u'$')) {
      r.C1 = 1;
      r.C2 = 256;
      r.R1 = Row_Number(left);
      r.R2 = Row_Number(right);
      return r;
    }
    if (!Read_Part(left, r.C1, r.R1)) r.C1 = r.R1 = -1;
    if (!Read_Part(right, r.C2, r.R2)) r.C2 = r.R2 = -1;
    return r;
  }
  r.One_Cell = true;
  if (!address.contains(u'$')) {
    r.C1 = r.R1 = r.C2 = r.R2 = 1;
    return r;
  }
  int col = -1, row = -1;
  if (!Read_Part(Without_Dollar(address), col, row)) col = row = -1;
  r.C1 = r.C2 = col;
  r.R1 = r.R2 = row;
  return r;
}

QString Range_Text(const Used_Range& range) {
  return Cell_Ref(range.C1, range.R1) + u':' + Cell_Ref(range.C2, range.R2);
}

QString Cell_Ref(int col, int row) { return Column_Letters(col) + QString::number(row); }

bool Split_Cell_Ref(const QString& ref, int& col, int& row) {
  qsizetype i = 0;
  while (i < ref.size() && Is_Letter(ref[i])) ++i;
  col = Column_Number(ref.left(i));
  row = Row_Number(QStringView(ref).mid(i));
  return col > 0 && row > 0;
}

}  // namespace grid_workbook
