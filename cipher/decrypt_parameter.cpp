#include "decrypt_parameter.h"

#include <windows.h>
#include <wincrypt.h>
#include <string.h>

#include <memory>
#include <new>

#include "blowfish.h"
#include "crc32.h"
#include "secure_wipe.h"

namespace {

// The keyed tables are derived from the password: back to the published constants before release.
struct ResetAndRelease {
  void operator()(CBlowfish* context) const {
    CBlowfish::InitTables(context);
    delete context;
  }
};

// After decryption the decoded buffer holds the plaintext record, that is the secret itself.
struct WipeAndRelease {
  DWORD allocated;
  void operator()(BYTE* buffer) const {
    SecureWipe(buffer, allocated);
    delete[] buffer;
  }
};

DWORD LoadLittleEndian(const BYTE* bytes) {
  return DWORD(bytes[0]) | DWORD(bytes[1]) << 8 | DWORD(bytes[2]) << 16 | DWORD(bytes[3]) << 24;
}

}  // namespace

bool DecryptParameter(const char* text, const char* password, char** out) {
  if (*password == '\0' || *text == '\0') return false;

  std::unique_ptr<CBlowfish, ResetAndRelease> context(new (std::nothrow) CBlowfish);
  if (!context) return false;
  CBlowfish::InitTables(context.get());

  const DWORD text_length = static_cast<DWORD>(strlen(text));
  DWORD capacity = 0;
  DWORD format = CRYPT_STRING_BASE64;
  if (!CryptStringToBinaryA(text, text_length, CRYPT_STRING_BASE64, nullptr, &capacity, nullptr, &format)) {
    return false;
  }

  // One byte more than decoded: a record that decodes to nothing then fails on its marker.
  std::unique_ptr<BYTE[], WipeAndRelease> decoded(new (std::nothrow) BYTE[capacity + 1],
                                                  WipeAndRelease{capacity + 1});
  if (!decoded) return false;
  decoded[capacity] = 0;

  DWORD size = capacity;
  if (!CryptStringToBinaryA(text, text_length, format, decoded.get(), &size, nullptr, &format)) return false;
  if (size % 8 != 0) return false;

  BYTE* record = decoded.get();
  CBlowfish::Initialize(password, context.get());
  CBlowfish::Decrypt(static_cast<int>(size), context.get(), record);
  const DWORD crc = Crc32(record, static_cast<int>(size) - 4);
  // The marker is tested first: for an empty record only byte 0 exists.
  if (record[0] != '=' || record[1] != '=' || LoadLittleEndian(record + size - 4) != crc) return false;

  // The value ends at its first filler NUL, or at this one over the CRC.
  record[size - 4] = 0;
  const char* value = reinterpret_cast<const char*>(record + 2);
  const size_t value_length = strlen(value);
  char* result = new (std::nothrow) char[size - 5];
  if (!result) return false;
  memcpy(result, value, value_length + 1);
  *out = result;
  return true;
}
