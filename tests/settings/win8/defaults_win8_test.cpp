// The defaults under the version Windows 8 and later report to this program (6.2).
#include <gtest/gtest.h>

#include <vector>

#include "display/CFakeDirectDraw.h"
#include "display/VideoDevices.h"
#include "script/CScriptHost.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

namespace {

TEST(DefaultsOnWindows8, TheRealVersionSelects32BitModes) {
  CFakeDirectDraw::Install(
      {Driver(nullptr, "Primary Display Driver",
              {Mode(640, 480, 16), Mode(640, 480, 32), Mode(512, 768, 32), Mode(800, 600, 16)},
              {Device("Direct3D HAL", true, DDBD_16 | DDBD_32, 1)})});
  ASSERT_EQ(0, EnumerateVideoDevices(AcceptAllDevices));
  ASSERT_TRUE(CRegistry::CreateInstance());
  InitNameTable();
  SetClientDefaults(&g_scriptHost);
  CRegistry* r = CRegistry::GetInstance();
  r->ResetToDefaults();
  EXPECT_EQ(6u, r->m_dwOSMajor);
  EXPECT_EQ(2u, r->m_dwOSMinor);
  // At 32 bits 512x768 is listed first; at 16 bits 640 x 480 would be position 0.
  EXPECT_EQ(1, r->m_nModeIndex);
  EXPECT_EQ(16, r->m_nBitPerPixel);
  CRegistry::DestroyInstance();
  ReleaseVideoDevices();
}

}  // namespace
