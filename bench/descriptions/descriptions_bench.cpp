// Reads hand-made configuration files of 10,000 and 100,000 rows: the PDO and
// SDO server tables of the EDS (refused at their row limit after one pass of
// the parser) and M_Bus.xml of the GSD in per-variable mode (read in full).
// Each read must grow linearly with the file: the 100,000-row figure may be
// at most 12 times the 10,000-row figure, else the program exits with 1.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "outputs/descriptions/description_file_error.h"
#include "outputs/descriptions/eds_writer.h"
#include "outputs/descriptions/gsd_writer.h"
#include "support/ratio_check.h"

namespace {

void Write(const QString& path, const QByteArray& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) std::abort();
}

QByteArray Repeated(int count, const QByteArray& row) {
  QByteArray rows;
  rows.reserve(row.size() * count);
  for (int i = 0; i < count; ++i) rows += row;
  return rows;
}

void BM_Read_EDS_PDO(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("PDO_CANopen.xml"));
  Write(path, "<DeviceNet_Master_to_PDO><Receive_PDO>" +
                  Repeated(int(state.range(0)), "<row COB-ID=\"0x201\" Dimension=\"8\" Mnemonic=\"\"/>\n") +
                  "</Receive_PDO><Transmit_PDO/></DeviceNet_Master_to_PDO>");
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(Read_EDS_PDO(path).Receive.size());
    } catch (const Description_File_Error&) {
    }
  }
}

void BM_Read_EDS_SDO(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("SDO_Server_CANopen.xml"));
  Write(path, "<DeviceNet_Master_to_SDO_CANopen><SDO_Read/><SDO_Write>" +
                  Repeated(int(state.range(0)), "<row Index=\"0x2000\" SubIndex=\"1\" NByte=\"4\" Mnemonic=\"\"/>\n") +
                  "</SDO_Write></DeviceNet_Master_to_SDO_CANopen>");
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(Read_EDS_SDO(path).size());
    } catch (const Description_File_Error&) {
    }
  }
}

// One node per 100 variables, every variable a module of 4 bytes.
void BM_Read_GSD_Modules(benchmark::State& state) {
  QTemporaryDir dir;
  const QString par_gen = dir.filePath(QStringLiteral("ParGen.xml"));
  Write(par_gen, "<Par_Gen><PROFI_GSD>1</PROFI_GSD></Par_Gen>");
  const QByteArray node =
      "<Nodo Enable_Node=\"1\">" + Repeated(100, "<Variabile Enable=\"1\" Dim=\"2\"/>\n") + "</Nodo>\n";
  Write(dir.filePath(QStringLiteral("M_Bus.xml")),
        "<M-Bus_Network>" + Repeated(int(state.range(0)) / 100, node) + "</M-Bus_Network>");
  for (auto _ : state) {
    const std::optional<GSD_Modules> modules = Read_GSD_Modules(par_gen, dir.path());
    if (!modules || modules->Input_Modules != state.range(0)) std::abort();
  }
}

// Five repetitions each; the fastest counts.
BENCHMARK(BM_Read_EDS_PDO)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_Read_EDS_SDO)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_Read_GSD_Modules)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  // Memory freed by one run stays with the process for the next: otherwise the
  // large file's runs pay for the system handing fresh pages over again (some
  // 25 MB a run, slow under virtualisation) while the small file's runs reuse
  // theirs, and the ratio would measure that rather than the readers.
  mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
  // The repetitions of both sizes run mixed, so the small file is a baseline
  // taken under the same load as the large one.
  return bench_support::Run_Interleaved_Ratio_Check(argc, argv, "10000", "100000", "100,000 rows / 10,000 rows", 12);
}
