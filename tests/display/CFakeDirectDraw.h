// CFakeDirectDraw: scripted DirectDraw drivers behind g_directDraw, for enumeration tests.
#pragma once

#include <string>
#include <vector>

#include "display/VideoDevices.h"

struct FakeMode {
  DWORD width;
  DWORD height;
  DWORD bits;
  DWORD caps2;  // ddsCaps.dwCaps2, e.g. DDSCAPS2_STEREOSURFACELEFT
};

struct FakeDevice {
  std::string description;
  std::string name;
  DWORD devCaps;       // D3DDEVCAPS_HWRASTERIZATION for a hardware rasteriser
  DWORD renderDepths;  // DDBD_16 | DDBD_24 | DDBD_32
  GUID guid;
};

struct FakeDriver {
  bool secondary;  // false: the primary display driver, reported with a null GUID
  GUID guid;
  std::string description;
  DWORD caps2;  // driver caps dwCaps2, e.g. DDCAPS2_CANRENDERWINDOWED
  std::vector<FakeMode> modes;
  std::vector<FakeDevice> devices;
  bool createFails;
  bool lacksDirect3D;
};

// One scripted driver object: the IDirectDraw7 it is opened as and the IDirect3D7 it hands out.
class CFakeDirectDraw : public IDirectDraw7, public IDirect3D7 {
 public:
  // Puts the scripted drivers behind g_directDraw, in the order DirectDraw reports them.
  static void Install(const std::vector<FakeDriver>& drivers);
  // Objects still referenced; 0 once enumeration released everything it opened.
  static int LiveObjects();
  static DWORD LastEnumerateFlags();
  static DWORD LastDisplayModeFlags();

  explicit CFakeDirectDraw(const FakeDriver& driver);

  // IUnknown, shared by both interfaces.
  STDMETHOD(QueryInterface)(REFIID iid, void** object) override;
  STDMETHOD_(ULONG, AddRef)() override;
  STDMETHOD_(ULONG, Release)() override;

  // IDirectDraw7: only what enumeration uses does anything.
  STDMETHOD(EnumDisplayModes)
  (DWORD flags, LPDDSURFACEDESC2 match, LPVOID context, LPDDENUMMODESCALLBACK2 callback) override;
  STDMETHOD(GetCaps)(LPDDCAPS driverCaps, LPDDCAPS emulationCaps) override;
  STDMETHOD(Compact)() override { return E_NOTIMPL; }
  STDMETHOD(CreateClipper)(DWORD, LPDIRECTDRAWCLIPPER*, IUnknown*) override { return E_NOTIMPL; }
  STDMETHOD(CreatePalette)(DWORD, LPPALETTEENTRY, LPDIRECTDRAWPALETTE*, IUnknown*) override {
    return E_NOTIMPL;
  }
  STDMETHOD(CreateSurface)(LPDDSURFACEDESC2, LPDIRECTDRAWSURFACE7*, IUnknown*) override {
    return E_NOTIMPL;
  }
  STDMETHOD(DuplicateSurface)(LPDIRECTDRAWSURFACE7, LPDIRECTDRAWSURFACE7*) override {
    return E_NOTIMPL;
  }
  STDMETHOD(EnumSurfaces)(DWORD, LPDDSURFACEDESC2, LPVOID, LPDDENUMSURFACESCALLBACK7) override {
    return E_NOTIMPL;
  }
  STDMETHOD(FlipToGDISurface)() override { return E_NOTIMPL; }
  STDMETHOD(GetDisplayMode)(LPDDSURFACEDESC2) override { return E_NOTIMPL; }
  STDMETHOD(GetFourCCCodes)(LPDWORD, LPDWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetGDISurface)(LPDIRECTDRAWSURFACE7*) override { return E_NOTIMPL; }
  STDMETHOD(GetMonitorFrequency)(LPDWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetScanLine)(LPDWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetVerticalBlankStatus)(WINBOOL*) override { return E_NOTIMPL; }
  STDMETHOD(Initialize)(GUID*) override { return E_NOTIMPL; }
  STDMETHOD(RestoreDisplayMode)() override { return E_NOTIMPL; }
  STDMETHOD(SetCooperativeLevel)(HWND, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(SetDisplayMode)(DWORD, DWORD, DWORD, DWORD, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(WaitForVerticalBlank)(DWORD, HANDLE) override { return E_NOTIMPL; }
  STDMETHOD(GetAvailableVidMem)(LPDDSCAPS2, LPDWORD, LPDWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetSurfaceFromDC)(HDC, LPDIRECTDRAWSURFACE7*) override { return E_NOTIMPL; }
  STDMETHOD(RestoreAllSurfaces)() override { return E_NOTIMPL; }
  STDMETHOD(TestCooperativeLevel)() override { return E_NOTIMPL; }
  STDMETHOD(GetDeviceIdentifier)(LPDDDEVICEIDENTIFIER2, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(StartModeTest)(LPSIZE, DWORD, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(EvaluateMode)(DWORD, DWORD*) override { return E_NOTIMPL; }

  // IDirect3D7
  STDMETHOD(EnumDevices)(LPD3DENUMDEVICESCALLBACK7 callback, void* context) override;
  STDMETHOD(CreateDevice)(REFCLSID, IDirectDrawSurface7*, IDirect3DDevice7**) override {
    return E_NOTIMPL;
  }
  STDMETHOD(CreateVertexBuffer)(D3DVERTEXBUFFERDESC*, IDirect3DVertexBuffer7**, DWORD) override {
    return E_NOTIMPL;
  }
  STDMETHOD(EnumZBufferFormats)(REFCLSID, LPD3DENUMPIXELFORMATSCALLBACK, void*) override {
    return E_NOTIMPL;
  }
  STDMETHOD(EvictManagedTextures)() override { return E_NOTIMPL; }

 private:
  virtual ~CFakeDirectDraw();

  static HRESULT WINAPI EnumerateExA(LPDDENUMCALLBACKEXA callback, LPVOID context, DWORD flags);
  static HRESULT WINAPI CreateEx(GUID* guid, LPVOID* object, REFIID iid, IUnknown* outer);

  const FakeDriver& m_driver;
  LONG m_references;
};

// Shorthands for scripts.
FakeMode Mode(DWORD width, DWORD height, DWORD bits, DWORD caps2 = 0);
FakeDevice Device(const std::string& name, bool hardware, DWORD renderDepths, BYTE guidTag,
                  const std::string& description = "Direct3D device");
FakeDriver Driver(const GUID* guid, const std::string& description, std::vector<FakeMode> modes,
                  std::vector<FakeDevice> devices);
// A GUID whose bytes all carry the tag, easy to tell apart in a test.
GUID TaggedGuid(BYTE tag);
