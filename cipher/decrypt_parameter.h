// Decoding of an encrypted command-line parameter: Base64 of a Blowfish-encrypted record
// "==" value NUL-filler CRC-32 (little-endian), keyed with the decryption password.
#pragma once

// On success *out receives a new[]-allocated NUL-terminated value that the caller releases with
// delete[]; on failure it returns false and leaves *out untouched.
bool DecryptParameter(const char* text, const char* password, char** out);
