// The benchmark's baseline: only the platform's unavoidable work before the sheet shows, the
// same DirectDraw / Direct3D enumeration, then a property sheet of the same two templates.
#include <d3d.h>
#include <ddraw.h>
#include <windows.h>

#include <commctrl.h>

#include "ui/resource.h"

namespace {

typedef HRESULT(WINAPI* EnumerateExA)(LPDDENUMCALLBACKEXA, LPVOID, DWORD);
typedef HRESULT(WINAPI* CreateEx)(GUID*, LPVOID*, REFIID, IUnknown*);
CreateEx g_createEx = nullptr;

HRESULT WINAPI CountMode(DDSURFACEDESC2*, void* count) {
  ++*static_cast<int*>(count);
  return DDENUMRET_OK;
}

HRESULT WINAPI CountDevice(LPSTR, LPSTR, LPD3DDEVICEDESC7, LPVOID count) {
  ++*static_cast<int*>(count);
  return D3DENUMRET_OK;
}

BOOL WINAPI VisitDriver(GUID* guid, LPSTR, LPSTR, LPVOID, HMONITOR) {
  IDirectDraw7* dd = nullptr;
  if (FAILED(g_createEx(guid, reinterpret_cast<void**>(&dd), IID_IDirectDraw7, nullptr)))
    return TRUE;
  DDCAPS driver = {}, hel = {};
  driver.dwSize = hel.dwSize = sizeof(DDCAPS);
  dd->GetCaps(&driver, &hel);
  int modes = 0;
  dd->EnumDisplayModes(0, nullptr, &modes, CountMode);
  IDirect3D7* d3d = nullptr;
  if (SUCCEEDED(dd->QueryInterface(IID_IDirect3D7, reinterpret_cast<void**>(&d3d)))) {
    int devices = 0;
    d3d->EnumDevices(CountDevice, &devices);
    d3d->Release();
  }
  dd->Release();
  return TRUE;
}

void Enumerate() {
  HMODULE ddraw = LoadLibraryA("ddraw.dll");
  if (!ddraw)
    return;
  // Through void (*)(): GetProcAddress's generic pointer type would draw a cast warning.
  EnumerateExA enumerate = reinterpret_cast<EnumerateExA>(
      reinterpret_cast<void (*)()>(GetProcAddress(ddraw, "DirectDrawEnumerateExA")));
  g_createEx = reinterpret_cast<CreateEx>(
      reinterpret_cast<void (*)()>(GetProcAddress(ddraw, "DirectDrawCreateEx")));
  if (enumerate && g_createEx)
    enumerate(VisitDriver, nullptr, DDENUM_ATTACHEDSECONDARYDEVICES);
}

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  Enumerate();
  PROPSHEETPAGEA pages[2] = {};
  const WORD templates[2] = {IDD_SYSTEM_PAGE, IDD_OPTION_PAGE};
  for (int i = 0; i < 2; ++i) {
    pages[i].dwSize = sizeof(PROPSHEETPAGEA);
    pages[i].hInstance = instance;
    pages[i].pszTemplate = MAKEINTRESOURCEA(templates[i]);
    pages[i].pfnDlgProc = PageProc;
  }
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  header.hInstance = instance;
  header.pszCaption = "Tessaril Setup";
  header.nPages = 2;
  header.ppsp = pages;
  PropertySheetA(&header);
  return 0;
}
