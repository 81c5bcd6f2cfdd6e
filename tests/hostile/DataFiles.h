// Generated client data files with the values they are meant to yield.
#pragma once

#include <map>
#include <string>

class Mutator;

// The 34 keys the program owns, in the order the saved block lists them (11 then 23).
extern const char* const kOptionKeys[11];
extern const char* const kCommandKeys[23];
// Message keys the program asks for.
extern const char* const kMessageKeys[34];

enum TableId { kOptionInfoList = 0, kCmdOnOffList = 1 };
const char* TableName(int table);

struct ExpectedValue {
  bool isNumber = false;
  double number = 0;
  bool isString = false;
  std::string text;  // up to the first NUL, as the program hands it out
};

// What a generated option file leaves in its two tables once it has run.
struct OptionModel {
  bool raises = false;  // the run ends in an error: nothing of it counts
  std::map<std::string, ExpectedValue> tables[2];
  int Number(int table, const std::string& key, int defaultValue) const;
};

struct MessageModel {
  bool raises = false;
  std::map<std::string, ExpectedValue> texts;
  std::string Text(const std::string& key) const;
};

// An option file in the styles a client or an editor writes: single assignments, dotted
// fields, whole-table constructors, comments, odd number forms, foreign statements.
// createTables: start with constructors (the client's default file must make its own tables).
std::string MakeOptionSource(Mutator& rng, bool createTables, OptionModel& model);
// A saved option file as the program writes it, with foreign lines spread around.
std::string MakeSavedSource(Mutator& rng, OptionModel& model);
// A message file with escaped and long-bracket texts, some values of other types.
std::string MakeMessageSource(Mutator& rng, MessageModel& model);
// The text as Notepad's "Unicode" (UTF-16 with its byte-order mark), from the system code
// page; false when the text does not convert there and back exactly.
bool ToUtf16File(const std::string& text, bool bigEndian, std::string& file);
// The text, a Ctrl-Z and something after it that the client never reads.
std::string EndedByCtrlZ(Mutator& rng, const std::string& text);
// A key picked mostly from the model's own, sometimes foreign.
std::string PickOptionKey(Mutator& rng, const OptionModel& model, int table);
std::string PickMessageKey(Mutator& rng, const MessageModel& model);
