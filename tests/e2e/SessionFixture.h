// A test whose player opens the sheet of a fresh game folder; whatever is still open at the
// end is closed with Cancel and the process waited for.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "GameSession.h"
#include "SetupWindow.h"

namespace e2e {

class SessionFixture : public ::testing::Test {
 protected:
  // A fresh game folder (the demo data and the exe) under the test's own name.
  GameSession& Game();
  // Makes the game folder below `parent` instead; before the first Game().
  void PlaceGameIn(const std::wstring& parent) { m_parent = parent; }
  // Replaces the demo's client defaults with those of SessionData.h.
  void UseTestClientDefaults();
  // Starts the program (again) and waits for its sheet; null when none appeared.
  SetupWindow* OpenSheet();
  // Starts the program, which must first show one "Setup" box: its text goes to *notice, the
  // player presses OK, and then the sheet is waited for.
  SetupWindow* OpenSheetAfterNotice(std::wstring* notice);
  // Waits for the end of the run; the code the program returned.
  DWORD WaitForEnd();
  void TearDown() override;

  std::wstring m_parent;
  std::unique_ptr<GameSession> m_game;
  // Waits for the sheet of the running program.
  SetupWindow* OpenedSheet();

  std::unique_ptr<SetupWindow> m_window;
};

}  // namespace e2e
