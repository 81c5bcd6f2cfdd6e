// Start-up's lookups, from Start to End, reading included, share one budget of time.
#pragma once

#include <algorithm>

#include "script/ScriptPlatform.h"

class StartupBudget {
 public:
  // The largest plausible real files (a 256 KB message file, 16 KB of defaults, a 64 KB saved
  // file) take 60 to 90 ms for all of start-up's lookups on one busy AMD EPYC core; a machine
  // about nine times slower still reads them whole. What is left of the 1.5 s that a folder of
  // slow files may add to the sheet goes to the notice and to reading them. No one run takes
  // more than a third of it, so that one slow file leaves time for the others.
  static const unsigned long kBudgetMs = 800;

  explicit StartupBudget(TickClock clock) : m_clock(clock) {}
  void Start() {
    m_on = true;
    m_usedMs = 0;
  }
  void End() { m_on = false; }
  bool On() const { return m_on; }
  void BeginLookup() { m_lookupStart = m_clock(); }
  void EndLookup() { m_usedMs += m_on ? m_clock() - m_lookupStart : 0; }
  // What a run that starts now may take: `bound`, and at start-up its share of the time left.
  unsigned long RunLimit(unsigned long bound) const {
    return m_on ? std::min(std::min(bound, kBudgetMs / 3), Left()) : bound;
  }
  // True at start-up once the time is spent: every lookup then answers as a failed run.
  bool Spent() const { return m_on && Left() == 0; }

 private:
  unsigned long Left() const {
    const unsigned long used = m_usedMs + (m_clock() - m_lookupStart);
    return used < kBudgetMs ? kBudgetMs - used : 0;
  }

  TickClock m_clock;
  bool m_on = false;
  unsigned long m_usedMs = 0;  // by the lookups before this one
  unsigned long m_lookupStart = 0;
};
