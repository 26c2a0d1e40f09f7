#include "grid/footer/footer_template.h"

QString ExpandFooterTemplate(const QString& Template, const std::function<QString(int)>& CellText) {
  QString result;
  qsizetype from = 0;
  for (;;) {
    const qsizetype open = Template.indexOf(QLatin1String("<#"), from);
    if (open < 0) break;
    const qsizetype close = Template.indexOf(QLatin1Char('>'), open + 2);
    // An unclosed tag would never shrink the rest: it is shown as text.
    if (close < 0) break;
    result += Template.mid(from, open - from);
    const QString inside = Template.mid(open + 2, close - open - 2);
    bool number = !inside.isEmpty();
    for (QChar ch : inside)
      if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) number = false;
    if (number) {
      bool ok = false;
      const int n = inside.toInt(&ok);
      // A number too large for a column shows nothing, as a column beyond
      // the grid does.
      if (ok && CellText) result += CellText(n);
    }
    from = close + 1;
  }
  return result + Template.mid(from);
}
