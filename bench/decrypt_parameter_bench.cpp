// One full decode of a 40-character encrypted value (key schedule included): DecryptParameter
// against the same steps done with OpenSSL (EVP_DecodeBlock, BF_set_key, block decryption, the
// same CRC check and copy). Prints both times and their ratio from the same run.
#include <benchmark/benchmark.h>
#include <openssl/blowfish.h>
#include <openssl/evp.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include <map>
#include <memory>
#include <string>

#include "cipher/parameter_encoder.h"
#include "crc32.h"
#include "decrypt_parameter.h"

namespace {

const char kPassword[] = "install-pass";
const std::string kValue = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
const std::string kText = cipher_testing::EncryptParameter(kValue, kPassword);

BF_LONG LoadLittleEndian(const unsigned char* b) {
  return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

void StoreLittleEndian(BF_LONG w, unsigned char* b) {
  for (int i = 0; i < 4; ++i) b[i] = static_cast<unsigned char>(w >> (8 * i));
}

// The decoder's work done with OpenSSL; nullptr when the value does not verify.
char* OpenSslDecode(const std::string& text, const char* password) {
  const size_t capacity = text.size() / 4 * 3;
  std::unique_ptr<unsigned char[]> record(new unsigned char[capacity + 1]);
  int size = EVP_DecodeBlock(record.get(), reinterpret_cast<const unsigned char*>(text.data()),
                             static_cast<int>(text.size()));
  if (size < 0) return nullptr;
  // EVP_DecodeBlock counts each padding character as a decoded zero byte.
  for (auto c = text.rbegin(); c != text.rend() && *c == '='; ++c) --size;
  if (size % 8 != 0 || size < 8) return nullptr;
  BF_KEY key;
  BF_set_key(&key, static_cast<int>(strlen(password)), reinterpret_cast<const unsigned char*>(password));
  for (int offset = 0; offset < size; offset += 8) {
    BF_LONG block[2] = {LoadLittleEndian(&record[offset]), LoadLittleEndian(&record[offset + 4])};
    BF_decrypt(block, &key);
    StoreLittleEndian(block[0], &record[offset]);
    StoreLittleEndian(block[1], &record[offset + 4]);
  }
  if (record[0] != '=' || record[1] != '=' ||
      LoadLittleEndian(&record[size - 4]) != Crc32(record.get(), size - 4)) {
    return nullptr;
  }
  record[size - 4] = 0;
  const char* value = reinterpret_cast<const char*>(&record[2]);
  char* result = new char[size - 5];
  memcpy(result, value, strlen(value) + 1);
  return result;
}

void BM_DecryptParameter(benchmark::State& state) {
  for (auto _ : state) {
    char* value = nullptr;
    if (!DecryptParameter(kText.c_str(), kPassword, &value)) state.SkipWithError("value did not decode");
    benchmark::DoNotOptimize(value);
    delete[] value;
  }
}
BENCHMARK(BM_DecryptParameter)->Unit(benchmark::kMicrosecond);

void BM_OpenSslDecode(benchmark::State& state) {
  for (auto _ : state) {
    char* value = OpenSslDecode(kText, kPassword);
    if (value == nullptr) state.SkipWithError("value did not decode");
    benchmark::DoNotOptimize(value);
    delete[] value;
  }
}
BENCHMARK(BM_OpenSslDecode)->Unit(benchmark::kMicrosecond);

// The console report, keeping each benchmark's real time per iteration for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        microseconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  const std::map<std::string, double>& microseconds() const { return microseconds_; }

 private:
  std::map<std::string, double> microseconds_;
};

bool SameResult() {
  char* ours = nullptr;
  std::unique_ptr<char[]> reference(OpenSslDecode(kText, kPassword));
  const bool same = DecryptParameter(kText.c_str(), kPassword, &ours) && reference && kValue == ours &&
                    kValue == reference.get();
  delete[] ours;
  return same;
}

}  // namespace

int main(int argc, char** argv) {
  if (!SameResult()) {
    fputs("decrypt_parameter_bench: the two decoders disagree\n", stderr);
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto& times = reporter.microseconds();
  const auto ours = times.find("BM_DecryptParameter");
  const auto openssl = times.find("BM_OpenSslDecode");
  if (ours == times.end() || openssl == times.end()) return 0;  // a filter left one out
  printf("\nDecryptParameter %.2f us, OpenSSL %.2f us, ratio (ours / OpenSSL) %.2f\n", ours->second,
         openssl->second, ours->second / openssl->second);
  benchmark::Shutdown();
  return 0;
}
