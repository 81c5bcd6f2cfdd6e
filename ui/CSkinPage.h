// CSkinPage: the skin both setup pages share: background picture, white control brush,
// tooltips from the client's message file, and the flag that the controls exist.
#pragma once

#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CPropertyPage.h"
#include "framework/CToolTipCtrl.h"
#include "ui/PagePicture.h"

// What sets the two pages' skins apart.
struct SkinLook {
  UINT picture;          // the picture at 100 %
  UINT master;           // and drawn at 200 %
  int backX;             // where the picture's left edge stands in the page at 100 %
  bool transparentText;  // control texts drawn straight on the background, not on white
};

class CSkinPage : public CPropertyPage {
  DECLARE_DYNAMIC(CSkinPage)

 public:
  // Sets every control from the settings record.
  virtual void InitControls() = 0;

  // Every message the sheet's loop offers goes to the tooltip, which does not subclass the
  // controls and so sees the mouse over them only this way.
  BOOL PreTranslateMessage(MSG* msg) override;

  CBitmap m_bmpBack;
  int m_nBackWidth;
  int m_nBackHeight;
  CBrush m_brushBack;
  CToolTipCtrl m_toolTip;
  // False until the first WM_INITDIALOG has finished; never cleared.
  bool m_bInitialized;

 protected:
  CSkinPage(UINT templateId, const SkinLook& look);

  // Binds the controls, loads the picture, sets the controls and their tooltips.
  BOOL OnInitDialog() override;
  virtual void InitToolTips() = 0;
  void CreateToolTip();
  // One tool for the control, showing the client's message under name-table entry nameIndex.
  void AddToolTip(UINT id, int nameIndex);
  void OnPaint();
  // Every control-colour request, whoever asks: black text, and the white brush behind it.
  HBRUSH OnCtlColor(HDC dc, HWND control, UINT type);

 private:
  const SkinLook& m_look;
  int m_nBackX;                               // backX at the picture's scale
  std::vector<PictureColumns> m_backColumns;  // empty: m_bmpBack is the whole picture
};
