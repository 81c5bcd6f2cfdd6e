// The program's version, for its version resource and the release's file names. The number
// and the text say the same version: change both.
#pragma once

#define TESSARIL_VERSION 1, 0, 0, 0
#define TESSARIL_VERSION_TEXT "1.0.0"
