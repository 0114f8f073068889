// How far a growable array's storage grows when an element no longer fits: by the array's
// grow-by count, or by default by 4 slots while it is small and by an eighth of its size (at most
// 1024) when larger, so that repeated Add calls seldom copy it; never beyond nMaxElements.
#pragma once

#include <windows.h>

namespace framework {

inline INT_PTR GrownCapacity(INT_PTR nSize, INT_PTR nMaxSize, INT_PTR nGrowBy, INT_PTR nNewSize,
                             INT_PTR nMaxElements) {
  INT_PTR nGrow = nGrowBy;
  if (nGrow == 0) {
    nGrow = nSize / 8;
    nGrow = nGrow < 4 ? 4 : (nGrow > 1024 ? 1024 : nGrow);
  }
  INT_PTR nNewMax = nMaxSize <= nMaxElements - nGrow ? nMaxSize + nGrow : nMaxElements;
  return nNewSize > nNewMax ? nNewSize : nNewMax;
}

}  // namespace framework
