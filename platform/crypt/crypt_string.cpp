// CryptStringToBinaryA: text in one of CryptoAPI's string formats to bytes.
#include <windows.h>
#include <wincrypt.h>
#include <string.h>

#include <optional>
#include <string_view>
#include <vector>

#include "crypt/armor.h"
#include "crypt/base64.h"
#include "crypt/hex.h"

namespace {

using platform::crypt::decode_base64;
using platform::crypt::decode_hex;
using platform::crypt::find_armor;

struct Decoded {
  std::vector<unsigned char> bytes;
  DWORD skip;
  DWORD format;  // the format the text turned out to have
};

bool is_supported(DWORD format) {
  switch (format) {
    case CRYPT_STRING_BASE64HEADER:
    case CRYPT_STRING_BASE64:
    case CRYPT_STRING_BINARY:
    case CRYPT_STRING_BASE64REQUESTHEADER:
    case CRYPT_STRING_HEX:
    case CRYPT_STRING_BASE64_ANY:
    case CRYPT_STRING_ANY:
    case CRYPT_STRING_BASE64X509CRLHEADER:
    case CRYPT_STRING_HEXRAW:
      return true;
    default:
      return false;
  }
}

std::optional<Decoded> armored(std::string_view text, DWORD format) {
  const auto armor = find_armor(text);
  if (!armor) return std::nullopt;
  auto bytes = decode_base64(armor->body);
  if (!bytes) return std::nullopt;
  return Decoded{std::move(*bytes), static_cast<DWORD>(armor->skip), format};
}

std::optional<Decoded> plain(std::optional<std::vector<unsigned char>> bytes, DWORD format) {
  if (!bytes) return std::nullopt;
  return Decoded{std::move(*bytes), 0, format};
}

std::optional<Decoded> binary(std::string_view text) {
  return Decoded{std::vector<unsigned char>(text.begin(), text.end()), 0, CRYPT_STRING_BINARY};
}

std::optional<Decoded> decode(std::string_view text, DWORD format) {
  switch (format) {
    case CRYPT_STRING_BASE64HEADER:
    case CRYPT_STRING_BASE64REQUESTHEADER:
    case CRYPT_STRING_BASE64X509CRLHEADER:
      return armored(text, format);
    case CRYPT_STRING_BASE64:
      return plain(decode_base64(text), CRYPT_STRING_BASE64);
    case CRYPT_STRING_BASE64_ANY:
      if (auto result = armored(text, CRYPT_STRING_BASE64HEADER)) return result;
      return plain(decode_base64(text), CRYPT_STRING_BASE64);
    case CRYPT_STRING_ANY:
      if (auto result = armored(text, CRYPT_STRING_BASE64HEADER)) return result;
      if (auto result = plain(decode_base64(text), CRYPT_STRING_BASE64)) return result;
      return binary(text);
    case CRYPT_STRING_BINARY:
      return binary(text);
    default:  // HEX and HEXRAW
      return plain(decode_hex(text), format);
  }
}

}  // namespace

extern "C" BOOL WINAPI CryptStringToBinaryA(LPCSTR pszString, DWORD cchString, DWORD dwFlags, BYTE* pbBinary,
                                            DWORD* pcbBinary, DWORD* pdwSkip, DWORD* pdwFlags) {
  const DWORD format = dwFlags & ~static_cast<DWORD>(CRYPT_STRING_STRICT);
  if (pszString == nullptr || pcbBinary == nullptr || !is_supported(format)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::string_view text(pszString, cchString != 0 ? cchString : strlen(pszString));
  const auto decoded = decode(text, format);
  if (!decoded) {
    SetLastError(ERROR_INVALID_DATA);
    return FALSE;
  }
  const DWORD needed = static_cast<DWORD>(decoded->bytes.size());
  if (pbBinary != nullptr) {
    if (*pcbBinary < needed) {
      *pcbBinary = needed;
      SetLastError(ERROR_MORE_DATA);
      return FALSE;
    }
    if (needed != 0) memcpy(pbBinary, decoded->bytes.data(), needed);
  }
  *pcbBinary = needed;
  if (pdwSkip != nullptr) *pdwSkip = decoded->skip;
  if (pdwFlags != nullptr) *pdwFlags = decoded->format;
  return TRUE;
}
