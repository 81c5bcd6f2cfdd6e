// CPropertySheet: a property sheet run modally by a message loop of our own.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "framework/CPropertyPage.h"
#include "framework/CWnd.h"

class CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)

 public:
  CPropertySheet(const char* caption, HWND parent, UINT firstPage);

  // Pages show as tabs in the order they were added.
  void AddPage(CPropertyPage* page) { m_pages.push_back(page); }
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[index] : nullptr;
  }
  // The page whose tab is showing, or null once the sheet has closed.
  CPropertyPage* GetActivePage() const;

  // Shows the sheet and returns when it has closed: IDOK when the pages applied, else
  // IDCANCEL; -1 when it could not be shown or its message loop failed. The window is
  // destroyed on return.
  INT_PTR DoModal();

  // Runs while comctl32 initialises the sheet (its WM_INITDIALOG), once the frame has laid out
  // its tab control and buttons; the sheet is hidden until the modal loop first goes idle.
  virtual BOOL OnInitDialog();

  PROPSHEETHEADERA m_psh;

 private:
  void Initialize(HWND hwnd);
  // False when getting a message failed; the sheet is then closed as if cancelled.
  bool RunModalLoop();
  static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);
  static LRESULT CALLBACK SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR subclassId, DWORD_PTR self);

  std::vector<CPropertyPage*> m_pages;
};
