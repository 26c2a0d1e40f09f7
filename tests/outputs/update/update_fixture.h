#pragma once
#include <QDir>
#include <QFile>
#include <QStringList>
#include <deque>

#include "platform/icmp_echo.h"
#include "platform/program_folder.h"
#include "shell/core/device_profile.h"
#include "shell/core/globals.h"
#include "shell/logic/com_ports.h"
#include "support/temp_dir.h"

// An echo peer that answers from a script (then always `otherwise`).
class Scripted_Echo : public Echo_Client {
 public:
  std::deque<Echo_Outcome> answers;
  Echo_Outcome otherwise = Echo_Outcome::Reply_Without_Data;
  QStringList hosts;
  std::function<void()> during_echo;
  Echo_Outcome Echo(const QString& host, const QByteArray&, int) override {
    hosts << host;
    if (during_echo) during_echo();
    if (answers.empty()) return otherwise;
    const Echo_Outcome next = answers.front();
    answers.pop_front();
    return next;
  }
};

// A program folder with MASTER, a configuration with its bin folder, and
// stand-in updaters that record their arguments (one a line) in
// started.txt beside them and then sleep.
class Update_Scope {
 public:
  explicit Update_Scope(int device_type) {
    Override_Device_Type(device_type);
    program_folder::Override(temp_.Path());
    Dir_Program = temp_.Path();
    Dir_Master = Dir_Program + "/MASTER";
    Dir_Projects = Dir_Program + "/PROJECTS";
    Active_Conf_Name = "Plant";
    Active_Conf_Dir = Dir_Projects + "/Plant";
    Path_ParGen_XML = Active_Conf_Dir + "/ParGen.xml";
    QDir().mkpath(Active_Conf_Dir + "/bin");
    QDir().mkpath(Dir_Master);
    saved_ip_ = Last_IP_Address;
    saved_option_ = Update_Option_Index;
    saved_read_back_ = Update_Read_Back;
  }
  ~Update_Scope() {
    Override_Device_Type(0);
    program_folder::Override(QString());
    com_ports::Override_Device_Folder(QString());
    Dir_Program.clear();
    Dir_Master.clear();
    Dir_Projects.clear();
    Active_Conf_Name.clear();
    Active_Conf_Dir.clear();
    Path_ParGen_XML.clear();
    Last_IP_Address = saved_ip_;
    Update_Option_Index = saved_option_;
    Update_Read_Back = saved_read_back_;
  }

  const Temp_Dir& Temp() const { return temp_; }

  QString Stand_In(const QString& name, int sleep_seconds) const {
    const QString script = QStringLiteral(
                               "#!/bin/sh\n"
                               "for a in \"$@\"; do echo \"$a\"; done > \"$(dirname \"$0\")/started.txt\"\n"
                               "sleep %1\n")
                               .arg(sleep_seconds);
    const QString path = temp_.Write(name, script.toUtf8());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
  }
  bool Started() const { return QFile::exists(temp_.File("started.txt")); }
  QStringList Arguments() const { return QString::fromUtf8(temp_.Read("started.txt")).split('\n', Qt::SkipEmptyParts); }

 private:
  Temp_Dir temp_;
  QString saved_ip_;
  int saved_option_ = 0;
  bool saved_read_back_ = true;
};
