#include "app/play_clock.h"

#include <algorithm>
#include <chrono>

namespace krizovky {

PlayClock::Milliseconds PlayClock::steadyNow() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
}

void PlayClock::useTimeSource(TimeSource now) {
    settle();
    source_ = std::move(now);
    since_ = this->now();
    inactiveSince_ = since_;
}

void PlayClock::passTime(Milliseconds milliseconds) {
    if (!source_ && milliseconds > 0) ownTime_ += milliseconds;
}

PlayClock::Milliseconds PlayClock::now() const {
    return source_ ? source_() : ownTime_;
}

PlayClock::Milliseconds PlayClock::countedUntil(Milliseconds until) const {
    if (!running_ || minimized_ || paused_ || modalBoxes_ > 0 || until <= since_) return 0;
    if (!active_) until = std::min(until, inactiveSince_ + kInactiveGrace);
    return std::max<Milliseconds>(0, until - since_);
}

void PlayClock::settle() {
    const Milliseconds at = now();
    counted_ += countedUntil(at);
    since_ = at;
}

void PlayClock::restart(long seconds) {
    settle();
    counted_ = std::max(0L, seconds) * Milliseconds{1000};
    running_ = true;
}

void PlayClock::stop() {
    settle();
    running_ = false;
}

void PlayClock::clear() {
    settle();
    counted_ = 0;
    running_ = false;
}

void PlayClock::setWindowActive(bool active) {
    settle();
    if (active_ && !active) inactiveSince_ = since_;
    active_ = active;
}

void PlayClock::setMinimized(bool minimized) {
    settle();
    minimized_ = minimized;
}

void PlayClock::setPaused(bool paused) {
    settle();
    paused_ = paused;
}

void PlayClock::setModalOpen(bool open) {
    settle();
    modalBoxes_ = std::max(0, modalBoxes_ + (open ? 1 : -1));
}

long PlayClock::seconds() const {
    return static_cast<long>((counted_ + countedUntil(now())) / 1000);
}

bool PlayClock::counting() const {
    if (!running_ || minimized_ || paused_ || modalBoxes_ > 0) return false;
    return active_ || now() < inactiveSince_ + kInactiveGrace;
}

}  // namespace krizovky
