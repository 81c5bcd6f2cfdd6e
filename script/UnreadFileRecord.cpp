// UnreadFileRecord: files cut short or too large, and the chunks whose run was stopped.
#include "script/UnreadFileRecord.h"

#include <string.h>

#include <new>

// Stopped files remembered at most; older ones are forgotten.
const size_t kStoppedFilesKept = 32;

// Enough to tell one version of a file from another, eight bytes at a time: every lookup
// takes the fingerprint of a file that may be megabytes long.
ChunkId IdOfChunk(const std::string& path, const std::string& bytes) {
  uint64_t hash = 14695981039346656037ull ^ bytes.size();
  size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    uint64_t word;
    memcpy(&word, bytes.data() + at, 8);
    hash = (hash ^ word) * 1099511628211ull;
    hash ^= hash >> 29;
  }
  for (; at < bytes.size(); ++at)
    hash = (hash ^ static_cast<unsigned char>(bytes[at])) * 1099511628211ull;
  return ChunkId{path, hash, bytes.size()};
}

bool UnreadFileRecord::CutShort(int file) const {
  for (const UnreadFile& unread : m_unread)
    if (unread.file == file && !unread.tooLarge)
      return true;
  return false;
}

void UnreadFileRecord::NoteUnread(int file, const std::string& path, bool tooLarge) {
  try {
    for (UnreadFile& known : m_unread) {
      if (known.file == file && known.tooLarge == tooLarge && (!tooLarge || known.path == path)) {
        if (known.path.empty())
          known.path = path;
        return;
      }
    }
    m_unread.push_back(UnreadFile{file, path, tooLarge});
  } catch (const std::bad_alloc&) {
    // Not noted: the player is not told of this file, which is read again.
  }
}

void UnreadFileRecord::NoteStopped(const ChunkId& id, int file, bool atLoad, bool atStartup) {
  try {
    if (m_stopped.size() >= kStoppedFilesKept)
      m_stopped.erase(m_stopped.begin());
    m_stopped.emplace_back(id, atLoad);
  } catch (const std::bad_alloc&) {
    // Not remembered: the file is run again, under the same bounds.
  }
  if (atStartup)
    NoteUnread(file, id.path, false);
}

StoppedRun UnreadFileRecord::WhenStopped(const ChunkId& id) const {
  for (const auto& stopped : m_stopped)
    if (stopped.first == id)
      return stopped.second ? StoppedRun::kAtLoad : StoppedRun::kWhenRun;
  return StoppedRun::kNever;
}
