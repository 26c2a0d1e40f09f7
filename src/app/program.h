#pragma once
#include <memory>

class TFOrvantoreFirmWare;
class TFNew_Project;
class TFOpenConf;
class TFAbout;
class TFSoftOptions;
class TFBoot;
class TFScanDecode;
class TFInsertKeyWireless;
class TFModbusStartAdd_SD;
class TFScanModbusStart;
class TFParGen;
class TFMeter_Bus;
class TFNewIDNode;
class TFProfinetFileName;
class TFSet_PDO_Access;
class TFSet_SDO_Client_Access;
class TFSet_SDO_Server_Access;

// Every window of the program, created once at start and kept until the end;
// they are shown modally on demand. The main window comes first: its
// creation sets up the language texts, codes, folders and paths that the
// other windows read when they are created.
class Program {
 public:
  Program();
  ~Program();

  TFOrvantoreFirmWare& Main_Window() { return *FOrvantoreFirmWare; }

 private:
  // Creation order.
  std::unique_ptr<TFOrvantoreFirmWare> FOrvantoreFirmWare;
  std::unique_ptr<TFNew_Project> FNew_Project;
  std::unique_ptr<TFOpenConf> FOpenConf;
  std::unique_ptr<TFAbout> FAbout;
  std::unique_ptr<TFSoftOptions> FSoftOptions;
  std::unique_ptr<TFParGen> FParGen;
  std::unique_ptr<TFMeter_Bus> FMeter_Bus;
  std::unique_ptr<TFNewIDNode> FNewIDNode;
  std::unique_ptr<TFBoot> FBoot;
  std::unique_ptr<TFInsertKeyWireless> FInsertKeyWireless;
  std::unique_ptr<TFModbusStartAdd_SD> FModbusStartAdd_SD;
  std::unique_ptr<TFScanDecode> FScanDecode;
  std::unique_ptr<TFScanModbusStart> FScanModbusStart;
  std::unique_ptr<TFProfinetFileName> FProfinetFileName;
  std::unique_ptr<TFSet_PDO_Access> FSet_PDO_Access;
  std::unique_ptr<TFSet_SDO_Client_Access> FSet_SDO_Client_Access;
  std::unique_ptr<TFSet_SDO_Server_Access> FSet_SDO_Server_Access;
};
