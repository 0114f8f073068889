// A chain of memory blocks from which the collections take their nodes, a block of nodes at a
// time; the whole chain is freed at once.
#pragma once

#include <stddef.h>

struct alignas(alignof(max_align_t)) CPlex {
  CPlex* pNext;

  void* data() { return this + 1; }
  // A new block for nMax elements of cbElement bytes, put at the head of the chain.
  static CPlex* Create(CPlex*& pHead, size_t nMax, size_t cbElement);
  void FreeDataChain();
};
