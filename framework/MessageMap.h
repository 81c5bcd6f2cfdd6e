// Message maps: a static table per class binding messages and notifications to handlers.
#pragma once

#include <windows.h>

class CCmdTarget;

// How a handler is called; each entry macro below fixes one.
enum MessageSignature {
  kSigVoid,      // void Handler(): commands, clicks, WM_PAINT
  kSigNotify,    // void Handler(NMHDR*, LRESULT*): WM_NOTIFY codes
  kSigCtlColor,  // HBRUSH Handler(HDC, HWND, UINT): every WM_CTLCOLORxxx
  kSigScroll,    // void Handler(UINT code, UINT pos, HWND bar): WM_HSCROLL / WM_VSCROLL
};

typedef void (CCmdTarget::*GenericHandler)();

struct MessageMapEntry {
  UINT message;  // window message; WM_COMMAND and WM_NOTIFY also match code and id
  UINT code;     // notification code (BN_CLICKED, CBN_SELCHANGE, NM_RELEASEDCAPTURE), else 0
  UINT id;       // control or command id, else 0
  MessageSignature signature;
  GenericHandler handler;  // null ends the table
};

struct MessageMap {
  const MessageMap* (*base)();  // the base class's map, or null at the root
  const MessageMapEntry* entries;
};

// Root of every class that has a message map.
class CCmdTarget {
 public:
  virtual ~CCmdTarget() {}
  virtual const MessageMap* GetMessageMap() const;
  static const MessageMap* GetThisMessageMap();

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
    using ThisClass [[maybe_unused]] = theClass;                                                   \
    typedef baseClass TheBaseClass;                                                 \
    static const MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                    \
  { 0, 0, 0, kSigVoid, nullptr }                                             \
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
   reinterpret_cast<GenericHandler>(static_cast<void (ThisClass::*)(NMHDR*, LRESULT*)>(fn))},
#define ON_WM_PAINT()        \
  {WM_PAINT, 0, 0, kSigVoid, \
   static_cast<GenericHandler>(static_cast<void (ThisClass::*)()>(&ThisClass::OnPaint))},
#define ON_WM_CTLCOLOR()               \
  {WM_CTLCOLORDLG, 0, 0, kSigCtlColor, \
   reinterpret_cast<GenericHandler>(   \
       static_cast<HBRUSH (ThisClass::*)(HDC, HWND, UINT)>(&ThisClass::OnCtlColor))},
#define ON_WM_HSCROLL()              \
  {WM_HSCROLL, 0, 0, kSigScroll,     \
   reinterpret_cast<GenericHandler>( \
       static_cast<void (ThisClass::*)(UINT, UINT, HWND)>(&ThisClass::OnHScroll))},
