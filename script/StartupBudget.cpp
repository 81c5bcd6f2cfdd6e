// StartupBudget: what one run may take of start-up's time.
#include "script/StartupBudget.h"

#include <algorithm>

unsigned long StartupBudget::RunLimit(unsigned long bound) const {
  return m_on ? std::min(std::min(bound, kBudgetMs / 3), Left()) : bound;
}

unsigned long StartupBudget::Left() const {
  const unsigned long used = m_usedMs + (m_clock() - m_lookupStart);
  return used < kBudgetMs ? kBudgetMs - used : 0;
}
