// CSkinPage: the pages' background, tooltips and initialisation.
#include "ui/CSkinPage.h"

#include <math.h>

#include "framework/CDC.h"
#include "framework/CMemoryDC.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"
#include "script/CScriptHost.h"
#include "settings/NameTable.h"

IMPLEMENT_DYNAMIC(CSkinPage, CPropertyPage)

CSkinPage::CSkinPage(UINT templateId, const SkinLook& look)
    : CPropertyPage(templateId),
      m_nBackWidth(0),
      m_nBackHeight(0),
      m_bInitialized(false),
      m_look(look),
      m_nBackX(look.backX) {
  m_brushBack.CreateSolidBrush(RGB(255, 255, 255));
}

BOOL CSkinPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  // The picture grows with the page's layout: at 100 % in its own font it is the 100 % picture,
  // unscaled.
  const LoadedPicture picture = LoadPagePicture(
      AfxGetResourceHandle(), m_look.picture, m_look.master, PageGrowth(m_hWnd, GetReplacedFont()));
  m_bmpBack.Attach(picture.bitmap);
  BITMAP info = {};
  if (m_bmpBack.GetBitmap(&info)) {
    m_nBackWidth = picture.columns.empty() ? info.bmWidth : picture.width;
    m_nBackHeight = info.bmHeight;
  }
  m_backColumns = picture.columns;
  m_nBackX = static_cast<int>(lround(m_look.backX * picture.scale.across));
  InitControls();
  InitToolTips();
  m_bInitialized = true;
  return TRUE;
}

BOOL CSkinPage::PreTranslateMessage(MSG* msg) {
  if (m_toolTip.m_hWnd)
    m_toolTip.RelayEvent(msg);
  return CPropertyPage::PreTranslateMessage(msg);
}

void CSkinPage::CreateToolTip() { m_toolTip.Create(m_hWnd); }

void CSkinPage::AddToolTip(UINT id, int nameIndex) {
  m_toolTip.AddTool(GetDlgItem(id), g_scriptHost.GetMessage(GetName(nameIndex)));
}

// The whole picture is copied each time; the paint context clips it to what needs painting
// and to the page, and the controls paint themselves over it. A picture kept as runs of
// columns leaves the white between them to the page's background, erased with the white brush.
void CSkinPage::OnPaint() {
  CPaintDC dc(m_hWnd);
  CMemoryDC memory(dc);
  if (m_bmpBack.GetSafeHandle())
    memory.SelectObject(m_bmpBack.GetSafeHandle());
  if (m_backColumns.empty())
    dc.BitBlt(m_nBackX, 0, m_nBackWidth, m_nBackHeight, memory, 0, 0, SRCCOPY);
  for (const PictureColumns& run : m_backColumns)
    dc.BitBlt(m_nBackX + run.x, 0, run.width, m_nBackHeight, memory, run.from, 0, SRCCOPY);
}

HBRUSH CSkinPage::OnCtlColor(HDC dc, HWND, UINT) {
  CDCHandle context(dc);
  context.SetTextColor(RGB(0, 0, 0));
  if (m_look.transparentText)
    context.SetBkMode(TRANSPARENT);
  else
    context.SetBkColor(RGB(255, 255, 255));
  return m_brushBack;
}
