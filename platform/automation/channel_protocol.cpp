#include "automation/channel_protocol.h"

#include <charconv>
#include <cstdio>

namespace platform::automation {
namespace {

constexpr std::string_view kFailureNames[] = {"ok", "not-found", "refused", "bad-request", "timed-out", "unreachable"};

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

template <class Number = uint32_t>
std::optional<Number> parse_digits(std::string_view text, int base) {
  Number value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// As many hex digits as the type holds at most, an optional 0x before them.
template <class Number>
std::optional<Number> parse_hex_digits(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.remove_prefix(2);
  if (text.size() > 2 * sizeof(Number)) return std::nullopt;
  return parse_digits<Number>(text, 16);
}

// Eight digits at least, capitals.
std::string hex_digits(uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%08llX", static_cast<unsigned long long>(value));
  return text;
}

std::optional<bool> parse_flag(std::string_view text) {
  if (text == "0") return false;
  if (text == "1") return true;
  return std::nullopt;
}

std::optional<int> parse_int(std::string_view text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

const char* failure_name(Failure failure) { return kFailureNames[size_t(failure)].data(); }

std::string escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (u < 0x20 || u == 0x7F) {
      char code[5];
      std::snprintf(code, sizeof code, "\\x%02X", u);
      out += code;
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<std::string> unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      case 'x': {
        int high = i + 1 < text.size() ? hex_digit(text[i + 1]) : -1;
        int low = i + 2 < text.size() ? hex_digit(text[i + 2]) : -1;
        if (high < 0 || low < 0) return std::nullopt;
        out += char(high * 16 + low);
        i += 2;
        break;
      }
      default: return std::nullopt;
    }
  }
  return out;
}

std::string join_fields(const Fields& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) line += '\t';
    line += escape(fields[i]);
  }
  return line;
}

std::optional<Fields> split_fields(std::string_view line) {
  Fields fields;
  for (size_t start = 0;;) {
    size_t tab = line.find('\t', start);
    auto field = unescape(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (!field) return std::nullopt;
    fields.push_back(std::move(*field));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::string encode_reply(const Reply& reply) {
  if (!reply.succeeded()) return join_fields({"error", failure_name(reply.failure), reply.message}) + "\n";
  std::string out = "ok\t" + std::to_string(reply.records.size()) + "\n";
  for (const Fields& record : reply.records) out += join_fields(record) + "\n";
  return out;
}

std::optional<ReplyHeader> decode_reply_header(std::string_view line) {
  auto fields = split_fields(line);
  if (!fields) return std::nullopt;
  if (fields->size() == 2 && (*fields)[0] == "ok") {
    auto count = parse_digits((*fields)[1], 10);
    if (!count) return std::nullopt;
    return ReplyHeader{Failure::None, "", *count};
  }
  if (fields->size() == 3 && (*fields)[0] == "error") {
    for (size_t kind = 1; kind < std::size(kFailureNames); ++kind)
      if ((*fields)[1] == kFailureNames[kind]) return ReplyHeader{Failure(kind), (*fields)[2], 0};
  }
  return std::nullopt;
}

std::string hex8(uint32_t value) { return hex_digits(value); }

std::optional<uint32_t> parse_hex(std::string_view text) { return parse_hex_digits<uint32_t>(text); }

std::string handle_text(WindowHandle value) { return hex_digits(value); }

std::optional<WindowHandle> parse_handle(std::string_view text) { return parse_hex_digits<WindowHandle>(text); }

std::optional<uint32_t> parse_number(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return parse_hex(text);
  return parse_digits(text, 10);
}

Fields window_record(const WindowInfo& w) {
  return {handle_text(w.hwnd),  handle_text(w.parent),  std::to_string(w.id),    w.class_name,
          w.text,               hex8(w.style),          hex8(w.exstyle),         std::to_string(w.x),
          std::to_string(w.y),  std::to_string(w.cx),   std::to_string(w.cy),    w.visible ? "1" : "0",
          w.enabled ? "1" : "0", w.focused ? "1" : "0"};
}

std::optional<WindowInfo> window_from_record(const Fields& r) {
  if (r.size() != 14) return std::nullopt;
  auto hwnd = parse_handle(r[0]), parent = parse_handle(r[1]);
  auto style = parse_hex(r[5]), exstyle = parse_hex(r[6]);
  auto id = parse_digits(r[2], 10);
  auto x = parse_int(r[7]), y = parse_int(r[8]), cx = parse_int(r[9]), cy = parse_int(r[10]);
  auto visible = parse_flag(r[11]), enabled = parse_flag(r[12]), focused = parse_flag(r[13]);
  if (!hwnd || !parent || !style || !exstyle || !id || !x || !y || !cx || !cy || !visible || !enabled || !focused)
    return std::nullopt;
  WindowInfo w;
  w.hwnd = *hwnd;
  w.parent = *parent;
  w.id = *id;
  w.class_name = r[3];
  w.text = r[4];
  w.style = *style;
  w.exstyle = *exstyle;
  w.x = *x, w.y = *y, w.cx = *cx, w.cy = *cy;
  w.visible = *visible, w.enabled = *enabled, w.focused = *focused;
  return w;
}

}  // namespace platform::automation
