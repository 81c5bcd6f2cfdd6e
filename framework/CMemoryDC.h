// CMemoryDC: an owned memory context compatible with another, deleted on exit with its
// original bitmap selected again.
#pragma once

#include "framework/CDC.h"

class CMemoryDC : public CDC {
 public:
  explicit CMemoryDC(HDC compatibleWith) : CDC(::CreateCompatibleDC(compatibleWith)) {}
};
