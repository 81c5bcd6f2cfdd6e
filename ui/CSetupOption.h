// PLACEHOLDER until the System page is built.
#pragma once

struct ListedMode {
  int width = 640;
  int height = 480;
  int bitsPerPixel = 16;
};
const int kListedModeCapacity = 40;
extern ListedMode g_listedModes[kListedModeCapacity];

class CSetupOption {};
