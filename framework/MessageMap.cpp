// Lookup of message-map entries up the class chain, and the root runtime class record.
#include "framework/MessageMap.h"

namespace {
const MessageMapEntry kNoEntries[] = {{0, 0, 0, kSigVoid, static_cast<GenericHandler>(nullptr)}};
const MessageMap kRootMap = {nullptr, kNoEntries};
}  // namespace

const CRuntimeClass CCmdTarget::classCCmdTarget = {"CCmdTarget", nullptr, nullptr};

const CRuntimeClass* CCmdTarget::GetRuntimeClass() const { return &classCCmdTarget; }

const MessageMap* CCmdTarget::GetThisMessageMap() { return &kRootMap; }
const MessageMap* CCmdTarget::GetMessageMap() const { return &kRootMap; }

const MessageMapEntry* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
  // Every WM_CTLCOLORxxx message is answered by the one colour entry.
  if (IsCtlColorMessage(message))
    message = WM_CTLCOLORDLG;
  const bool keyed = message == WM_COMMAND || message == WM_NOTIFY;
  for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
    for (const MessageMapEntry* e = map->entries; e->message; ++e) {
      if (e->message != message)
        continue;
      if (!keyed || (e->id == id && e->code == code))
        return e;
    }
  }
  return nullptr;
}
