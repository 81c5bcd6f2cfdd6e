// Which display modes the System page lists, and its first-run default.
#include <gtest/gtest.h>

#include <vector>

#include "display/ModeRules.h"

namespace {

DDSURFACEDESC2 Mode(DWORD width, DWORD height, DWORD depth) {
  DDSURFACEDESC2 mode = {};
  mode.dwSize = sizeof(mode);
  mode.dwWidth = width;
  mode.dwHeight = height;
  mode.ddpfPixelFormat.dwRGBBitCount = depth;
  return mode;
}

VideoDeviceEntry Device(std::vector<DDSURFACEDESC2>& modes) {
  VideoDeviceEntry device = {};
  device.hardware = 1;
  device.modes = modes.data();
  device.modeCount = static_cast<DWORD>(modes.size());
  return device;
}

TEST(OfferedModes, HeightsFrom480To1440AndWidthsUpTo2048) {
  EXPECT_TRUE(IsOfferedMode(Mode(640, 480, 16), 16));
  EXPECT_TRUE(IsOfferedMode(Mode(2048, 1440, 16), 16));
  EXPECT_TRUE(IsOfferedMode(Mode(320, 480, 16), 16));  // no lower bound on the width
  EXPECT_FALSE(IsOfferedMode(Mode(800, 400, 16), 16));
  EXPECT_FALSE(IsOfferedMode(Mode(640, 479, 16), 16));
  EXPECT_FALSE(IsOfferedMode(Mode(1280, 1600, 16), 16));
  EXPECT_FALSE(IsOfferedMode(Mode(2560, 1440, 16), 16));
  EXPECT_FALSE(IsOfferedMode(Mode(2049, 1200, 16), 16));
  // The defaults' count has no upper bound.
  EXPECT_TRUE(CountsTowardDefaultPosition(Mode(1280, 1600, 16), 16));
  EXPECT_TRUE(CountsTowardDefaultPosition(Mode(2560, 1440, 16), 16));
  EXPECT_FALSE(CountsTowardDefaultPosition(Mode(800, 400, 16), 16));
}

TEST(OfferedModes, OnlyThirtyTwoBitsOnSixTwoAndOnlySixteenElsewhere) {
  EXPECT_EQ(32u, ModeDepthForVersion(6, 2));
  const DWORD others[][2] = {{6, 1}, {10, 0}, {6, 3}, {5, 1}, {0, 0}};
  for (const auto& v : others)
    EXPECT_EQ(16u, ModeDepthForVersion(v[0], v[1])) << v[0] << "." << v[1];
  EXPECT_TRUE(IsOfferedMode(Mode(1024, 768, 32), 32));
  EXPECT_FALSE(IsOfferedMode(Mode(1024, 768, 16), 32));
  EXPECT_FALSE(IsOfferedMode(Mode(1024, 768, 32), 16));
  EXPECT_FALSE(CountsTowardDefaultPosition(Mode(1024, 768, 32), 16));
}

TEST(OfferedModes, ListsInTheDeviceOrderAndSkipsTheRest) {
  std::vector<DDSURFACEDESC2> modes = {
      Mode(640, 480, 8),  Mode(640, 480, 16),  Mode(800, 400, 16),   Mode(800, 600, 16),
      Mode(800, 600, 32), Mode(1024, 768, 16), Mode(1280, 1600, 16), Mode(2560, 1440, 16)};
  VideoDeviceEntry device = Device(modes);
  ListedMode table[kListedModeCapacity];
  ASSERT_EQ(3, ListOfferedModes(device, 16, table, kListedModeCapacity));
  EXPECT_EQ(640, table[0].width);
  EXPECT_EQ(800, table[1].width);
  EXPECT_EQ(600, table[1].height);
  EXPECT_EQ(16, table[1].bitsPerPixel);
  EXPECT_EQ(1024, table[2].width);
  EXPECT_EQ(2, FirstRunModePosition(table, 3));
  ASSERT_EQ(1, ListOfferedModes(device, 32, table, kListedModeCapacity));
  EXPECT_EQ(32, table[0].bitsPerPixel);
  EXPECT_EQ(-1, FirstRunModePosition(table, 1));
}

// A device with more offered modes than the table holds: the extra ones are not listed and
// nothing lands past the table.
TEST(OfferedModes, AFortyFirstModeIsNotListed) {
  std::vector<DDSURFACEDESC2> modes;
  for (DWORD i = 0; i < 45; ++i) modes.push_back(Mode(600 + i, 480 + i, 16));
  VideoDeviceEntry device = Device(modes);
  ListedMode table[kListedModeCapacity + 1];
  table[kListedModeCapacity].width = -7;
  EXPECT_EQ(kListedModeCapacity, ListOfferedModes(device, 16, table, kListedModeCapacity));
  EXPECT_EQ(639, table[kListedModeCapacity - 1].width);
  EXPECT_EQ(-7, table[kListedModeCapacity].width);
}

TEST(OfferedModes, TheDefaultIsTheFirst1024By768WhateverTheDepth) {
  ListedMode table[3];
  table[0] = {1024, 600, 16};
  table[1] = {1024, 768, 32};
  table[2] = {1024, 768, 16};
  EXPECT_EQ(1, FirstRunModePosition(table, 3));
  EXPECT_EQ(-1, FirstRunModePosition(table, 1));  // only the listed entries count
  EXPECT_EQ(-1, FirstRunModePosition(table, 0));
}

}  // namespace
