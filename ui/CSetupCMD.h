// CSetupCMD: the Option page, one check box per chat-command switch of the game client.
#pragma once

#include "framework/CButton.h"
#include "settings/CRegistry.h"
#include "ui/CSkinPage.h"
#include "ui/resource.h"

class CSetupCMD : public CSkinPage {
  DECLARE_DYNCREATE(CSetupCMD)

 public:
  // templateId: the page's template in the player's language (the Korean one by default).
  explicit CSetupCMD(UINT templateId = IDD_OPTION_PAGE);

  // Each box shows its switch exactly as stored.
  void InitControls() override;

  CButton m_chkNotalkmsg2;
  CButton m_chkNotalkmsg;
  CButton m_chkLightmap;
  CButton m_chkMerai;
  CButton m_chkHoai;
  CButton m_chkCamera;
  CButton m_chkItemsnap;
  CButton m_chkSnap;
  CButton m_chkLoginout;
  CButton m_chkStateinfo;
  CButton m_chkShopping;
  CButton m_chkEffect;
  CButton m_chkMiss;
  CButton m_chkWindow;
  CButton m_chkAura;
  CButton m_chkFog;
  CButton m_chkShowname;
  CButton m_chkSkillfail;
  CButton m_chkNoctrl;
  CButton m_chkNoshift;
  CButton m_chkNotrade;

  DECLARE_MESSAGE_MAP()

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void InitToolTips() override;

  // Stores the new state (0 or 1) of the box `id` as its switch.
  void StoreSwitch(UINT id);
  void OnNotradeClicked();
  void OnNoshiftClicked();
  void OnNoctrlClicked();
  void OnSkillfailClicked();
  void OnNotalkmsgClicked();
  void OnNotalkmsg2Clicked();
  void OnShownameClicked();
  void OnFogClicked();
  void OnAuraClicked();
  void OnWindowClicked();
  void OnMissClicked();
  void OnEffectClicked();
  void OnShoppingClicked();
  void OnStateinfoClicked();
  void OnLoginoutClicked();
  void OnSnapClicked();
  void OnItemsnapClicked();
  void OnCameraClicked();
  void OnHoaiClicked();
  void OnMeraiClicked();
  void OnLightmapClicked();
};

// One row per box: its control, the member bound to it, the switch it stores (its element of
// m_aCmdOnOff), and that switch's command key and tooltip key (name-table entries).
struct SwitchRow {
  UINT id;
  CButton CSetupCMD::*box;
  int cmdSwitch;
  int commandKey;
  int tipKey;
};
// In the order of m_aCmdOnOff.
extern const SwitchRow kSwitchRows[kCmdSwitchCount];
