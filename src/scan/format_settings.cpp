#include "scan/format_settings.h"

#include <QLocale>
#include <atomic>

namespace format_settings {
namespace {

// Scan threads read it while the user-interface thread may set it; 0 = not yet taken from the locale.
std::atomic<char16_t> separator{0};

}  // namespace

QChar Decimal_Separator() {
  char16_t current = separator.load(std::memory_order_relaxed);
  if (current == 0) {
    const QString point = QLocale::system().decimalPoint();
    current = point.isEmpty() ? u'.' : point.at(0).unicode();
    separator.store(current, std::memory_order_relaxed);
  }
  return QChar(current);
}

void Set_Decimal_Separator(QChar value) { separator.store(value.unicode(), std::memory_order_relaxed); }

}  // namespace format_settings
