#include "kernel/message_format.h"

#include <cstdio>

#include "kernel/text.h"

namespace platform::messages {
namespace {

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool fail(DWORD error) {
  SetLastError(error);
  return false;
}

// One insert's format: printf's flags, width, precision, size and conversion.
struct InsertFormat {
  std::string flags;
  int width = -1;  // -1: none; -2: taken from an insert value (*)
  int precision = -1;
  int bits = 32;  // of an integer: 32 unless h (16), or I64, ll, I and p (64, the width of a slot)
  char text_size = 0;  // of a character or string: 'h' narrow, 'l' wide, 0 the caller's width
  char conversion = 's';
};

bool parse_insert_format(std::u16string_view s, InsertFormat* insert_format) {
  size_t i = 0;
  while (i < s.size() && std::u16string_view(u"-+ #0").find(s[i]) != std::u16string_view::npos) insert_format->flags += char(s[i++]);
  auto number = [&](int* to) {
    if (i < s.size() && s[i] == u'*') {
      *to = -2;
      ++i;
      return;
    }
    if (i == s.size() || !is_digit(s[i])) return;
    *to = 0;
    while (i < s.size() && is_digit(s[i])) *to = *to * 10 + (s[i++] - u'0');
  };
  number(&insert_format->width);
  if (i < s.size() && s[i] == u'.') {
    ++i;
    insert_format->precision = 0;
    number(&insert_format->precision);
  }
  // Every insert is one pointer-sized value, so a 64-bit integer takes one value as well.
  constexpr int kPointerBits = int(sizeof(DWORD_PTR) * 8);
  if (s.substr(i, 3) == u"I64") {
    insert_format->bits = 64;
    i += 3;
  } else if (s.substr(i, 3) == u"I32") {
    i += 3;
  } else if (s.substr(i, 2) == u"ll") {
    insert_format->bits = 64;
    i += 2;
  } else if (i < s.size() && s[i] == u'I') {
    insert_format->bits = kPointerBits;
    ++i;
  } else if (i < s.size() && (s[i] == u'h' || s[i] == u'l' || s[i] == u'w')) {
    insert_format->text_size = s[i] == u'h' ? 'h' : 'l';
    if (s[i] == u'h') insert_format->bits = 16;
    ++i;
  }
  if (i + 1 != s.size()) return false;
  insert_format->conversion = char(s[i]);
  if (insert_format->conversion == 'p') insert_format->bits = kPointerBits;
  return std::u16string_view(u"cCdiouxXsSp").find(s[i]) != std::u16string_view::npos;
}

// Whether a string or character conversion takes wide text: the caller's width, unless the
// upper-case conversion or a size prefix names the other one.
bool takes_wide(const InsertFormat& insert_format, bool caller_wide) {
  if (insert_format.text_size) return insert_format.text_size == 'l';
  bool upper = insert_format.conversion == 'S' || insert_format.conversion == 'C';
  return upper != caller_wide;
}

std::u16string text_value(const InsertFormat& insert_format, bool caller_wide, DWORD_PTR value) {
  bool wide = takes_wide(insert_format, caller_wide);
  if (insert_format.conversion == 'c' || insert_format.conversion == 'C') {
    if (wide) return std::u16string(1, char16_t(value));
    return text::from_ansi(std::string(1, char(value)));
  }
  if (!value) return u"(null)";
  return wide ? text::from_wide(reinterpret_cast<const WCHAR*>(value)) : text::from_ansi(reinterpret_cast<const char*>(value));
}

void pad(std::u16string* text, const InsertFormat& insert_format) {
  if (insert_format.width > 0 && text->size() < size_t(insert_format.width)) {
    std::u16string blanks(insert_format.width - text->size(), u' ');
    *text = insert_format.flags.find('-') != std::string::npos ? *text + blanks : blanks + *text;
  }
}

// printf's text of one number, however long a width makes it.
template <class Number>
std::u16string printed(const std::string& format, Number number) {
  int length = std::snprintf(nullptr, 0, format.c_str(), number);
  std::string out(size_t(length > 0 ? length : 0), '\0');
  std::snprintf(out.data(), out.size() + 1, format.c_str(), number);
  return text::from_ansi(out);
}

// An integer of the insert's width; a pointer as printf shows one, in all its hexadecimal digits.
std::u16string number_value(const InsertFormat& insert_format, DWORD_PTR value) {
  const bool pointer = insert_format.conversion == 'p';
  std::string format = "%" + insert_format.flags;
  if (insert_format.width >= 0) format += std::to_string(insert_format.width);
  if (pointer)
    format += "." + std::to_string(insert_format.bits / 4);
  else if (insert_format.precision >= 0)
    format += "." + std::to_string(insert_format.precision);
  format += "ll";
  format += pointer ? 'X' : insert_format.conversion;
  if (insert_format.conversion == 'd' || insert_format.conversion == 'i') {
    long long number = insert_format.bits == 64   ? static_cast<long long>(value)
                       : insert_format.bits == 16 ? int16_t(value)
                                         : int32_t(value);
    return printed(format, number);
  }
  unsigned long long number = insert_format.bits == 64   ? static_cast<unsigned long long>(value)
                              : insert_format.bits == 16 ? uint16_t(value)
                                                : uint32_t(value);
  return printed(format, number);
}

// Formats insert `number` by `format` (the text between the '!' marks).
bool insert(unsigned number, std::u16string_view format, const Layout& layout, InsertValues& values,
            std::u16string* out) {
  InsertFormat insert_format;
  if (!parse_insert_format(format, &insert_format)) return fail(ERROR_INVALID_PARAMETER);
  // A '*' width or precision takes the insert's own number, and the value moves one further.
  DWORD_PTR value;
  for (int* starred : {&insert_format.width, &insert_format.precision}) {
    if (*starred != -2) continue;
    if (!values.get(number++, &value)) return fail(ERROR_INVALID_PARAMETER);
    *starred = int(value);
  }
  if (!values.get(number, &value)) return fail(ERROR_INVALID_PARAMETER);
  bool is_text = std::string_view("cCsS").find(insert_format.conversion) != std::string_view::npos;
  if (!is_text) {
    *out += number_value(insert_format, value);
    return true;
  }
  std::u16string text = text_value(insert_format, layout.wide, value);
  if (insert_format.precision >= 0 && text.size() > size_t(insert_format.precision)) text.resize(insert_format.precision);
  pad(&text, insert_format);
  *out += text;
  return true;
}

}  // namespace

bool InsertValues::get(unsigned number, DWORD_PTR* value) {
  if (number == 0) return false;
  if (array_) {
    *value = array_[number - 1];
    return true;
  }
  if (!list_) return false;
  while (taken_.size() < number) taken_.push_back(va_arg(*list_, DWORD_PTR));
  *value = taken_[number - 1];
  return true;
}

bool expand(std::u16string_view d, const Layout& layout, InsertValues& values, std::u16string* out) {
  size_t i = 0;
  while (i < d.size()) {
    char16_t c = d[i];
    if (c == u'\r' || c == u'\n') {
      size_t length = c == u'\r' && i + 1 < d.size() && d[i + 1] == u'\n' ? 2 : 1;
      if (layout.join_lines)
        *out += u' ';
      else
        out->append(d.substr(i, length));
      i += length;
      continue;
    }
    if (c != u'%' || i + 1 == d.size()) {
      *out += c;
      ++i;
      continue;
    }
    char16_t e = d[i + 1];
    if (e >= u'1' && e <= u'9') {
      size_t end = i + 2;
      if (end < d.size() && is_digit(d[end])) ++end;
      unsigned number = e - u'0';
      if (end == i + 3) number = number * 10 + (d[i + 2] - u'0');
      std::u16string_view format = u"s";
      if (end < d.size() && d[end] == u'!') {
        size_t close = d.find(u'!', end + 1);
        if (close == std::u16string_view::npos) return fail(ERROR_INVALID_PARAMETER);
        format = d.substr(end + 1, close - end - 1);
        end = close + 1;
      }
      if (layout.ignore_inserts)
        out->append(d.substr(i, end - i));
      else if (!insert(number, format, layout, values, out))
        return false;
      i = end;
      continue;
    }
    i += 2;
    switch (e) {
      case u'0': return true;  // the message ends here, without its final line break
      case u'n': *out += u"\r\n"; break;
      case u'r': *out += u'\r'; break;
      case u't': *out += u'\t'; break;
      default:
        // %%, "% ", %. and %! stand for the character; left as they are for a later formatting.
        if (layout.ignore_inserts) *out += u'%';
        *out += e;
    }
  }
  return true;
}

}  // namespace platform::messages
