// PLACEHOLDER until the sheet is built.
#pragma once
#include <commctrl.h>
#include <windows.h>
class CSetupSheet {
 public:
  CSetupSheet(const char*, HWND, UINT) : m_psh() {}
  template <class P>
  void AddPage(P*) {}
  INT_PTR DoModal() { return IDCANCEL; }
  PROPSHEETHEADERA m_psh;
};
