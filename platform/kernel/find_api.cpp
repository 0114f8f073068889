// FindFirstFile, FindNextFile and FindClose: a folder's entries that match a pattern, in the
// order NTFS keeps them ("." and ".." first, then by upper-cased name).
#include <dirent.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include <windows.h>

#include "kernel/file_info.h"
#include "kernel/handles.h"
#include "kernel/host_path.h"
#include "kernel/out_buffer.h"
#include "kernel/text.h"
#include "kernel/wildcard.h"

namespace {

using namespace platform;

struct Entry {
  std::u16string name;
  files::Info info;
};

class FindObject : public Object {
 public:
  explicit FindObject(std::vector<Entry> entries) : entries_(std::move(entries)) {}
  const Entry* next() { return next_ < entries_.size() ? &entries_[next_++] : nullptr; }

 private:
  std::vector<Entry> entries_;
  size_t next_ = 0;
};

bool valid_pattern(std::u16string_view pattern) {
  for (char16_t c : pattern)
    if (c < 32 || c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|') return false;
  return true;
}

// The matching entries, or empty with the last error set.
std::vector<Entry> list(const std::u16string& given) {
  std::u16string raw = given;
  std::replace(raw.begin(), raw.end(), u'/', u'\\');
  size_t slash = raw.rfind(u'\\');
  size_t name_start = slash != std::u16string::npos ? slash + 1 : (raw.size() >= 2 && raw[1] == u':') ? 2 : 0;
  std::u16string folder = raw.substr(0, name_start);
  std::u16string pattern = raw.substr(name_start);
  if (raw.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return {};
  }
  if (pattern.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return {};
  }
  if (!valid_pattern(pattern)) {
    SetLastError(ERROR_INVALID_NAME);
    return {};
  }
  paths::HostPath dir = paths::resolve(folder.empty() ? u"." : folder);
  if (dir.error || !dir.directory) {
    SetLastError(dir.error ? dir.error : ERROR_PATH_NOT_FOUND);
    return {};
  }
  bool drive_root = dir.windows.size() == 3;  // "C:\" has no "." and ".." entries

  std::vector<Entry> entries;
  if (DIR* d = opendir(dir.host.c_str())) {
    while (struct dirent64* e = readdir64(d)) {
      std::string host_name = e->d_name;
      bool dots = host_name == "." || host_name == "..";
      if (dots && drive_root) continue;
      std::u16string name = text::utf16(host_name);
      if (!files::wildcard_match(pattern, name)) continue;
      if (auto info = files::stat(dir.host / host_name)) entries.push_back(Entry{std::move(name), *info});
    }
    closedir(d);
  }
  auto rank = [](const std::u16string& n) { return n == u"." ? 0 : n == u".." ? 1 : 2; };
  std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
    if (rank(a.name) != rank(b.name)) return rank(a.name) < rank(b.name);
    return text::upper(a.name) < text::upper(b.name);
  });
  if (entries.empty()) SetLastError(ERROR_FILE_NOT_FOUND);
  return entries;
}

template <class Data>
void fill_common(const Entry& e, Data* data) {
  std::memset(data, 0, sizeof(*data));
  data->dwFileAttributes = e.info.attributes;
  data->ftCreationTime = files::to_filetime(e.info.creation_ns);
  data->ftLastAccessTime = files::to_filetime(e.info.access_ns);
  data->ftLastWriteTime = files::to_filetime(e.info.write_ns);
  data->nFileSizeHigh = DWORD(e.info.size >> 32);
  data->nFileSizeLow = DWORD(e.info.size & 0xFFFFFFFF);
}

// The machine keeps no 8.3 names, so cAlternateFileName stays empty (as on volumes without them).
void fill(const Entry& e, WIN32_FIND_DATAW* data) {
  fill_common(e, data);
  out::truncated<char16_t>(e.name, reinterpret_cast<char16_t*>(data->cFileName), MAX_PATH);
}

void fill(const Entry& e, WIN32_FIND_DATAA* data) {
  fill_common(e, data);
  std::string ansi = text::to_ansi(e.name);
  out::truncated<char>(ansi, data->cFileName, MAX_PATH);
}

template <class Data>
HANDLE find_first(const std::u16string& pattern, Data* data) {
  std::vector<Entry> entries = list(pattern);
  if (entries.empty()) return INVALID_HANDLE_VALUE;
  auto object = std::make_shared<FindObject>(std::move(entries));
  fill(*object->next(), data);
  return handles::add(object);
}

template <class Data>
BOOL find_next(HANDLE h, Data* data) {
  auto object = handles::get_as<FindObject>(h);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  const Entry* e = object->next();
  if (!e) {
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
  }
  fill(*e, data);
  return TRUE;
}

}  // namespace

extern "C" {

HANDLE WINAPI FindFirstFileA(LPCSTR name, LPWIN32_FIND_DATAA data) { return find_first(out::in(name), data); }
HANDLE WINAPI FindFirstFileW(LPCWSTR name, LPWIN32_FIND_DATAW data) { return find_first(out::in(name), data); }
BOOL WINAPI FindNextFileA(HANDLE h, LPWIN32_FIND_DATAA data) { return find_next(h, data); }
BOOL WINAPI FindNextFileW(HANDLE h, LPWIN32_FIND_DATAW data) { return find_next(h, data); }

BOOL WINAPI FindClose(HANDLE h) {
  if (!handles::get_as<FindObject>(h) || !handles::close(h)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

}  // extern "C"
