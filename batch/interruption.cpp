// SPDX-License-Identifier: EUPL-1.2
#include "batch/interruption.h"

#include <csignal>

namespace batch {
namespace {

volatile std::sig_atomic_t recu = 0;
struct sigaction avant_int {
}, avant_term{};

void Note(int signal) { recu = signal; }

}  // namespace

Interruption::Interruption() {
  recu = 0;
  struct sigaction action {};
  action.sa_handler = Note;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;  // the second one is not caught
  sigaction(SIGINT, &action, &avant_int);
  sigaction(SIGTERM, &action, &avant_term);
}

Interruption::~Interruption() {
  sigaction(SIGINT, &avant_int, nullptr);
  sigaction(SIGTERM, &avant_term, nullptr);
}

int Interruption::Signal() { return recu; }

}  // namespace batch
