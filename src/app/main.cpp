#include "app/program.h"
#include "platform/guarded_application.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  Guarded_Application app(argc, argv);
  Program program;
  program.Main_Window().show();
  return app.exec();
}
