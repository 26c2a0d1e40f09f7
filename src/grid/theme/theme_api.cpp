#include "grid/theme/theme_api.h"

#include "grid/theme/office_theme.h"

namespace {

const Theme_Backend*& Installed_Backend() {
  static const Theme_Backend* backend = nullptr;
  return backend;
}

}  // namespace

void Install_Theme_Backend(const Theme_Backend* backend) { Installed_Backend() = backend; }

bool Theme_Library::Load() {
  if (Loaded()) return true;
  backend_ = Installed_Backend();
  if (backend_) ++load_count_;
  return Loaded();
}

void Theme_Library::Unload() { backend_ = nullptr; }

bool Theme_Library::IsThemeActive() const { return backend_ && backend_->Is_Theme_Active(); }

QString Theme_Library::GetCurrentThemeColorScheme() const {
  return backend_ ? backend_->Color_Scheme_Name() : QString();
}

HTHEME Theme_Library::OpenThemeData(const QObject*, const QString& class_name) const {
  if (!IsThemeActive()) return {};
  return HTHEME{class_name};
}

bool Theme_Library::DrawThemeBackground(const HTHEME& theme, QPainter& painter, int part, int state, const QRect& rect,
                                        const QObject* window) const {
  if (!backend_ || !theme) return false;
  return backend_->Draw_Part(painter, window, theme.class_name, part, state, rect);
}

Theme_Library& Zad_Theme_Library() {
  static Theme_Library library;
  return library;
}

Theme_Library& AT_Theme_Library() {
  static Theme_Library library;
  return library;
}

bool LoadThemeApi() { return Zad_Theme_Library().Load(); }
void UnloadThemeApi() { Zad_Theme_Library().Unload(); }
bool Init_Theme_Library() { return AT_Theme_Library().Load(); }
void Free_Theme_Library() { AT_Theme_Library().Unload(); }

bool Themes_In_Use(const Theme_Library& library) {
  return library.Loaded() && IsWinXPOrLater() && library.IsThemeActive();
}
