#pragma once
// A list of lines read one by one and written piecewise: Write collects text
// for the line under construction, WriteLn completes it.
#include <QString>
#include <QStringList>

class TFileStringList : public QStringList {
 public:
  void Reset() {
    fp = 0;
    cache.clear();
  }
  bool Eof() const { return fp >= size(); }
  // Callers test Eof first; past the end gives an empty line.
  void ReadLn(QString& s) {
    s = fp < size() ? at(fp) : QString();
    ++fp;
  }
  void Write(const QString& s) { cache += s; }
  void WriteLn(const QString& s) {
    append(cache + s);
    cache.clear();
  }

 private:
  qsizetype fp = 0;
  QString cache;
};
