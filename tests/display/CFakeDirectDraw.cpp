// CFakeDirectDraw: replays the scripted drivers, modes and devices through the real callbacks.
#include "display/CFakeDirectDraw.h"

#include <string.h>

#include <utility>

namespace {

std::vector<FakeDriver> g_drivers;
int g_liveObjects;
DWORD g_enumerateFlags;
DWORD g_displayModeFlags;

bool IsDriver(const FakeDriver& driver, const GUID* guid) {
  if (!guid)
    return !driver.secondary;
  return driver.secondary && IsEqualGUID(driver.guid, *guid);
}

}  // namespace

void CFakeDirectDraw::Install(const std::vector<FakeDriver>& drivers) {
  g_drivers = drivers;
  g_directDraw.enumerateExA = &CFakeDirectDraw::EnumerateExA;
  g_directDraw.createEx = &CFakeDirectDraw::CreateEx;
}

int CFakeDirectDraw::LiveObjects() { return g_liveObjects; }
DWORD CFakeDirectDraw::LastEnumerateFlags() { return g_enumerateFlags; }
DWORD CFakeDirectDraw::LastDisplayModeFlags() { return g_displayModeFlags; }

CFakeDirectDraw::CFakeDirectDraw(const FakeDriver& driver) : m_driver(driver), m_references(1) {
  ++g_liveObjects;
}

CFakeDirectDraw::~CFakeDirectDraw() { --g_liveObjects; }

HRESULT WINAPI CFakeDirectDraw::EnumerateExA(LPDDENUMCALLBACKEXA callback, LPVOID context,
                                             DWORD flags) {
  g_enumerateFlags = flags;
  for (const FakeDriver& driver : g_drivers) {
    GUID guid = driver.guid;
    if (!callback(driver.secondary ? &guid : nullptr, const_cast<LPSTR>(driver.description.c_str()),
                  const_cast<LPSTR>("display"), context, nullptr))
      break;
  }
  return DD_OK;
}

HRESULT WINAPI CFakeDirectDraw::CreateEx(GUID* guid, LPVOID* object, REFIID iid, IUnknown*) {
  *object = nullptr;
  if (!IsEqualIID(iid, IID_IDirectDraw7))
    return DDERR_INVALIDPARAMS;
  for (const FakeDriver& driver : g_drivers) {
    if (!IsDriver(driver, guid))
      continue;
    if (driver.createFails)
      return DDERR_NODIRECTDRAWHW;
    *object = static_cast<IDirectDraw7*>(new CFakeDirectDraw(driver));
    return DD_OK;
  }
  return DDERR_INVALIDDIRECTDRAWGUID;
}

HRESULT CFakeDirectDraw::QueryInterface(REFIID iid, void** object) {
  *object = nullptr;
  if (IsEqualIID(iid, IID_IDirectDraw7) || IsEqualIID(iid, IID_IUnknown))
    *object = static_cast<IDirectDraw7*>(this);
  else if (IsEqualIID(iid, IID_IDirect3D7) && !m_driver.lacksDirect3D)
    *object = static_cast<IDirect3D7*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG CFakeDirectDraw::AddRef() { return ++m_references; }

ULONG CFakeDirectDraw::Release() {
  const LONG left = --m_references;
  if (left == 0)
    delete this;
  return left;
}

HRESULT CFakeDirectDraw::EnumDisplayModes(DWORD flags, LPDDSURFACEDESC2, LPVOID context,
                                          LPDDENUMMODESCALLBACK2 callback) {
  g_displayModeFlags = flags;
  for (const FakeMode& fake : m_driver.modes) {
    DDSURFACEDESC2 mode;
    memset(&mode, 0, sizeof(mode));
    mode.dwSize = sizeof(mode);
    mode.dwFlags = DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT;
    mode.dwWidth = fake.width;
    mode.dwHeight = fake.height;
    mode.ddpfPixelFormat.dwSize = sizeof(DDPIXELFORMAT);
    mode.ddpfPixelFormat.dwFlags = DDPF_RGB;
    mode.ddpfPixelFormat.dwRGBBitCount = fake.bits;
    mode.ddsCaps.dwCaps2 = fake.caps2;
    if (callback(&mode, context) != DDENUMRET_OK)
      break;
  }
  return DD_OK;
}

HRESULT CFakeDirectDraw::GetCaps(LPDDCAPS driverCaps, LPDDCAPS emulationCaps) {
  if (driverCaps) {
    const DWORD size = driverCaps->dwSize;
    memset(driverCaps, 0, size);
    driverCaps->dwSize = size;
    driverCaps->dwCaps2 = m_driver.caps2;
  }
  if (emulationCaps) {
    const DWORD size = emulationCaps->dwSize;
    memset(emulationCaps, 0, size);
    emulationCaps->dwSize = size;
    emulationCaps->dwCaps = DDCAPS_BLT;  // something to tell the two records apart
  }
  return DD_OK;
}

HRESULT CFakeDirectDraw::EnumDevices(LPD3DENUMDEVICESCALLBACK7 callback, void* context) {
  for (const FakeDevice& fake : m_driver.devices) {
    D3DDEVICEDESC7 desc;
    memset(&desc, 0, sizeof(desc));
    desc.dwDevCaps = fake.devCaps;
    desc.dwDeviceRenderBitDepth = fake.renderDepths;
    desc.deviceGUID = fake.guid;
    if (callback(const_cast<char*>(fake.description.c_str()), const_cast<char*>(fake.name.c_str()),
                 &desc, context) != D3DENUMRET_OK)
      break;
  }
  return D3D_OK;
}

FakeMode Mode(DWORD width, DWORD height, DWORD bits, DWORD caps2) {
  return FakeMode{width, height, bits, caps2};
}

FakeDevice Device(const std::string& name, bool hardware, DWORD renderDepths, BYTE guidTag,
                  const std::string& description) {
  return FakeDevice{description, name, hardware ? DWORD(D3DDEVCAPS_HWRASTERIZATION) : 0,
                    renderDepths, TaggedGuid(guidTag)};
}

FakeDriver Driver(const GUID* guid, const std::string& description, std::vector<FakeMode> modes,
                  std::vector<FakeDevice> devices) {
  return FakeDriver{guid != nullptr,  guid ? *guid : GUID(), description, 0,
                    std::move(modes), std::move(devices),    false,       false};
}

GUID TaggedGuid(BYTE tag) {
  GUID guid;
  memset(&guid, tag, sizeof(guid));
  return guid;
}
