// The automation channel's line protocol. A request is one line of fields separated by tabs; the
// reply is a header line, "ok<TAB>N" followed by N record lines, or "error<TAB>KIND<TAB>MESSAGE".
// Fields are UTF-8 with backslash, tab, CR, LF and the other control characters escaped, so no
// text can break a line apart.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "automation/target.h"

namespace platform::automation {

using Fields = std::vector<std::string>;

// Why a request failed, as the reply names it.
enum class Failure { None, NotFound, Refused, BadRequest, TimedOut, Unreachable };
const char* failure_name(Failure failure);

struct Reply {
  Failure failure = Failure::None;
  std::string message;  // what failed, for the user
  std::vector<Fields> records;

  static Reply ok(std::vector<Fields> records = {}) { return Reply{Failure::None, "", std::move(records)}; }
  static Reply error(Failure failure, std::string message) { return Reply{failure, std::move(message), {}}; }
  bool succeeded() const { return failure == Failure::None; }
};

// \\ \t \r \n and \xHH for the other control characters; UTF-8 passes unchanged.
std::string escape(std::string_view text);
// Nothing for a dangling or unknown escape.
std::optional<std::string> unescape(std::string_view text);

// One line without its terminating newline.
std::string join_fields(const Fields& fields);
std::optional<Fields> split_fields(std::string_view line);

// The reply as it goes over the wire, newline-terminated lines.
std::string encode_reply(const Reply& reply);
// The header line: the record count of a success, or the failure it names.
struct ReplyHeader {
  Failure failure = Failure::None;
  std::string message;
  size_t records = 0;
};
std::optional<ReplyHeader> decode_reply_header(std::string_view line);

// "50010080": styles, as the Windows tools show them.
std::string hex8(uint32_t value);
// Eight hex digits at most, an optional 0x before them.
std::optional<uint32_t> parse_hex(std::string_view text);
// "0001002A": a window handle in eight hex digits, more when its value needs them (up to 16).
std::string handle_text(WindowHandle value);
// Sixteen hex digits at most, an optional 0x before them.
std::optional<WindowHandle> parse_handle(std::string_view text);
// Decimal, or hex after 0x.
std::optional<uint32_t> parse_number(std::string_view text);

Fields window_record(const WindowInfo& window);
std::optional<WindowInfo> window_from_record(const Fields& record);

}  // namespace platform::automation
