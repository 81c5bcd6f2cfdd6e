// Data exchange: binding a dialog's control members to the template's controls by id.
#pragma once

#include "framework/CWnd.h"

// Our pages only bind: their handlers store each change at once, so no data goes back.
struct CDataExchange {
  HWND m_hDlg;
};

// Binds the member to the control with the id, once per window: a member that is bound
// already keeps its window, and an id the template lacks leaves the member unbound.
inline void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd && ::GetParent(control.m_hWnd) == dx->m_hDlg)
    return;
  control.Attach(::GetDlgItem(dx->m_hDlg, id));
}
