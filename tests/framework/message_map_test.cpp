// Message maps: lookup up the class chain, per control id and code, and dispatch to handlers.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "framework/CWnd.h"

namespace {

// A base window and a derived one whose maps overlap, recording which handler ran.
class BaseWnd : public CWnd {
 public:
  std::string m_ran;
  void OnBaseClick() { m_ran += "base-click;"; }
  void OnPaint() { m_ran += "base-paint;"; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
ON_BN_CLICKED(10, &BaseWnd::OnBaseClick)
ON_BN_CLICKED(11, &BaseWnd::OnBaseClick)
ON_WM_PAINT()
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
 public:
  UINT m_scrollCode = 0;
  UINT m_scrollPos = 0;
  HWND m_scrollBar = nullptr;
  UINT m_ctlType = 99;
  HBRUSH m_brush = reinterpret_cast<HBRUSH>(0x1234);
  void OnDerivedClick() { m_ran += "derived-click;"; }
  void OnSelChange() { m_ran += "selchange;"; }
  void OnReleased(NMHDR* header, LRESULT* result) {
    m_ran += "released;";
    *result = static_cast<LRESULT>(header->idFrom) + 1000;
  }
  void OnHScroll(UINT code, UINT pos, HWND bar) {
    m_scrollCode = code;
    m_scrollPos = pos;
    m_scrollBar = bar;
  }
  HBRUSH OnCtlColor(HDC, HWND, UINT type) {
    m_ctlType = type;
    return m_brush;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
ON_BN_CLICKED(10, &DerivedWnd::OnDerivedClick)
ON_CBN_SELCHANGE(10, &DerivedWnd::OnSelChange)
ON_NOTIFY(NM_RELEASEDCAPTURE, 20, &DerivedWnd::OnReleased)
ON_WM_HSCROLL()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A window class whose CWnd part is not its first base: its handlers need this adjusted.
struct Other {
  virtual ~Other() {}
  int m_value = 7;
};
class OffsetWnd : public Other, public CWnd {
 public:
  UINT m_ctlType = 99;
  UINT m_notified = 0;
  HBRUSH OnCtlColor(HDC, HWND, UINT type) {
    m_ctlType = type;
    return nullptr;
  }
  void OnReleased(NMHDR* header, LRESULT*) { m_notified = static_cast<UINT>(header->idFrom); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OffsetWnd, CWnd)
ON_NOTIFY(NM_RELEASEDCAPTURE, 20, &OffsetWnd::OnReleased)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

LRESULT Command(CWnd& wnd, UINT id, UINT code) {
  LRESULT result = -1;
  EXPECT_TRUE(wnd.OnWndMsg(WM_COMMAND, MAKEWPARAM(id, code), 0, &result));
  return result;
}

TEST(MessageMap, TheMostDerivedEntryWinsAndBaseEntriesStillAnswer) {
  DerivedWnd wnd;
  Command(wnd, 10, BN_CLICKED);  // both maps have it: the derived one runs
  Command(wnd, 11, BN_CLICKED);  // only the base has it
  LRESULT result;
  EXPECT_TRUE(wnd.OnWndMsg(WM_PAINT, 0, 0, &result));
  EXPECT_EQ("derived-click;base-click;base-paint;", wnd.m_ran);
}

TEST(MessageMap, CommandsMatchOnBothIdAndCode) {
  DerivedWnd wnd;
  Command(wnd, 10, CBN_SELCHANGE);
  EXPECT_EQ("selchange;", wnd.m_ran);
  LRESULT result;
  // Same id, another code; same code, another id: nothing runs.
  EXPECT_FALSE(wnd.OnWndMsg(WM_COMMAND, MAKEWPARAM(10, CBN_DROPDOWN), 0, &result));
  EXPECT_FALSE(wnd.OnWndMsg(WM_COMMAND, MAKEWPARAM(12, BN_CLICKED), 0, &result));
  EXPECT_EQ("selchange;", wnd.m_ran);
  EXPECT_EQ(nullptr, wnd.FindMessageEntry(WM_TIMER, 0, 0));
}

TEST(MessageMap, NotificationsReachTheirHandlerWithTheHeaderAndSetTheResult) {
  DerivedWnd wnd;
  NMHDR header = {nullptr, 20, static_cast<UINT>(NM_RELEASEDCAPTURE)};
  LRESULT result = 0;
  ASSERT_TRUE(wnd.OnWndMsg(WM_NOTIFY, 20, reinterpret_cast<LPARAM>(&header), &result));
  EXPECT_EQ(1020, result);
  header.idFrom = 21;  // another slider: no entry
  EXPECT_FALSE(wnd.OnWndMsg(WM_NOTIFY, 21, reinterpret_cast<LPARAM>(&header), &result));
}

TEST(MessageMap, EveryControlColourMessageGoesToTheOneHandlerWithItsType) {
  DerivedWnd wnd;
  for (UINT message = WM_CTLCOLORMSGBOX; message <= WM_CTLCOLORSTATIC; ++message) {
    LRESULT result = 0;
    ASSERT_TRUE(wnd.OnWndMsg(message, 0, 0, &result)) << message;
    EXPECT_EQ(message - WM_CTLCOLORMSGBOX, wnd.m_ctlType);
    EXPECT_EQ(reinterpret_cast<LRESULT>(wnd.m_brush), result);
  }
  EXPECT_EQ(static_cast<UINT>(CTLCOLOR_STATIC), wnd.m_ctlType);
}

TEST(MessageMap, ScrollHandlersGetCodePositionAndBar) {
  DerivedWnd wnd;
  HWND bar = reinterpret_cast<HWND>(0x5678);
  LRESULT result;
  ASSERT_TRUE(wnd.OnWndMsg(WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 42), reinterpret_cast<LPARAM>(bar),
                           &result));
  EXPECT_EQ(static_cast<UINT>(TB_THUMBTRACK), wnd.m_scrollCode);
  EXPECT_EQ(42u, wnd.m_scrollPos);
  EXPECT_EQ(bar, wnd.m_scrollBar);
}

// Handlers with arguments must be called on the right object also when the class's
// CWnd part does not start the object.
TEST(MessageMap, HandlersRunOnTheRightObjectBehindAnotherBase) {
  OffsetWnd wnd;
  LRESULT result = 0;
  ASSERT_TRUE(wnd.OnWndMsg(WM_CTLCOLORBTN, 0, 0, &result));
  EXPECT_EQ(static_cast<UINT>(CTLCOLOR_BTN), wnd.m_ctlType);
  NMHDR header = {nullptr, 20, static_cast<UINT>(NM_RELEASEDCAPTURE)};
  ASSERT_TRUE(wnd.OnWndMsg(WM_NOTIFY, 20, reinterpret_cast<LPARAM>(&header), &result));
  EXPECT_EQ(20u, wnd.m_notified);
  EXPECT_EQ(7, wnd.m_value);
}

}  // namespace
