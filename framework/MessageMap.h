// Message maps: a static table per class binding messages and notifications to handlers.
#pragma once

#include <windows.h>

#include <new>

class CCmdTarget;
struct CRuntimeClass;

// How a handler is called; each entry macro below fixes one.
enum MessageSignature {
  kSigVoid,      // void Handler(): commands, clicks, WM_PAINT
  kSigNotify,    // void Handler(NMHDR*, LRESULT*): WM_NOTIFY codes
  kSigCtlColor,  // HBRUSH Handler(HDC, HWND, UINT): every WM_CTLCOLORxxx
  kSigScroll,    // void Handler(UINT code, UINT pos, HWND bar): WM_HSCROLL / WM_VSCROLL
};

// True for every WM_CTLCOLORxxx message (CTLCOLOR_MSGBOX to CTLCOLOR_STATIC).
inline bool IsCtlColorMessage(UINT message) {
  return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

typedef void (CCmdTarget::*GenericHandler)();
typedef void (CCmdTarget::*NotifyHandler)(NMHDR*, LRESULT*);
typedef HBRUSH (CCmdTarget::*CtlColorHandler)(HDC, HWND, UINT);
typedef void (CCmdTarget::*ScrollHandler)(UINT, UINT, HWND);

// The handler as the root class's member of its own signature; the entry's signature says
// which member is set, so each is called as exactly the type it was stored as.
union MessageHandler {
  constexpr MessageHandler(GenericHandler h) : generic(h) {}
  constexpr MessageHandler(NotifyHandler h) : notify(h) {}
  constexpr MessageHandler(CtlColorHandler h) : ctlColor(h) {}
  constexpr MessageHandler(ScrollHandler h) : scroll(h) {}
  GenericHandler generic;
  NotifyHandler notify;
  CtlColorHandler ctlColor;
  ScrollHandler scroll;
};

struct MessageMapEntry {
  UINT message;  // window message; WM_COMMAND and WM_NOTIFY also match code and id; 0 ends
  UINT code;     // notification code (BN_CLICKED, CBN_SELCHANGE, NM_RELEASEDCAPTURE), else 0
  UINT id;       // control or command id, else 0
  MessageSignature signature;
  MessageHandler handler;
};

struct MessageMap {
  const MessageMap* (*base)();  // the base class's map, or null at the root
  const MessageMapEntry* entries;
};

// Root of every class that has a message map or a runtime class record.
class CCmdTarget {
 public:
  virtual ~CCmdTarget() {}
  virtual const MessageMap* GetMessageMap() const;
  static const MessageMap* GetThisMessageMap();

  static const CRuntimeClass classCCmdTarget;
  virtual const CRuntimeClass* GetRuntimeClass() const;

  // Searches this class's map, then its bases', for the first matching entry.
  const MessageMapEntry* FindMessageEntry(UINT message, UINT code, UINT id) const;
};

#define DECLARE_MESSAGE_MAP()                   \
 public:                                        \
  static const MessageMap* GetThisMessageMap(); \
  const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const MessageMap* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    typedef baseClass TheBaseClass;                                                 \
    static const MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                    \
  { 0, 0, 0, kSigVoid, static_cast<GenericHandler>(nullptr) }                \
  }                                                                          \
  ;                                                                          \
  static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                               \
  }

// ON_COMMAND and ON_BN_CLICKED match alike: BN_CLICKED is notification code 0.
// One line per entry, in the order the class declares its handlers.
#define ON_COMMAND(id, fn)        \
  {WM_COMMAND, 0, (id), kSigVoid, \
   static_cast<GenericHandler>(static_cast<void (ThisClass::*)()>(fn))},
#define ON_BN_CLICKED(id, fn)              \
  {WM_COMMAND, BN_CLICKED, (id), kSigVoid, \
   static_cast<GenericHandler>(static_cast<void (ThisClass::*)()>(fn))},
#define ON_CBN_SELCHANGE(id, fn)              \
  {WM_COMMAND, CBN_SELCHANGE, (id), kSigVoid, \
   static_cast<GenericHandler>(static_cast<void (ThisClass::*)()>(fn))},
#define ON_NOTIFY(code, id, fn)                          \
  {WM_NOTIFY, static_cast<UINT>(code), (id), kSigNotify, \
   static_cast<NotifyHandler>(static_cast<void (ThisClass::*)(NMHDR*, LRESULT*)>(fn))},
#define ON_WM_PAINT()        \
  {WM_PAINT, 0, 0, kSigVoid, \
   static_cast<GenericHandler>(static_cast<void (ThisClass::*)()>(&ThisClass::OnPaint))},
#define ON_WM_CTLCOLOR()               \
  {WM_CTLCOLORDLG, 0, 0, kSigCtlColor, \
   static_cast<CtlColorHandler>(       \
       static_cast<HBRUSH (ThisClass::*)(HDC, HWND, UINT)>(&ThisClass::OnCtlColor))},
#define ON_WM_HSCROLL()          \
  {WM_HSCROLL, 0, 0, kSigScroll, \
   static_cast<ScrollHandler>(   \
       static_cast<void (ThisClass::*)(UINT, UINT, HWND)>(&ThisClass::OnHScroll))},

// Runtime class records: name, base record and, for creatable classes, a factory.
struct CRuntimeClass {
  const char* m_lpszClassName;
  const CRuntimeClass* m_pBaseClass;
  CCmdTarget* (*m_pfnCreateObject)();  // null: the class cannot be made from its record

  // A new object of the class, or null when it has no factory or memory ran out.
  CCmdTarget* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

#define RUNTIME_CLASS(theClass) (&theClass::class##theClass)

#define DECLARE_DYNAMIC(theClass)             \
 public:                                      \
  static const CRuntimeClass class##theClass; \
  const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(theClass) \
  DECLARE_DYNAMIC(theClass)         \
  static CCmdTarget* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(theClass, baseClass, factory)                                      \
  const CRuntimeClass theClass::class##theClass = {#theClass, RUNTIME_CLASS(baseClass), factory}; \
  const CRuntimeClass* theClass::GetRuntimeClass() const { return RUNTIME_CLASS(theClass); }

#define IMPLEMENT_DYNAMIC(theClass, baseClass) IMPLEMENT_RUNTIMECLASS(theClass, baseClass, nullptr)

#define IMPLEMENT_DYNCREATE(theClass, baseClass)                               \
  CCmdTarget* theClass::CreateObject() { return new (std::nothrow) theClass; } \
  IMPLEMENT_RUNTIMECLASS(theClass, baseClass, &theClass::CreateObject)
