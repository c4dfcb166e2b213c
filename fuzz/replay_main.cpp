// Runs the fuzz target without libFuzzer: every file of the folders given on
// the command line, and for each a fixed set of damaged copies (cut short,
// single bytes replaced by characters the reader gives meaning to, a line
// doubled).  The seed is fixed, so a failure repeats; a crash or an abort in
// the target fails the run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

constexpr int kReplacementsPerFile = 24;
constexpr char kMeaningful[] = "0123456789-+.,;'=EeNA \t\r\n\x00\xff";

void Run(const std::string& bytes) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Damaged(const std::string& original, std::mt19937& random) {
  int runs = 0;
  for (size_t cut : {original.size() / 4, original.size() / 2, original.size() * 3 / 4}) {
    Run(original.substr(0, cut));
    ++runs;
  }
  if (original.empty()) return runs;
  std::uniform_int_distribution<size_t> position(0, original.size() - 1);
  std::uniform_int_distribution<size_t> character(0, sizeof kMeaningful - 2);
  for (int k = 0; k < kReplacementsPerFile; ++k, ++runs) {
    std::string copy = original;
    copy[position(random)] = kMeaningful[character(random)];
    Run(copy);
  }
  // A line written twice: a row too many, or a keyword repeated.
  const size_t start = original.find('\n', position(random));
  if (start != std::string::npos) {
    const size_t end = original.find('\n', start + 1);
    std::string copy = original;
    copy.insert(start, original.substr(start, end == std::string::npos ? end : end - start));
    Run(copy);
    ++runs;
  }
  return runs;
}

}  // namespace

int main(int argc, char** argv) {
  std::mt19937 random(20240607);
  int files = 0, runs = 0;
  for (int a = 1; a < argc; ++a) {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(argv[a]))
      if (entry.is_regular_file()) paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());  // the same order on every machine
    for (const auto& path : paths) {
      const std::string bytes = ReadAll(path);
      Run(bytes);
      runs += 1 + Damaged(bytes, random);
      ++files;
    }
  }
  std::printf("%d files, %d inputs\n", files, runs);
  return files > 0 ? 0 : 1;  // an empty corpus tests nothing
}
