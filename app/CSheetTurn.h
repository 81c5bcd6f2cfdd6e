// One sheet at a time in the player's session: a second start while a sheet is open brings that
// sheet to the front and ends, and one during another run's save waits for that run to end, so
// that no save silently overwrites another.
#pragma once

#include <windows.h>

class CSheetTurn {
 public:
  // The session's named mutex, made before anything is read; held from Take to destruction.
  CSheetTurn();
  ~CSheetTurn();

  // True when this run may go on: no other run holds the turn, or the one that held it has
  // ended. False when another run's sheet was brought to the front instead.
  bool Take();

 private:
  CSheetTurn(const CSheetTurn&) = delete;
  CSheetTurn& operator=(const CSheetTurn&) = delete;

  HANDLE m_mutex;
  bool m_held;
};
