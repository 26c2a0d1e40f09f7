// Compiles a type-6 configuration at the limit of the M-Bus byte budget (496
// process-image bytes) with full CANopen tables, and one about ten times
// smaller. The compile must grow no faster than the configuration: the large
// one may cost at most 11 times the small one, else the program exits with 1.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <map>

#include "outputs/compiler/image_compiler.h"

namespace {

void Write(const QString& path, const QByteArray& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) std::abort();
}

QByteArray Rows(int count, const char* row) {
  QByteArray rows;
  for (int i = 0; i < count; ++i) rows += QByteArray(row).replace("@", QByteArray::number(i % 496));
  return rows;
}

// `tenths` of the full configuration: 31 nodes of four 32-bit values (496 bytes)
// and 512, 256 and 128 table rows at 10.
void Fill_Configuration(const QString& dir, int tenths) {
  const int nodes = tenths == 10 ? 31 : 3;
  const auto part = [&](int full) { return full * tenths / 10; };
  QByteArray network = "<M-Bus_Network>";
  for (int n = 0; n < nodes; ++n) {
    network += "<Nodo Enable_Node=\"1\" ID_Primary=\"" + QByteArray::number(n + 1) + "\" Descrizione=\"Meter\">";
    for (int v = 0; v < 4; ++v)
      network +=
          "<Variabile Enable=\"1\" Desc=\"Energy\" Type=\"0\" Fun_Field=\"0\" Dim=\"2\" Unit=\"3\" Scale=\"0\" "
          "StoNumber=\"0\" Tariff=\"0\" VIFE=\"0\" Position=\"1\"/>";
    network += "</Nodo>";
  }
  network += "</M-Bus_Network><!--SW_VERSION = 2.003-->";
  Write(dir + "/M_Bus.xml", network);
  Write(dir + "/ParGen.xml",
        "<Par_Gen><Eth_IP1>192</Eth_IP1><Eth_IP2>168</Eth_IP2><Eth_IP3>0</Eth_IP3><Eth_IP4>5</Eth_IP4>"
        "<Eth_SM1>255</Eth_SM1><Eth_SM2>255</Eth_SM2><Eth_SM3>255</Eth_SM3><Eth_SM4>0</Eth_SM4>"
        "<Eth_GAT1>192</Eth_GAT1><Eth_GAT2>168</Eth_GAT2><Eth_GAT3>0</Eth_GAT3><Eth_GAT4>1</Eth_GAT4>"
        "<Eth_EN_GAT>0</Eth_EN_GAT><Meter_Baud>0</Meter_Baud><Meter_Par>1</Meter_Par>"
        "<Meter_Req_Delay>100</Meter_Req_Delay><Meter_NS_Error_Code>0</Meter_NS_Error_Code></Par_Gen>");
  Write(dir + "/SDO_Server_CANopen.xml",
        "<DeviceNet_Master_to_SDO_CANopen><SDO_Read>" +
            Rows(part(512),
                 "<row Index=\"0x2000\" SubIndex=\"1\" NByte=\"4\" Address_B1=\"@\" Address_B2=\"@\" Address_B3=\"@\" "
                 "Address_B4=\"@\" Mnemonic=\"\"/>") +
            "</SDO_Read><SDO_Write/></DeviceNet_Master_to_SDO_CANopen>");
  Write(dir + "/SDO_Client_CANopen.xml",
        "<DeviceNet_Master_to_SDO_CANopen><SDO_Read/><SDO_Write>" +
            Rows(part(256),
                 "<row Device_ID=\"2\" Index=\"0x6000\" SubIndex=\"1\" NByte=\"2\" Poll_Time=\"1000\" On_Change=\"Y\" "
                 "Address_B1=\"@\" Address_B2=\"@\" Address_B3=\"\" Address_B4=\"\" Mnemonic=\"\"/>") +
            "</SDO_Write></DeviceNet_Master_to_SDO_CANopen>");
  Write(dir + "/PDO_CANopen.xml",
        "<DeviceNet_Master_to_PDO><Receive_PDO/><Transmit_PDO>" +
            Rows(part(128),
                 "<row COB-ID=\"0x181\" Dimension=\"8\" Address_B1=\"@\" Address_B2=\"@\" Address_B3=\"@\" "
                 "Address_B4=\"@\" Address_B5=\"@\" Address_B6=\"@\" Address_B7=\"@\" Address_B8=\"@\" "
                 "Send_Time=\"100\" On_Change=\"N\" Mnemonic=\"\"/>") +
            "</Transmit_PDO></DeviceNet_Master_to_PDO>");
}

void BM_Compile_CANopen(benchmark::State& state) {
  QTemporaryDir dir;
  Fill_Configuration(dir.path(), static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Bank_Buffers buffers = Compile_Bank_Files(6, dir.path());
    benchmark::DoNotOptimize(buffers.Bank_Buffer_C.Used());
  }
}
BENCHMARK(BM_Compile_CANopen)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

// Keeps the time per iteration of each run, by its argument.
class Ratio_Reporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) times[run.run_name.args] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Ratio_Reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  if (reporter.times.count("1") && reporter.times.count("10")) {
    const double ratio = reporter.times["10"] / reporter.times["1"];
    std::printf("compile cost, budget limit / tenth: %.2f (at most 11)\n", ratio);
    if (ratio > 11.0) return 1;
  }
  return 0;
}
