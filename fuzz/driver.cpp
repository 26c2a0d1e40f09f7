// A small stand-alone fuzz driver: replays every file of a seed folder, then
// feeds mutated copies of them (bit flips, truncations, splices, random bytes)
// to LLVMFuzzerTestOneInput until the time is up. The sanitizers catch faults.
// Usage: fuzz_<name> [--seconds N] [seed folder]
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Bytes = std::vector<uint8_t>;

std::vector<Bytes> ReadSeeds(const std::string& folder) {
  std::vector<Bytes> seeds;
  std::error_code ec;
  if (folder.empty() || !std::filesystem::is_directory(folder, ec)) return seeds;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return seeds;
}

Bytes Mutate(const std::vector<Bytes>& seeds, std::mt19937& rng) {
  Bytes data = seeds.empty() ? Bytes{} : seeds[rng() % seeds.size()];
  const int steps = 1 + static_cast<int>(rng() % 4);
  for (int s = 0; s < steps; ++s) {
    switch (rng() % 6) {
      case 0:
        if (!data.empty()) data[rng() % data.size()] ^= static_cast<uint8_t>(1u << (rng() % 8));
        break;
      case 1:
        if (!data.empty()) data.resize(rng() % data.size());
        break;
      case 2:
        data.insert(data.begin() + (data.empty() ? 0 : rng() % data.size()), static_cast<uint8_t>(rng()));
        break;
      case 3:
        if (!data.empty()) data[rng() % data.size()] = static_cast<uint8_t>(rng());
        break;
      case 4:
        if (!seeds.empty()) {
          const Bytes& other = seeds[rng() % seeds.size()];
          if (!other.empty()) {
            const size_t from = rng() % other.size();
            data.insert(data.end(), other.begin() + from, other.end());
          }
        }
        break;
      default: {
        const size_t n = rng() % 64;
        for (size_t i = 0; i < n; ++i) data.push_back(static_cast<uint8_t>(rng()));
      }
    }
  }
  return data;
}

}  // namespace

int main(int argc, char** argv) {
  double seconds = 10;
  std::string folder;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
      seconds = std::atof(argv[++i]);
    } else {
      folder = argv[i];
    }
  }
  const std::vector<Bytes> seeds = ReadSeeds(folder);
  for (const Bytes& seed : seeds) LLVMFuzzerTestOneInput(seed.data(), seed.size());

  std::mt19937 rng(12345);
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  long runs = 0;
  while (std::chrono::steady_clock::now() < end) {
    const Bytes data = Mutate(seeds, rng);
    LLVMFuzzerTestOneInput(data.data(), data.size());
    ++runs;
  }
  std::cout << runs << " inputs, " << seeds.size() << " seeds, no fault\n";
  return 0;
}
