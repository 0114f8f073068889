// Pieces of a Windows path held in a CString: its folder, its file name, its title.
#pragma once

#include "cstringt.h"
#include "win_api_t.h"

namespace framework {

// Index of the last '\' or '/', or -1.
template <class Ch>
int LastSeparator(const CStringT<Ch>& path) {
  int back = path.ReverseFind('\\');
  int front = path.ReverseFind('/');
  return back > front ? back : front;
}

// The name after the last separator.
template <class Ch>
CStringT<Ch> FileNameOf(const CStringT<Ch>& path) {
  return path.Mid(LastSeparator(path) + 1);
}

// The file name without its extension (from its last '.').
template <class Ch>
CStringT<Ch> FileTitleOf(const CStringT<Ch>& path) {
  CStringT<Ch> name = FileNameOf(path);
  int dot = name.ReverseFind('.');
  return dot < 0 ? name : name.Left(dot);
}

// The folder before the last separator; a drive's root keeps its separator ("C:\").
template <class Ch>
CStringT<Ch> FolderOf(const CStringT<Ch>& path) {
  int separator = LastSeparator(path);
  if (separator < 0) return CStringT<Ch>();
  if (separator == 2 && path[1] == ':') return path.Left(3);
  return path.Left(separator);
}

// A folder and a name with one separator between them.
template <class Ch>
CStringT<Ch> JoinPath(const CStringT<Ch>& folder, const CStringT<Ch>& name) {
  if (folder.IsEmpty()) return name;
  Ch last = folder[folder.GetLength() - 1];
  return last == '\\' || last == '/' ? folder + name : folder + Ch('\\') + name;
}

// The full path of a name (relative to the current directory); the name itself on failure.
template <class Ch>
CStringT<Ch> FullPathOf(const Ch* name) {
  CStringT<Ch> full;
  for (DWORD size = MAX_PATH;;) {
    DWORD needed = GetFullPathNameT(name, size, full.GetBuffer(static_cast<int>(size)));
    if (needed == 0) return CStringT<Ch>(name);
    if (needed < size) {
      full.ReleaseBuffer(static_cast<int>(needed));
      return full;
    }
    size = needed + 1;
  }
}

}  // namespace framework
