#pragma once
// A started program on fresh shell globals, where a main window step is
// clicked as the user does: device type 6 unless told, messages and file choices answered
// by a scripted dialog provider, and (once opened) the configuration "Plant"
// active with its files set. The program goes before the globals and the
// device type are put back.
#include <QApplication>
#include <QString>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/program.h"
#include "platform/dialogs.h"
#include "shell/shell_fixture.h"
#include "shell/ui/main_window.h"

class Step_Session {
 public:
  explicit Step_Session(int device_type = 6) {
    Override_Device_Type(device_type);
    program_ = std::make_unique<Program>();
  }
  ~Step_Session() { program_.reset(); }
  Step_Session(const Step_Session&) = delete;
  Step_Session& operator=(const Step_Session&) = delete;

  // Makes the configuration active and sets the main window's files on it;
  // false when its folder cannot be made.
  bool Open_Configuration(const QString& name = "Plant") {
    if (!scope_.Activate_Configuration(name)) return false;
    Main_Window().Set_Files();
    return true;
  }

  TFOrvantoreFirmWare& Main_Window() { return program_->Main_Window(); }
  dialogs::Scripted_Provider& Script() { return *script_; }

 private:
  Shell_Globals_Scope scope_;
  dialogs::Scripted_Scope script_;
  std::unique_ptr<Program> program_;
};

// Runs `act` on the next modal window once it is up.
inline void On_Next_Modal(const std::function<void(QWidget*)>& act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal);
    act(modal);
  });
}
