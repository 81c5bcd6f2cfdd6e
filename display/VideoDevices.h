// The Direct3D devices that can render, each with its usable display modes, sorted.
#pragma once

#include <d3d.h>
#include <ddraw.h>
#include <windows.h>

// Record layouts the device list depends on: DirectX 7's, whose surface description holds a
// pointer (lpSurface) and so grows on 64-bit Windows.
static_assert(sizeof(DDCAPS) == 380, "DDCAPS must be the DirectX 7 layout");
#ifdef _WIN64
static_assert(sizeof(DDSURFACEDESC2) == 136, "DDSURFACEDESC2 layout");
#else
static_assert(sizeof(DDSURFACEDESC2) == 124, "DDSURFACEDESC2 layout");
#endif
static_assert(sizeof(D3DDEVICEDESC7) == 236, "D3DDEVICEDESC7 layout");

const DWORD kVideoDeviceCapacity = 20;
const int kEnumNoDevice = static_cast<int>(0x81000002);      // no Direct3D device reported
const int kEnumNoneAccepted = static_cast<int>(0x81000003);  // reported, none accepted
// Longest description kept; the rest of the 40-byte field stays NUL.
const size_t kVideoDescriptionLength = 38;

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

// Fills the list once per run; 0, kEnumNoDevice or kEnumNoneAccepted.
int EnumerateVideoDevices(VideoDeviceConfirm confirm);
// The first entry of the list, also when it is empty; valid below GetVideoDeviceCount.
VideoDeviceEntry* GetVideoDevices();
DWORD GetVideoDeviceCount();
// Frees the mode arrays of the accepted entries.
void ReleaseVideoDevices();
int AcceptAllDevices(DDCAPS* driverCaps, D3DDEVICEDESC7* deviceDesc);

// The rules that the defaults and the System page share about the list.
// The hardware device at a position among the hardware devices alone (0 is the first), or
// null: software devices are never offered, so the System page's positions skip them.
const VideoDeviceEntry* FindHardwareDevice(int position);
// The one colour depth of the modes offered and chosen by default: 32 bits on 6.2, which is
// what Windows 8 and later report to a program that lists no supported versions; else 16.
DWORD ModeDepthForVersion(DWORD osMajor, DWORD osMinor);

// The callbacks that DirectDraw and Direct3D call during EnumerateVideoDevices.
BOOL WINAPI OnDirectDrawDriver(GUID* guid, LPSTR description, LPSTR name, LPVOID context,
                               HMONITOR monitor);
HRESULT WINAPI OnDisplayMode(LPDDSURFACEDESC2 mode, LPVOID driverRecord);
HRESULT WINAPI OnDirect3DDevice(LPSTR description, LPSTR name, LPD3DDEVICEDESC7 desc,
                                LPVOID driverRecord);
// qsort order of modes: width, then height, then bits per pixel, all ascending.
int CompareDisplayModes(const void* left, const void* right);

// The one platform seam: ddraw.dll's entry points, loaded on first use.
// Tests replace them with scripted drivers before enumerating.
struct DirectDrawEntryPoints {
  HRESULT(WINAPI* enumerateExA)(LPDDENUMCALLBACKEXA callback, LPVOID context, DWORD flags);
  HRESULT(WINAPI* createEx)(GUID* guid, LPVOID* dd, REFIID iid, IUnknown* outer);
};
extern DirectDrawEntryPoints g_directDraw;
