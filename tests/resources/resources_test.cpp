// The built executable's page templates and background bitmaps, read back from its resources.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "ui/resource.h"

namespace {

const WORD kKorean = MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN);

const DWORD kPageStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
const DWORD kCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
const DWORD kList = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
const DWORD kSlider = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_BOTH | TBS_NOTICKS;
const DWORD kLabel = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
const DWORD kFirstLabel = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFTNOWORDWRAP;

enum Kind { kCheckBox, kDropDown, kTrackbar, kStatic };

// One control as the page expects it; the two texts are the Korean and the English template's.
struct Expected {
  int id;
  Kind kind;
  DWORD style;
  short x, y, cx, cy;
  const wchar_t* korean;
  const wchar_t* english;
};

const Expected kOptionControls[] = {
    {1026, kCheckBox, kCheck, 124, 21, 43, 10, L"거래 신청", L"notrade"},
    {1027, kCheckBox, kCheck, 124, 87, 45, 11, L"스킬 실패", L"skillfail"},
    {1028, kCheckBox, kCheck, 124, 103, 46, 10, L"이름 표시", L"showname"},
    {1029, kCheckBox, kCheck, 124, 36, 49, 10, L"윈도우 이동", L"window"},
    {1031, kCheckBox, kCheck, 179, 36, 41, 10, L"상점 이용", L"shopping"},
    {1032, kCheckBox, kCheck, 237, 36, 50, 10, L"자동 타겟팅", L"snap"},
    {1033, kCheckBox, kCheck, 124, 207, 49, 10, L"호문클루스", L"hoai"},
    {1035, kCheckBox, kCheck, 179, 21, 51, 10, L"쉬프트키", L"noshift"},
    {1036, kCheckBox, kCheck, 179, 87, 44, 11, L"채팅", L"notalkmsg"},
    {1018, kCheckBox, kCheck, 124, 156, 35, 10, L"안개", L"fog"},
    {1038, kCheckBox, kCheck, 124, 119, 47, 10, L"미스 표시", L"miss"},
    {1040, kCheckBox, kCheck, 179, 103, 50, 10, L"상태아이콘", L"stateinfo"},
    {1041, kCheckBox, kCheck, 124, 51, 52, 10, L"아이템 줍기", L"itemsnap"},
    {1042, kCheckBox, kCheck, 179, 207, 30, 10, L"용병", L"merai"},
    {1044, kCheckBox, kCheck, 237, 21, 43, 10, L"컨트롤키", L"noctrl"},
    {1045, kCheckBox, kCheck, 237, 87, 49, 11, L"채팅2", L"notalkmsg2"},
    {1046, kCheckBox, kCheck, 179, 156, 36, 10, L"오오라", L"aura"},
    {1047, kCheckBox, kCheck, 237, 155, 46, 11, L"이펙트 표시", L"effect"},
    {1048, kCheckBox, kCheck, 237, 103, 49, 10, L"접속 메시지", L"loginout"},
    {1049, kCheckBox, kCheck, 179, 51, 53, 10, L"카메라 고정", L"camera"},
    {1013, kCheckBox, kCheck, 124, 171, 39, 10, L"음영 표시", L"lightmap"},
    {-1, kStatic, kFirstLabel, 119, 8, 47, 8, L"- 편의 기능", L"- Help"},
    {-1, kStatic, kLabel, 119, 74, 36, 8, L"- 알림 기능", L"- Message"},
    {-1, kStatic, kLabel, 119, 143, 27, 8, L"- 이펙트", L"- Effect"},
    {-1, kStatic, kLabel, 119, 194, 34, 8, L"- 인공지능", L"- Ai"},
};

const Expected kSystemControls[] = {
    {1027, kDropDown, kList, 100, 20, 120, 80, L"", L""},
    {1029, kCheckBox, kCheck, 101, 79, 46, 10, L"전체 화면", L"Full Screen Mode"},
    {1028, kDropDown, kList, 100, 55, 120, 75, L"", L""},
    {1030, kTrackbar, kSlider, 107, 111, 46, 15, L"", L""},
    {1031, kTrackbar, kSlider, 159, 111, 46, 15, L"", L""},
    {1032, kTrackbar, kSlider, 102, 167, 104, 10, L"", L""},
    {1034, kCheckBox, kCheck, 209, 172, 26, 8, L"켜기", L"ON"},
    {1033, kTrackbar, kSlider, 102, 199, 104, 10, L"", L""},
    {1035, kCheckBox, kCheck, 209, 202, 30, 8, L"켜기", L"ON"},
    {-1, kStatic, kLabel, 105, 99, 51, 8, L"스프라이트 품질", L"Sprite Detail"},
    {-1, kStatic, kLabel, 163, 99, 38, 8, L"텍스쳐 품질", L"Texture Detail"},
    {-1, kStatic, kLabel, 92, 145, 58, 8, L"사운드", L"Sound Setting"},
    {-1, kStatic, kLabel, 102, 159, 46, 8, L"배경음", L"BGM Volume"},
    {-1, kStatic, kLabel, 102, 191, 47, 8, L"효과음", L"Effect Volume"},
    {-1, kStatic, kLabel, 92, 42, 22, 8, L"해상도", L"Screen Size"},
    {-1, kStatic, kLabel, 92, 7, 61, 8, L"그래픽 장치", L"Graphic Setting"},
    {-1, kStatic, kLabel, 103, 177, 18, 8, L"최소", L"min"},
    {-1, kStatic, kLabel, 102, 209, 17, 8, L"최소", L"min"},
    {-1, kStatic, kLabel, 191, 177, 14, 8, L"최대", L"max"},
    {-1, kStatic, kLabel, 191, 209, 16, 8, L"최대", L"max"},
    {1036, kCheckBox, kCheck, 174, 79, 53, 10, L"마우스 고정", L"Mouse Exclusive"},
    {-1, kStatic, kLabel, 107, 127, 18, 8, L"낮음", L"min"},
    {-1, kStatic, kLabel, 160, 127, 18, 8, L"낮음", L"min"},
    {-1, kStatic, kLabel, 138, 127, 14, 8, L"높음", L"max"},
    {-1, kStatic, kLabel, 190, 127, 14, 8, L"높음", L"max"},
    {1037, kCheckBox, kCheck, 242, 202, 50, 8, L"사운드 없음", L"No Sound"},
};

// The executable's resources, mapped as data: nothing of it runs.
class Resources {
 public:
  Resources() : m_module(LoadLibraryExA(TESSARIL_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~Resources() {
    if (m_module)
      FreeLibrary(m_module);
  }
  Resources(const Resources&) = delete;
  Resources& operator=(const Resources&) = delete;

  HMODULE module() const { return m_module; }

  // The bytes of one resource in the given language; empty when it is missing.
  std::vector<BYTE> Find(LPCSTR type, int id, WORD language) const {
    HRSRC info = FindResourceExA(m_module, type, MAKEINTRESOURCEA(id), language);
    if (!info)
      return {};
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(m_module, info)));
    return std::vector<BYTE>(data, data + SizeofResource(m_module, info));
  }

 private:
  HMODULE m_module;
};

// A reader over an extended dialog template; every field is read in template order.
class TemplateReader {
 public:
  explicit TemplateReader(const std::vector<BYTE>& bytes) : m_bytes(bytes) {}

  WORD Word() { return Read<WORD>(); }
  DWORD Dword() { return Read<DWORD>(); }
  BYTE Byte() { return Read<BYTE>(); }
  short Short() { return Read<short>(); }

  std::wstring Text() {
    std::wstring text;
    for (WORD c = Word(); c != 0 && !m_failed; c = Word()) text += static_cast<wchar_t>(c);
    return text;
  }

  // A name-or-ordinal field: an ordinal is returned as "#<number>".
  std::wstring NameOrOrdinal() {
    if (Peek() == 0xFFFF) {
      Word();
      return L"#" + std::to_wstring(Word());
    }
    return Text();
  }

  void AlignDword() { m_pos = (m_pos + 3) & ~size_t{3}; }
  void Skip(size_t n) { m_pos += n; }
  bool Failed() const { return m_failed || m_pos > m_bytes.size(); }
  size_t Remaining() const { return m_pos < m_bytes.size() ? m_bytes.size() - m_pos : 0; }

 private:
  template <typename T>
  T Read() {
    T value{};
    if (m_pos + sizeof(T) > m_bytes.size()) {
      m_failed = true;
      return value;
    }
    memcpy(&value, &m_bytes[m_pos], sizeof(T));
    m_pos += sizeof(T);
    return value;
  }
  WORD Peek() {
    WORD value = Read<WORD>();
    m_pos -= m_failed ? 0 : sizeof(WORD);
    return value;
  }

  const std::vector<BYTE>& m_bytes;
  size_t m_pos = 0;
  bool m_failed = false;
};

// One page template as the resources hold it.
struct Page {
  int id;
  WORD language;
  const wchar_t* title;
  short cx, cy;
  const wchar_t* face;
  WORD weight;
  bool option;  // the Option page's controls, else the System page's
};

const WORD kChineseSimplified = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
const WORD kChineseTraditional = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL);
const WORD kPortuguese = MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN);
const WORD kRussian = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT);
const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
// The system's default dialog face stands in where a template names no font of its own.
const wchar_t kShellFace[] = L"MS Shell Dlg";

const Page kPages[] = {
    {IDD_OPTION_PAGE, kKorean, L"옵션", 293, 226, L"굴림", 0, true},
    {IDD_SYSTEM_PAGE, kKorean, L"시스템", 311, 217, L"굴림", 0, false},
    {IDD_OPTION_PAGE_EN, kKorean, L"Option", 293, 226, L"굴림", 0, true},
    {IDD_SYSTEM_PAGE_EN, kKorean, L"System", 311, 217, L"굴림", 0, false},
    {IDD_OPTION_PAGE_ZH_CN, kChineseSimplified, L"选项", 293, 226, L"SimSun", 400, true},
    {IDD_SYSTEM_PAGE_ZH_CN, kChineseSimplified, L"系统", 328, 239, L"SimSun", 400, false},
    {IDD_SYSTEM_PAGE_ZH_TW, kChineseTraditional, L"系統", 328, 239, L"SimSun", 400, false},
    {IDD_OPTION_PAGE_ZH_TW, kChineseTraditional, L"設定", 293, 226, L"SimSun", 400, true},
    {IDD_OPTION_PAGE_PT, kPortuguese, L"Option", 293, 226, kShellFace, 0, true},
    {IDD_SYSTEM_PAGE_PT, kPortuguese, L"System", 311, 217, kShellFace, 0, false},
    {IDD_OPTION_PAGE_RU, kRussian, L"Настройки", 293, 226, kShellFace, 0, true},
    {IDD_SYSTEM_PAGE_RU, kRussian, L"Основ.", 311, 217, kShellFace, 0, false},
    {IDD_SYSTEM_PAGE_JA, kJapanese, L"システム", 311, 217, kShellFace, 0, false},
    {IDD_OPTION_PAGE_JA, kJapanese, L"オプション", 293, 226, kShellFace, 0, true},
};

std::wstring ClassOf(Kind kind) {
  switch (kind) {
    case kCheckBox:
      return L"#128";
    case kDropDown:
      return L"#133";
    case kStatic:
      return L"#130";
    case kTrackbar:
      break;
  }
  return L"msctls_trackbar32";
}

std::wstring Upper(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(towupper(c));
  return s;
}

// A template's header and controls, read field by field.
struct Control {
  DWORD helpId, exStyle, style;
  short x, y, cx, cy;
  DWORD id;
  std::wstring cls, text;
  WORD extra;
};

struct Template {
  WORD version, signature;
  DWORD helpId, exStyle, style;
  WORD count;
  short x, y, cx, cy;
  std::wstring menu, cls, title;
  WORD points, weight;
  BYTE italic, charset;
  std::wstring face;
  std::vector<Control> controls;
  bool failed;
  size_t trailing;  // bytes after the last control
};

Template ReadTemplate(const std::vector<BYTE>& bytes) {
  TemplateReader t(bytes);
  Template d{};
  d.version = t.Word();
  d.signature = t.Word();
  d.helpId = t.Dword();
  d.exStyle = t.Dword();
  d.style = t.Dword();
  d.count = t.Word();
  d.x = t.Short();
  d.y = t.Short();
  d.cx = t.Short();
  d.cy = t.Short();
  d.menu = t.NameOrOrdinal();
  d.cls = t.NameOrOrdinal();
  d.title = t.Text();
  d.points = t.Word();
  d.weight = t.Word();
  d.italic = t.Byte();
  d.charset = t.Byte();
  d.face = t.Text();
  for (WORD i = 0; i < d.count && !t.Failed(); ++i) {
    Control c;
    t.AlignDword();
    c.helpId = t.Dword();
    c.exStyle = t.Dword();
    c.style = t.Dword();
    c.x = t.Short();
    c.y = t.Short();
    c.cx = t.Short();
    c.cy = t.Short();
    c.id = t.Dword();
    c.cls = Upper(t.NameOrOrdinal());  // class names match without regard to case
    c.text = t.NameOrOrdinal();
    c.extra = t.Word();
    d.controls.push_back(c);
  }
  // The last control need not fill its final DWORD.
  d.failed = t.Failed();
  t.AlignDword();
  d.trailing = t.Remaining();
  return d;
}

// The Korean page's controls, which every page of that kind carries.
std::vector<Expected> ExpectedControls(const Page& page) {
  if (page.option)
    return {std::begin(kOptionControls), std::end(kOptionControls)};
  return {std::begin(kSystemControls), std::end(kSystemControls)};
}

Template LoadTemplate(const Resources& exe, const Page& page) {
  return ReadTemplate(exe.Find(MAKEINTRESOURCEA(5), page.id, page.language));
}

TEST(PageTemplates, EachPageHasItsLanguageCaptionFontAndSize) {
  Resources exe;
  ASSERT_NE(nullptr, exe.module()) << TESSARIL_EXE;
  for (const Page& page : kPages) {
    SCOPED_TRACE(page.id);
    ASSERT_FALSE(exe.Find(MAKEINTRESOURCEA(5), page.id, page.language).empty())
        << "no template in language " << page.language;
    if (page.language != kKorean) {
      EXPECT_TRUE(exe.Find(MAKEINTRESOURCEA(5), page.id, kKorean).empty()) << "a Korean copy too";
    }
    const Template t = LoadTemplate(exe, page);
    EXPECT_EQ(1, t.version);
    EXPECT_EQ(0xFFFF, t.signature);  // extended template
    EXPECT_EQ(0u, t.helpId);
    EXPECT_EQ(static_cast<DWORD>(WS_EX_APPWINDOW), t.exStyle);
    EXPECT_EQ(kPageStyle, t.style);
    EXPECT_EQ(0, t.x);
    EXPECT_EQ(0, t.y);
    EXPECT_EQ(page.cx, t.cx);
    EXPECT_EQ(page.cy, t.cy);
    EXPECT_EQ(L"", t.menu);
    EXPECT_EQ(L"", t.cls);
    EXPECT_EQ(page.title, t.title);
    EXPECT_EQ(9, t.points);
    EXPECT_EQ(page.weight, t.weight);
    EXPECT_EQ(0, t.italic);
    EXPECT_EQ(DEFAULT_CHARSET, t.charset);
    EXPECT_EQ(page.face, t.face);
    EXPECT_FALSE(t.failed);
    EXPECT_EQ(0u, t.trailing) << "bytes after the last control";
  }
}

// The code binds controls by id and walks them in tab order: every page carries the Korean page's
// controls in its order and styles; a translation may only move them and change their texts.
TEST(PageTemplates, EveryPageHasTheKoreanControlsInTabOrder) {
  Resources exe;
  ASSERT_NE(nullptr, exe.module()) << TESSARIL_EXE;
  for (const Page& page : kPages) {
    const Template t = LoadTemplate(exe, page);
    const std::vector<Expected> want = ExpectedControls(page);
    const bool korean = page.id == IDD_OPTION_PAGE || page.id == IDD_SYSTEM_PAGE;
    const bool english = page.id == IDD_OPTION_PAGE_EN || page.id == IDD_SYSTEM_PAGE_EN;
    ASSERT_EQ(want.size() + (page.id == IDD_OPTION_PAGE_JA ? 1 : 0), t.controls.size()) << page.id;
    for (size_t i = 0; i < want.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "template " << page.id << ", control #" << i + 1);
      const Control& c = t.controls[i];
      EXPECT_EQ(static_cast<DWORD>(want[i].id), c.id);
      EXPECT_EQ(Upper(ClassOf(want[i].kind)), c.cls);
      EXPECT_EQ(want[i].style, c.style);
      EXPECT_EQ(0u, c.helpId + c.exStyle + c.extra);  // nor creation data
      EXPECT_EQ(*want[i].korean == 0, c.text.empty()) << "a text where Korean has none, or none";
      if (korean) {
        EXPECT_EQ(want[i].korean, c.text);
        EXPECT_EQ(want[i].x, c.x);
        EXPECT_EQ(want[i].y, c.y);
        EXPECT_EQ(want[i].cx, c.cx);
        EXPECT_EQ(want[i].cy, c.cy);
      } else if (english || (page.option && want[i].kind == kCheckBox)) {
        // Every translation names the chat commands on the Option page's boxes.
        EXPECT_EQ(want[i].english, c.text);
      }
    }
  }
}

TEST(PageTemplates, NoControlLeavesItsPageOrCoversAnother) {
  Resources exe;
  ASSERT_NE(nullptr, exe.module()) << TESSARIL_EXE;
  for (const Page& page : kPages) {
    const Template t = LoadTemplate(exe, page);
    ASSERT_FALSE(t.controls.empty()) << page.id;
    for (size_t i = 0; i < t.controls.size(); ++i) {
      const Control& a = t.controls[i];
      SCOPED_TRACE(testing::Message() << "template " << page.id << ", control #" << i + 1);
      EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.cx <= t.cx && a.y + a.cy <= t.cy);
      // A drop-down list's height is that of its open list; closed it is one line.
      const auto height = [](const Control& c) -> short { return c.cls == L"#133" ? 12 : c.cy; };
      for (size_t j = i + 1; j < t.controls.size(); ++j) {
        const Control& b = t.controls[j];
        EXPECT_FALSE(a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + height(b) &&
                     b.y < a.y + height(a))
            << "covers control #" << j + 1;
      }
    }
  }
}

// The Japanese Option page tells the player, below the switches, that the game offers them too.
TEST(PageTemplates, JapaneseOptionPageEndsWithAThreeLineNote) {
  Resources exe;
  ASSERT_NE(nullptr, exe.module()) << TESSARIL_EXE;
  const Template t = LoadTemplate(exe, kPages[std::size(kPages) - 1]);
  ASSERT_EQ(26u, t.controls.size());
  const Control& note = t.controls.back();
  EXPECT_EQ(static_cast<DWORD>(-1), note.id);
  EXPECT_EQ(L"#130", note.cls);
  EXPECT_EQ(kLabel, note.style);
  EXPECT_EQ(2, std::count(note.text.begin(), note.text.end(), L'\n')) << "three lines";
  EXPECT_NE(std::wstring::npos, note.text.find(L"ゲーム内でも"));
  EXPECT_GE(note.cy, 3 * 8) << "room for three lines";
}

// A background bitmap's header and pixels as stored in the resource.
struct Picture {
  BITMAPINFOHEADER header{};
  std::vector<BYTE> bytes;

  bool White(int x, int y) const {  // y counted from the top, as on the page
    LONG stride = (header.biWidth * 3 + 3) & ~3;
    size_t at = sizeof(BITMAPINFOHEADER) + (header.biHeight - 1 - y) * stride + x * 3;
    return at + 2 < bytes.size() && bytes[at] == 255 && bytes[at + 1] == 255 &&
           bytes[at + 2] == 255;
  }
};

Picture LoadPicture(const Resources& exe, int id) {
  Picture picture;
  picture.bytes = exe.Find(MAKEINTRESOURCEA(2), id, kKorean);
  if (picture.bytes.size() >= sizeof(BITMAPINFOHEADER))
    memcpy(&picture.header, picture.bytes.data(), sizeof(BITMAPINFOHEADER));
  return picture;
}

TEST(PageBackgrounds, AreUncompressedBottomUpTrueColourPicturesOfTheirSize) {
  Resources exe;
  ASSERT_NE(nullptr, exe.module()) << TESSARIL_EXE;
  struct {
    int id;
    LONG width, height;
  } const pictures[] = {{IDB_SYSTEM_BACK, 573, 437}, {IDB_OPTION_BACK, 514, 437}};
  for (const auto& want : pictures) {
    SCOPED_TRACE(want.id);
    Picture picture = LoadPicture(exe, want.id);
    const BITMAPINFOHEADER& h = picture.header;
    ASSERT_EQ(sizeof(BITMAPINFOHEADER), h.biSize) << "no Korean-language bitmap";
    EXPECT_EQ(want.width, h.biWidth);
    EXPECT_EQ(want.height, h.biHeight);  // positive: bottom-up
    EXPECT_EQ(1, h.biPlanes);
    EXPECT_EQ(24, h.biBitCount);
    EXPECT_EQ(static_cast<DWORD>(BI_RGB), h.biCompression);
    EXPECT_EQ(11808, h.biXPelsPerMeter);
    EXPECT_EQ(11808, h.biYPelsPerMeter);
    EXPECT_EQ(0u, h.biClrUsed);  // no colour table before the pixels
    size_t stride = (want.width * 3 + 3) & ~3;
    EXPECT_EQ(sizeof(BITMAPINFOHEADER) + stride * want.height, picture.bytes.size());
  }
}

// Shares of non-white pixels in a column range: where the artwork is.
double InkShare(const Picture& picture, int x0, int x1) {
  long ink = 0;
  for (int y = 0; y < picture.header.biHeight; ++y)
    for (int x = x0; x < x1; ++x) ink += picture.White(x, y) ? 0 : 1;
  return static_cast<double>(ink) / ((x1 - x0) * picture.header.biHeight);
}

TEST(PageBackgrounds, CarryArtworkBesideTheControls) {
  Resources exe;
  ASSERT_NE(nullptr, exe.module()) << TESSARIL_EXE;
  Picture system = LoadPicture(exe, IDB_SYSTEM_BACK);
  Picture option = LoadPicture(exe, IDB_OPTION_BACK);
  ASSERT_EQ(573, system.header.biWidth);
  ASSERT_EQ(514, option.header.biWidth);
  EXPECT_GT(InkShare(system, 0, 130), 0.15) << "left group of the System page";
  EXPECT_GT(InkShare(system, 480, 573), 0.15) << "right group of the System page";
  EXPECT_GT(InkShare(option, 0, 145), 0.15) << "artwork of the Option page";
  // The middle, where the System page's controls sit, stays essentially white.
  EXPECT_LT(InkShare(system, 140, 470), 0.05);
}

// The pages under test need no handling of their own.
INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Creates the page from its template (hidden) so that the controls stand where the page's
// font really puts them, then looks at the picture under each control.
void ExpectWhiteUnderControls(const Resources& exe, int templateId, int bitmapId, int left) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  std::vector<BYTE> bytes = exe.Find(MAKEINTRESOURCEA(5), templateId, kKorean);
  ASSERT_GT(bytes.size(), 16u);
  DWORD style;
  memcpy(&style, &bytes[12], sizeof(style));
  style &= ~WS_VISIBLE;
  memcpy(&bytes[12], &style, sizeof(style));
  HWND page = CreateDialogIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()),
                                         nullptr, IgnoreMessages, 0);
  ASSERT_NE(nullptr, page);
  RECT unit = {0, 0, 100, 100};
  MapDialogRect(page, &unit);
  printf("template %d: 100 dialog units = %ld x %ld pixels\n", templateId, unit.right, unit.bottom);

  Picture picture = LoadPicture(exe, bitmapId);
  ASSERT_EQ(sizeof(BITMAPINFOHEADER), picture.header.biSize);
  int controls = 0;
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
    ++controls;
    int ink = 0;
    for (LONG y = r.top; y < r.bottom; ++y)
      for (LONG x = r.left; x < r.right; ++x) {
        int bx = x - left;
        if (bx < 0 || bx >= picture.header.biWidth || y < 0 || y >= picture.header.biHeight)
          continue;
        ink += picture.White(bx, y) ? 0 : 1;
      }
    EXPECT_EQ(0, ink) << "control " << GetDlgCtrlID(child) << " at " << r.left << "," << r.top
                      << " - " << r.right << "," << r.bottom << " stands on artwork";
  }
  EXPECT_GT(controls, 20);
  DestroyWindow(page);
}

TEST(PageBackgrounds, SystemPagePictureIsWhiteUnderEveryControl) {
  Resources exe;
  ASSERT_NE(nullptr, exe.module()) << TESSARIL_EXE;
  ExpectWhiteUnderControls(exe, IDD_SYSTEM_PAGE, IDB_SYSTEM_BACK, 0);
}

TEST(PageBackgrounds, OptionPagePictureIsWhiteUnderEveryControl) {
  Resources exe;
  ASSERT_NE(nullptr, exe.module()) << TESSARIL_EXE;
  // The Option page paints its picture 25 pixels from its left edge.
  ExpectWhiteUnderControls(exe, IDD_OPTION_PAGE, IDB_OPTION_BACK, 25);
}

}  // namespace
