#include "cplex.h"

#include <stdint.h>
#include <stdlib.h>

#include "cmemoryexception.h"

CPlex* CPlex::Create(CPlex*& pHead, size_t nMax, size_t cbElement) {
  if (nMax == 0 || cbElement == 0 || nMax > (SIZE_MAX - sizeof(CPlex)) / cbElement) AfxThrowMemoryException();
  void* block = malloc(sizeof(CPlex) + nMax * cbElement);
  if (block == nullptr) AfxThrowMemoryException();
  CPlex* p = static_cast<CPlex*>(block);
  p->pNext = pHead;
  pHead = p;
  return p;
}

void CPlex::FreeDataChain() {
  for (CPlex* p = this; p != nullptr;) {
    CPlex* pNext = p->pNext;
    free(p);
    p = pNext;
  }
}
