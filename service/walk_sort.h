// The in-place stable sort of the service's pointer arrays: a position walks forward; an element
// that belongs before the one at the position moves in front of it and the walk steps back to
// compare it again. Equal elements never pass each other.
#pragma once

#include "ctypedptrarray.h"

template <class TYPE, class Greater>
void WalkSort(CTypedPtrArray<CPtrArray, TYPE>& array, Greater isGreater) {
  INT_PTR nCount = array.GetSize();
  for (INT_PTR p = 0; p < nCount;) {
    if (p >= 0 && p + 1 < nCount && isGreater(array[p], array[p + 1])) {
      TYPE pNext = array[p + 1];
      array.RemoveAt(p + 1);
      array.InsertAt(p, pNext);
      --p;
    } else {
      ++p;
    }
  }
}
