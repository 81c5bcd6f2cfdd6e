// Where the defaults of the volumes and switches come from: the game client's own option file.
#pragma once

// Each lookup answers 0 when the client's file, its table or the key is missing.
class ClientDefaults {
 public:
  virtual int GetDefaultOption(const char* key) = 0;
  virtual int GetDefaultCommand(const char* key) = 0;

 protected:
  ~ClientDefaults() = default;
};

// The source that CRegistry::ResetToDefaults asks, set once at start-up; without one every
// client default is 0, as without the client's file.
void SetClientDefaults(ClientDefaults* source);
