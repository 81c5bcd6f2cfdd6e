// CSetupCMD: the Option page's 21 switches.
#include "ui/CSetupCMD.h"

#include "settings/NameTable.h"
#include "ui/resource.h"

// Switch i, as in m_aCmdOnOff and kSwitchNames.
const SwitchBinding kSwitchBoxes[kCmdSwitchCount] = {
    {IDC_CMD_NOTRADE, &CSetupCMD::m_chkNotrade},
    {IDC_CMD_NOSHIFT, &CSetupCMD::m_chkNoshift},
    {IDC_CMD_NOCTRL, &CSetupCMD::m_chkNoctrl},
    {IDC_CMD_SKILLFAIL, &CSetupCMD::m_chkSkillfail},
    {IDC_CMD_NOTALKMSG, &CSetupCMD::m_chkNotalkmsg},
    {IDC_CMD_NOTALKMSG2, &CSetupCMD::m_chkNotalkmsg2},
    {IDC_CMD_SHOWNAME, &CSetupCMD::m_chkShowname},
    {IDC_CMD_FOG, &CSetupCMD::m_chkFog},
    {IDC_CMD_AURA, &CSetupCMD::m_chkAura},
    {IDC_CMD_WINDOW, &CSetupCMD::m_chkWindow},
    {IDC_CMD_MISS, &CSetupCMD::m_chkMiss},
    {IDC_CMD_EFFECT, &CSetupCMD::m_chkEffect},
    {IDC_CMD_SHOPPING, &CSetupCMD::m_chkShopping},
    {IDC_CMD_STATEINFO, &CSetupCMD::m_chkStateinfo},
    {IDC_CMD_LOGINOUT, &CSetupCMD::m_chkLoginout},
    {IDC_CMD_SNAP, &CSetupCMD::m_chkSnap},
    {IDC_CMD_ITEMSNAP, &CSetupCMD::m_chkItemsnap},
    {IDC_CMD_CAMERA, &CSetupCMD::m_chkCamera},
    {IDC_CMD_HOAI, &CSetupCMD::m_chkHoai},
    {IDC_CMD_MERAI, &CSetupCMD::m_chkMerai},
    {IDC_CMD_LIGHTMAP, &CSetupCMD::m_chkLightmap},
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

CButton& CSetupCMD::SwitchBox(int i) { return this->*kSwitchBoxes[i].box; }

void CSetupCMD::DoDataExchange(CDataExchange* dx) {
  CSkinPage::DoDataExchange(dx);
  for (const SwitchBinding& binding : kSwitchBoxes) DDX_Control(dx, binding.id, this->*binding.box);
}

void CSetupCMD::InitControls() {
  const CRegistry& r = *CRegistry::GetInstance();
  for (int i = 0; i < kCmdSwitchCount; ++i) SwitchBox(i).SetCheck(r.m_aCmdOnOff[i]);
}

void CSetupCMD::InitToolTips() {
  CreateToolTip();
  for (int i = 0; i < kCmdSwitchCount; ++i) AddToolTip(kSwitchBoxes[i].id, kNameFirstSwitchTip + i);
}

void CSetupCMD::StoreSwitch(int i) {
  CRegistry::GetInstance()->m_aCmdOnOff[i] = SwitchBox(i).GetCheck();
}

void CSetupCMD::OnNotradeClicked() { StoreSwitch(0); }
void CSetupCMD::OnNoshiftClicked() { StoreSwitch(1); }
void CSetupCMD::OnNoctrlClicked() { StoreSwitch(2); }
void CSetupCMD::OnSkillfailClicked() { StoreSwitch(3); }
void CSetupCMD::OnNotalkmsgClicked() { StoreSwitch(4); }
void CSetupCMD::OnNotalkmsg2Clicked() { StoreSwitch(5); }
void CSetupCMD::OnShownameClicked() { StoreSwitch(6); }
void CSetupCMD::OnFogClicked() { StoreSwitch(7); }
void CSetupCMD::OnAuraClicked() { StoreSwitch(8); }
void CSetupCMD::OnWindowClicked() { StoreSwitch(9); }
void CSetupCMD::OnMissClicked() { StoreSwitch(10); }
void CSetupCMD::OnEffectClicked() { StoreSwitch(11); }
void CSetupCMD::OnShoppingClicked() { StoreSwitch(12); }
void CSetupCMD::OnStateinfoClicked() { StoreSwitch(13); }
void CSetupCMD::OnLoginoutClicked() { StoreSwitch(14); }
void CSetupCMD::OnSnapClicked() { StoreSwitch(15); }
void CSetupCMD::OnItemsnapClicked() { StoreSwitch(16); }
void CSetupCMD::OnCameraClicked() { StoreSwitch(17); }
void CSetupCMD::OnHoaiClicked() { StoreSwitch(18); }
void CSetupCMD::OnMeraiClicked() { StoreSwitch(19); }
void CSetupCMD::OnLightmapClicked() { StoreSwitch(20); }
