#include "crypt/armor.h"

namespace platform::crypt {

namespace {

constexpr std::string_view kDashes = "-----";
constexpr std::string_view kBegin = "-----BEGIN";
constexpr std::string_view kEnd = "-----END";

}  // namespace

std::optional<Armored> find_armor(std::string_view text) {
  const size_t begin = text.find(kBegin);
  if (begin == std::string_view::npos) return std::nullopt;
  const size_t begin_close = text.find(kDashes, begin + kBegin.size());
  if (begin_close == std::string_view::npos) return std::nullopt;
  const size_t body = begin_close + kDashes.size();
  const size_t end = text.find(kEnd, body);
  if (end == std::string_view::npos) return std::nullopt;
  if (text.find(kDashes, end + kEnd.size()) == std::string_view::npos) return std::nullopt;
  return Armored{begin, text.substr(body, end - body)};
}

}  // namespace platform::crypt
