// libFuzzer target: arbitrary text and password through the whole decoder.
// The input is the text, a NUL byte, then the password.
#include <stddef.h>
#include <stdint.h>

#include <string>

#include "decrypt_parameter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.find('\0');
  const std::string text = input.substr(0, split);
  const std::string password = split == std::string::npos ? std::string() : input.substr(split + 1);
  char* value = nullptr;
  if (DecryptParameter(text.c_str(), password.c_str(), &value)) delete[] value;
  return 0;
}
