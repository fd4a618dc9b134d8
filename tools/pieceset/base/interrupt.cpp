// The only global of the tool: the signal that asked the work to end.
#include <signal.h>

#include <cstring>

#include "base/errors.h"

namespace pieceset {

namespace {

volatile sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int signal_number) { g_interrupted = signal_number; }

}  // namespace

void CatchInterrupts() {
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  for (int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    sigaction(signal_number, &action, nullptr);
  }
}

bool InterruptRequested() { return g_interrupted != 0; }

void ThrowIfInterrupted() {
  if (g_interrupted) throw Interrupted(g_interrupted);
}

}  // namespace pieceset
