#pragma once
#include <QByteArray>
#include <QEvent>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <functional>

#include "grid/theme/handle_list.h"

// Tells registered controls that the user changed the Office colour theme.
// The theme key's settings file (registry_ini.h) is watched with a file
// system watcher owned by the user-interface thread, so the notification is
// delivered there synchronously, one control after the other, and the list
// of registered controls is only ever touched by that thread.

// The event each registered control (and the notifier window) receives: it
// carries the watched root and key, as the desktop's change message did.
class Theme_Change_Event : public QEvent {
 public:
  static QEvent::Type Event_Type();
  Theme_Change_Event(const QString& root_key, const QString& key)
      : QEvent(Event_Type()), root_key_(root_key), key_(key) {}
  const QString& Root_Key() const { return root_key_; }
  const QString& Key() const { return key_; }

 private:
  QString root_key_;
  QString key_;
};

// Watches one key (its file and its subkeys' folder) and sends a
// Theme_Change_Event to Wnd and then to every control of WinList when the
// key's contents change.
class TRegMonitor : public QObject {
  Q_OBJECT
 public:
  explicit TRegMonitor(QObject* parent = nullptr);

  QString Key() const { return key_; }
  void Set_Key(const QString& key) { key_ = key; }
  QString RootKey() const { return root_key_; }
  void Set_RootKey(const QString& root_key) { root_key_ = root_key; }
  // Stored only: a key's subkeys are always watched.
  bool WatchSub() const { return watch_sub_; }
  void Set_WatchSub(bool watch_sub) { watch_sub_ = watch_sub; }
  // A filter of 0 reads as 15 (every kind of change).
  int Filter() const { return filter_ == 0 ? 15 : filter_; }
  void Set_Filter(int filter) { filter_ = filter; }
  QObject* Wnd() const { return wnd_; }
  void Set_Wnd(QObject* wnd) { wnd_ = wnd; }
  THandleList& WinList() { return win_list_; }

  // Opens the key and starts watching. A key that cannot be opened leaves the
  // monitor silent and answers false; Error() then says "Unable to open
  // registry key " and the key.
  bool Start();
  void Stop();
  bool Running() const { return running_; }
  QString Error() const { return error_; }

 private:
  void On_Path_Changed();
  void Arm();
  QByteArray Snapshot() const;

  QString key_;
  QString root_key_ = QStringLiteral("HKEY_CURRENT_USER");
  bool watch_sub_ = false;
  int filter_ = 0;
  QPointer<QObject> wnd_;
  THandleList win_list_;
  QFileSystemWatcher watcher_;
  QByteArray snapshot_;
  bool running_ = false;
  QString error_;
};

// The invisible receiver of the change event; fires OnOfficeThemeChange.
class TThemeNotifierWindow : public QObject {
  Q_OBJECT
 public:
  explicit TThemeNotifierWindow(QObject* parent) : QObject(parent) {}
  std::function<void(QObject* sender)> OnOfficeThemeChange;

 protected:
  bool event(QEvent* e) override;
};

class TThemeNotifier : public QObject {
  Q_OBJECT
 public:
  // With Office 2007 or 2010 present, creates the notifier window and a
  // monitor of that version's theme key; otherwise neither.
  explicit TThemeNotifier(QObject* AOwner);
  ~TThemeNotifier() override;

  // Nothing without a monitor; a control already registered stays once.
  void RegisterWindow(QObject* control);
  void UnRegisterWindow(QObject* control);

  TRegMonitor* RegMonitorThread() const { return monitor_; }
  TThemeNotifierWindow* Notifier_Window() const { return window_; }

  std::function<void(QObject* sender)> OnOfficeThemeChange;

 private:
  TRegMonitor* monitor_ = nullptr;
  TThemeNotifierWindow* window_ = nullptr;
};

// The single notifier, created on first use as a child of `owner`.
TThemeNotifier* ThemeNotifierInstance(QObject* owner);
