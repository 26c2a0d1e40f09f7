#include "grid/html/html_system_icons.h"

namespace {
THtmlSystemIconProvider& Provider() {
  static THtmlSystemIconProvider provider;
  return provider;
}
}  // namespace

void SetHtmlSystemIconProvider(THtmlSystemIconProvider provider) { Provider() = std::move(provider); }

bool HasHtmlSystemIconProvider() { return bool(Provider()); }

QImage HtmlSystemIcon(const QString& source, bool large) {
  const THtmlSystemIconProvider& provider = Provider();
  return provider ? provider(source, large) : QImage();
}
