// CSetupOption: the System page's controls, list fills and save confirmation.
#include "ui/CSetupOption.h"

#include <stdio.h>
#include <string.h>

#include "display/VideoDevices.h"
#include "script/CScriptHost.h"
#include "script/SavedOptionFile.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"
#include "ui/resource.h"

ListedMode g_listedModes[kListedModeCapacity];  // each 640 x 480 x 16 until listed
bool g_bAccepted = false;

namespace {
CRegistry& Settings() { return *CRegistry::GetInstance(); }

// Each slider and the setting that stores its position.
struct SliderBinding {
  CSliderCtrl CSetupOption::*slider;
  int CRegistry::*setting;
};
const SliderBinding kSliders[] = {
    {&CSetupOption::m_sldSprite, &CRegistry::m_nSpriteMode},
    {&CSetupOption::m_sldTexture, &CRegistry::m_nTextureMode},
    {&CSetupOption::m_sldBgmVolume, &CRegistry::m_nBgmVolume},
    {&CSetupOption::m_sldEffectVolume, &CRegistry::m_nEffectVolume},
};
}  // namespace

IMPLEMENT_DYNCREATE(CSetupOption, CSkinPage)

BEGIN_MESSAGE_MAP(CSetupOption, CSkinPage)
ON_BN_CLICKED(IDC_FULLSCREEN, &CSetupOption::OnFullScreenClicked)
ON_BN_CLICKED(IDC_MOUSE_EXCLUSIVE, &CSetupOption::OnMouseExclusiveClicked)
ON_BN_CLICKED(IDC_BGM_ON, &CSetupOption::OnBgmOnClicked)
ON_BN_CLICKED(IDC_EFFECT_ON, &CSetupOption::OnEffectOnClicked)
ON_BN_CLICKED(IDC_NO_SOUND, &CSetupOption::OnNoSoundClicked)
ON_NOTIFY(NM_RELEASEDCAPTURE, IDC_SPRITE, &CSetupOption::OnSliderReleased)
ON_NOTIFY(NM_RELEASEDCAPTURE, IDC_TEXTURE, &CSetupOption::OnSliderReleased)
ON_NOTIFY(NM_RELEASEDCAPTURE, IDC_BGM_VOLUME, &CSetupOption::OnSliderReleased)
ON_NOTIFY(NM_RELEASEDCAPTURE, IDC_EFFECT_VOLUME, &CSetupOption::OnSliderReleased)
ON_WM_HSCROLL()
ON_CBN_SELCHANGE(IDC_DEVICE, &CSetupOption::OnDeviceChanged)
ON_CBN_SELCHANGE(IDC_MODE, &CSetupOption::OnModeChanged)
ON_WM_PAINT()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

namespace {
const SkinLook kSystemLook = {IDB_SYSTEM_BACK, IDR_SYSTEM_BACK_200, 0, false};
}  // namespace

CSetupOption::CSetupOption(UINT templateId)
    : CSkinPage(templateId, kSystemLook), m_osVersion(), m_dwOSMajor(0), m_dwOSMinor(0) {}

void CSetupOption::DoDataExchange(CDataExchange* dx) {
  CSkinPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_EFFECT_ON, m_chkEffectOn);
  DDX_Control(dx, IDC_BGM_ON, m_chkBgmOn);
  DDX_Control(dx, IDC_EFFECT_VOLUME, m_sldEffectVolume);
  DDX_Control(dx, IDC_BGM_VOLUME, m_sldBgmVolume);
  DDX_Control(dx, IDC_TEXTURE, m_sldTexture);
  DDX_Control(dx, IDC_SPRITE, m_sldSprite);
  DDX_Control(dx, IDC_FULLSCREEN, m_chkFullScreen);
  DDX_Control(dx, IDC_MODE, m_cmbMode);
  DDX_Control(dx, IDC_DEVICE, m_cmbDevice);
  DDX_Control(dx, IDC_MOUSE_EXCLUSIVE, m_chkMouseExclusive);
  DDX_Control(dx, IDC_NO_SOUND, m_chkNoSound);
}

void CSetupOption::InitControls() {
  const CRegistry& r = Settings();
  FillDeviceList();
  UseChosenDevice();
  m_chkFullScreen.SetCheck(r.m_nFullScreen);
  m_chkMouseExclusive.SetCheck(r.m_nMouseExclusive);
  m_sldSprite.SetRange(0, 2, true);
  m_sldSprite.SetPos(r.m_nSpriteMode);
  m_sldTexture.SetRange(0, 2, true);
  m_sldTexture.SetPos(r.m_nTextureMode);
  m_sldBgmVolume.SetRange(0, 127, true);
  m_sldBgmVolume.SetPos(r.m_nBgmVolume);
  m_chkBgmOn.SetCheck(r.m_bBgmOn);
  m_sldEffectVolume.SetRange(0, 127, true);
  m_sldEffectVolume.SetPos(r.m_nEffectVolume);
  m_chkEffectOn.SetCheck(r.m_bSoundOn);
  m_chkNoSound.SetCheck(r.m_nSoundMode == 0 ? BST_CHECKED : BST_UNCHECKED);
}

void CSetupOption::FillDeviceList() {
  m_cmbDevice.ResetContent();
  for (int i = 0; const VideoDeviceEntry* device = FindHardwareDevice(i); ++i)
    m_cmbDevice.AddString(device->description);
  m_cmbDevice.SetCurSel(Settings().m_nDeviceIndex);
}

void CSetupOption::UseChosenDevice() {
  CRegistry& r = Settings();
  const VideoDeviceEntry* device = FindHardwareDevice(r.m_nDeviceIndex);
  if (device)
    r.TakeDeviceIdentity(*device);
  const int listed = FillModeList(device);
  ChooseFirstRunMode(listed);
  m_cmbMode.SetCurSel(r.m_nModeIndex);
}

int CSetupOption::FillModeList(const VideoDeviceEntry* device) {
  m_cmbMode.ResetContent();
  memset(&m_osVersion, 0, sizeof(m_osVersion));
  m_osVersion.dwOSVersionInfoSize = sizeof(m_osVersion);
  GetVersionExA(&m_osVersion);
  m_dwOSMajor = m_osVersion.dwMajorVersion;
  m_dwOSMinor = m_osVersion.dwMinorVersion;
  if (!device)
    return 0;
  const int listed = ListOfferedModes(*device, ModeDepthForVersion(m_dwOSMajor, m_dwOSMinor),
                                      g_listedModes, kListedModeCapacity);
  for (int i = 0; i < listed; ++i) {
    char text[64];
    snprintf(text, sizeof(text), "%d x %d x %d", g_listedModes[i].width, g_listedModes[i].height,
             g_listedModes[i].bitsPerPixel);
    m_cmbMode.AddString(text);
  }
  return listed;
}

// No resolution chosen yet: take the first-run mode when listed (the depth stays as it is).
void CSetupOption::ChooseFirstRunMode(int listed) {
  CRegistry& r = Settings();
  if (r.m_nWidth != 0 || r.m_nHeight != 0)
    return;
  const int choice = FirstRunModePosition(g_listedModes, listed);
  if (choice >= 0) {
    r.m_nModeIndex = choice;
    r.m_nWidth = g_listedModes[choice].width;
    r.m_nHeight = g_listedModes[choice].height;
  }
}

void CSetupOption::InitToolTips() {
  // In the order of kSystemTipNames.
  static const UINT kIds[] = {IDC_DEVICE, IDC_MODE,      IDC_FULLSCREEN, IDC_MOUSE_EXCLUSIVE,
                              IDC_SPRITE, IDC_TEXTURE,   IDC_BGM_VOLUME, IDC_EFFECT_VOLUME,
                              IDC_BGM_ON, IDC_EFFECT_ON, IDC_NO_SOUND};
  CreateToolTip();
  for (int i = 0; i < static_cast<int>(sizeof(kIds) / sizeof(kIds[0])); ++i)
    AddToolTip(kIds[i], kNameFirstSystemTip + i);
}

void CSetupOption::OnOK() {
  const int answer =
      MessageBoxA(m_hWnd, g_scriptHost.GetMessage("ISOK"), SETUP_CAPTION, MB_OKCANCEL);
  g_bAccepted = answer == IDOK;
  if (!g_bAccepted)
    return;
  // The option file is written into this folder after the sheet has closed.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(kSavedDataFolder, &found);
  if (search == INVALID_HANDLE_VALUE)
    CreateDirectoryA(kSavedDataFolder, nullptr);
  else
    FindClose(search);
}

void CSetupOption::OnFullScreenClicked() { Settings().m_nFullScreen = m_chkFullScreen.GetCheck(); }

void CSetupOption::OnMouseExclusiveClicked() {
  Settings().m_nMouseExclusive = m_chkMouseExclusive.GetCheck();
}

void CSetupOption::OnBgmOnClicked() { Settings().m_bBgmOn = m_chkBgmOn.GetCheck(); }

void CSetupOption::OnEffectOnClicked() { Settings().m_bSoundOn = m_chkEffectOn.GetCheck(); }

// Only the mode changes: the volumes and the two "ON" boxes keep working and keep their values.
void CSetupOption::OnNoSoundClicked() {
  Settings().m_nSoundMode = m_chkNoSound.GetCheck() == BST_CHECKED ? 0 : 1;
}

void CSetupOption::OnSliderReleased(NMHDR* header, LRESULT* result) {
  StoreSliderPosition(header->hwndFrom);
  *result = 0;
}

// A slider moved with the keyboard reports only here (TB_LINEDOWN, TB_PAGEUP, ...), never
// with NM_RELEASEDCAPTURE, so its position is stored whatever moved it.
void CSetupOption::OnHScroll(UINT, UINT, HWND bar) { StoreSliderPosition(bar); }

void CSetupOption::StoreSliderPosition(HWND slider) {
  for (const SliderBinding& binding : kSliders) {
    const CSliderCtrl& control = this->*binding.slider;
    if (slider && control.m_hWnd == slider)
      Settings().*binding.setting = control.GetPos();
  }
}

// The old mode position is kept and selected in the new list (no selection when it is
// shorter); width, height and depth stay those of the last mode chosen.
void CSetupOption::OnDeviceChanged() {
  const int selection = m_cmbDevice.GetCurSel();
  if (selection < 0)
    return;
  Settings().m_nDeviceIndex = selection;
  UseChosenDevice();
}

void CSetupOption::OnModeChanged() {
  const int selection = m_cmbMode.GetCurSel();
  // Without a selection there is no table entry to read.
  if (selection < 0 || selection >= kListedModeCapacity)
    return;
  CRegistry& r = Settings();
  r.m_nModeIndex = selection;
  r.m_nBitPerPixel = g_listedModes[selection].bitsPerPixel;
  r.m_nWidth = g_listedModes[selection].width;
  r.m_nHeight = g_listedModes[selection].height;
}
