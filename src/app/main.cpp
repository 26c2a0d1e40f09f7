#include "app/program.h"
#include "dropdowns/griddropdown/grid_drop_down_editor.h"
#include "grid/theme/qstyle_theme_backend.h"
#include "platform/guarded_application.h"
#include "shell/ui/main_window.h"
#include "shell/ui/shell_glyphs.h"

int main(int argc, char** argv) {
  Guarded_Application app(argc, argv);
  // Every window, dialogs and message boxes too, shows the program's icon.
  app.setWindowIcon(shell_glyphs::Program_Icon());
  // The controls draw themed parts through the desktop's widget style.
  QStyle_Theme_Backend::Install_And_Load();
  // The grids' grid drop-down editor.
  Register_Grid_Drop_Down_Editor();
  Program program;
  program.Main_Window().show();
  return app.exec();
}
