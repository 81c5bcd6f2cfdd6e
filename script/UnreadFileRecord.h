// The data files that start-up could not read whole, and the chunks that a bound stopped.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <utility>
#include <vector>

// A data file as loaded: its path and a fingerprint of the bytes given to Lua.
struct ChunkId {
  std::string path;
  uint64_t hash;
  size_t size;
  bool operator==(const ChunkId& other) const {
    return hash == other.hash && size == other.size && path == other.path;
  }
};

ChunkId IdOfChunk(const std::string& path, const std::string& bytes);

// A data file that was not read whole: larger than kDataFileSizeLimit (each such candidate
// file, by its path), or cut short at start-up: stopped by a bound, or not read because the
// start-up's time was spent (by the data file's name-table entry, with the path of the file
// that was stopped, else empty). A file cut short is not read again in this process.
struct UnreadFile {
  int file;  // name-table entry of the data file
  std::string path;
  bool tooLarge;
};

enum class StoppedRun { kNever, kAtLoad, kWhenRun };

class UnreadFileRecord {
 public:
  const std::vector<UnreadFile>& Files() const { return m_unread; }
  bool CutShort(int file) const;
  void NoteUnread(int file, const std::string& path, bool tooLarge);
  // A bound stopped the chunk while it compiled or ran: in this process it is not run again,
  // and at start-up its data file is cut short.
  void NoteStopped(const ChunkId& id, int file, bool atLoad, bool atStartup);
  StoppedRun WhenStopped(const ChunkId& id) const;

 private:
  std::vector<UnreadFile> m_unread;
  std::vector<std::pair<ChunkId, bool>> m_stopped;  // with whether it stopped at its load
};
