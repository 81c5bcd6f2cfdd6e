// CSetupCMD: the Option page's 21 switches.
#include "ui/CSetupCMD.h"

#include "settings/NameTable.h"
#include "ui/resource.h"

// Switch i, as in m_aCmdOnOff and the name table ("/notrade" is 13 + 0, its tip 51 + 0).
const UINT kSwitchBoxIds[kCmdSwitchCount] = {
    IDC_CMD_NOTRADE,    IDC_CMD_NOSHIFT,  IDC_CMD_NOCTRL,   IDC_CMD_SKILLFAIL, IDC_CMD_NOTALKMSG,
    IDC_CMD_NOTALKMSG2, IDC_CMD_SHOWNAME, IDC_CMD_FOG,      IDC_CMD_AURA,      IDC_CMD_WINDOW,
    IDC_CMD_MISS,       IDC_CMD_EFFECT,   IDC_CMD_SHOPPING, IDC_CMD_STATEINFO, IDC_CMD_LOGINOUT,
    IDC_CMD_SNAP,       IDC_CMD_ITEMSNAP, IDC_CMD_CAMERA,   IDC_CMD_HOAI,      IDC_CMD_MERAI,
    IDC_CMD_LIGHTMAP};

namespace {
CButton CSetupCMD::*const kSwitchBoxes[kCmdSwitchCount] = {
    &CSetupCMD::m_chkNotrade,   &CSetupCMD::m_chkNoshift,   &CSetupCMD::m_chkNoctrl,
    &CSetupCMD::m_chkSkillfail, &CSetupCMD::m_chkNotalkmsg, &CSetupCMD::m_chkNotalkmsg2,
    &CSetupCMD::m_chkShowname,  &CSetupCMD::m_chkFog,       &CSetupCMD::m_chkAura,
    &CSetupCMD::m_chkWindow,    &CSetupCMD::m_chkMiss,      &CSetupCMD::m_chkEffect,
    &CSetupCMD::m_chkShopping,  &CSetupCMD::m_chkStateinfo, &CSetupCMD::m_chkLoginout,
    &CSetupCMD::m_chkSnap,      &CSetupCMD::m_chkItemsnap,  &CSetupCMD::m_chkCamera,
    &CSetupCMD::m_chkHoai,      &CSetupCMD::m_chkMerai,     &CSetupCMD::m_chkLightmap};
}  // namespace

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
const SkinLook kOptionLook = {IDB_OPTION_BACK, 25, true};
}  // namespace

CSetupCMD::CSetupCMD() : CSkinPage(IDD_OPTION_PAGE, kOptionLook) {}

CButton& CSetupCMD::SwitchBox(int i) { return this->*kSwitchBoxes[i]; }

void CSetupCMD::DoDataExchange(CDataExchange* dx) {
  CSkinPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_CMD_NOTALKMSG2, m_chkNotalkmsg2);
  DDX_Control(dx, IDC_CMD_NOTALKMSG, m_chkNotalkmsg);
  DDX_Control(dx, IDC_CMD_LIGHTMAP, m_chkLightmap);
  DDX_Control(dx, IDC_CMD_MERAI, m_chkMerai);
  DDX_Control(dx, IDC_CMD_HOAI, m_chkHoai);
  DDX_Control(dx, IDC_CMD_CAMERA, m_chkCamera);
  DDX_Control(dx, IDC_CMD_ITEMSNAP, m_chkItemsnap);
  DDX_Control(dx, IDC_CMD_SNAP, m_chkSnap);
  DDX_Control(dx, IDC_CMD_LOGINOUT, m_chkLoginout);
  DDX_Control(dx, IDC_CMD_STATEINFO, m_chkStateinfo);
  DDX_Control(dx, IDC_CMD_SHOPPING, m_chkShopping);
  DDX_Control(dx, IDC_CMD_EFFECT, m_chkEffect);
  DDX_Control(dx, IDC_CMD_MISS, m_chkMiss);
  DDX_Control(dx, IDC_CMD_WINDOW, m_chkWindow);
  DDX_Control(dx, IDC_CMD_AURA, m_chkAura);
  DDX_Control(dx, IDC_CMD_FOG, m_chkFog);
  DDX_Control(dx, IDC_CMD_SHOWNAME, m_chkShowname);
  DDX_Control(dx, IDC_CMD_SKILLFAIL, m_chkSkillfail);
  DDX_Control(dx, IDC_CMD_NOCTRL, m_chkNoctrl);
  DDX_Control(dx, IDC_CMD_NOSHIFT, m_chkNoshift);
  DDX_Control(dx, IDC_CMD_NOTRADE, m_chkNotrade);
}

void CSetupCMD::InitControls() {
  const CRegistry& r = *CRegistry::GetInstance();
  for (int i = 0; i < kCmdSwitchCount; ++i) SwitchBox(i).SetCheck(r.m_aCmdOnOff[i]);
}

void CSetupCMD::InitToolTips() {
  CreateToolTips(kSwitchBoxIds, kCmdSwitchCount, kNameFirstSwitchTip);
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
