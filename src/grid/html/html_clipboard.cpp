#include "grid/html/html_clipboard.h"

namespace {

constexpr int kHeaderLength = 97;

QString Offset(const char* name, qsizetype value) {
  return QLatin1String(name) + QStringLiteral("%1").arg(value, 8, 10, QLatin1Char('0')) + QLatin1String("\r\n");
}

}  // namespace

void WrapHtmlClipboardFragment(QString& fragment) {
  const QString head = QStringLiteral(
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
      "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\"></head>"
      "<body><!--StartFragment-->");
  const QString tail = QStringLiteral("<!--EndFragment--></body></html>");
  const qsizetype start_fragment = kHeaderLength + head.size();
  const qsizetype end_fragment = start_fragment + fragment.size();
  const QString header = QLatin1String("Version:1.0\r\n") + Offset("StartHTML:", kHeaderLength) +
                         Offset("EndHTML:", end_fragment + tail.size()) + Offset("StartFragment:", start_fragment) +
                         Offset("EndFragment:", end_fragment);
  fragment = header + head + fragment + tail;
}
