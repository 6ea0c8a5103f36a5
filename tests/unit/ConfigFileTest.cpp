#include "shell/ConfigFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class ConfigFileTest : public testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("vireo-config-" + std::to_string(getpid()) + "-" +
             testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    m_path = (m_dir / "basic.ini").string();
  }
  void TearDown() override { fs::remove_all(m_dir); }

  void WriteFile(const std::string& content) { std::ofstream(m_path, std::ios::binary) << content; }
  std::string ReadFile() const {
    std::ifstream file(m_path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
  }
  std::unique_ptr<shell::ConfigFile> Loaded() const {
    auto config = std::make_unique<shell::ConfigFile>();
    config->Load(m_path);
    return config;
  }

  fs::path m_dir;
  std::string m_path;
};

TEST_F(ConfigFileTest, MissingFileReadsAsEmptyAndIsNotCreated) {
  auto config = Loaded();
  EXPECT_EQ(config->ClientId(), 0);
  EXPECT_EQ(config->GetBasicAddr(), L"");
  EXPECT_EQ(config->FullScreen(), 0);
  EXPECT_EQ(config->Type(), 0);
  EXPECT_EQ(config->Tray(), 0);
  EXPECT_FALSE(fs::exists(m_path));
}

TEST_F(ConfigFileTest, IntegersReadLikeTheSettingsReader) {
  const std::pair<std::string, int> cases[] = {
      {"42", 42}, {" 42", 42}, {"42x", 42}, {"x42", 0}, {"", 0},
      {"99999999999", 2147483647}, {"-5", -5},
  };
  for (const auto& [text, value] : cases) {
    WriteFile("[Deploy]\nClientId=" + text + "\n[Version]\ntype=" + text + "\n");
    const auto config = Loaded();
    EXPECT_EQ(config->ClientId(), value) << text;
    EXPECT_EQ(config->Type(), value) << text;
  }
}

TEST_F(ConfigFileTest, ReadsAllKeysWhateverTheirCase) {
  WriteFile(
      "\xEF\xBB\xBF; written by hand\r\n[deploy]\r\nclientid = 7\r\nBASICADDR=192.0.2.5:8080\r\n"
      "FullScreen=1\r\n\r\n[VERSION]\r\nType=22\r\nTray=1\r\n");
  const auto config = Loaded();
  EXPECT_EQ(config->ClientId(), 7);
  EXPECT_EQ(config->GetBasicAddr(), L"192.0.2.5:8080");
  EXPECT_EQ(config->FullScreen(), 1);
  EXPECT_EQ(config->Type(), 22);
  EXPECT_EQ(config->Tray(), 1);
}

TEST_F(ConfigFileTest, LongValuesAreCutTo98Characters) {
  std::wstring longAddr;
  for (int i = 0; i < 120; ++i) longAddr += static_cast<wchar_t>(i % 2 ? L'楼' : L'a' + i % 26);
  auto writer = Loaded();
  writer->SetBasicAddr(longAddr);
  writer->Save();
  EXPECT_EQ(Loaded()->GetBasicAddr(), longAddr.substr(0, 98));
}

TEST_F(ConfigFileTest, SaveWritesTheThreeDeployKeysAndKeepsEverythingElse) {
  WriteFile(
      "; school terminal\n[Deploy]\nClientId=3\nNote=keep me\n\n[Version]\ntype=22\ntray=1\n"
      "[Other]\nx=y\n");
  auto config = Loaded();
  config->SetClientId(12);
  config->SetBasicAddr(L"192.0.2.5:8080");
  config->Save();
  EXPECT_EQ(ReadFile(),
            "; school terminal\n[Deploy]\nClientId=12\nNote=keep me\nBasicAddr=192.0.2.5:8080\n"
            "FullScreen=0\n\n[Version]\ntype=22\ntray=1\n[Other]\nx=y\n");
}

TEST_F(ConfigFileTest, SaveCreatesAMissingFile) {
  auto config = Loaded();
  config->SetClientId(5);
  config->SetBasicAddr(L"一号楼:80");
  config->Save();
  EXPECT_EQ(ReadFile(), "[Deploy]\nClientId=5\nBasicAddr=一号楼:80\nFullScreen=0\n");
  EXPECT_EQ(Loaded()->GetBasicAddr(), L"一号楼:80");
}

TEST_F(ConfigFileTest, ResetWipesTheRegistrationInTheFileOnly) {
  WriteFile("[Deploy]\nClientId=12\nBasicAddr=192.0.2.5:8080\nFullScreen=1\n[Version]\ntype=22\n");
  auto config = Loaded();
  config->Reset();
  EXPECT_EQ(ReadFile(), "[Deploy]\nClientId=0\nBasicAddr=\nFullScreen=1\n[Version]\ntype=22\n");
  EXPECT_EQ(config->ClientId(), 12);
  EXPECT_EQ(config->GetBasicAddr(), L"192.0.2.5:8080");
  const auto reloaded = Loaded();
  EXPECT_EQ(reloaded->ClientId(), 0);
  EXPECT_EQ(reloaded->GetBasicAddr(), L"");
  EXPECT_EQ(reloaded->Type(), 22);
}

TEST_F(ConfigFileTest, SaveReplacesTheFileInsteadOfRewritingItInPlace) {
  WriteFile("[Deploy]\nClientId=1\n");
  struct stat before {};
  ASSERT_EQ(stat(m_path.c_str(), &before), 0);
  auto config = Loaded();
  config->SetClientId(2);
  config->Save();
  struct stat after {};
  ASSERT_EQ(stat(m_path.c_str(), &after), 0);
  // A new inode: a reader (or a power cut) sees the old file or the new one, never half of each.
  EXPECT_NE(before.st_ino, after.st_ino);
  EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

}  // namespace
