#include "string_format.h"

#include <stdint.h>
#include <stdio.h>

#include <string>

#include "string_chars.h"
#include "string_convert.h"

namespace framework {
namespace {

// kLong is Windows' long, 32 bits in every build; kPointer is as wide as a pointer.
enum class ArgSize { kDefault, kChar, kShort, kLong, kLongLong, kPointer, kLongDouble };
enum class TextWidth { kOwn, kNarrow, kWide };

struct Directive {
  std::string flags;  // as written: any of "-+ #0"
  int width = 0;
  int precision = -1;  // -1: none
  ArgSize size = ArgSize::kDefault;
  TextWidth text = TextWidth::kOwn;
  bool LeftAligned() const { return flags.find('-') != std::string::npos; }
  bool ZeroPadded() const { return flags.find('0') != std::string::npos; }
};

template <class Ch>
class Formatter {
 public:
  explicit Formatter(va_list args) { va_copy(args_, args); }
  ~Formatter() { va_end(args_); }
  Formatter(const Formatter&) = delete;
  Formatter& operator=(const Formatter&) = delete;

  std::vector<Ch> Run(const Ch* format) {
    for (const Ch* p = format; *p != 0;) {
      if (*p != '%') {
        out_.push_back(*p++);
        continue;
      }
      const Ch* start = p++;
      Directive directive;
      p = ParseDirective(p, directive);
      if (*p == 0) {
        // A directive cut short by the end of the format is written as it stands.
        out_.insert(out_.end(), start, p);
        break;
      }
      Convert(static_cast<char>(*p), directive);
      ++p;
    }
    return std::move(out_);
  }

 private:
  const Ch* ParseDirective(const Ch* p, Directive& directive) {
    for (; *p == '-' || *p == '+' || *p == ' ' || *p == '#' || *p == '0'; ++p) directive.flags += static_cast<char>(*p);
    if (*p == '*') {
      directive.width = va_arg(args_, int);
      if (directive.width < 0) {
        directive.flags += '-';
        directive.width = -directive.width;
      }
      ++p;
    } else {
      p = ParseNumber(p, directive.width);
    }
    if (*p == '.') {
      ++p;
      directive.precision = 0;
      if (*p == '*') {
        directive.precision = va_arg(args_, int);
        if (directive.precision < 0) directive.precision = -1;
        ++p;
      } else {
        p = ParseNumber(p, directive.precision);
      }
    }
    return ParseSize(p, directive);
  }
  static const Ch* ParseNumber(const Ch* p, int& value) {
    value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) value = value < 100000000 ? value * 10 + (*p - '0') : value;
    return p;
  }
  static const Ch* ParseSize(const Ch* p, Directive& directive) {
    switch (*p) {
      case 'h':
        if (p[1] == 'h') {
          directive.size = ArgSize::kChar;
          return p + 2;
        }
        directive.size = ArgSize::kShort;
        directive.text = TextWidth::kNarrow;
        return p + 1;
      case 'l':
        if (p[1] == 'l') {
          directive.size = ArgSize::kLongLong;
          return p + 2;
        }
        directive.size = ArgSize::kLong;
        directive.text = TextWidth::kWide;
        return p + 1;
      case 'w':
        directive.size = ArgSize::kLong;
        directive.text = TextWidth::kWide;
        return p + 1;
      case 'L':
        directive.size = ArgSize::kLongDouble;
        return p + 1;
      case 'j':
        directive.size = ArgSize::kLongLong;
        return p + 1;
      case 'z':
      case 't':
        directive.size = ArgSize::kPointer;  // size_t and ptrdiff_t
        return p + 1;
      case 'I':
        if (p[1] == '6' && p[2] == '4') {
          directive.size = ArgSize::kLongLong;
          return p + 3;
        }
        if (p[1] == '3' && p[2] == '2') return p + 3;
        directive.size = ArgSize::kPointer;
        return p + 1;
      default:
        return p;
    }
  }

  void Convert(char type, const Directive& directive) {
    switch (type) {
      case 'd':
      case 'i':
        Number(directive, type, SignedArg(directive.size));
        break;
      case 'u':
      case 'o':
      case 'x':
      case 'X':
        Number(directive, type, UnsignedArg(directive.size));
        break;
      case 'p': {
        Directive pointer = directive;
        pointer.precision = 2 * sizeof(void*);
        Number(pointer, 'X', static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(va_arg(args_, void*))));
        break;
      }
      case 'e':
      case 'E':
      case 'f':
      case 'F':
      case 'g':
      case 'G':
      case 'a':
      case 'A':
        Floating(directive, type);
        break;
      case 'c':
      case 'C':
        Character(directive, IsWideText(type, directive));
        break;
      case 's':
      case 'S':
        Text(directive, IsWideText(type, directive));
        break;
      case '%':
        out_.push_back('%');
        break;
      default:
        out_.push_back(static_cast<Ch>(type));
        break;
    }
  }

  // Lower case names the output's own width, upper case the other one; a prefix overrides.
  static bool IsWideText(char type, const Directive& directive) {
    if (directive.text == TextWidth::kNarrow) return false;
    if (directive.text == TextWidth::kWide) return true;
    bool own = type == 's' || type == 'c';
    return own == (sizeof(Ch) == sizeof(wchar_t));
  }

  long long SignedArg(ArgSize size) {
    switch (size) {
      case ArgSize::kChar:
        return static_cast<signed char>(va_arg(args_, int));
      case ArgSize::kShort:
        return static_cast<short>(va_arg(args_, int));
      case ArgSize::kLong:
        return va_arg(args_, int32_t);
      case ArgSize::kLongLong:
        return va_arg(args_, long long);
      case ArgSize::kPointer:
        return va_arg(args_, intptr_t);
      default:
        return va_arg(args_, int);
    }
  }
  unsigned long long UnsignedArg(ArgSize size) {
    switch (size) {
      case ArgSize::kChar:
        return static_cast<unsigned char>(va_arg(args_, unsigned int));
      case ArgSize::kShort:
        return static_cast<unsigned short>(va_arg(args_, unsigned int));
      case ArgSize::kLong:
        return va_arg(args_, uint32_t);
      case ArgSize::kLongLong:
        return va_arg(args_, unsigned long long);
      case ArgSize::kPointer:
        return va_arg(args_, uintptr_t);
      default:
        return va_arg(args_, unsigned int);
    }
  }

  // Numbers are ASCII in either width, so the C library formats them with the same flags.
  template <class T>
  void Number(const Directive& directive, char type, T value) {
    AppendAscii(CFormat(directive, "ll", type), value);
  }
  void Floating(const Directive& directive, char type) {
    if (directive.size == ArgSize::kLongDouble) {
      AppendAscii(CFormat(directive, "L", type), va_arg(args_, long double));
    } else {
      AppendAscii(CFormat(directive, "", type), va_arg(args_, double));
    }
  }
  static std::string CFormat(const Directive& directive, const char* size, char type) {
    std::string format = "%" + directive.flags;
    if (directive.width > 0) format += std::to_string(directive.width);
    if (directive.precision >= 0) format += "." + std::to_string(directive.precision);
    return format + size + type;
  }
  template <class T>
  void AppendAscii(const std::string& format, T value) {
    int n = snprintf(nullptr, 0, format.c_str(), value);
    if (n <= 0) return;
    std::vector<char> text(static_cast<size_t>(n) + 1);
    snprintf(text.data(), text.size(), format.c_str(), value);
    for (int i = 0; i < n; ++i) out_.push_back(static_cast<Ch>(static_cast<unsigned char>(text[i])));
  }

  void Character(const Directive& directive, bool wide) {
    unsigned value = va_arg(args_, unsigned int);
    std::vector<Ch> text;
    if (wide) {
      wchar_t c = static_cast<wchar_t>(value);
      AppendInWidth(text, &c, 1);
    } else {
      char c = static_cast<char>(value);
      AppendInWidth(text, &c, 1);
    }
    Padded(directive, text);
  }
  void Text(const Directive& directive, bool wide) {
    std::vector<Ch> text;
    if (wide) {
      TextOf(va_arg(args_, const wchar_t*), directive.precision, text);
    } else {
      TextOf(va_arg(args_, const char*), directive.precision, text);
    }
    Padded(directive, text);
  }
  template <class Src>
  static void TextOf(const Src* s, int precision, std::vector<Ch>& text) {
    static const Src null_text[] = {'(', 'n', 'u', 'l', 'l', ')', 0};
    if (s == nullptr) s = null_text;
    int n = precision >= 0 ? StringChars<Src>::LengthBounded(s, precision) : StringChars<Src>::Length(s);
    AppendInWidth(text, s, n);
    if (precision >= 0 && static_cast<int>(text.size()) > precision) text.resize(precision);
  }
  template <class Src>
  static void AppendInWidth(std::vector<Ch>& text, const Src* s, int n) {
    if constexpr (sizeof(Src) == sizeof(Ch)) {
      text.insert(text.end(), reinterpret_cast<const Ch*>(s), reinterpret_cast<const Ch*>(s) + n);
    } else {
      int converted = ConvertedLength(s, n);
      size_t at = text.size();
      text.resize(at + converted);
      ConvertInto(s, n, text.data() + at, converted);
    }
  }
  // The C runtime pads text with zeros too when the 0 flag is given.
  void Padded(const Directive& directive, const std::vector<Ch>& text) {
    int padding = directive.width - static_cast<int>(text.size());
    bool left = directive.LeftAligned();
    Ch fill = directive.ZeroPadded() && !left ? '0' : ' ';
    if (!left && padding > 0) out_.insert(out_.end(), padding, fill);
    out_.insert(out_.end(), text.begin(), text.end());
    if (left && padding > 0) out_.insert(out_.end(), padding, fill);
  }

  va_list args_;
  std::vector<Ch> out_;
};

}  // namespace

template <class Ch>
std::vector<Ch> FormatPrintf(const Ch* format, va_list args) {
  return Formatter<Ch>(args).Run(format);
}

template std::vector<char> FormatPrintf<char>(const char*, va_list);
template std::vector<wchar_t> FormatPrintf<wchar_t>(const wchar_t*, va_list);

}  // namespace framework
