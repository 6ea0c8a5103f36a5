#include "shell/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cwctype>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>

#include "tools/TextCodec.h"

namespace shell {
namespace {

// Read-modify-write cycles of this process never interleave.
std::mutex g_writeLock;

std::wstring Trim(const std::wstring& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && std::iswspace(static_cast<wint_t>(text[begin]))) ++begin;
  while (end > begin && std::iswspace(static_cast<wint_t>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

bool SameName(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i])))
      return false;
  }
  return true;
}

std::wstring Wide(const std::string& line) {
  std::wstring wide;
  tools::ToWideText(line, wide);
  return wide;
}

std::string Local(const std::wstring& wide) {
  std::string local;
  tools::ToLocalText(wide, local);
  return local;
}

// One line of the file as the reader sees it.
struct ParsedLine {
  enum Kind { kOther, kSection, kKey } kind = kOther;
  std::wstring name;   // section or key name
  std::wstring value;  // key lines only
};

ParsedLine Parse(const std::string& rawLine) {
  ParsedLine parsed;
  const std::wstring line = Trim(Wide(rawLine));
  if (line.empty() || line[0] == L';' || line[0] == L'#') return parsed;
  if (line[0] == L'[') {
    const auto close = line.find(L']');
    if (close == std::wstring::npos) return parsed;
    parsed.kind = ParsedLine::kSection;
    parsed.name = Trim(line.substr(1, close - 1));
    return parsed;
  }
  const auto equals = line.find(L'=');
  if (equals == std::wstring::npos) return parsed;
  parsed.kind = ParsedLine::kKey;
  parsed.name = Trim(line.substr(0, equals));
  std::wstring value = Trim(line.substr(equals + 1));
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  parsed.value = value;
  return parsed;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  static const std::string kBom = "\xEF\xBB\xBF";
  if (!lines.empty() && lines[0].compare(0, kBom.size(), kBom) == 0) lines[0].erase(0, kBom.size());
  return lines;
}

// Writes beside the target, flushes to disk, then renames over it, so a power
// cut leaves either the old file or the new one, never a torn one.
bool ReplaceFile(const std::string& path, const std::string& content) {
  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = true;
  for (size_t done = 0; ok && done < content.size();) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) ok = false;
    else done += static_cast<size_t>(n);
  }
  ok = ok && fchmod(fd, 0644) == 0 && fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(temp.c_str());
  return ok;
}

}  // namespace

std::wstring IniFile::Read(const std::wstring& section, const std::wstring& key) const {
  const auto lines = ReadLines(m_path);
  if (!lines) return std::wstring();
  bool inSection = false;
  for (const auto& raw : *lines) {
    const ParsedLine line = Parse(raw);
    if (line.kind == ParsedLine::kSection) {
      inSection = SameName(line.name, section);
    } else if (inSection && line.kind == ParsedLine::kKey && SameName(line.name, key)) {
      return line.value.substr(0, kMaxValueChars);
    }
  }
  return std::wstring();
}

bool IniFile::Write(const std::wstring& section, const IniEntries& entries) const {
  std::lock_guard<std::mutex> guard(g_writeLock);
  std::vector<std::string> lines = ReadLines(m_path).value_or(std::vector<std::string>());

  // Where the section is, and where its last non-blank line is.
  std::optional<size_t> sectionAt;
  size_t sectionEnd = lines.size();
  for (size_t i = 0; i < lines.size(); ++i) {
    const ParsedLine line = Parse(lines[i]);
    if (line.kind != ParsedLine::kSection) continue;
    if (sectionAt) {
      sectionEnd = i;
      break;
    }
    if (SameName(line.name, section)) sectionAt = i;
  }
  if (!sectionAt) {
    if (!lines.empty() && !lines.back().empty()) lines.emplace_back();
    lines.push_back("[" + Local(section) + "]");
    sectionAt = lines.size() - 1;
    sectionEnd = lines.size();
  }
  size_t insertAt = *sectionAt + 1;
  for (size_t i = *sectionAt + 1; i < sectionEnd; ++i) {
    if (!Trim(Wide(lines[i])).empty()) insertAt = i + 1;
  }

  for (const auto& [key, value] : entries) {
    const std::string text = Local(key) + "=" + Local(value);
    bool replaced = false;
    for (size_t i = *sectionAt + 1; i < sectionEnd && !replaced; ++i) {
      const ParsedLine line = Parse(lines[i]);
      if (line.kind == ParsedLine::kKey && SameName(line.name, key)) {
        lines[i] = text;
        replaced = true;
      }
    }
    if (!replaced) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), text);
      ++insertAt;
      ++sectionEnd;
    }
  }

  std::ostringstream content;
  for (const auto& line : lines) content << line << "\n";
  return ReplaceFile(m_path, content.str());
}

}  // namespace shell
