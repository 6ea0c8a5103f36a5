#include "ui/MainLoop.h"

#include <gtest/gtest.h>

#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

TEST(MainLoop, TasksFromManyThreadsRunOnTheMainThreadInPostingOrder) {
  constexpr int kThreads = 8;
  constexpr int kTasksPerThread = 500;
  constexpr int kTotal = kThreads * kTasksPerThread;

  std::mutex postLock;  // makes the global posting order observable
  int nextTicket = 0;
  std::vector<int> ran;  // touched only on the main thread
  bool allOnMainThread = true;
  bool offMainThreadSeen = false;

  std::vector<std::thread> posters;
  for (int t = 0; t < kThreads; ++t) {
    posters.emplace_back([&] {
      if (ui::OnMainThread()) offMainThreadSeen = true;
      for (int i = 0; i < kTasksPerThread; ++i) {
        std::lock_guard<std::mutex> guard(postLock);
        const int ticket = nextTicket++;
        ui::PostToMainThread([&, ticket] {
          allOnMainThread = allOnMainThread && ui::OnMainThread();
          ran.push_back(ticket);
          if (ticket == kTotal - 1) ui::QuitMainLoop(0);
        });
      }
    });
  }
  EXPECT_EQ(ui::RunMainLoop(), 0);
  for (auto& poster : posters) poster.join();

  EXPECT_FALSE(offMainThreadSeen);
  EXPECT_TRUE(allOnMainThread);
  ASSERT_EQ(ran.size(), static_cast<size_t>(kTotal));
  for (int i = 0; i < kTotal; ++i) ASSERT_EQ(ran[i], i);
}

TEST(MainLoop, ATaskPostedByATaskRunsAfterThoseAlreadyQueued) {
  std::vector<std::string> ran;
  ui::PostToMainThread([&] {
    ran.push_back("first");
    ui::PostToMainThread([&] {
      ran.push_back("posted by first");
      ui::QuitMainLoop(3);
    });
  });
  ui::PostToMainThread([&] { ran.push_back("second"); });
  EXPECT_EQ(ui::RunMainLoop(), 3);
  EXPECT_EQ(ran, (std::vector<std::string>{"first", "second", "posted by first"}));
}

TEST(MainLoop, AThrowingTaskDoesNotStopTheLoop) {
  bool after = false;
  ui::PostToMainThread([] { throw std::runtime_error("bad task"); });
  ui::PostToMainThread([&] {
    after = true;
    ui::QuitMainLoop(0);
  });
  EXPECT_EQ(ui::RunMainLoop(), 0);
  EXPECT_TRUE(after);
}

TEST(MainLoop, AQuitFromAnotherThreadBeforeTheLoopRunsEndsItAtOnce) {
  std::thread([] { ui::QuitMainLoop(7); }).join();
  EXPECT_EQ(ui::RunMainLoop(), 7);
}

}  // namespace
