// Decodes every telegram of tests/data/mbus-frames/valid again and again, the
// way the wired scan does (frame check, header, record walk), and reports the
// time per telegram and per record; a second run also reads every text a
// record shows (made when first read), as the window and the scan report do.
// Then counts the heap allocations of one decoding of the corpus (meters and
// records) per record: at most 2, else the program exits with 1. The
// allocations of reading every text afterwards are printed beside it.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <vector>

#include "scan/decode/long_frame.h"
#include "scan/decode/telegram_decoder.h"
#include "scan/decode/telegram_report.h"
#include "support/counting_allocator.h"
#include "support/ratio_check.h"

namespace {

std::vector<std::vector<uint8_t>> Load_Corpus() {
  std::vector<std::vector<uint8_t>> frames;
  QDir dir(QStringLiteral(KELVRA_TESTDATA_DIR "/mbus-frames/valid"));
  for (const QString& name : dir.entryList({QStringLiteral("*.hex")}, QDir::Files, QDir::Name)) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) continue;
    std::vector<uint8_t> bytes;
    QString error;
    if (telegram_report::Parse_Hex(QString::fromLatin1(file.readAll()), bytes, error)) frames.push_back(bytes);
  }
  return frames;
}

// Every text a record shows, as the window's tree and the scan report read them.
int64_t Read_Texts(const TSlave_MBus& meter) {
  int64_t characters = 0;
  for (const auto& record : meter.List_Var) {
    characters += record->ValueStr().size() + record->Desc_Type_Data().size() + record->DIF().size() +
                  record->DIFE().size() + record->VIFE().size() + record->totdati().size() +
                  record->VIF_ASCII().size() + record->DataFieldStr().size() + record->FunctionFieldStr().size();
  }
  return characters;
}

void Decode_Corpus(benchmark::State& state) {
  const std::vector<std::vector<uint8_t>> frames = Load_Corpus();
  if (frames.empty()) {
    state.SkipWithError("no telegrams in tests/data/mbus-frames/valid");
    return;
  }
  Telegram_Decoder decoder;
  int64_t telegrams = 0;
  int64_t records = 0;
  for (auto _ : state) {
    for (const auto& frame : frames) {
      const int len = static_cast<int>(frame.size());
      if (!long_frame::Is_Valid(frame.data(), len)) continue;
      TList_Slave_MBus list;
      uint8_t last = 1;
      decoder.Add_Slave_From_Answer(frame.data(), len, -1, list, last);
      records += static_cast<int64_t>(list.front()->List_Var.size());
      ++telegrams;
      if (state.range(0) == 1) benchmark::DoNotOptimize(Read_Texts(*list.front()));
      benchmark::DoNotOptimize(list);
    }
  }
  state.counters["us_per_telegram"] = benchmark::Counter(static_cast<double>(telegrams) * 1e-6,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["us_per_record"] = benchmark::Counter(static_cast<double>(records) * 1e-6,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
// 0: decoding only; 1: decoding and reading every text.
BENCHMARK(Decode_Corpus)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Allocations per record of one decoding of the corpus, the decoder made
// beforehand as the scan engine does, and after a first pass that builds the
// process's shared tables once.
double Allocations_Per_Record() {
  const std::vector<std::vector<uint8_t>> frames = Load_Corpus();
  Telegram_Decoder decoder;
  for (const auto& frame : frames) {
    TList_Slave_MBus list;
    uint8_t last = 1;
    if (long_frame::Is_Valid(frame.data(), static_cast<int>(frame.size())))
      decoder.Add_Slave_From_Answer(frame.data(), static_cast<int>(frame.size()), -1, list, last);
  }
  int64_t allocations = 0;
  int64_t text_allocations = 0;
  int64_t records = 0;
  for (const auto& frame : frames) {
    const int len = static_cast<int>(frame.size());
    if (!long_frame::Is_Valid(frame.data(), len)) continue;
    TList_Slave_MBus list;
    list.reserve(1);
    uint8_t last = 1;
    {
      bench_support::Allocation_Counter counter;
      decoder.Add_Slave_From_Answer(frame.data(), len, -1, list, last);
      allocations += counter.Count();
    }
    records += static_cast<int64_t>(list.front()->List_Var.size());
    {
      bench_support::Allocation_Counter counter;
      benchmark::DoNotOptimize(Read_Texts(*list.front()));
      text_allocations += counter.Count();
    }
  }
  std::printf("corpus: %lld records, %lld allocations decoding, %lld more reading every text\n",
              static_cast<long long>(records), static_cast<long long>(allocations),
              static_cast<long long>(text_allocations));
  return records > 0 ? static_cast<double>(allocations) / static_cast<double>(records) : 0;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const double per_record = Allocations_Per_Record();
  return bench_support::Report_Goal("wired decode: heap allocations per record", per_record, 1, 2) ? 0 : 1;
}
