// Writes, for the independent EDS reader's check, what the EDS writer means
// for each folder of tables named on the command line: the tables as the
// writer reads them (model.json: PDO COB-IDs and sizes, manufacturer objects
// with their sorted sub-indexes, sizes and access) and the EDS the writer
// writes from them now (written.eds). Each goes to <out>/<folder name>/.
// Usage: eds_model <out> <table folder>...
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <exception>

#include "outputs/descriptions/eds_writer.h"

namespace {

QJsonArray Pdos(const std::vector<EDS_PDO>& list) {
  QJsonArray out;
  for (const EDS_PDO& pdo : list)
    out.append(QJsonObject{{"cobId", qint64(pdo.COB_ID)}, {"dimension", qint64(pdo.Dimension)}});
  return out;
}

QJsonArray Sdos(const std::vector<SDO_Index>& list) {
  QJsonArray out;
  for (const SDO_Index& entry : list) {
    QJsonArray subs;
    for (const SDO_Sub_Type& sub : entry.Sub_Indexs)
      subs.append(QJsonObject{{"sub", sub.Sub}, {"size", sub.Quantity}, {"readonly", sub.Readonly}});
    out.append(QJsonObject{{"index", entry.Index}, {"subs", subs}});
  }
  return out;
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: eds_model <out> <table folder>...\n");
    return 2;
  }
  try {
    for (int i = 2; i < argc; ++i) {
      const QDir tables(QString::fromLocal8Bit(argv[i]));
      const QString out = QDir(QString::fromLocal8Bit(argv[1])).filePath(tables.dirName());
      if (!QDir().mkpath(out)) throw std::runtime_error("cannot create " + out.toStdString());
      const QString pdo_path = tables.filePath("PDO_CANopen.xml");
      const QString sdo_path = tables.filePath("SDO_Server_CANopen.xml");
      const EDS_PDO_Table pdos = Read_EDS_PDO(pdo_path);
      std::vector<SDO_Index> sdos = Read_EDS_SDO(sdo_path);
      Sort_SDO_Sub_Indexs(sdos);
      const QJsonObject model{{"receive", Pdos(pdos.Receive)}, {"transmit", Pdos(pdos.Transmit)}, {"sdo", Sdos(sdos)}};
      Write(out + "/model.json", QJsonDocument(model).toJson());
      Write_EDS_File(out + "/written.eds", pdo_path, sdo_path, QDateTime::currentDateTime());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "eds_model: %s\n", e.what());
    return 1;
  }
  return 0;
}
