// GDI ownership, data exchange binding and runtime class records.
#include <gtest/gtest.h>

#include "framework/CBrush.h"
#include "framework/CButton.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CMemoryDC.h"
#include "framework/CPaintDC.h"
#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"

namespace {

TEST(GdiObject, TheWrapperDeletesItsHandleAndOnlyItsOwn) {
  HGDIOBJ kept;
  HGDIOBJ deleted;
  {
    CBrush owner;
    ASSERT_TRUE(owner.CreateSolidBrush(RGB(255, 255, 255)));
    deleted = owner.GetSafeHandle();
    CBrush released;
    released.CreateSolidBrush(RGB(1, 2, 3));
    kept = released.Detach();
    CBrush never;  // a brush never created deletes nothing
    EXPECT_EQ(nullptr, never.GetSafeHandle());
  }
  EXPECT_EQ(0u, GetObjectType(deleted));
  EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(kept));
  DeleteObject(kept);
}

TEST(GdiObject, AttachingAnotherHandleDeletesTheFirst) {
  CBrush brush;
  brush.CreateSolidBrush(RGB(0, 0, 0));
  HGDIOBJ first = brush.GetSafeHandle();
  brush.CreateSolidBrush(RGB(9, 9, 9));
  EXPECT_EQ(0u, GetObjectType(first));
  EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(brush.GetSafeHandle()));
}

// An owned memory context is deleted on exit, and what it had selected is free again.
TEST(DeviceContext, AMemoryContextIsDeletedAndLetsGoOfItsBitmaps) {
  HBITMAP first = CreateBitmap(4, 4, 1, 32, nullptr);
  HBITMAP second = CreateBitmap(4, 4, 1, 32, nullptr);
  HDC handle = nullptr;
  {
    CMemoryDC memory(nullptr);
    handle = memory;
    const HGDIOBJ original = GetCurrentObject(memory, OBJ_BITMAP);
    EXPECT_EQ(original, memory.SelectObject(first));
    EXPECT_EQ(first, memory.SelectObject(second));
  }
  EXPECT_EQ(0u, GetObjectType(handle));
  HDC other = CreateCompatibleDC(nullptr);
  EXPECT_NE(nullptr, SelectObject(other, second));
  EXPECT_NE(nullptr, SelectObject(other, first));
  DeleteDC(other);
  EXPECT_TRUE(DeleteObject(first));
  EXPECT_TRUE(DeleteObject(second));
}

HGDIOBJ g_paintFonts[2];

LRESULT CALLBACK PaintWithFonts(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT)
    return DefWindowProcW(hwnd, message, wParam, lParam);
  CPaintDC dc(hwnd);
  for (HGDIOBJ font : g_paintFonts) dc.SelectObject(font);
  return 0;
}

// A window of its own context keeps that context's state from paint to paint, so what one
// paint selected shows whether it was put back before painting ended.
TEST(DeviceContext, APaintEndsWithTheContextsOriginalFontSelectedAgain) {
  WNDCLASSW wc = {};
  wc.style = CS_OWNDC;
  wc.lpfnWndProc = &PaintWithFonts;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TessarilOwnDcTest";
  ASSERT_TRUE(RegisterClassW(&wc));
  HWND window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr,
                                wc.hInstance, nullptr);
  ASSERT_NE(nullptr, window);
  HDC own = GetDC(window);
  const HGDIOBJ original = GetCurrentObject(own, OBJ_FONT);
  ReleaseDC(window, own);
  g_paintFonts[0] =
      CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  g_paintFonts[1] = GetStockObject(ANSI_FIXED_FONT);
  SendMessageW(window, WM_PAINT, 0, 0);
  own = GetDC(window);
  EXPECT_EQ(original, GetCurrentObject(own, OBJ_FONT));
  ReleaseDC(window, own);
  DestroyWindow(window);
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
  EXPECT_TRUE(DeleteObject(g_paintFonts[0]));  // no longer selected anywhere
}

// A parent window with two buttons stands in for a dialog made from a template.
class DataExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                               nullptr, nullptr);
    ASSERT_NE(nullptr, m_parent);
    for (int id : {101, 102})
      CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, m_parent,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
  }
  void TearDown() override { DestroyWindow(m_parent); }
  HWND m_parent = nullptr;
};

TEST_F(DataExchangeTest, BindsEachMemberToTheControlWithItsId) {
  CButton first, second, missing;
  CDataExchange dx = {m_parent};
  DDX_Control(&dx, 102, second);
  DDX_Control(&dx, 101, first);
  DDX_Control(&dx, 999, missing);
  EXPECT_EQ(GetDlgItem(m_parent, 101), first.m_hWnd);
  EXPECT_EQ(GetDlgItem(m_parent, 102), second.m_hWnd);
  EXPECT_EQ(nullptr, missing.m_hWnd);
}

TEST_F(DataExchangeTest, ABoundMemberKeepsItsControlButAStaleOneIsBoundAgain) {
  CButton button;
  CDataExchange dx = {m_parent};
  DDX_Control(&dx, 101, button);
  DDX_Control(&dx, 102, button);  // bound already to this dialog: kept
  EXPECT_EQ(GetDlgItem(m_parent, 101), button.m_hWnd);
  // A member left over from a destroyed window is bound to the new one.
  CButton stale;
  stale.Attach(reinterpret_cast<HWND>(0x4321));
  DDX_Control(&dx, 102, stale);
  EXPECT_EQ(GetDlgItem(m_parent, 102), stale.m_hWnd);
}

// A page whose answers a test sets, counting the processing the sheet's notices run.
class ScriptedPage : public CPropertyPage {
 public:
  ScriptedPage() : CPropertyPage(1) {}
  BOOL m_activate = TRUE;
  int m_oks = 0;
  int m_cancels = 0;
  BOOL OnSetActive() override { return m_activate; }
  void OnOK() override { ++m_oks; }
  void OnCancel() override { ++m_cancels; }
};

class RefusingPage : public ScriptedPage {
 public:
  BOOL OnApply() override { return FALSE; }
};

// The page's window is the child of a stand-in for the sheet.
class PageNotifyTest : public DataExchangeTest {
 protected:
  // Offers the page a notice from the given sender; the result, or 12345 when not handled.
  LRESULT Notify(CPropertyPage& page, HWND from, UINT code) {
    page.Attach(GetDlgItem(m_parent, 101));
    NMHDR header = {from, 0, code};
    LRESULT result = 12345;
    if (!page.OnWndMsg(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header), &result))
      result = 12345;
    return result;
  }
};

TEST_F(PageNotifyTest, TheSheetsNoticesRunThePagesProcessingAndSetItsAnswer) {
  ScriptedPage page;
  EXPECT_EQ(0, Notify(page, m_parent, PSN_SETACTIVE));
  page.m_activate = FALSE;
  EXPECT_EQ(-1, Notify(page, m_parent, PSN_SETACTIVE));  // the sheet does not show the page
  EXPECT_EQ(PSNRET_NOERROR, Notify(page, m_parent, PSN_APPLY));
  EXPECT_EQ(1, page.m_oks);
  EXPECT_EQ(0, Notify(page, m_parent, PSN_RESET));
  EXPECT_EQ(1, page.m_cancels);
  RefusingPage refusing;
  EXPECT_EQ(PSNRET_INVALID_NOCHANGEPAGE, Notify(refusing, m_parent, PSN_APPLY));
  EXPECT_EQ(0, refusing.m_oks);
}

// The same codes from any window but the sheet (a control of the page) are not the sheet's.
TEST_F(PageNotifyTest, TheSameCodesFromAnotherWindowAreNotTakenAsTheSheets) {
  ScriptedPage page;
  HWND other = GetDlgItem(m_parent, 102);
  for (UINT code : {PSN_SETACTIVE, PSN_APPLY, PSN_RESET})
    EXPECT_EQ(12345, Notify(page, other, code)) << static_cast<int>(code);
  EXPECT_EQ(0, page.m_oks);
  EXPECT_EQ(0, page.m_cancels);
}

TEST(RuntimeClass, RecordsChainUpToTheRoot) {
  const CRuntimeClass* page = RUNTIME_CLASS(CPropertyPage);
  EXPECT_STREQ("CPropertyPage", page->m_lpszClassName);
  EXPECT_EQ(RUNTIME_CLASS(CDialog), page->m_pBaseClass);
  EXPECT_EQ(RUNTIME_CLASS(CWnd), RUNTIME_CLASS(CDialog)->m_pBaseClass);
  EXPECT_EQ(RUNTIME_CLASS(CCmdTarget), RUNTIME_CLASS(CWnd)->m_pBaseClass);
  EXPECT_EQ(nullptr, RUNTIME_CLASS(CCmdTarget)->m_pBaseClass);
  EXPECT_EQ(nullptr, page->CreateObject());  // no factory
  CPropertyPage object(1);
  EXPECT_EQ(page, object.GetRuntimeClass());
}

}  // namespace
