#include <QMainWindow>

#include "platform/guarded_application.h"
#include "platform/program_folder.h"
#include "shell/device_profile.h"
#include "shell/globals.h"
#include "shell/lang_table.h"

int main(int argc, char** argv) {
  Guarded_Application app(argc, argv);
  Dir_Program = program_folder::Path();
  Dir_Language = Dir_Program + QStringLiteral("/LANGUAGE");
  Load_Language();
  QMainWindow window;
  window.setWindowTitle(QString::fromLatin1(Current_Device_Model().title));
  window.resize(800, 600);
  window.show();
  return app.exec();
}
