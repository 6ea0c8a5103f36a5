#pragma once
// Settings files in the usual INI syntax, UTF-8 on disk. Section and key names
// are case-insensitive; a value is at most kMaxValueChars characters long.
// Every write replaces the file atomically, keeping all other lines as they were.

#include <string>
#include <utility>
#include <vector>

namespace shell {

using IniEntries = std::vector<std::pair<std::wstring, std::wstring>>;

class IniFile {
 public:
  static constexpr size_t kMaxValueChars = 98;

  explicit IniFile(std::string path) : m_path(std::move(path)) {}

  const std::string& Path() const { return m_path; }

  // Empty text when the file, the section or the key is missing. Never creates the file.
  std::wstring Read(const std::wstring& section, const std::wstring& key) const;

  // Sets the keys of one section in a single replacement of the file, which is
  // created when missing. False when the file cannot be written; it is then unchanged.
  bool Write(const std::wstring& section, const IniEntries& entries) const;

 private:
  std::string m_path;
};

}  // namespace shell
