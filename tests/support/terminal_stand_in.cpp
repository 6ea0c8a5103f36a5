// Stands in for the terminal in watchdog tests: it only sleeps. With
// "--with-helper" it first starts a child program, as the terminal's browser does.

#include <unistd.h>

#include <cstring>

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--with-helper") == 0 && fork() == 0) {
    execl("/bin/sleep", "sleep", "600", static_cast<char*>(nullptr));
    _exit(1);
  }
  for (;;) pause();
}
