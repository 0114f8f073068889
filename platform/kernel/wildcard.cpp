#include "kernel/wildcard.h"

#include <string>
#include <vector>

#include "kernel/text.h"

namespace platform::files {
namespace {

// The pattern in the form the file system matches: the MS-DOS forms of "*", "?" and "." get
// characters of their own (as Windows turns them into its DOS_STAR, DOS_QM and DOS_DOT).
constexpr char16_t kAny = u'*';        // any run of characters
constexpr char16_t kDosStar = u'<';    // any run up to the name's last dot
constexpr char16_t kDosQm = u'>';      // one character, or none at a dot or the end
constexpr char16_t kDosDot = u'"';     // a dot, or nothing at the end

std::u16string to_dos_form(std::u16string_view p) {
  if (p == u"*.*") return u"*";
  std::u16string out;
  for (size_t i = 0; i < p.size(); ++i) {
    char16_t c = p[i];
    char16_t next = i + 1 < p.size() ? p[i + 1] : 0;
    if (c == u'?')
      out += kDosQm;
    else if (c == u'*' && next == u'.')
      out += kDosStar;
    else if (c == u'.' && (next == u'?' || next == u'*' || next == 0))
      out += kDosDot;
    else
      out += text::upper(c);
  }
  return out;
}

class Matcher {
 public:
  Matcher(std::u16string pattern, std::u16string name)
      : p_(std::move(pattern)), n_(std::move(name)), memo_((p_.size() + 1) * (n_.size() + 1), -1) {
    last_dot_ = n_.rfind(u'.');
  }

  bool at(size_t pi, size_t ni) {
    signed char& m = memo_[pi * (n_.size() + 1) + ni];
    if (m < 0) m = compute(pi, ni) ? 1 : 0;
    return m == 1;
  }

 private:
  bool compute(size_t pi, size_t ni) {
    if (pi == p_.size()) return ni == n_.size();
    char16_t c = p_[pi];
    bool end = ni == n_.size();
    switch (c) {
      case kAny:
        return at(pi + 1, ni) || (!end && at(pi, ni + 1));
      case kDosStar: {
        // Runs may not swallow the last dot or what follows it.
        bool before_last_dot = last_dot_ != std::u16string::npos && ni <= last_dot_;
        size_t limit = before_last_dot ? last_dot_ : n_.size();
        return at(pi + 1, ni) || (ni < limit && at(pi, ni + 1));
      }
      case kDosQm:
        if (end || n_[ni] == u'.') return at(pi + 1, ni);
        return at(pi + 1, ni + 1);
      case kDosDot:
        if (end) return at(pi + 1, ni);
        return n_[ni] == u'.' && at(pi + 1, ni + 1);
      default:
        return !end && n_[ni] == c && at(pi + 1, ni + 1);
    }
  }

  std::u16string p_, n_;
  std::vector<signed char> memo_;
  size_t last_dot_;
};

}  // namespace

bool has_wildcards(std::u16string_view pattern) { return pattern.find_first_of(u"*?") != std::u16string_view::npos; }

bool wildcard_match(std::u16string_view pattern, std::u16string_view name) {
  return Matcher(to_dos_form(pattern), text::upper(name)).at(0, 0);
}

}  // namespace platform::files
