// CMemoryDC: an owned memory context compatible with another; deleted on exit. Deleting it
// with a bitmap still selected leaves the bitmap intact.
#pragma once

#include "framework/CDCHandle.h"

class CMemoryDC : public CDCHandle {
 public:
  explicit CMemoryDC(HDC compatibleWith) { m_hDC = ::CreateCompatibleDC(compatibleWith); }
  ~CMemoryDC() {
    if (m_hDC)
      ::DeleteDC(m_hDC);
  }

 private:
  CMemoryDC(const CMemoryDC&) = delete;
  CMemoryDC& operator=(const CMemoryDC&) = delete;
};
