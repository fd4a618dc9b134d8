// The tool's one road for failures: an exception thrown where the fault is
// seen, worded there in one line for the user.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>

namespace pieceset {

// A failure while working: one line for the user, exit code 1.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A command line that cannot be carried out as given: exit code 2.
class UsageError : public Error {
 public:
  using Error::Error;
};

// Ctrl-C or a termination request. Not an Error, so that no handler of
// failures takes it for one and carries on; the program exits 128 plus the
// signal's number, as a shell reports a command the signal ended.
class Interrupted : public std::exception {
 public:
  explicit Interrupted(int signal_number) : signal_(signal_number) {}
  const char* what() const noexcept override { return "interrupted"; }
  int exit_status() const { return 128 + signal_; }

 private:
  int signal_;
};

// Ctrl-C and friends end the work at the next check, so that destructors
// can clear away what was half made.
void CatchInterrupts();
void ThrowIfInterrupted();
bool InterruptRequested();

}  // namespace pieceset
