#include "grid/theme/theme_notifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "grid/theme/office_theme.h"
#include "grid/theme/registry_ini.h"

namespace {

TThemeNotifier*& Single_Instance() {
  static TThemeNotifier* instance = nullptr;
  return instance;
}

constexpr qint64 kMaxSnapshotBytes = 256 * 1024;
constexpr int kMaxSubkeyEntries = 1000;

}  // namespace

QEvent::Type Theme_Change_Event::Event_Type() {
  static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

TRegMonitor::TRegMonitor(QObject* parent) : QObject(parent) {
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &TRegMonitor::On_Path_Changed);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &TRegMonitor::On_Path_Changed);
}

bool TRegMonitor::Start() {
  error_.clear();
  if (!registry_ini::Key_Exists(key_)) {
    error_ = QStringLiteral("Unable to open registry key ") + key_;
    return false;
  }
  running_ = true;
  Arm();
  snapshot_ = Snapshot();
  return true;
}

void TRegMonitor::Stop() {
  running_ = false;
  const QStringList watched = watcher_.files() + watcher_.directories();
  if (!watched.isEmpty()) watcher_.removePaths(watched);
}

// A file replaced by a rename drops out of the watch, so the folder that
// holds it is watched too and the file is added again whenever it exists.
void TRegMonitor::Arm() {
  const QString file = registry_ini::Key_File(key_);
  const QString folder = registry_ini::Key_Folder(key_);
  QStringList wanted;
  if (QFileInfo(file).isFile()) wanted << file;
  const QString parent = QFileInfo(file).absolutePath();
  if (QFileInfo(parent).isDir()) wanted << parent;
  if (QFileInfo(folder).isDir()) wanted << folder;
  const QStringList watched = watcher_.files() + watcher_.directories();
  for (const QString& path : wanted)
    if (!watched.contains(path)) watcher_.addPath(path);
}

// The key's values and the names and times of its subkeys' files: any
// difference counts as a change, changes of neighbouring keys do not.
QByteArray TRegMonitor::Snapshot() const {
  QByteArray snapshot;
  QFile file(registry_ini::Key_File(key_));
  if (file.open(QIODevice::ReadOnly)) snapshot = file.read(kMaxSnapshotBytes);
  snapshot.append('\0');
  const QString folder = registry_ini::Key_Folder(key_);
  if (QFileInfo(folder).isDir()) {
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    for (int n = 0; it.hasNext() && n < kMaxSubkeyEntries; ++n) {
      it.next();
      const QFileInfo info = it.fileInfo();
      snapshot.append(info.filePath().toUtf8());
      snapshot.append(QByteArray::number(info.size()));
      snapshot.append(QByteArray::number(info.lastModified().toMSecsSinceEpoch()));
      snapshot.append('\n');
    }
  }
  return snapshot;
}

void TRegMonitor::On_Path_Changed() {
  if (!running_) return;
  Arm();
  const QByteArray now = Snapshot();
  if (now == snapshot_) return;
  snapshot_ = now;
  // Handlers may register or unregister controls while being told; the walk
  // re-reads the count each time and skips controls that were destroyed.
  if (wnd_) {
    Theme_Change_Event event(root_key_, key_);
    QCoreApplication::sendEvent(wnd_, &event);
  }
  for (int i = 0; i < win_list_.Count() && running_; ++i) {
    QObject* control = win_list_.Item(i);
    if (!control) continue;
    Theme_Change_Event event(root_key_, key_);
    QCoreApplication::sendEvent(control, &event);
  }
}

bool TThemeNotifierWindow::event(QEvent* e) {
  if (e->type() == Theme_Change_Event::Event_Type() && OnOfficeThemeChange) OnOfficeThemeChange(this);
  return QObject::event(e);
}

TThemeNotifier::TThemeNotifier(QObject* AOwner) : QObject(AOwner) {
  const int version = OfficeVersionPresent();
  if (version != 1 && version != 2) return;
  window_ = new TThemeNotifierWindow(this);
  window_->OnOfficeThemeChange = [this](QObject*) {
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
  };
  monitor_ = new TRegMonitor(this);
  monitor_->Set_Wnd(window_);
  monitor_->Set_Filter(4);
  monitor_->Set_Key(QString::fromLatin1(version == 2 ? kOffice2010ThemeKey : kOffice2007ThemeKey));
  monitor_->Set_RootKey(QStringLiteral("HKEY_CURRENT_USER"));
  monitor_->Set_WatchSub(true);
  monitor_->Start();
}

TThemeNotifier::~TThemeNotifier() {
  if (monitor_) monitor_->Stop();
  if (Single_Instance() == this) Single_Instance() = nullptr;
}

void TThemeNotifier::RegisterWindow(QObject* control) {
  if (!monitor_ || !control) return;
  if (!monitor_->WinList().HasValue(control)) monitor_->WinList().Add(control);
}

void TThemeNotifier::UnRegisterWindow(QObject* control) {
  if (monitor_) monitor_->WinList().DeleteValue(control);
}

TThemeNotifier* ThemeNotifierInstance(QObject* owner) {
  if (!Single_Instance()) Single_Instance() = new TThemeNotifier(owner);
  return Single_Instance();
}
