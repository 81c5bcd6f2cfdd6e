// Enumeration of DirectDraw drivers, their display modes and their Direct3D devices.
#include "display/VideoDevices.h"

#include "display/ModeRules.h"
#include "framework/CComPtr.h"

#include <stdlib.h>
#include <string.h>

#include <new>

DirectDrawEntryPoints g_directDraw;

namespace {

const DWORD kEnumFlags =
    DDENUM_ATTACHEDSECONDARYDEVICES | DDENUM_DETACHEDSECONDARYDEVICES | DDENUM_NONDISPLAYDEVICES;
const DWORD kHardwareRasterization = D3DDEVCAPS_HWRASTERIZATION;  // 0x00080000
const DWORD kCanRenderWindowed = DDCAPS2_CANRENDERWINDOWED;       // 0x00080000
const DWORD kStereoSurfaceLeft = DDSCAPS2_STEREOSURFACELEFT;      // 0x00080000

VideoDeviceEntry g_devices[kVideoDeviceCapacity];
DWORD g_acceptedCount;
DWORD g_offeredCount;
VideoDeviceConfirm g_confirm;
// Where a device found once the list is full is examined, so that nothing lands past it.
VideoDeviceEntry g_overflow;

void CopyDescription(char* field, const char* text) {
  memset(field, 0, sizeof(VideoDeviceEntry::description));
  if (text)
    memcpy(field, text, strnlen(text, kVideoDescriptionLength));
}

// GetProcAddress hands out a generic pointer; casting through void (*)() keeps GCC quiet.
template <typename Function>
Function EntryPoint(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The exe does not import ddraw.dll, so a system without it just has no devices.
bool LoadDirectDraw() {
  if (g_directDraw.enumerateExA && g_directDraw.createEx)
    return true;
  HMODULE ddraw = LoadLibraryA("ddraw.dll");
  if (!ddraw)
    return false;
  g_directDraw.enumerateExA =
      EntryPoint<decltype(g_directDraw.enumerateExA)>(ddraw, "DirectDrawEnumerateExA");
  g_directDraw.createEx = EntryPoint<decltype(g_directDraw.createEx)>(ddraw, "DirectDrawCreateEx");
  return g_directDraw.enumerateExA && g_directDraw.createEx;
}

bool RendersDepth(const D3DDEVICEDESC7& desc, DWORD bits) {
  switch (bits) {
    case 32:
      return (desc.dwDeviceRenderBitDepth & DDBD_32) != 0;
    case 24:
      return (desc.dwDeviceRenderBitDepth & DDBD_24) != 0;
    case 16:
      return (desc.dwDeviceRenderBitDepth & DDBD_16) != 0;
    default:
      return false;
  }
}

// Copies the driver's modes that the device renders, keeping their order.
void KeepRenderableModes(VideoDeviceEntry& device, const VideoDeviceEntry& driver) {
  for (DWORD i = 0; i < driver.modeCount; ++i) {
    const DDSURFACEDESC2& mode = driver.modes[i];
    if (!RendersDepth(device.deviceDesc, mode.ddpfPixelFormat.dwRGBBitCount))
      continue;
    device.modes[device.modeCount++] = mode;
    if (mode.ddsCaps.dwCaps2 & kStereoSurfaceLeft)
      device.anyStereoMode = TRUE;
  }
}

void FreeModes(VideoDeviceEntry& entry) {
  delete[] entry.modes;
  entry.modes = nullptr;
  entry.modeCount = 0;
}

// Builds the candidate in place; false when it is to be rejected.
bool BuildCandidate(VideoDeviceEntry& candidate, LPSTR name, const D3DDEVICEDESC7& desc,
                    const VideoDeviceEntry& driver) {
  candidate.hardware = desc.dwDevCaps & kHardwareRasterization;
  candidate.deviceDesc = desc;
  candidate.windowCapable = driver.windowCapable;
  candidate.driverCaps = driver.driverCaps;
  candidate.emulationCaps = driver.emulationCaps;
  candidate.deviceGuid = desc.deviceGUID;
  candidate.deviceGuidPtr = &candidate.deviceGuid;
  candidate.modes = new (std::nothrow) DDSURFACEDESC2[driver.modeCount];
  if (!candidate.modes)
    return false;
  // A secondary driver's devices go by the driver's name, the primary's by their own.
  if (driver.driverGuidPtr) {
    candidate.driverGuid = driver.driverGuid;
    candidate.driverGuidPtr = &candidate.driverGuid;
    CopyDescription(candidate.description, driver.description);
  } else {
    CopyDescription(candidate.description, name);
  }
  if (candidate.driverGuidPtr && !candidate.hardware)
    return false;
  if (g_confirm && g_confirm(&candidate.driverCaps, &candidate.deviceDesc) < 0)
    return false;
  KeepRenderableModes(candidate, driver);
  if (candidate.modeCount == 0)
    return false;
  TakeDefaultMode(candidate);
  candidate.startWindowed = candidate.windowCapable;
  return true;
}

}  // namespace

int AcceptAllDevices(DDCAPS*, D3DDEVICEDESC7*) { return 0; }

int CompareDisplayModes(const void* left, const void* right) {
  const DDSURFACEDESC2* a = static_cast<const DDSURFACEDESC2*>(left);
  const DDSURFACEDESC2* b = static_cast<const DDSURFACEDESC2*>(right);
  if (a->dwWidth != b->dwWidth)
    return a->dwWidth < b->dwWidth ? -1 : 1;
  if (a->dwHeight != b->dwHeight)
    return a->dwHeight < b->dwHeight ? -1 : 1;
  const DWORD depthA = a->ddpfPixelFormat.dwRGBBitCount;
  const DWORD depthB = b->ddpfPixelFormat.dwRGBBitCount;
  if (depthA != depthB)
    return depthA < depthB ? -1 : 1;
  return 0;
}

HRESULT WINAPI OnDisplayMode(LPDDSURFACEDESC2 mode, LPVOID driverRecord) {
  VideoDeviceEntry* driver = static_cast<VideoDeviceEntry*>(driverRecord);
  DDSURFACEDESC2* grown = new (std::nothrow) DDSURFACEDESC2[driver->modeCount + 1];
  if (!grown)
    return DDENUMRET_CANCEL;  // keep what was gathered so far
  if (driver->modeCount)
    memcpy(grown, driver->modes, driver->modeCount * sizeof(DDSURFACEDESC2));
  delete[] driver->modes;
  grown[driver->modeCount] = *mode;
  driver->modes = grown;
  ++driver->modeCount;
  return DDENUMRET_OK;
}

HRESULT WINAPI OnDirect3DDevice(LPSTR, LPSTR name, LPD3DDEVICEDESC7 desc, LPVOID driverRecord) {
  const VideoDeviceEntry* driver = static_cast<const VideoDeviceEntry*>(driverRecord);
  ++g_offeredCount;
  const bool full = g_acceptedCount >= kVideoDeviceCapacity;
  VideoDeviceEntry& candidate = full ? g_overflow : g_devices[g_acceptedCount];
  ZeroMemory(&candidate, sizeof(candidate));
  const bool accepted = desc && BuildCandidate(candidate, name, *desc, *driver);
  if (!accepted || full) {
    FreeModes(candidate);
    return D3DENUMRET_OK;
  }
  ++g_acceptedCount;
  return D3DENUMRET_OK;
}

BOOL WINAPI OnDirectDrawDriver(GUID* guid, LPSTR description, LPSTR, LPVOID, HMONITOR) {
  CComPtr<IDirectDraw7> directDraw;
  if (FAILED(g_directDraw.createEx(guid, reinterpret_cast<LPVOID*>(directDraw.Receive()),
                                   IID_IDirectDraw7, nullptr)) ||
      !directDraw.Get())
    return TRUE;
  CComPtr<IDirect3D7> direct3D;
  if (FAILED(directDraw->QueryInterface(IID_IDirect3D7,
                                        reinterpret_cast<void**>(direct3D.Receive()))) ||
      !direct3D.Get())
    return TRUE;

  VideoDeviceEntry driver;
  ZeroMemory(&driver, sizeof(driver));
  CopyDescription(driver.description, description);
  driver.driverCaps.dwSize = sizeof(DDCAPS);
  driver.emulationCaps.dwSize = sizeof(DDCAPS);
  directDraw->GetCaps(&driver.driverCaps, &driver.emulationCaps);
  if (guid) {
    driver.driverGuid = *guid;
    driver.driverGuidPtr = &driver.driverGuid;
  }
  // Only the primary display driver can render into a window.
  driver.windowCapable = (driver.driverCaps.dwCaps2 & kCanRenderWindowed) && !driver.driverGuidPtr;

  // Flags 0: each size and pixel format once, not once per refresh rate.
  directDraw->EnumDisplayModes(0, nullptr, &driver, OnDisplayMode);
  if (driver.modeCount > 1)
    qsort(driver.modes, driver.modeCount, sizeof(DDSURFACEDESC2), CompareDisplayModes);
  direct3D->EnumDevices(OnDirect3DDevice, &driver);

  FreeModes(driver);
  return TRUE;
}

int EnumerateVideoDevices(VideoDeviceConfirm confirm) {
  g_confirm = confirm;
  if (LoadDirectDraw())
    g_directDraw.enumerateExA(OnDirectDrawDriver, nullptr, kEnumFlags);
  if (g_offeredCount == 0)
    return kEnumNoDevice;
  if (g_acceptedCount == 0)
    return kEnumNoneAccepted;
  return 0;
}

VideoDeviceEntry* GetVideoDevices() { return g_devices; }

DWORD GetVideoDeviceCount() { return g_acceptedCount; }

void ReleaseVideoDevices() {
  // The accepted count stays; each entry is left without modes, so a second release or a
  // late reader finds nothing to free or read.
  for (DWORD i = 0; i < g_acceptedCount; ++i) FreeModes(g_devices[i]);
}

const VideoDeviceEntry* FindHardwareDevice(int position) {
  int counted = 0;
  for (DWORD i = 0; i < g_acceptedCount; ++i) {
    if (!g_devices[i].hardware)
      continue;
    if (counted == position)
      return &g_devices[i];
    ++counted;
  }
  return nullptr;
}
