// CDialogTemplate: a dialog template copied into memory, whose font can be read and replaced,
// and the dialog base units a font gives.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The font a template names (DS_SETFONT).
struct DialogFont {
  std::wstring face;
  WORD pointSize = 0;
  WORD weight = 0;
  BYTE italic = 0;
  BYTE charset = DEFAULT_CHARSET;
  // DS_FIXEDSYS beside DS_SETFONT (DS_SHELLFONT): "MS Shell Dlg" then means the shell's font.
  bool shellFont = false;
};

// Where a template's style stands: a DIALOGEX template has it after its version, signature,
// help id and extended style; a DIALOG template starts with it. Reads four bytes.
size_t TemplateStyleOffset(const void* dialogTemplate);

class CDialogTemplate {
 public:
  // Copies the module's RT_DIALOG resource; false when it has none under the id.
  bool Load(HMODULE module, UINT id);
  bool IsEmpty() const { return m_bytes.empty(); }
  const DLGTEMPLATE* Get() const {
    return m_bytes.empty() ? nullptr : reinterpret_cast<const DLGTEMPLATE*>(m_bytes.data());
  }

  // False when the template names no font or cannot be read.
  bool GetFont(DialogFont* font) const;
  // Makes the template name the font instead of its own; the items after the font block move
  // with its new length. False (and nothing changed) when the template cannot be read.
  bool SetFont(const DialogFont& font);

 private:
  bool IsExtended() const;
  // Byte offsets of the style, the font block and the first item; false when malformed.
  bool Layout(size_t* styleAt, size_t* fontAt, size_t* itemsAt) const;

  std::vector<BYTE> m_bytes;
};

// The base units (average character width and height, in pixels) that the dialog manager
// derives from a font selected into a device context, as it lays a dialog out.
SIZE FontBaseUnits(HDC dc, HFONT font);
// The base units of a dialog in this font at a DPI (the screen's when 0); zero when none can
// be made.
SIZE DialogBaseUnits(const DialogFont& font, int dpi = 0);
