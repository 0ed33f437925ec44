#include "ui/headless/headless_shell.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "ui/game.h"

extern char** environ;

namespace fief {

HeadlessShell::HeadlessShell() {
  input_.clock = [this] { return clock_; };
}

void HeadlessShell::showModal(Form& f) {
  f.Modal = true;
  forms_.open(game_, f);
  while (f.Visible) {
    if (ended_ || !pump || !pump()) {
      ended_ = true;
      throw ProgramEnded();
    }
  }
}

void HeadlessShell::show(Form& f) {
  f.Modal = false;
  forms_.open(game_, f);
}

void HeadlessShell::close(Form& f) {
  input_.forget(f);
  forms_.close(f, !ended_);
}

void HeadlessShell::playSound(const std::string& channel, const std::string& file, bool) {
  sounds_.emplace_back(channel, file);
}

void HeadlessShell::stopSound(const std::string&) {}

void HeadlessShell::setVolume(const std::string& channel, int attenuation) {
  for (auto& [c, v] : volumes_)
    if (c == channel) { v = attenuation; return; }
  volumes_.emplace_back(channel, attenuation);
}

int HeadlessShell::volume(const std::string& channel) const {
  for (auto& [c, v] : volumes_)
    if (c == channel) return v;
  return 0;
}

bool HeadlessShell::startProgram(const std::string& path) {
  programs_.push_back(path);
  if (!spawnPrograms) return true;
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !(st.st_mode & S_IXUSR)) return false;
  pid_t pid;
  char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
  return posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) == 0;
}

int HeadlessShell::startWatchedProgram(const std::string& path) {
  programs_.push_back(path);
  if (!spawnPrograms) {
    recordedEnded_ = false;
    return 1;
  }
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !(st.st_mode & S_IXUSR)) return 0;
  pid_t pid;
  char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
  if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) return 0;
  spawned_.push_back(static_cast<int>(pid));
  return static_cast<int>(pid);
}

bool HeadlessShell::programRunning(int id) {
  if (id <= 0) return false;
  if (!spawnPrograms) return !recordedEnded_;
  // A program once reaped is not asked again: its process id may be reused.
  if (std::find(reaped_.begin(), reaped_.end(), id) != reaped_.end()) return false;
  int status = 0;
  if (waitpid(static_cast<pid_t>(id), &status, WNOHANG) == 0) return true;
  reaped_.push_back(id);
  return false;
}

bool HeadlessShell::waitSpawnedPrograms(int64_t timeoutMs) {
  for (int64_t waited = 0;; waited += 10) {
    bool running = false;
    for (int pid : spawned_) running = programRunning(pid) || running;
    if (!running) return true;
    if (waited >= timeoutMs) return false;
    usleep(10 * 1000);
  }
}

void HeadlessShell::endProgram() {
  ended_ = true;
  throw ProgramEnded();
}

std::string HeadlessShell::timeOfDay() const {
  // The virtual day starts at noon.
  int64_t secs = 12 * 3600 + clock_ / 1000;
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", static_cast<int>(secs / 3600 % 24), static_cast<int>(secs / 60 % 60),
                static_cast<int>(secs % 60));
  return buf;
}

void HeadlessShell::wait(int64_t ms) {
  const int64_t until = ms <= 0 ? clock_ : ms >= kClockLimit - clock_ ? kClockLimit : clock_ + ms;
  if (game_) {
    // The clock stands at each timer's due time while its tick runs.
    for (int64_t due = game_->timers.nextDue(); due >= 0 && due <= until; due = game_->timers.nextDue()) {
      if (due > clock_) clock_ = due;
      game_->timers.setNow(clock_);
      game_->timers.fireNext(clock_);
      game_->timers.skipSteadyTicks(until);
    }
  }
  clock_ = until;
  if (game_) game_->timers.setNow(clock_);
}

}  // namespace fief
