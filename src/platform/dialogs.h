#pragma once
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <vector>

class QWidget;

// Message boxes and file dialogs go through this facade so that tests can
// script the user's answers and read back what the program asked.
namespace dialogs {

enum class Kind { Error, Warning, Confirmation, Information };

enum Button : int { Ok = 1, Cancel = 2, Yes = 4, No = 8 };

struct File_Request {
  QString title;
  QString folder;
  QString filter;
  QString default_name;
  // A save dialog's own "replace?" question when an existing file is picked.
  // Off for steps that ask their own question about the name they really write.
  bool confirm_overwrite = true;
};

class Provider {
 public:
  virtual ~Provider() = default;
  // Returns the button pressed (one of `buttons`).
  virtual int Message(QWidget* parent, Kind kind, const QString& text, int buttons) = 0;
  // Empty text when the user cancels.
  virtual QString Open_File(QWidget* parent, const File_Request& request) = 0;
  virtual QString Save_File(QWidget* parent, const File_Request& request) = 0;
};

// The widget a box asked for by `wanted` is placed on: `wanted` when its window
// is on the screen; a window still opening (an error raised while it loads)
// is not, so then the nearest shown window above it, else the active window,
// else any shown window.
QWidget* Box_Parent(QWidget* wanted);

// The active provider: the Qt dialogs unless a test installed its own.
Provider& Current();
void Install(std::unique_ptr<Provider> provider);
void Restore_Default();

inline int Message(QWidget* parent, Kind kind, const QString& text, int buttons = Ok) {
  return Current().Message(parent, kind, text, buttons);
}
inline void Error(QWidget* parent, const QString& text) { Message(parent, Kind::Error, text, Ok); }
inline void Warning(QWidget* parent, const QString& text) { Message(parent, Kind::Warning, text, Ok); }
inline void Information(QWidget* parent, const QString& text) { Message(parent, Kind::Information, text, Ok); }
inline bool Ask_Yes_No(QWidget* parent, const QString& text) {
  return Message(parent, Kind::Confirmation, text, Yes | No) == Yes;
}

// A provider for tests: records every request and answers from queues
// (messages default to the first offered of Ok, Yes; files to "").
class Scripted_Provider : public Provider {
 public:
  struct Shown {
    Kind kind;
    QString text;
    int buttons;
  };
  std::vector<Shown> messages;
  std::vector<File_Request> file_requests;
  std::deque<int> message_answers;
  std::deque<QString> file_answers;

  int Message(QWidget* parent, Kind kind, const QString& text, int buttons) override;
  QString Open_File(QWidget* parent, const File_Request& request) override;
  QString Save_File(QWidget* parent, const File_Request& request) override;
};

// Installs a Scripted_Provider for the lifetime of this object.
class Scripted_Scope {
 public:
  Scripted_Scope();
  ~Scripted_Scope();
  Scripted_Provider& operator*() { return *provider_; }
  Scripted_Provider* operator->() { return provider_; }

 private:
  Scripted_Provider* provider_;
};

}  // namespace dialogs
