// CSetupSheet: the "Tessaril Setup" sheet, its button row reworked to OK, Cancel and Reset.
#pragma once

#include <string>

#include "framework/CBrush.h"
#include "framework/CButton.h"
#include "framework/CPropertySheet.h"

// OK, Cancel and Reset in the player's language.
struct ButtonCaptions {
  std::wstring ok;
  std::wstring cancel;
  std::wstring reset;
};

class CSetupSheet : public CPropertySheet {
  DECLARE_DYNAMIC(CSetupSheet)

 public:
  // buttons: OK, Cancel and Reset in the player's language.
  CSetupSheet(const char* caption, HWND parent, UINT firstPage, const ButtonCaptions& buttons);

  BOOL OnInitDialog() override;

  // Never given a brush: the frame keeps the system's own background.
  CBrush m_brushSheet;
  CButton m_btnReset;

  DECLARE_MESSAGE_MAP()

 protected:
  HBRUSH OnCtlColor(HDC dc, HWND control, UINT type);
  // Back to the defaults; the pages already shown show them at once.
  void OnReset();

 private:
  ButtonCaptions m_captions;

  void ShiftLeft(int id, int pixels);
  // The control's rectangle in the sheet's client coordinates; all zero when it is missing.
  RECT GetClientRectOf(int id) const;
};
