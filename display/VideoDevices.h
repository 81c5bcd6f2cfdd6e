// The Direct3D devices that can render, each with its usable display modes, sorted.
#pragma once

#include <d3d.h>
#include <ddraw.h>
#include <windows.h>

// Record layouts the device list depends on.
static_assert(sizeof(DDCAPS) == 380, "DDCAPS must be the DirectX 7 layout");
static_assert(sizeof(DDSURFACEDESC2) == 124, "DDSURFACEDESC2 layout");
static_assert(sizeof(D3DDEVICEDESC7) == 236, "D3DDEVICEDESC7 layout");

const DWORD kVideoDeviceCapacity = 20;
const int kEnumNoDevice = static_cast<int>(0x81000002);      // no Direct3D device reported
const int kEnumNoneAccepted = static_cast<int>(0x81000003);  // reported, none accepted

struct VideoDeviceEntry {
  char description[40];  // NUL-terminated, at most 38 characters
  GUID* deviceGuidPtr;
  D3DDEVICEDESC7 deviceDesc;
  DWORD hardware;       // dwDevCaps & D3DDEVCAPS_HWRASTERIZATION
  GUID* driverGuidPtr;  // null for the primary display driver
  DDCAPS driverCaps;
  DDCAPS emulationCaps;
  DDSURFACEDESC2 defaultMode;  // the 640 x 480 x 16 mode, or all zero
  BOOL startWindowed;
  BOOL stereoSelected;
  GUID deviceGuid;
  GUID driverGuid;        // all zero for the primary display driver
  DDSURFACEDESC2* modes;  // owned until ReleaseVideoDevices
  DWORD modeCount;
  DWORD defaultModeIndex;
  BOOL windowCapable;
  BOOL anyStereoMode;
};

// A negative result rejects the device.
typedef int (*VideoDeviceConfirm)(DDCAPS* driverCaps, D3DDEVICEDESC7* deviceDesc);

int EnumerateVideoDevices(VideoDeviceConfirm confirm);
VideoDeviceEntry* GetVideoDevices();
DWORD GetVideoDeviceCount();
void ReleaseVideoDevices();
int AcceptAllDevices(DDCAPS* driverCaps, D3DDEVICEDESC7* deviceDesc);

// The one platform seam: ddraw.dll's entry points, loaded on first use.
// Tests replace them with scripted drivers before enumerating.
struct DirectDrawEntryPoints {
  HRESULT(WINAPI* enumerateExA)(LPDDENUMCALLBACKEXA callback, LPVOID context, DWORD flags);
  HRESULT(WINAPI* createEx)(GUID* guid, LPVOID* dd, REFIID iid, IUnknown* outer);
};
extern DirectDrawEntryPoints g_directDraw;
