// CSetupOption: the System page (graphics device, resolution, detail, sound) and the
// resolution table behind its resolution list.
#pragma once

#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CSliderCtrl.h"
#include "ui/CSkinPage.h"
#include "ui/resource.h"

#include "display/ModeRules.h"

// Entry i describes item i of the resolution list, as far as the list reaches.
extern ListedMode g_listedModes[kListedModeCapacity];
// Set by the save confirmation; start-up reads it once, after the sheet has closed.
extern bool g_bAccepted;
// The caption of Setup's own boxes: the save confirmation (8-bit) and the notices (wide).
#define SETUP_CAPTION "Setup"

class CSetupOption : public CSkinPage {
  DECLARE_DYNCREATE(CSetupOption)

 public:
  // templateId: the page's template in the player's language (the Korean one by default).
  explicit CSetupOption(UINT templateId = IDD_SYSTEM_PAGE);

  void InitControls() override;
  // The hardware devices of the device list, the chosen one selected.
  void FillDeviceList();
  // The chosen device (m_nDeviceIndex) becomes the one to save, its modes fill the list,
  // a first run gets its resolution, and the stored position is selected.
  void UseChosenDevice();
  // The device's offered modes (none without a device); returns how many were listed.
  int FillModeList(const VideoDeviceEntry* device);
  void ChooseFirstRunMode(int listed);

  // OK on the sheet: asks whether to save and records the answer in g_bAccepted.
  void OnOK() override;

  OSVERSIONINFOA m_osVersion;
  DWORD m_dwOSMajor;
  DWORD m_dwOSMinor;
  CButton m_chkEffectOn;
  CButton m_chkBgmOn;
  CSliderCtrl m_sldEffectVolume;
  CSliderCtrl m_sldBgmVolume;
  CSliderCtrl m_sldTexture;
  CSliderCtrl m_sldSprite;
  CButton m_chkFullScreen;
  CComboBox m_cmbMode;
  CComboBox m_cmbDevice;
  CButton m_chkMouseExclusive;
  CButton m_chkNoSound;

  DECLARE_MESSAGE_MAP()

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void InitToolTips() override;

  void OnFullScreenClicked();
  void OnMouseExclusiveClicked();
  void OnBgmOnClicked();
  void OnEffectOnClicked();
  void OnNoSoundClicked();
  // Stores the state of the box `id` in its setting.
  void StoreCheck(UINT id);
  // NM_RELEASEDCAPTURE: a mouse drag or click on a slider ended.
  void OnSliderReleased(NMHDR* header, LRESULT* result);
  // Any position change of a slider, by mouse or keyboard.
  void OnHScroll(UINT code, UINT position, HWND bar);
  // Stores the slider's position in its setting.
  void StoreSliderPosition(HWND slider);
  void OnDeviceChanged();
  void OnModeChanged();
};
