// Stands in for libFuzzer where it is not linked (the gcc builds): runs
// LLVMFuzzerTestOneInput once on every file named on the command line and on
// every file inside a named folder, so each target's seeds and saved crash
// inputs run as a test under whatever sanitizer the build has.
// Usage: fuzz_<name> <file or folder>...
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    const fs::path arg(argv[i]);
    std::error_code ec;
    if (fs::is_directory(arg, ec)) {
      for (const auto& entry : fs::recursive_directory_iterator(arg, ec))
        if (entry.is_regular_file()) files.push_back(entry.path());
    } else if (fs::is_regular_file(arg, ec)) {
      files.push_back(arg);
    } else {
      std::cerr << argv[i] << ": no such file or folder\n";
      return 1;
    }
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Print the name first: a sanitizer report that ends the run follows the input that caused it.
    std::cout << file.string() << std::endl;
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  std::cout << files.size() << " inputs, no fault\n";
  return 0;
}
