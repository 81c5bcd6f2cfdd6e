// CPropertyPage: a dialog shown as one tab of a property sheet.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/CDialog.h"
#include "framework/CDialogTemplate.h"

class CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)

 public:
  explicit CPropertyPage(UINT templateId) : CDialog(templateId) {}

  // A page handle for the sheet, whose dialog procedure finds this object again. sheetFont:
  // the font the sheet lays itself out in, when known.
  HPROPSHEETPAGE CreatePageHandle(bool hasHelp, const DialogFont* sheetFont);

  // The font the page's own template names, when the page was built in the sheet's font
  // instead; null when it lays itself out in its own.
  const DialogFont* GetReplacedFont() const { return m_template.IsEmpty() ? nullptr : &m_ownFont; }

  // PSN_SETACTIVE: false keeps the sheet from showing the page.
  virtual BOOL OnSetActive();
  // PSN_APPLY (OK on the sheet): runs the OK processing; false keeps the sheet open.
  virtual BOOL OnApply();
  // PSN_RESET (Cancel, Escape, the close box): runs the cancel processing.
  virtual void OnReset();

 protected:
  bool OnNotify(NMHDR* header, LRESULT* result) override;

 private:
  // True when the page is to be built in the sheet's font (then from m_template).
  bool TakeSheetFont(const DialogFont& sheetFont);
  static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  // The page's template in the sheet's font, when it is built from that; the sheet reads it
  // whenever it creates the page's window.
  CDialogTemplate m_template;
  DialogFont m_ownFont;
};
