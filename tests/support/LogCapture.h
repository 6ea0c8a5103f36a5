#pragma once
// Collects what the code under test logs, so tests can wait for a log line.

#include <glog/logging.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace testing_support {

class LogCapture : public google::LogSink {
 public:
  LogCapture() { google::AddLogSink(this); }
  ~LogCapture() override { google::RemoveLogSink(this); }

  void send(google::LogSeverity severity, const char*, const char*, int, const google::LogMessageTime&,
            const char* message, size_t length) override {
    std::lock_guard<std::mutex> guard(m_lock);
    m_lines.push_back({severity, std::string(message, length)});
    m_changed.notify_all();
  }

  // Lines that contain `text`.
  int Count(const std::string& text) const {
    std::lock_guard<std::mutex> guard(m_lock);
    return CountLocked(text);
  }

  int CountAt(google::LogSeverity severity, const std::string& text) const {
    std::lock_guard<std::mutex> guard(m_lock);
    int count = 0;
    for (const auto& line : m_lines) count += line.severity == severity && line.text.find(text) != std::string::npos;
    return count;
  }

  bool WaitFor(const std::string& text, int count = 1,
               std::chrono::seconds timeout = std::chrono::seconds(30)) const {
    std::unique_lock<std::mutex> guard(m_lock);
    return m_changed.wait_for(guard, timeout, [&] { return CountLocked(text) >= count; });
  }

 private:
  struct Line {
    google::LogSeverity severity;
    std::string text;
  };

  int CountLocked(const std::string& text) const {
    int count = 0;
    for (const auto& line : m_lines) count += line.text.find(text) != std::string::npos;
    return count;
  }

  mutable std::mutex m_lock;
  mutable std::condition_variable m_changed;
  std::vector<Line> m_lines;
};

}  // namespace testing_support
