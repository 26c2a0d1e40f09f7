#include "platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QWindow>

namespace dialogs {
namespace {

bool On_Screen(const QWidget* widget) {
  const QWidget* window = widget->window();
  return window->isVisible() && window->windowHandle() != nullptr && window->windowHandle()->isExposed();
}

class Qt_Provider : public Provider {
 public:
  int Message(QWidget* parent, Kind kind, const QString& text, int buttons) override {
    QMessageBox box(Box_Parent(parent));
    // Names, paths and file errors come from the user and from files: "a<b>c"
    // is shown as typed, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setWindowTitle(Title(kind));
    box.setIcon(Icon(kind));
    const std::pair<int, QMessageBox::StandardButton> map[] = {
        {Ok, QMessageBox::Ok}, {Cancel, QMessageBox::Cancel}, {Yes, QMessageBox::Yes}, {No, QMessageBox::No}};
    for (const auto& [ours, theirs] : map)
      if (buttons & ours) box.addButton(theirs);
    const int pressed = box.exec();
    for (const auto& [ours, theirs] : map)
      if (pressed == theirs) return ours;
    // Closed by the window's close box: the box's escape answer.
    if (buttons & Cancel) return Cancel;
    if (buttons & No) return No;
    return Ok;
  }

  QString Open_File(QWidget* parent, const File_Request& r) override {
    return QFileDialog::getOpenFileName(Box_Parent(parent), r.title, Start(r), r.filter);
  }

  QString Save_File(QWidget* parent, const File_Request& r) override {
    const QFileDialog::Options options =
        r.confirm_overwrite ? QFileDialog::Options() : QFileDialog::Options(QFileDialog::DontConfirmOverwrite);
    return QFileDialog::getSaveFileName(Box_Parent(parent), r.title, Start(r), r.filter, nullptr, options);
  }

 private:
  static QString Start(const File_Request& r) {
    if (r.default_name.isEmpty()) return r.folder;
    return r.folder.isEmpty() ? r.default_name : r.folder + QLatin1Char('/') + r.default_name;
  }
  static QString Title(Kind kind) {
    switch (kind) {
      case Kind::Error:
        return QStringLiteral("Error");
      case Kind::Warning:
        return QStringLiteral("Warning");
      case Kind::Confirmation:
        return QStringLiteral("Confirm");
      case Kind::Information:
        return QStringLiteral("Information");
    }
    return {};
  }
  static QMessageBox::Icon Icon(Kind kind) {
    switch (kind) {
      case Kind::Error:
        return QMessageBox::Critical;
      case Kind::Warning:
        return QMessageBox::Warning;
      case Kind::Confirmation:
        return QMessageBox::Question;
      case Kind::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
  }
};

std::unique_ptr<Provider>& Slot() {
  static std::unique_ptr<Provider> provider = std::make_unique<Qt_Provider>();
  return provider;
}

}  // namespace

QWidget* Box_Parent(QWidget* wanted) {
  for (QWidget* widget = wanted; widget != nullptr; widget = widget->window()->parentWidget())
    if (On_Screen(widget)) return widget;
  if (QWidget* active = QApplication::activeWindow(); active != nullptr && On_Screen(active)) return active;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (On_Screen(top) && qobject_cast<QMessageBox*>(top) == nullptr) return top;
  return wanted;
}

Provider& Current() { return *Slot(); }
void Install(std::unique_ptr<Provider> provider) { Slot() = std::move(provider); }
void Restore_Default() { Slot() = std::make_unique<Qt_Provider>(); }

int Scripted_Provider::Message(QWidget*, Kind kind, const QString& text, int buttons) {
  messages.push_back({kind, text, buttons});
  if (!message_answers.empty()) {
    const int answer = message_answers.front();
    message_answers.pop_front();
    return answer;
  }
  if (buttons & Ok) return Ok;
  if (buttons & Yes) return Yes;
  return buttons;
}

QString Scripted_Provider::Open_File(QWidget*, const File_Request& request) {
  file_requests.push_back(request);
  if (file_answers.empty()) return {};
  QString answer = file_answers.front();
  file_answers.pop_front();
  return answer;
}

QString Scripted_Provider::Save_File(QWidget* parent, const File_Request& request) {
  return Open_File(parent, request);
}

Scripted_Scope::Scripted_Scope() {
  auto provider = std::make_unique<Scripted_Provider>();
  provider_ = provider.get();
  Install(std::move(provider));
}

Scripted_Scope::~Scripted_Scope() { Restore_Default(); }

}  // namespace dialogs
