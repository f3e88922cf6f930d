#include "host/progress.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace host {
namespace {

constexpr std::size_t kLargeLog = 5000;
constexpr int kBarWidth = 40;

}  // namespace

Progress::Progress(std::size_t total, const char* action, const char* items)
    : total_(total),
      action_(action),
      items_(items),
      visible_(total >= kLargeLog && isatty(STDERR_FILENO)) {}

Progress::~Progress() {
  if (visible_) std::fputs("\r\033[K", stderr);
}

void Progress::advance() {
  ++done_;
  if (!visible_) return;
  int percent = static_cast<int>(done_ * 100 / total_);
  if (percent == shownPercent_) return;
  shownPercent_ = percent;
  draw();
}

void Progress::draw() const {
  int filled = shownPercent_ * kBarWidth / 100;
  std::string bar(static_cast<std::size_t>(filled), '#');
  bar.resize(kBarWidth, '.');
  std::fprintf(stderr, "\r%s [%s] %3d%% (%zu/%zu %s)", action_, bar.c_str(), shownPercent_, done_,
               total_, items_);
  std::fflush(stderr);
}

}  // namespace host
