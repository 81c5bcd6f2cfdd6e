// Generators of the client's data files, each with the model of what it assigns.
#include "DataFiles.h"

#include <windows.h>

#include <ctype.h>
#include <math.h>
#include <stdio.h>

#include <iterator>

#include "LuaOracle.h"
#include "Mutator.h"

const char* const kOptionKeys[11] = {
    "Bgm_Volume",  "Effect_Volume", "MouseExclusive", "ISFULLSCREENMODE", "WIDTH",      "HEIGHT",
    "BITPERPIXEL", "DEVICECNT",     "MODECNT",        "SPRITEMODE",       "TEXTUREMODE"};
const char* const kCommandKeys[23] = {
    "/bgm",       "/sound",      "/notrade",  "/noshift",   "/noctrl",   "/skillfail",
    "/notalkmsg", "/notalkmsg2", "/showname", "/fog",       "/aura",     "/window",
    "/miss",      "/effect",     "/shopping", "/stateinfo", "/loginout", "/snap",
    "/itemsnap",  "/camera",     "/hoai",     "/merai",     "/lightmap"};
const char* const kMessageKeys[34] = {
    "alreadyclient", "ISOK",     "Device",     "Mode",          "FullScreen", "MouseExclusive",
    "Sprite",        "Texture",  "Bgm_Volume", "Effect_Volume", "bgm",        "sound",
    "NoSound",       "notrade",  "noshift",    "noctrl",        "skillfail",  "notalkmsg",
    "notalkmsg2",    "showname", "fog",        "aura",          "window",     "miss",
    "effect",        "shopping", "stateinfo",  "loginout",      "snap",       "itemsnap",
    "camera",        "hoai",     "merai",      "lightmap"};

namespace {

enum Kind { kNumber, kString, kOther, kNil };

struct ValueForm {
  const char* text;
  Kind kind;
  double number;
};

// Number forms with awkward conversions, and values of the types that never qualify.
const ValueForm kForms[] = {
    {"2.9", kNumber, 2.9},
    {"-2.9", kNumber, -2.9},
    {"0x1F", kNumber, 31},
    {"1e3", kNumber, 1000},
    {"1e300", kNumber, 1e300},
    {"-1e300", kNumber, -1e300},
    {"0/0", kNumber, NAN},
    {"1/0", kNumber, INFINITY},
    {"-1/0", kNumber, -INFINITY},
    {"2^31", kNumber, 2147483648.0},
    {"-2^31", kNumber, -2147483648.0},
    {"2147483647.75", kNumber, 2147483647.75},
    {"-2147483649", kNumber, -2147483649.0},
    {"4294967296", kNumber, 4294967296.0},
    {"3*4-1", kNumber, 11},
    {"((7))", kNumber, 7},
    {"-0.5", kNumber, -0.5},
    {"1e-300", kNumber, 1e-300},
    {"\"12\"", kString, 0},
    {"'5'", kString, 0},
    {"true", kOther, 0},
    {"false", kOther, 0},
    {"{}", kOther, 0},
    {"{ 1, 2 }", kOther, 0},
    {"nil", kNil, 0},
};

// Statements that raise when run: no library is opened, and nothing undefined can be indexed.
const char* const kRaising[] = {"print(\"hello\")", "Undefined.field = 1",
                                "local s = (\"x\"):rep(3)", "error(\"stop\")",
                                "OptionInfoList = nil OptionInfoList.x = 1"};

const char* const kForeignLines[] = {
    "-- edited by hand: WIDTH 1024, see the forum",
    "Extra = { speed = 3, name = \"fast\" }",
    "local unused = 12",
    "--[[ a long comment with \"quotes\" ]]",
    "Tweaks = {} Tweaks[\"SCREENWIDTH\"] = 1280",
    "ChatColor = 0xFF00FF;",
    "   ",
    "\t-- tabbed comment",
    "-- \xc7\xd1\xb1\xdb \xbc\xb3\xc1\xa4",
};

bool IsIdentifier(const std::string& key) {
  if (key.empty() || isdigit(static_cast<unsigned char>(key[0])))
    return false;
  for (char c : key)
    if (!isalnum(static_cast<unsigned char>(c)) && c != '_')
      return false;
  return true;
}

std::string RandomText(Mutator& rng, bool allowNul) {
  std::string text;
  const int length = rng.Between(0, 60);
  for (int i = 0; i < length; ++i) {
    const uint32_t pick = rng.Below(100);
    if (pick < 70)
      text += static_cast<char>(rng.Between(0x20, 0x7e));
    else if (pick < 90)
      text += static_cast<char>(rng.Between(0x80, 0xff));
    else
      text += static_cast<char>(rng.Between(allowNul ? 0 : 1, 0x1f));
  }
  return text;
}

// A short string literal; every control byte as a three-digit escape, so no digit can join it.
std::string Quote(const std::string& text) {
  std::string literal = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\' || c < 0x20 || c == 0x7f) {
      char escape[8];
      snprintf(escape, sizeof(escape), "\\%03u", c);
      literal += escape;
    } else {
      literal += static_cast<char>(c);
    }
  }
  return literal + "\"";
}

// A long-bracket literal; its text has no line break, no bracket and no 0x1A, which
// would end a file read in text mode.
std::string LongQuote(Mutator& rng, std::string& text) {
  std::string clean;
  for (char c : text)
    if (c != '\r' && c != '\n' && c != ']' && c != '\x1a')
      clean += c;
  text = clean;
  const std::string level(rng.Below(3), '=');
  return "[" + level + "[" + text + "]" + level + "]";
}

std::string CutAtNul(const std::string& text) { return text.substr(0, text.find('\0')); }

// Every line end Lua knows: CR LF mostly, then LF, a lone CR and LF CR.
std::string LineEnd(Mutator& rng) {
  const uint32_t pick = rng.Below(100);
  return pick < 60 ? "\r\n" : pick < 80 ? "\n" : pick < 90 ? "\r" : "\n\r";
}

// A value for an option table: a plain integer mostly, else one of the awkward forms.
std::string MakeValue(Mutator& rng, ExpectedValue& value, bool& remove) {
  remove = false;
  value = ExpectedValue();
  if (rng.Chance(65)) {
    const int n = rng.Chance(80) ? rng.Between(-5, 2000) : static_cast<int>(rng.Next());
    value.isNumber = true;
    value.number = n;
    return std::to_string(n);
  }
  const ValueForm& form = kForms[rng.Below(sizeof(kForms) / sizeof(kForms[0]))];
  value.isNumber = form.kind == kNumber;
  value.number = form.number;
  value.isString = form.kind == kString;
  remove = form.kind == kNil;
  return form.text;
}

std::string AnyOwnKey(Mutator& rng, int table) {
  return table == kOptionInfoList ? kOptionKeys[rng.Below(11)] : kCommandKeys[rng.Below(23)];
}

std::string Assignment(Mutator& rng, int table, const std::string& key, OptionModel& model) {
  ExpectedValue value;
  bool remove = false;
  const std::string text = MakeValue(rng, value, remove);
  if (remove)
    model.tables[table].erase(key);
  else
    model.tables[table][key] = value;
  const std::string name = TableName(table);
  if (IsIdentifier(key) && rng.Chance(30))
    return name + "." + key + " = " + text;
  return name + (rng.Chance(20) ? "[ \"" : "[\"") + key + "\"] = " + text +
         (rng.Chance(10) ? ";" : "");
}

std::string Constructor(Mutator& rng, int table, OptionModel& model) {
  model.tables[table].clear();
  std::string text = std::string(TableName(table)) + " = {";
  const int count = rng.Between(0, 12);
  for (int i = 0; i < count; ++i) {
    const std::string key = AnyOwnKey(rng, table);
    ExpectedValue value;
    bool remove = false;
    const std::string form = MakeValue(rng, value, remove);
    // A constructor field set to nil leaves the key absent; a repeated key keeps the last.
    if (remove)
      model.tables[table].erase(key);
    else
      model.tables[table][key] = value;
    text += (IsIdentifier(key) && rng.Chance(50) ? key : "[\"" + key + "\"]") + " = " + form;
    text += rng.Chance(50) ? ", " : ";" + LineEnd(rng);
  }
  return text + "}";
}

}  // namespace

bool ToUtf16File(const std::string& text, bool bigEndian, std::string& file) {
  file = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  if (text.empty())
    return true;
  const int length = static_cast<int>(text.size());
  std::wstring wide(text.size(), L'\0');
  const int count =
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), length, &wide[0], length);
  if (count <= 0)
    return false;
  wide.resize(count);
  // Only text that comes back byte for byte: what the program then reads is known.
  std::string back(text.size() * 2, '\0');
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), count, &back[0],
                                       static_cast<int>(back.size()), nullptr, &lossy);
  if (lossy || size != length || back.compare(0, size, text) != 0)
    return false;
  for (wchar_t c : wide) {
    const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xff);
    file += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return true;
}

std::string EndedByCtrlZ(Mutator& rng, const std::string& text) {
  const char* const tails[] = {"", "\r\n", "text after the end ]] \" no Lua", "\x1a\x1a",
                               "\r\n\x1a-- more"};
  return text + "\x1a" + tails[rng.Below(5)];
}

const char* TableName(int table) {
  return table == kOptionInfoList ? "OptionInfoList" : "CmdOnOffList";
}

int OptionModel::Number(int table, const std::string& key, int defaultValue) const {
  if (raises)
    return defaultValue;
  const auto found = tables[table].find(key);
  if (found == tables[table].end() || !found->second.isNumber)
    return defaultValue;
  return LuaOracle::ToInt(found->second.number, defaultValue);
}

std::string MessageModel::Text(const std::string& key) const {
  if (raises)
    return std::string();
  const auto found = texts.find(key);
  return found != texts.end() && found->second.isString ? found->second.text : std::string();
}

std::string MakeOptionSource(Mutator& rng, bool createTables, OptionModel& model) {
  std::string source;
  if (rng.Chance(8))
    source += "#!skipped first line " + std::to_string(rng.Next()) + "\n";
  if (createTables) {
    source += (rng.Chance(50) ? Constructor(rng, kOptionInfoList, model) : "OptionInfoList = {}") +
              LineEnd(rng);
    source += (rng.Chance(50) ? Constructor(rng, kCmdOnOffList, model) : "CmdOnOffList = {}") +
              LineEnd(rng);
  }
  const int count = rng.Between(0, 40);
  for (int i = 0; i < count; ++i) {
    const int table = static_cast<int>(rng.Below(2));
    const uint32_t pick = rng.Below(100);
    if (pick < 70) {
      const std::string key =
          rng.Chance(90) ? AnyOwnKey(rng, table) : "Foreign" + std::to_string(i);
      source += Assignment(rng, table, key, model);
    } else if (pick < 75) {
      source += Constructor(rng, table, model);
    } else if (pick < 97) {
      source += kForeignLines[rng.Below(sizeof(kForeignLines) / sizeof(kForeignLines[0]))];
    } else {
      source += kRaising[rng.Below(sizeof(kRaising) / sizeof(kRaising[0]))];
      model.raises = true;
    }
    source += LineEnd(rng);
  }
  return source;
}

std::string MakeSavedSource(Mutator& rng, OptionModel& model) {
  std::string source;
  const auto foreign = [&]() {
    while (rng.Chance(25)) {
      if (rng.Chance(3)) {
        source += kRaising[rng.Below(sizeof(kRaising) / sizeof(kRaising[0]))];
        model.raises = true;
      } else {
        source += kForeignLines[rng.Below(sizeof(kForeignLines) / sizeof(kForeignLines[0]))];
      }
      source += LineEnd(rng);
    }
  };
  foreign();
  for (int table = 0; table < 2; ++table) {
    const int count = table == kOptionInfoList ? 11 : 23;
    for (int i = 0; i < count; ++i) {
      const char* key = table == kOptionInfoList ? kOptionKeys[i] : kCommandKeys[i];
      if (rng.Chance(5))
        continue;  // a line deleted by hand
      int value = rng.Chance(90) ? rng.Between(0, 1024) : static_cast<int>(rng.Next());
      if (rng.Chance(3)) {
        source += std::string(TableName(table)) + "[\"" + key + "\"] = \"" + std::to_string(value) +
                  "\"\r\n";
        model.tables[table][key] = ExpectedValue();
        model.tables[table][key].isString = true;
      } else {
        char line[96];
        snprintf(line, sizeof(line), "%s[\"%s\"] = %d\r\n", TableName(table), key, value);
        source += line;
        ExpectedValue number;
        number.isNumber = true;
        number.number = value;
        model.tables[table][key] = number;
      }
      foreign();
    }
    if (table == kOptionInfoList)
      source += "\r\n";
  }
  foreign();
  return source;
}

std::string MakeMessageSource(Mutator& rng, MessageModel& model) {
  std::string source;
  if (rng.Chance(8))
    source += "# a first line that the loader skips\n";
  const int count = rng.Between(0, 40);
  for (int i = 0; i < count; ++i) {
    const uint32_t pick = rng.Below(100);
    std::string key = rng.Chance(85) ? kMessageKeys[rng.Below(34)] : "extra" + std::to_string(i);
    if (rng.Chance(2))
      key.clear();  // SetupMSG[""] is a key like any other
    ExpectedValue value;
    std::string literal;
    if (pick < 55) {
      std::string text = RandomText(rng, true);
      literal = Quote(text);
      value.isString = true;
      value.text = CutAtNul(text);
    } else if (pick < 70) {
      std::string text = RandomText(rng, rng.Chance(20));
      literal = LongQuote(rng, text);
      value.isString = true;
      value.text = CutAtNul(text);
    } else if (pick < 78) {
      literal = std::to_string(rng.Between(-100, 100));
    } else if (pick < 82) {
      literal = rng.Chance(50) ? "true" : "{ \"nested\" }";
    } else if (pick < 86) {
      // The whole table replaced by a constructor.
      model.texts.clear();
      source += "SetupMSG = { ";
      const int fields = rng.Between(0, 6);
      for (int f = 0; f < fields; ++f) {
        const std::string fieldKey = kMessageKeys[rng.Below(34)];
        std::string text = RandomText(rng, false);
        source += "[\"" + fieldKey + "\"] = " + Quote(text) + ", ";
        ExpectedValue field;
        field.isString = true;
        field.text = text;
        model.texts[fieldKey] = field;
      }
      source += "}" + LineEnd(rng);
      continue;
    } else if (pick < 98) {
      source +=
          kForeignLines[rng.Below(sizeof(kForeignLines) / sizeof(kForeignLines[0]))] + LineEnd(rng);
      continue;
    } else {
      source +=
          std::string(kRaising[rng.Below(sizeof(kRaising) / sizeof(kRaising[0]))]) + LineEnd(rng);
      model.raises = true;
      continue;
    }
    model.texts[key] = value;
    if (IsIdentifier(key) && rng.Chance(30))
      source += "SetupMSG." + key + " = " + literal + LineEnd(rng);
    else
      source += "SetupMSG[" + Quote(key) + "] = " + literal + LineEnd(rng);
  }
  return source;
}

std::string PickOptionKey(Mutator& rng, const OptionModel& model, int table) {
  const auto& entries = model.tables[table];
  if (!entries.empty() && rng.Chance(70)) {
    auto it = entries.begin();
    std::advance(it, rng.Below(static_cast<uint32_t>(entries.size())));
    return it->first;
  }
  if (rng.Chance(85))
    return AnyOwnKey(rng, table);
  const char* const foreign[] = {"width", "NOTAKEY", "", "/bgm ", "OptionInfoList"};
  return foreign[rng.Below(5)];
}

std::string PickMessageKey(Mutator& rng, const MessageModel& model) {
  if (!model.texts.empty() && rng.Chance(70)) {
    auto it = model.texts.begin();
    std::advance(it, rng.Below(static_cast<uint32_t>(model.texts.size())));
    return it->first;
  }
  return rng.Chance(80) ? kMessageKeys[rng.Below(34)] : "absent";
}
