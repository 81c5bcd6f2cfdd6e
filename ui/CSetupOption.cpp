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

constexpr int Tip(const char* key) { return EntryOf(kSystemTipNames, kNameFirstSystemTip, key); }

// One row per control: its id, the member bound to it, its tooltip key (name-table entry), and
// the setting it shows (the lists fill by their own rules).
template <class Control>
struct ControlRow {
  UINT id;
  Control CSetupOption::*control;
  int tipKey;
  int CRegistry::*setting = nullptr;
  int top = 0;            // a slider's range is 0 to top
  bool inverted = false;  // a box checked when its setting is 0
};

constexpr ControlRow<CComboBox> kLists[] = {
    {IDC_DEVICE, &CSetupOption::m_cmbDevice, Tip("Device")},
    {IDC_MODE, &CSetupOption::m_cmbMode, Tip("Mode")},
};
constexpr ControlRow<CButton> kBoxes[] = {
    {IDC_FULLSCREEN, &CSetupOption::m_chkFullScreen, Tip("FullScreen"), &CRegistry::m_nFullScreen},
    {IDC_MOUSE_EXCLUSIVE, &CSetupOption::m_chkMouseExclusive, Tip("MouseExclusive"),
     &CRegistry::m_nMouseExclusive},
    {IDC_BGM_ON, &CSetupOption::m_chkBgmOn, Tip("bgm"), &CRegistry::m_bBgmOn},
    {IDC_EFFECT_ON, &CSetupOption::m_chkEffectOn, Tip("sound"), &CRegistry::m_bSoundOn},
    {IDC_NO_SOUND, &CSetupOption::m_chkNoSound, Tip("NoSound"), &CRegistry::m_nSoundMode, 0, true},
};
constexpr ControlRow<CSliderCtrl> kSliders[] = {
    {IDC_SPRITE, &CSetupOption::m_sldSprite, Tip("Sprite"), &CRegistry::m_nSpriteMode, 2},
    {IDC_TEXTURE, &CSetupOption::m_sldTexture, Tip("Texture"), &CRegistry::m_nTextureMode, 2},
    {IDC_BGM_VOLUME, &CSetupOption::m_sldBgmVolume, Tip("Bgm_Volume"), &CRegistry::m_nBgmVolume,
     127},
    {IDC_EFFECT_VOLUME, &CSetupOption::m_sldEffectVolume, Tip("Effect_Volume"),
     &CRegistry::m_nEffectVolume, 127},
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
  for (const auto& row : kLists) DDX_Control(dx, row.id, this->*row.control);
  for (const auto& row : kBoxes) DDX_Control(dx, row.id, this->*row.control);
  for (const auto& row : kSliders) DDX_Control(dx, row.id, this->*row.control);
}

void CSetupOption::InitControls() {
  const CRegistry& r = Settings();
  FillDeviceList();
  UseChosenDevice();
  for (const auto& row : kBoxes) {
    const int value = r.*row.setting;
    (this->*row.control).SetCheck(!row.inverted ? value : value == 0 ? BST_CHECKED : BST_UNCHECKED);
  }
  for (const auto& row : kSliders) {
    (this->*row.control).SetRange(0, row.top, true);
    (this->*row.control).SetPos(r.*row.setting);
  }
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
  CreateToolTip();
  for (const auto& row : kLists) AddToolTip(row.id, row.tipKey);
  for (const auto& row : kBoxes) AddToolTip(row.id, row.tipKey);
  for (const auto& row : kSliders) AddToolTip(row.id, row.tipKey);
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

void CSetupOption::OnFullScreenClicked() { StoreCheck(IDC_FULLSCREEN); }
void CSetupOption::OnMouseExclusiveClicked() { StoreCheck(IDC_MOUSE_EXCLUSIVE); }
void CSetupOption::OnBgmOnClicked() { StoreCheck(IDC_BGM_ON); }
void CSetupOption::OnEffectOnClicked() { StoreCheck(IDC_EFFECT_ON); }
// Only the mode changes: the volumes and the two "ON" boxes keep working and keep their values.
void CSetupOption::OnNoSoundClicked() { StoreCheck(IDC_NO_SOUND); }

void CSetupOption::StoreCheck(UINT id) {
  for (const auto& row : kBoxes) {
    if (row.id != id)
      continue;
    const int check = (this->*row.control).GetCheck();
    Settings().*row.setting = !row.inverted ? check : check == BST_CHECKED ? 0 : 1;
  }
}

void CSetupOption::OnSliderReleased(NMHDR* header, LRESULT* result) {
  StoreSliderPosition(header->hwndFrom);
  *result = 0;
}

// A slider moved with the keyboard reports only here (TB_LINEDOWN, TB_PAGEUP, ...), never
// with NM_RELEASEDCAPTURE, so its position is stored whatever moved it.
void CSetupOption::OnHScroll(UINT, UINT, HWND bar) { StoreSliderPosition(bar); }

void CSetupOption::StoreSliderPosition(HWND slider) {
  for (const auto& row : kSliders) {
    const CSliderCtrl& control = this->*row.control;
    if (slider && control.m_hWnd == slider)
      Settings().*row.setting = control.GetPos();
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
