// CDialogTemplate: reading the header of a DIALOG or DIALOGEX template and rewriting its font.
#include "framework/CDialogTemplate.h"

#include <string.h>

#include "framework/ResourceData.h"

namespace {

const size_t kPlainHeader = 18;     // style, ex style, item count, x, y, cx, cy
const size_t kExtendedHeader = 26;  // version, signature, help id, ex style, style, count, ...

size_t AlignDword(size_t at) { return (at + 3) & ~size_t{3}; }

// A DIALOGEX template starts with its version (1) and the signature 0xFFFF.
bool IsExtendedTemplate(const void* dialogTemplate) {
  const WORD* words = static_cast<const WORD*>(dialogTemplate);
  return words[0] == 1 && words[1] == 0xFFFF;
}

}  // namespace

bool CDialogTemplate::Load(HMODULE module, UINT id) {
  m_bytes.clear();
  const ResourceData found = FindResourceData(module, RT_DIALOG, id);
  if (!found.data)
    return false;
  const BYTE* data = static_cast<const BYTE*>(found.data);
  m_bytes.assign(data, data + found.size);
  return true;
}

size_t TemplateStyleOffset(const void* dialogTemplate) {
  return IsExtendedTemplate(dialogTemplate) ? 12 : 0;
}

bool CDialogTemplate::IsExtended() const {
  return m_bytes.size() >= 4 && IsExtendedTemplate(m_bytes.data());
}

bool CDialogTemplate::Layout(size_t* styleAt, size_t* fontAt, size_t* itemsAt) const {
  const bool extended = IsExtended();
  size_t at = extended ? kExtendedHeader : kPlainHeader;
  if (m_bytes.size() < at)
    return false;
  *styleAt = TemplateStyleOffset(m_bytes.data());
  const auto word = [this](size_t offset) {
    WORD w;
    memcpy(&w, &m_bytes[offset], sizeof(w));
    return w;
  };
  // Menu and class are a name, an ordinal (0xFFFF and a number) or nothing; then the title.
  for (int field = 0; field < 3; ++field) {
    if (at + 2 > m_bytes.size())
      return false;
    if (field < 2 && word(at) == 0xFFFF) {
      at += 4;
      continue;
    }
    while (at + 2 <= m_bytes.size() && word(at) != 0) at += 2;
    at += 2;
  }
  *fontAt = at;
  DWORD style;
  memcpy(&style, &m_bytes[*styleAt], sizeof(style));
  if (style & DS_SETFONT) {
    at += extended ? 6 : 2;  // size, and weight, italic and character set
    while (at + 2 <= m_bytes.size() && word(at) != 0) at += 2;
    at += 2;
  }
  *itemsAt = AlignDword(at);
  return at <= m_bytes.size();
}

bool CDialogTemplate::GetFont(DialogFont* font) const {
  size_t styleAt, fontAt, itemsAt;
  if (!Layout(&styleAt, &fontAt, &itemsAt))
    return false;
  DWORD style;
  memcpy(&style, &m_bytes[styleAt], sizeof(style));
  if (!(style & DS_SETFONT))
    return false;
  const BYTE* p = &m_bytes[fontAt];
  memcpy(&font->pointSize, p, 2);
  p += 2;
  font->weight = 0;
  font->italic = 0;
  font->charset = DEFAULT_CHARSET;
  if (IsExtended()) {
    memcpy(&font->weight, p, 2);
    font->italic = p[2];
    font->charset = p[3];
    p += 4;
  }
  font->face.clear();
  for (WORD c; memcpy(&c, p, 2), c != 0; p += 2) font->face += static_cast<wchar_t>(c);
  font->shellFont = (style & DS_FIXEDSYS) != 0;
  return true;
}

bool CDialogTemplate::SetFont(const DialogFont& font) {
  size_t styleAt, fontAt, itemsAt;
  if (!Layout(&styleAt, &fontAt, &itemsAt))
    return false;
  std::vector<BYTE> bytes(m_bytes.begin(), m_bytes.begin() + fontAt);
  DWORD style;
  memcpy(&style, &bytes[styleAt], sizeof(style));
  style = (style | DS_SETFONT) & ~DS_FIXEDSYS;
  if (font.shellFont)
    style |= DS_FIXEDSYS;
  memcpy(&bytes[styleAt], &style, sizeof(style));
  const auto put = [&bytes](const void* data, size_t size) {
    const BYTE* b = static_cast<const BYTE*>(data);
    bytes.insert(bytes.end(), b, b + size);
  };
  put(&font.pointSize, 2);
  if (IsExtended()) {
    put(&font.weight, 2);
    put(&font.italic, 1);
    put(&font.charset, 1);
  }
  for (wchar_t c : font.face) {
    const WORD w = static_cast<WORD>(c);
    put(&w, 2);
  }
  const WORD end = 0;
  put(&end, 2);
  // Items start on a DWORD boundary, as they did: their own padding stays right.
  bytes.resize(AlignDword(bytes.size()), 0);
  if (itemsAt < m_bytes.size())
    bytes.insert(bytes.end(), m_bytes.begin() + itemsAt, m_bytes.end());
  m_bytes.swap(bytes);
  return true;
}

SIZE FontBaseUnits(HDC dc, HFONT font) {
  static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SIZE letters = {};
  GetTextExtentPoint32W(dc, kLetters, 52, &letters);
  SelectObject(dc, old);
  // The average width rounded as the dialog manager rounds it.
  return SIZE{(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

SIZE DialogBaseUnits(const DialogFont& font, int dpi) {
  SIZE units = {};
  HDC screen = GetDC(nullptr);
  LOGFONTW logFont = {};
  logFont.lfHeight = -MulDiv(font.pointSize, dpi ? dpi : GetDeviceCaps(screen, LOGPIXELSY), 72);
  logFont.lfWeight = font.weight;
  logFont.lfItalic = font.italic;
  logFont.lfCharSet = font.charset;
  // The dialog manager reads "MS Shell Dlg" with DS_SHELLFONT as the shell's newer font.
  const bool shell = font.shellFont && !lstrcmpiW(font.face.c_str(), L"MS Shell Dlg");
  lstrcpynW(logFont.lfFaceName, shell ? L"MS Shell Dlg 2" : font.face.c_str(), LF_FACESIZE);
  if (HFONT made = CreateFontIndirectW(&logFont)) {
    units = FontBaseUnits(screen, made);
    DeleteObject(made);
  }
  ReleaseDC(nullptr, screen);
  return units;
}
