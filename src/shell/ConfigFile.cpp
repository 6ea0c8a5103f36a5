#include "shell/ConfigFile.h"

#include "tools/TextToInt.h"

namespace shell {
namespace {

const wchar_t kDeploy[] = L"Deploy";
const wchar_t kVersion[] = L"Version";

}  // namespace

void ConfigFile::Load(const std::string& path) {
  m_path = path;
  const IniFile file(m_path);
  m_clientId = tools::LeadingInt(file.Read(kDeploy, L"ClientId"));
  {
    std::lock_guard<std::mutex> guard(m_lock);
    m_basicAddr = file.Read(kDeploy, L"BasicAddr");
  }
  m_fullScreen = tools::LeadingInt(file.Read(kDeploy, L"FullScreen"));
  m_type = tools::LeadingInt(file.Read(kVersion, L"type"));
  m_tray = tools::LeadingInt(file.Read(kVersion, L"tray"));
}

void ConfigFile::Save() {
  std::lock_guard<std::mutex> guard(m_lock);
  IniFile(m_path).Write(kDeploy, {{L"ClientId", std::to_wstring(m_clientId)},
                                  {L"BasicAddr", m_basicAddr},
                                  {L"FullScreen", std::to_wstring(m_fullScreen)}});
}

void ConfigFile::Reset() {
  IniFile(m_path).Write(kDeploy, {{L"ClientId", L"0"},
                                  {L"BasicAddr", L""},
                                  {L"FullScreen", std::to_wstring(m_fullScreen)}});
}

void ConfigFile::SetClientId(int clientId) {
  std::lock_guard<std::mutex> guard(m_lock);
  m_clientId = clientId;
}

void ConfigFile::SetBasicAddr(const std::wstring& basicAddr) {
  std::lock_guard<std::mutex> guard(m_lock);
  m_basicAddr = basicAddr;
}

std::wstring ConfigFile::GetBasicAddr() const {
  std::lock_guard<std::mutex> guard(m_lock);
  return m_basicAddr;
}

}  // namespace shell
