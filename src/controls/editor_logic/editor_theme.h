#pragma once
// Themed drawing for the editor controls' buttons (spin arrows, embedded
// push buttons, combo and date drop-down buttons). The controls sit below
// the grid's theme facade, so the layer that owns the facade installs an
// implementation over it; with none installed, or no theme active, every
// control draws its classic look. Class names, parts and states are numbered
// as the desktop's visual-style library numbers them.
#include <QRect>

class QObject;
class QPainter;

inline const char* const kEditorThemeButton = "button";
inline const char* const kEditorThemeComboBox = "combobox";
inline const char* const kEditorThemeSpin = "spin";

class Editor_Theme {
 public:
  virtual ~Editor_Theme() = default;
  virtual bool Is_Theme_Active() const = 0;
  // Draws one part; false when the class or part cannot be drawn.
  virtual bool Draw_Part(QPainter& painter, const QObject* window, const char* class_name, int part, int state,
                         const QRect& rect) const = 0;
};

// The caller keeps ownership; null removes it.
void Install_Editor_Theme(const Editor_Theme* theme);
const Editor_Theme* Installed_Editor_Theme();

// An installed theme that is active.
bool Editor_Theme_Active();
// Draws through the installed theme; false (nothing drawn) without an active one.
bool Draw_Editor_Theme_Part(QPainter& painter, const QObject* window, const char* class_name, int part, int state,
                            const QRect& rect);
