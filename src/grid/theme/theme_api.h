#pragma once
#include <QRect>
#include <QString>
#include <memory>

class QObject;
class QPainter;

// The themed drawing that the controls use where the classic look would draw
// frame controls: a small table of functions in the manner of the desktop's
// visual-style library, bound at run time to whatever backend the program
// installs (the widget style, see qstyle_theme_backend.h). Without a backend,
// or with the library unloaded, "themes in use" is false and every caller
// draws its classic look.
//
// Callers open theme data for a class name, draw parts by part and state
// number, and close the data again:
//   HTHEME h = lib.OpenThemeData(window, "button");
//   lib.DrawThemeBackground(h, painter, BP_PUSHBUTTON, PBS_HOT, rect);
//   lib.CloseThemeData(h);

// Class names.
inline const char* const kThemeButton = "button";
inline const char* const kThemeComboBox = "combobox";
inline const char* const kThemeSpin = "spin";
inline const char* const kThemeTab = "tab";
inline const char* const kThemeHeader = "header";
inline const char* const kThemeProgress = "progress";

// Parts and states, numbered as the visual-style API numbers them.
enum { BP_PUSHBUTTON = 1, BP_RADIOBUTTON = 2, BP_CHECKBOX = 3 };
enum { PBS_NORMAL = 1, PBS_HOT = 2, PBS_PRESSED = 3, PBS_DISABLED = 4, PBS_DEFAULTED = 5 };
enum {
  CBS_UNCHECKEDNORMAL = 1,
  CBS_UNCHECKEDHOT,
  CBS_UNCHECKEDPRESSED,
  CBS_UNCHECKEDDISABLED,
  CBS_CHECKEDNORMAL,
  CBS_CHECKEDHOT,
  CBS_CHECKEDPRESSED,
  CBS_CHECKEDDISABLED,
  CBS_MIXEDNORMAL,
  CBS_MIXEDHOT,
  CBS_MIXEDPRESSED,
  CBS_MIXEDDISABLED
};
enum {
  RBS_UNCHECKEDNORMAL = 1,
  RBS_UNCHECKEDHOT,
  RBS_UNCHECKEDPRESSED,
  RBS_UNCHECKEDDISABLED,
  RBS_CHECKEDNORMAL,
  RBS_CHECKEDHOT,
  RBS_CHECKEDPRESSED,
  RBS_CHECKEDDISABLED
};
enum { CP_DROPDOWNBUTTON = 1 };
enum { CBXS_NORMAL = 1, CBXS_HOT = 2, CBXS_PRESSED = 3, CBXS_DISABLED = 4 };
enum { SPNP_UP = 1, SPNP_DOWN = 2 };
enum { UPS_NORMAL = 1, UPS_HOT = 2, UPS_PRESSED = 3, UPS_DISABLED = 4 };
enum { DNS_NORMAL = 1, DNS_HOT = 2, DNS_PRESSED = 3, DNS_DISABLED = 4 };
enum { TABP_TABITEM = 1, TABP_PANE = 9 };
enum { TIS_NORMAL = 1, TIS_HOT = 2, TIS_SELECTED = 3, TIS_DISABLED = 4, TIS_FOCUSED = 5 };
// The right-end item is the strip's part past its last item.
enum { HP_HEADERITEM = 1, HP_HEADERITEMRIGHT = 3 };
enum { HIS_NORMAL = 1, HIS_HOT = 2, HIS_PRESSED = 3 };
// The progress bar's trough and its filled chunk (stateless: state 1).
enum { PP_BAR = 1, PP_CHUNK = 3 };

// What a backend draws with. `window` is the control being painted (it may
// lend its palette and direction) or null.
class Theme_Backend {
 public:
  virtual ~Theme_Backend() = default;
  virtual bool Is_Theme_Active() const = 0;
  // The colour-scheme name of the active theme ("" when it has none).
  virtual QString Color_Scheme_Name() const = 0;
  // Draws one part; false when the class or part is not one it knows.
  virtual bool Draw_Part(QPainter& painter, const QObject* window, const QString& class_name, int part, int state,
                         const QRect& rect) const = 0;
};

// Installs the backend that loading binds to (the program does this once its
// application object exists). Null removes it; loaded libraries keep working
// with the backend they bound until unloaded. The caller keeps ownership.
void Install_Theme_Backend(const Theme_Backend* backend);

// Open theme data: the class it was opened for, or nothing.
struct HTHEME {
  QString class_name;
  explicit operator bool() const { return !class_name.isEmpty(); }
};

class Theme_Library {
 public:
  // Nothing when already loaded; binds the installed backend, or stays
  // unloaded without one. Answers whether the library is loaded.
  bool Load();
  // Releases the binding when loaded.
  void Unload();
  bool Loaded() const { return backend_ != nullptr; }
  int Load_Count() const { return load_count_; }

  // Every entry answers "no theme" while unloaded.
  bool IsThemeActive() const;
  bool IsAppThemed() const { return IsThemeActive(); }
  QString GetCurrentThemeColorScheme() const;
  HTHEME OpenThemeData(const QObject* window, const QString& class_name) const;
  void CloseThemeData(HTHEME& theme) const { theme = HTHEME{}; }
  // False (and nothing drawn) for a closed handle, an unknown part or an unloaded library.
  bool DrawThemeBackground(const HTHEME& theme, QPainter& painter, int part, int state, const QRect& rect,
                           const QObject* window = nullptr) const;

 private:
  const Theme_Backend* backend_ = nullptr;
  int load_count_ = 0;
};

// The two users of the library each keep their own binding: the grid pack
// and the drop-down controls.
Theme_Library& Zad_Theme_Library();
Theme_Library& AT_Theme_Library();

bool LoadThemeApi();
void UnloadThemeApi();
bool Init_Theme_Library();
void Free_Theme_Library();

// Themed drawing is in use when the library is loaded, the system counts as
// Windows XP or later and a theme is active.
bool Themes_In_Use(const Theme_Library& library);
inline bool Themes_In_Use() { return Themes_In_Use(Zad_Theme_Library()); }
