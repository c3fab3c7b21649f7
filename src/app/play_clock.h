#pragma once

#include <cstdint>
#include <functional>

namespace krizovky {

// The time the player has spent on the game on the board. It counts while a
// game is on and unfinished and the player can be playing it: not while the
// window is minimized or a modal box of the game is open, and not once the
// window has been inactive for more than a few seconds (a glance at another
// window still counts). The window tells it what happens to it; the clock
// reads the time from a source it is given. Without one it has a time of its
// own that only passTime moves, so a game without a window (the tool, the
// tests) plays in a time that stands still until told otherwise.
class PlayClock {
  public:
    using Milliseconds = std::int64_t;
    using TimeSource = std::function<Milliseconds()>;

    // How long an inactive window still counts as played in.
    static constexpr Milliseconds kInactiveGrace = 5000;

    // A monotonic clock of the system, for a game in a window.
    static Milliseconds steadyNow();

    void useTimeSource(TimeSource now);
    // Moves the clock's own time on; no effect with a time source.
    void passTime(Milliseconds milliseconds);

    // A game starts with seconds already played (0 for a new one) and the
    // clock counts on from them.
    void restart(long seconds = 0);
    // The game is finished: the time stays as it is until the next restart.
    void stop();
    // No game on the board.
    void clear();

    void setWindowActive(bool active);
    void setMinimized(bool minimized);
    // "Pauza": the player has stopped the game for a while.
    void setPaused(bool paused);
    bool paused() const { return paused_; }
    // Nested boxes count: the clock waits until the last one closes.
    void setModalOpen(bool open);

    // Whole seconds played.
    long seconds() const;
    // A game is on and not finished (paused or not).
    bool running() const { return running_; }
    // Counting at this moment.
    bool counting() const;

  private:
    Milliseconds now() const;
    // The time between since_ and until that counts, by the state since since_.
    Milliseconds countedUntil(Milliseconds until) const;
    // Adds what has counted up to now, before the state changes.
    void settle();

    TimeSource source_;
    Milliseconds ownTime_ = 0;
    Milliseconds counted_ = 0;
    Milliseconds since_ = 0;
    Milliseconds inactiveSince_ = 0;
    bool running_ = false;
    bool active_ = true;
    bool minimized_ = false;
    bool paused_ = false;
    int modalBoxes_ = 0;
};

}  // namespace krizovky
