#pragma once
// The pages' calls of the terminal's seven script functions, as they reach the terminal.

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace browser {

// Installed in every frame of every page.
inline constexpr std::array<const char*, 7> kScriptFunctionNames = {
    "StopAudioEvent", "StopMovieEvent", "SendpdfInfo", "FinishPdfDisplay",
    "WriteLog",       "ResustContentArea", "FileStateNotify"};

// One argument after conversion in the page: a string, an integer in the
// 32-bit range, another number, or a boolean; anything else arrives as empty text.
using ScriptValue = std::variant<std::string, int, double, bool>;

struct ScriptMessage {
  std::string name;
  std::vector<ScriptValue> args;

  // The integer at `index`; 0 when missing or of another kind.
  int IntArg(size_t index) const;
  // The text at `index`; empty when missing or of another kind.
  std::string TextArg(size_t index) const;
};

// Reads {"name": "...", "args": [{"t": "s|i|d|b", "v": ...}, ...]}, as the page
// script posts it. False for anything else.
bool ParseScriptMessage(const std::string& json, ScriptMessage& message);

}  // namespace browser
