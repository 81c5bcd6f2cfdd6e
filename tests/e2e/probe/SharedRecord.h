// The record the driver shares with a hook, opened by name for the length of one look.
#pragma once

#include <windows.h>

template <typename Record>
class SharedRecord {
 public:
  explicit SharedRecord(const wchar_t* name)
      : m_map(OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, name)),
        m_record(m_map ? static_cast<Record*>(
                             MapViewOfFile(m_map, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Record)))
                       : nullptr) {}
  ~SharedRecord() {
    if (m_record)
      UnmapViewOfFile(m_record);
    if (m_map)
      CloseHandle(m_map);
  }
  SharedRecord(const SharedRecord&) = delete;
  SharedRecord& operator=(const SharedRecord&) = delete;

  // Null when the driver shares no such record.
  Record* get() const { return m_record; }

 private:
  HANDLE m_map;
  Record* m_record;
};
