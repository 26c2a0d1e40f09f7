#pragma once
#include <QString>

// The maker's web server: a build constant (scheme and host, no trailing "/").
QString Web_Server_Base();
void Override_Web_Server_Base(const QString& base);  // tests: a local server; empty restores

QString Version_Query_Url(int device_type);  // .../home/download/GetversionSW.asp?nomesw=SW58221
QString Download_Page_Url(int device_type);  // .../Home/download/download.asp#HD58221
QString Product_Page_Url(int device_type);   // .../HOME/default.asp?frompg=SW58221

// "<a href="target">text</a>": the form the link labels hold.
QString Link_Label_Text(const QString& target, const QString& text);

// Version number of "d.ddd" after the text's first blank ("VER. 2.003" -> 2003); -1 when none.
int Conv_Version(const QString& Ver_str);

// True when `answer` names a newer version than `running_version`.
bool Is_Newer_Version(const QString& answer, const QString& running_version);

// What an HTTP GET gave: the answer's text, or why there is none.
struct Http_Answer {
  QString text;
  QString error;  // no connection, HTTP error status, time-out, answer too long; empty on success

  bool Ok() const { return error.isEmpty(); }
};

// HTTP/1.0 GET of a short text answer (time-out of about 10 s, at most a few
// kilobytes).
Http_Answer Http_Get(const QString& url);

// The server's word on a newer version, or why it could not be asked: a
// check that failed is not "no newer version".
struct Version_Check {
  enum class Outcome { Newer, Not_Newer, Failed };
  Outcome outcome = Outcome::Failed;
  QString error;  // Failed: the connection's error text
};
Version_Check Check_Version_Answer();

// Asks the server whether a newer version exists for the current device type;
// false when it does not or cannot be asked.
bool Check_Version();
