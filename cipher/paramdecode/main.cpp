// paramdecode TEXT PASSWORD: prints the value that an encrypted parameter holds.
#include <stdio.h>

#include "decrypt_parameter.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    fputs("usage: paramdecode TEXT PASSWORD\n", stderr);
    return 1;
  }
  char* value = nullptr;
  if (!DecryptParameter(argv[1], argv[2], &value)) {
    fputs("paramdecode: the text is not a value encrypted with this password\n", stderr);
    return 1;
  }
  puts(value);
  delete[] value;
  return 0;
}
