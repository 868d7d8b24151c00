// Plays many seeded random sessions and checks the program's rules after every event. A failure
// names its seed; KEBO_REPLAY_SEED=<seed> plays that session alone and prints its events.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <string>

#include "sim_helpers.h"

namespace kebo {
namespace {

using test::isIdle;
using test::isWaiting;

constexpr std::uint32_t kSessions = 10'000;
constexpr int kMaxEvents = 300;

class Session {
public:
    Session(std::uint32_t seed, bool verbose)
        : rng_(seed), program_(configFor(seed)), p_(program_.platform), verbose_(verbose) {
        p_.setDefaultAnswerer([this](const ShownBox& box) { return answer(box); });
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The first rule broken, with the event that broke it; nothing when all held.
    std::optional<std::string> play() {
        program_.start();
        int event = 0;
        while (event < kMaxEvents && !p_.ended() && !failure_) {
            ++event;
            nested_ = false;  // an end inside a box leaves its answerer early
            ++events_;
            const int kind = pick(100);
            if (kind < 25) {
                log("click");
                p_.click();
            } else if (kind < 32) {
                requestClose();
            } else {
                const int ms = randomAdvance();
                log("advance " + std::to_string(ms));
                p_.advanceUntil([this] { return !check(); }, ms);
            }
            check();
        }
        if (failure_) {
            return "event " + std::to_string(event) + ": " + *failure_;
        }
        return std::nullopt;
    }

    // Clicks, close requests and clock advances, those inside boxes included.
    int events() const { return events_; }
    // Rule checks: after every event and every timer tick outside a box.
    long checks() const { return checks_; }

private:
    static SimConfig configFor(std::uint32_t seed) {
        SimConfig config;
        config.randomSeed = seed;
        config.twipsPerPixel = std::array{15.0, 12.0, 9.0}[seed % 3];
        config.minOuterWidthPx = seed % 2 == 0 ? 0 : 112;
        config.reportLagMs = seed % 5 < 2 ? 25 : 0;
        return config;
    }

    int pick(int n) { return std::uniform_int_distribution(0, n - 1)(rng_); }

    int randomAdvance() {
        constexpr int kScales[] = {30, 500, 5000};
        return pick(kScales[pick(3)] + 1);
    }

    void log(const std::string& event) {
        if (verbose_) {
            std::cout << "  " << (nested_ ? "  in box: " : "") << event << " at " << p_.nowMs()
                      << " ms\n";
        }
    }

    // The user's close four times in six.
    void requestClose() {
        const int kind = pick(6);
        const CloseReason reason = kind < 4    ? CloseReason::User
                                   : kind == 4 ? CloseReason::SessionEnding
                                               : CloseReason::TaskManager;
        log("close, reason " + std::to_string(static_cast<int>(reason)));
        endAsked_ = endAsked_ || reason != CloseReason::User;
        p_.requestClose(reason);
        if (endAsked_ && !p_.ended()) {
            fail("the session's end or the task manager did not end the program");
        }
    }

    // Answers at random, sometimes after an event arrives while the box is open.
    Answer answer(const ShownBox& box) {
        nested_ = true;
        const int kind = pick(8);
        events_ += kind < 3 ? 1 : 0;
        switch (kind) {
            case 0:
                log("click");
                p_.click();
                break;
            case 1:
                requestClose();
                break;
            case 2: {
                const int ms = randomAdvance();
                log("advance " + std::to_string(ms));
                p_.advance(ms);
                break;
            }
            default:
                break;
        }
        nested_ = false;
        const Answer answer = box.buttons == Buttons::Ok ? Answer::Ok
                              : pick(2) == 0             ? Answer::Yes
                                                         : Answer::No;
        log(box.text + " -> " + std::to_string(static_cast<int>(answer)));
        return answer;
    }

    void fail(const std::string& what) {
        if (!failure_) {
            failure_ = what;
        }
    }

    // Checks the rules that hold between events; false once one is broken.
    bool check() {
        ++checks_;
        if (p_.deepestBoxNesting() > 1) {
            fail("two boxes open at once");
        }
        const float progress = program_.launcher.state().progress;
        if (progress < 0 || progress > 10500) {
            fail("progress " + std::to_string(progress));
        }
        if (!p_.ended() && !p_.reportsPending() &&
            p_.windowRect() != toPixels(program_.launcher.window(), p_.twipsPerPixel())) {
            fail("the window is not where its geometry puts it");
        }
        if (p_.ended()) {
            checkEnd();
        } else if (isWaiting(program_)) {
            checkLaunch();
        } else if (isIdle(program_)) {
            checkCompletion();
        } else {
            fail("neither idle nor waiting");
        }
        return !failure_;
    }

    void checkEnd() {
        const bool farewell = !endAsked_;
        if (farewell && !farewellSaid()) {
            fail("ended without a farewell, the session's end or the task manager");
        } else if (p_.minimised() != farewell) {
            fail(farewell ? "the farewell ended without minimising"
                          : "minimised at the session's end or by the task manager");
        }
    }

    bool farewellSaid() const {
        return program_.launcher.interval(Animation::Farewell) == 0 &&
               std::ranges::any_of(p_.boxes(),
                                   [](const ShownBox& box) { return box.is(boxes::kSeeYou); });
    }

    // A launch ticks every `interval` ms from its start: at most 70 ticks without completing.
    void checkLaunch() {
        const int interval = program_.launcher.interval(Animation::Progress);
        if (launchInterval_ == 0) {
            // A launch asked for before the window is on the screen ticks from then on.
            if (!program_.launcher.onScreen()) {
                return;
            }
            launchStartMs_ = p_.nowMs();
            launchInterval_ = interval;
        } else if (interval != launchInterval_) {
            fail("the interval changed during a launch");
        } else if ((p_.nowMs() - launchStartMs_) / interval > 70) {
            fail("a launch running for more than 71 ticks");
        }
    }

    // The completing tick asks whether to open: at most the 71st tick of its launch.
    void checkCompletion() {
        if (launchInterval_ == 0) {
            return;
        }
        const auto ready =
            std::find_if(p_.boxes().rbegin(), p_.boxes().rend(),
                         [](const ShownBox& b) { return b.is(boxes::kReadyAskOpen); });
        if (ready == p_.boxes().rend() || ready->atMs < launchStartMs_) {
            fail("a launch ended without asking to open");
            return;
        }
        const std::int64_t elapsed = ready->atMs - launchStartMs_;
        if (elapsed % launchInterval_ != 0 || elapsed / launchInterval_ > 71) {
            fail("a launch completed after " + std::to_string(elapsed) + " ms at " +
                 std::to_string(launchInterval_) + " ms a tick");
        }
        launchInterval_ = 0;
    }

    std::mt19937 rng_;
    SimulatedProgram program_;
    SimPlatform& p_;
    bool verbose_;
    bool nested_ = false;
    bool endAsked_ = false;
    int events_ = 0;
    long checks_ = 0;
    std::int64_t launchStartMs_ = 0;
    int launchInterval_ = 0;
    std::optional<std::string> failure_;
};

TEST(RandomSessions, KeepEveryRuleAfterEveryEvent) {
    std::uint32_t first = 1;
    std::uint32_t count = kSessions;
    const char* replay = std::getenv("KEBO_REPLAY_SEED");
    if (replay != nullptr) {
        first = static_cast<std::uint32_t>(std::strtoul(replay, nullptr, 10));
        count = 1;
    }
    long events = 0;
    long checks = 0;
    for (std::uint32_t seed = first; seed < first + count; ++seed) {
        if (replay != nullptr) {
            std::cout << "session " << seed << ":\n";
        }
        Session session(seed, replay != nullptr);
        const std::optional<std::string> failure = session.play();
        events += session.events();
        checks += session.checks();
        ASSERT_FALSE(failure) << "session " << seed << ", " << *failure
                              << "\nreplay it with KEBO_REPLAY_SEED=" << seed;
    }
    std::cout << count << " sessions, " << events << " events, " << checks << " checks\n";
}

}  // namespace
}  // namespace kebo
