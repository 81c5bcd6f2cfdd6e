// CDialog: data exchange and the dialog procedure's return conventions.
#include "framework/CDialog.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

void CDialog::UpdateData() {
  CDataExchange dx = {m_hWnd};
  DoDataExchange(&dx);
}

BOOL CDialog::OnInitDialog() {
  UpdateData();
  return TRUE;
}

void CDialog::OnOK() {}

void CDialog::OnCancel() {}

void CDialog::DoDataExchange(CDataExchange*) {}

INT_PTR CDialog::HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG)
    return OnInitDialog();
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result))
    return FALSE;
  if (IsCtlColorMessage(message))
    return static_cast<INT_PTR>(result);
  SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
  return TRUE;
}
