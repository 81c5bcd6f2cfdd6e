// Test fixture: a fresh game folder per test as the current directory, with the settings record.
#pragma once

#include <gtest/gtest.h>

#include <string>

class CRegistry;

class ScriptFolder : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  CRegistry& Record();
  // Paths are relative to the test's folder; missing parent folders are made.
  static void Put(const std::string& path, const std::string& bytes);
  static std::string Get(const std::string& path);
  static bool Exists(const std::string& path);
  // The source precompiled as the client's 32-bit Lua does (string lengths 4 bytes wide), or
  // with lengths `sizeWidth` wide; empty when it does not compile.
  static std::string Precompile(const std::string& source, size_t sizeWidth = 4);

  static void PutDefaults(const std::string& text) { Put(kDefaults + ".lua", text); }
  static void PutMessages(const std::string& text) { Put(kMessages + ".lua", text); }
  static void PutSaved(const std::string& text) { Put("savedata\\OptionInfo.lua", text); }

  static const std::string kDefaults;
  static const std::string kMessages;

 private:
  std::string m_previous;
};
