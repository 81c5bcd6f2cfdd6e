// CSetupCMD: the Option page's 21 switches.
#include "ui/CSetupCMD.h"

#include "settings/NameTable.h"
#include "ui/resource.h"

// The row of the box that stores the switch of `command`.
static constexpr SwitchRow Switch(UINT id, CButton CSetupCMD::*box, const char* command) {
  const int i = EntryOf(kSwitchNames, 0, command);
  return {id, box, i, kNameFirstSwitch + i, kNameFirstSwitchTip + i};
}

// Its length is the header's: a switch left out does not compile.
constexpr SwitchRow kSwitchRows[] = {
    Switch(IDC_CMD_NOTRADE, &CSetupCMD::m_chkNotrade, "/notrade"),
    Switch(IDC_CMD_NOSHIFT, &CSetupCMD::m_chkNoshift, "/noshift"),
    Switch(IDC_CMD_NOCTRL, &CSetupCMD::m_chkNoctrl, "/noctrl"),
    Switch(IDC_CMD_SKILLFAIL, &CSetupCMD::m_chkSkillfail, "/skillfail"),
    Switch(IDC_CMD_NOTALKMSG, &CSetupCMD::m_chkNotalkmsg, "/notalkmsg"),
    Switch(IDC_CMD_NOTALKMSG2, &CSetupCMD::m_chkNotalkmsg2, "/notalkmsg2"),
    Switch(IDC_CMD_SHOWNAME, &CSetupCMD::m_chkShowname, "/showname"),
    Switch(IDC_CMD_FOG, &CSetupCMD::m_chkFog, "/fog"),
    Switch(IDC_CMD_AURA, &CSetupCMD::m_chkAura, "/aura"),
    Switch(IDC_CMD_WINDOW, &CSetupCMD::m_chkWindow, "/window"),
    Switch(IDC_CMD_MISS, &CSetupCMD::m_chkMiss, "/miss"),
    Switch(IDC_CMD_EFFECT, &CSetupCMD::m_chkEffect, "/effect"),
    Switch(IDC_CMD_SHOPPING, &CSetupCMD::m_chkShopping, "/shopping"),
    Switch(IDC_CMD_STATEINFO, &CSetupCMD::m_chkStateinfo, "/stateinfo"),
    Switch(IDC_CMD_LOGINOUT, &CSetupCMD::m_chkLoginout, "/loginout"),
    Switch(IDC_CMD_SNAP, &CSetupCMD::m_chkSnap, "/snap"),
    Switch(IDC_CMD_ITEMSNAP, &CSetupCMD::m_chkItemsnap, "/itemsnap"),
    Switch(IDC_CMD_CAMERA, &CSetupCMD::m_chkCamera, "/camera"),
    Switch(IDC_CMD_HOAI, &CSetupCMD::m_chkHoai, "/hoai"),
    Switch(IDC_CMD_MERAI, &CSetupCMD::m_chkMerai, "/merai"),
    Switch(IDC_CMD_LIGHTMAP, &CSetupCMD::m_chkLightmap, "/lightmap"),
};

IMPLEMENT_DYNCREATE(CSetupCMD, CSkinPage)

BEGIN_MESSAGE_MAP(CSetupCMD, CSkinPage)
ON_BN_CLICKED(IDC_CMD_NOTRADE, &CSetupCMD::OnNotradeClicked)
ON_BN_CLICKED(IDC_CMD_NOSHIFT, &CSetupCMD::OnNoshiftClicked)
ON_BN_CLICKED(IDC_CMD_NOCTRL, &CSetupCMD::OnNoctrlClicked)
ON_BN_CLICKED(IDC_CMD_SKILLFAIL, &CSetupCMD::OnSkillfailClicked)
ON_BN_CLICKED(IDC_CMD_NOTALKMSG, &CSetupCMD::OnNotalkmsgClicked)
ON_BN_CLICKED(IDC_CMD_NOTALKMSG2, &CSetupCMD::OnNotalkmsg2Clicked)
ON_BN_CLICKED(IDC_CMD_SHOWNAME, &CSetupCMD::OnShownameClicked)
ON_BN_CLICKED(IDC_CMD_FOG, &CSetupCMD::OnFogClicked)
ON_BN_CLICKED(IDC_CMD_AURA, &CSetupCMD::OnAuraClicked)
ON_BN_CLICKED(IDC_CMD_WINDOW, &CSetupCMD::OnWindowClicked)
ON_BN_CLICKED(IDC_CMD_MISS, &CSetupCMD::OnMissClicked)
ON_BN_CLICKED(IDC_CMD_EFFECT, &CSetupCMD::OnEffectClicked)
ON_BN_CLICKED(IDC_CMD_SHOPPING, &CSetupCMD::OnShoppingClicked)
ON_BN_CLICKED(IDC_CMD_STATEINFO, &CSetupCMD::OnStateinfoClicked)
ON_BN_CLICKED(IDC_CMD_LOGINOUT, &CSetupCMD::OnLoginoutClicked)
ON_BN_CLICKED(IDC_CMD_SNAP, &CSetupCMD::OnSnapClicked)
ON_BN_CLICKED(IDC_CMD_ITEMSNAP, &CSetupCMD::OnItemsnapClicked)
ON_BN_CLICKED(IDC_CMD_CAMERA, &CSetupCMD::OnCameraClicked)
ON_BN_CLICKED(IDC_CMD_HOAI, &CSetupCMD::OnHoaiClicked)
ON_BN_CLICKED(IDC_CMD_MERAI, &CSetupCMD::OnMeraiClicked)
ON_BN_CLICKED(IDC_CMD_LIGHTMAP, &CSetupCMD::OnLightmapClicked)
ON_WM_PAINT()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

namespace {
// The picture's artwork stands at its left, 25 pixels in from the page's edge; the boxes'
// texts are drawn straight onto the white.
const SkinLook kOptionLook = {IDB_OPTION_BACK, IDR_OPTION_BACK_200, 25, true};
}  // namespace

CSetupCMD::CSetupCMD(UINT templateId) : CSkinPage(templateId, kOptionLook) {}

void CSetupCMD::DoDataExchange(CDataExchange* dx) {
  CSkinPage::DoDataExchange(dx);
  for (const SwitchRow& row : kSwitchRows) DDX_Control(dx, row.id, this->*row.box);
}

void CSetupCMD::InitControls() {
  const CRegistry& r = *CRegistry::GetInstance();
  for (const SwitchRow& row : kSwitchRows) (this->*row.box).SetCheck(r.m_aCmdOnOff[row.cmdSwitch]);
}

void CSetupCMD::InitToolTips() {
  CreateToolTip();
  for (const SwitchRow& row : kSwitchRows) AddToolTip(row.id, row.tipKey);
}

void CSetupCMD::StoreSwitch(UINT id) {
  for (const SwitchRow& row : kSwitchRows) {
    if (row.id == id)
      CRegistry::GetInstance()->m_aCmdOnOff[row.cmdSwitch] = (this->*row.box).GetCheck();
  }
}

void CSetupCMD::OnNotradeClicked() { StoreSwitch(IDC_CMD_NOTRADE); }
void CSetupCMD::OnNoshiftClicked() { StoreSwitch(IDC_CMD_NOSHIFT); }
void CSetupCMD::OnNoctrlClicked() { StoreSwitch(IDC_CMD_NOCTRL); }
void CSetupCMD::OnSkillfailClicked() { StoreSwitch(IDC_CMD_SKILLFAIL); }
void CSetupCMD::OnNotalkmsgClicked() { StoreSwitch(IDC_CMD_NOTALKMSG); }
void CSetupCMD::OnNotalkmsg2Clicked() { StoreSwitch(IDC_CMD_NOTALKMSG2); }
void CSetupCMD::OnShownameClicked() { StoreSwitch(IDC_CMD_SHOWNAME); }
void CSetupCMD::OnFogClicked() { StoreSwitch(IDC_CMD_FOG); }
void CSetupCMD::OnAuraClicked() { StoreSwitch(IDC_CMD_AURA); }
void CSetupCMD::OnWindowClicked() { StoreSwitch(IDC_CMD_WINDOW); }
void CSetupCMD::OnMissClicked() { StoreSwitch(IDC_CMD_MISS); }
void CSetupCMD::OnEffectClicked() { StoreSwitch(IDC_CMD_EFFECT); }
void CSetupCMD::OnShoppingClicked() { StoreSwitch(IDC_CMD_SHOPPING); }
void CSetupCMD::OnStateinfoClicked() { StoreSwitch(IDC_CMD_STATEINFO); }
void CSetupCMD::OnLoginoutClicked() { StoreSwitch(IDC_CMD_LOGINOUT); }
void CSetupCMD::OnSnapClicked() { StoreSwitch(IDC_CMD_SNAP); }
void CSetupCMD::OnItemsnapClicked() { StoreSwitch(IDC_CMD_ITEMSNAP); }
void CSetupCMD::OnCameraClicked() { StoreSwitch(IDC_CMD_CAMERA); }
void CSetupCMD::OnHoaiClicked() { StoreSwitch(IDC_CMD_HOAI); }
void CSetupCMD::OnMeraiClicked() { StoreSwitch(IDC_CMD_MERAI); }
void CSetupCMD::OnLightmapClicked() { StoreSwitch(IDC_CMD_LIGHTMAP); }
