// CDialog: a window made from a dialog template, with data exchange, dialog initialisation,
// OK processing and the dialog procedure's return conventions.
#pragma once

#include "framework/CDataExchange.h"
#include "framework/CWnd.h"

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  explicit CDialog(UINT templateId) : m_nIDTemplate(templateId) {}

  UINT GetTemplateId() const { return m_nIDTemplate; }

  // Runs DoDataExchange, which binds the control members.
  void UpdateData();

  // WM_INITDIALOG: binds the controls; true lets the dialog manager focus the first control.
  virtual BOOL OnInitDialog();
  // The player confirmed the dialog; the default does nothing.
  virtual void OnOK();
  // The player dismissed the dialog; the default does nothing.
  virtual void OnCancel();

 protected:
  virtual void DoDataExchange(CDataExchange* dx);

  // One message for the dialog procedure: its return value as the dialog manager wants it
  // (the brush itself for WM_CTLCOLORxxx, else TRUE with the result in DWLP_MSGRESULT).
  INT_PTR HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  UINT m_nIDTemplate;
};
