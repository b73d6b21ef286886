#pragma once

// A reference model of the game written from its rules, a seeded source of
// results, and a driver that feeds random events to any target (the game logic
// behind a recording fake, or the whole window) and compares after every event.

#include "fakecontrols.h"
#include "randomsource.h"
#include "systemrandom.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace stress {

inline constexpr int kStopTick[kReels] = {20, 28, 36};
inline constexpr const char* kPerSpin = "$25 per spin...";
inline constexpr const char* kGameOver = "Out of Money!  Game Over.";

// Results for the game. Of the spins, 6 % take the real generator's values as
// they come, 1 % are steered to a winning combination and the rest to a losing
// one, so that games also run out of money and Reset gets used. Two instances
// seeded alike hand out the same values.
class SteeredRandom final : public reelmoor::RandomSource {
public:
    // Noon: the time of day every target's first game reads.
    static constexpr double kFirstClock = 43200.0;
    double clock = kFirstClock;
    std::vector<double> seeds;
    long long draws = 0;

    double secondsSinceMidnight() override { return clock; }
    void seed(double value) override {
        seeds.push_back(value);
        m_real.seed(value);
        std::seed_seq steer{static_cast<std::uint32_t>(value * 1000.0), 0x5eedu};
        m_steer.seed(steer);
        m_index = 0;
    }
    double next() override {
        ++draws;
        if (m_index % kReels == 0) {
            planSpin();
        }
        return m_planned[static_cast<std::size_t>(m_index++ % kReels)];
    }

private:
    void planSpin() {
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        const double kind = unit(m_steer);
        if (kind < 0.06) {
            for (double& r : m_planned) {
                r = m_real.next();
            }
            return;
        }
        const auto& pool = kind < 0.07 ? combos().winning : combos().losing;
        const auto& pick =
            pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(m_steer)];
        // Anywhere inside the symbol's seventh of [0, 1), edges excluded.
        std::uniform_real_distribution<double> inside(0.001, 0.999);
        for (std::size_t i = 0; i < m_planned.size(); ++i) {
            m_planned[i] = (pick[i] - 1 + inside(m_steer)) / kSymbolsPerReel;
        }
    }
    struct Combos {
        std::vector<std::array<int, kReels>> winning;
        std::vector<std::array<int, kReels>> losing;
    };
    static const Combos& combos() {
        static const Combos all = [] {
            Combos c;
            forEachOutcome([&c](int a, int b, int d) {
                (prizeOf(a, b, d) > 0 ? c.winning : c.losing).push_back({a, b, d});
            });
            return c;
        }();
        return all;
    }

    reelmoor::SystemRandom m_real;
    std::mt19937_64 m_steer;
    std::array<double, kReels> m_planned{};
    long long m_index = 0;
};

enum class State { Ready, Spinning, GameOver };

// What a target shows after an event.
struct Observed {
    std::string money;
    std::string status;
    bool handle = false, reset = false;
    std::array<bool, kReels> timer{};
    std::array<std::array<bool, kPictures>, kReels> visible{};
    std::array<int, kReels> slot{}, pos{}, count{};
    std::size_t seeds = 0;
    double lastSeed = 0;
    long long draws = 0;
    // During the last event; -1 when the target cannot tell.
    int moneyChecks = -1, moneyWrites = -1;
    // Anything else the target found wrong.
    std::string note;
};

// What any target reads the same way: the game's results and reel counters, and
// the seeds and draws of its source of results.
template <typename Game> Observed observeGame(const Game& game, const SteeredRandom& random) {
    Observed o;
    o.slot = {int(game.Slot1), int(game.Slot2), int(game.Slot3)};
    o.pos = {game.Pos1, game.Pos2, game.Pos3};
    o.count = {game.Count1, game.Count2, game.Count3};
    o.seeds = random.seeds.size();
    o.lastSeed = random.seeds.empty() ? 0 : random.seeds.back();
    o.draws = random.draws;
    return o;
}

// The game as its rules describe it.
class Model {
public:
    long long balance = 1000;
    std::string status = kPerSpin;
    State state = State::Ready;
    std::array<int, kReels> slot{};
    std::array<int, kReels> ticks{};
    std::array<bool, kReels> turning{};
    std::array<int, kReels> atRest{1, 1, 1};
    bool spunOnce = false;
    std::size_t seeds = 0;
    double lastSeed = 0;
    long long draws = 0;
    // During the last event.
    int moneyChecks = 0, moneyWrites = 0;
    long long prizePaid = -1;

    void newGame(double clock) {
        m_random.seed(clock);
        ++moneyWrites;
        ++seeds;
        lastSeed = clock;
        balance = 1000;
        status = kPerSpin;
        state = State::Ready;
        atRest = {1, 1, 1};
    }
    void click() {
        balance -= 25;
        ++moneyWrites;
        status = kPerSpin;
        for (int reel = 0; reel < kReels; ++reel) {
            slot[reel] = static_cast<int>(std::floor(m_random.next() * kSymbolsPerReel)) + 1;
            ++draws;
            ticks[reel] = 0;
            turning[reel] = true;
        }
        state = State::Spinning;
        spunOnce = true;
    }
    void tick(int reel) {
        ++ticks[reel];
        if (ticks[reel] < kStopTick[reel]) {
            return;
        }
        turning[reel] = false;
        atRest[reel] = slot[reel];
        if (reel == 2) {
            settle();
        }
    }

    // The picture each reel must show.
    std::optional<int> picture(int reel) const {
        if (!turning[reel]) {
            return atRest[reel];
        }
        if (ticks[reel] == 0) {
            return std::nullopt;
        }
        return (ticks[reel] - 1) % kPictures;
    }

private:
    void settle() {
        ++moneyChecks;
        const int prize = prizeOf(slot[0], slot[1], slot[2]);
        prizePaid = prize;
        balance += prize;
        if (prize > 0) {
            ++moneyWrites;
            status = prizeText(prize);
        }
        if (balance > 0) {
            state = State::Ready;
        } else {
            status = kGameOver;
            state = State::GameOver;
        }
    }

    SteeredRandom m_random;
};

// Coverage of one run, so that a run that never reached a game over is noticed.
struct Coverage {
    long long events = 0, spins = 0, ticks = 0, gameOvers = 0, resets = 0;
    long long refusedClicks = 0, refusedResets = 0, boxes = 0;
    long long savedByPrize = 0; // the stake left 0 and a prize saved the game
    std::array<long long, 5> prizes{};
};

inline std::string describe(const Observed& o) {
    std::ostringstream out;
    out << "money='" << o.money << "' status='" << o.status << "' handle=" << o.handle
        << " reset=" << o.reset << " timers=" << o.timer[0] << o.timer[1] << o.timer[2]
        << " slots=" << o.slot[0] << o.slot[1] << o.slot[2] << " pictures=";
    for (const auto& reel : o.visible) {
        out << "[";
        for (const int i : shownOf(reel)) {
            out << i;
        }
        out << "]";
    }
    return out.str();
}

// Checks the invariants and the agreement with the model; returns what is wrong.
inline std::string compare(const Observed& o, const Model& m) {
    std::ostringstream err;
    err << o.note;
    // The balance text: one blank, then plain digits without a leading zero.
    const std::string& t = o.money;
    const bool digits =
        t.size() >= 2 && t[0] == ' ' &&
        std::all_of(t.begin() + 1, t.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        (t.size() == 2 || t[1] != '0');
    if (!digits) {
        err << "balance text not a blank and plain digits; ";
    } else {
        const long long value = std::stoll(t.substr(1));
        if (value % 25 != 0) {
            err << "balance not a multiple of 25; ";
        }
        if (value != m.balance) {
            err << "balance " << value << ", expected " << m.balance << "; ";
        }
    }
    if (o.status != m.status) {
        err << "status '" << o.status << "', expected '" << m.status << "'; ";
    }

    // The flags form one row of the state table, and the model's row.
    const bool anyTimer = o.timer[0] || o.timer[1] || o.timer[2];
    std::optional<State> row;
    if (o.handle && !o.reset && !anyTimer) {
        row = State::Ready;
    } else if (!o.handle && !o.reset && anyTimer) {
        row = State::Spinning;
    } else if (!o.handle && o.reset && !anyTimer) {
        row = State::GameOver;
    }
    if (!row) {
        err << "flags match no state; ";
    } else if (*row != m.state) {
        err << "state " << int(*row) << ", expected " << int(m.state) << "; ";
    }

    for (int reel = 0; reel < kReels; ++reel) {
        if (o.timer[reel] != m.turning[reel]) {
            err << "timer " << reel + 1 << (o.timer[reel] ? " on" : " off") << "; ";
        }
        const std::vector<int> shown = shownOf(o.visible[reel]);
        if (!o.timer[reel] && (shown.size() != 1 || shown[0] < 1)) {
            err << "reel " << reel + 1 << " at rest without exactly one symbol; ";
        }
        if (o.timer[reel] && m.turning[reel] && m.ticks[reel] == 0 && !shown.empty()) {
            err << "reel " << reel + 1 << " shows a picture before its first tick; ";
        }
        const auto expected = m.picture(reel);
        if (shown != (expected ? std::vector<int>{*expected} : std::vector<int>{})) {
            err << "reel " << reel + 1 << " shows the wrong picture; ";
        }
        if (m.spunOnce && o.slot[reel] != m.slot[reel]) {
            err << "result " << reel + 1 << " is " << o.slot[reel] << ", expected " << m.slot[reel]
                << "; ";
        }
        // A turning reel counts its ticks; one stopped after a spin is left at 1/0.
        const int pos = m.turning[reel] ? m.ticks[reel] % kPictures : 1;
        const int count = m.turning[reel] ? m.ticks[reel] : 0;
        if ((m.turning[reel] || m.spunOnce) && (o.pos[reel] != pos || o.count[reel] != count)) {
            err << "reel " << reel + 1 << " counters " << o.pos[reel] << "/" << o.count[reel]
                << ", expected " << pos << "/" << count << "; ";
        }
    }
    if (o.seeds != m.seeds || (m.seeds > 0 && o.lastSeed != m.lastSeed)) {
        err << "seeded " << o.seeds << " times, last with " << o.lastSeed << ", expected "
            << m.seeds << " times, last with " << m.lastSeed << "; ";
    }
    if (o.draws != m.draws) {
        err << o.draws << " results drawn, expected " << m.draws << "; ";
    }
    if (o.moneyChecks >= 0 && o.moneyChecks != m.moneyChecks) {
        err << "payout ran " << o.moneyChecks << " times, expected " << m.moneyChecks << "; ";
    }
    if (o.moneyWrites >= 0 && o.moneyWrites != m.moneyWrites) {
        err << "balance written " << o.moneyWrites << " times, expected " << m.moneyWrites << "; ";
    }
    return err.str();
}

// Seeds to run: REELMOOR_STRESS_SEED (one number or a comma-separated list)
// replaces the committed ones.
inline std::vector<std::uint64_t> seedsToRun(std::vector<std::uint64_t> committed) {
    const char* env = std::getenv("REELMOOR_STRESS_SEED");
    if (!env || !*env) {
        return committed;
    }
    std::vector<std::uint64_t> seeds;
    std::stringstream list(env);
    std::string item;
    while (std::getline(list, item, ',')) {
        seeds.push_back(std::stoull(item));
    }
    return seeds;
}

// One data row per seed to run, for a test's _data() function.
inline void addSeedRows(std::vector<std::uint64_t> committed) {
    QTest::addColumn<quint64>("seed");
    for (const std::uint64_t seed : seedsToRun(std::move(committed))) {
        QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << quint64(seed);
    }
}

inline long long eventsToRun(long long committed) {
    const char* env = std::getenv("REELMOOR_STRESS_EVENTS");
    return env && *env ? std::stoll(env) : committed;
}

// Feeds `events` random events to the target. The target offers:
//   void setClock(double)  the time of day the next new game seeds with
//   void click()           a click on the handle, delivered only if it is enabled
//   void tick(int reel)    a tick of that reel's timer, delivered only if it runs
//   void reset()           Reset chosen, carried out only if it is enabled
//   bool box(int which)    opens the scoring (0) or About (1) box; false if it cannot
//   Observed observe()
// Returns an empty string, or what went wrong with the seed and the event index.
template <typename Target>
std::string run(Target& target, std::uint64_t seed, long long events, Coverage& coverage) {
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Model model;
    // The target started its first game when it was built, at the first clock.
    model.newGame(SteeredRandom::kFirstClock);
    model.moneyWrites = 0;
    std::deque<std::string> history;

    auto fail = [&](long long index, const std::string& what, const Observed& o) {
        std::ostringstream out;
        out << "seed " << seed << ", event " << index << ": " << what
            << "\n  observed: " << describe(o) << "\n  last events:";
        for (const auto& h : history) {
            out << " " << h;
        }
        out << "\n  rerun with REELMOOR_STRESS_SEED=" << seed;
        return out.str();
    };
    if (auto err = compare(target.observe(), model); !err.empty()) {
        return fail(-1, err, target.observe());
    }

    long long delivered = 0;
    for (long long index = 0; delivered < events; ++index) {
        model.moneyChecks = 0;
        model.moneyWrites = 0;
        model.prizePaid = -1;
        const long long balanceBefore = model.balance;
        const bool spinning = model.state == State::Spinning;
        const double kind = unit(rng);
        std::string name;
        // While the reels turn most events are ticks; otherwise mostly clicks and Reset.
        if (spinning ? kind < 0.85 : kind < 0.05) {
            const int reel = static_cast<int>(rng() % kReels);
            name = "tick" + std::to_string(reel + 1);
            // Timers started together with one period drift apart by a few ticks at most.
            int least = 1 << 20;
            for (int r = 0; r < kReels; ++r) {
                if (model.turning[r]) {
                    least = std::min(least, model.ticks[r]);
                }
            }
            if (model.turning[reel] && model.ticks[reel] >= least + 3) {
                name += "-held";
            } else {
                target.tick(reel + 1);
                if (model.turning[reel]) {
                    model.tick(reel);
                    ++coverage.ticks;
                }
            }
        } else if (spinning ? kind < 0.90 : kind < 0.55) {
            name = "click";
            target.click();
            if (model.state == State::Ready) {
                model.click();
                ++coverage.spins;
            } else {
                ++coverage.refusedClicks;
            }
        } else if (spinning ? kind < 0.95 : kind < 0.85) {
            name = "reset";
            const double clock = std::floor(unit(rng) * 86400.0 * 64.0) / 64.0;
            target.setClock(clock);
            target.reset();
            if (model.state == State::GameOver) {
                model.newGame(clock);
                ++coverage.resets;
            } else {
                ++coverage.refusedResets;
            }
        } else {
            const int which = static_cast<int>(rng() % 2);
            name = which == 0 ? "scoring" : "about";
            if (!target.box(which)) {
                continue;
            }
            ++coverage.boxes;
        }
        ++delivered;
        ++coverage.events;
        history.push_back(name);
        if (history.size() > 12) {
            history.pop_front();
        }
        const Observed o = target.observe();
        if (model.prizePaid >= 0) {
            // The spin pays exactly the prize of the results on show.
            const long long paid = std::atoll(o.money.c_str()) - balanceBefore;
            if (paid != prizeOf(o.slot[0], o.slot[1], o.slot[2])) {
                return fail(index, "paid " + std::to_string(paid) + " for these results", o);
            }
            static constexpr long long kPaid[] = {0, 100, 1000, 4000}; // else 10,000
            ++coverage.prizes[std::ranges::find(kPaid, model.prizePaid) - kPaid];
            coverage.gameOvers += model.state == State::GameOver;
            coverage.savedByPrize += balanceBefore == 0 && model.prizePaid > 0;
        }
        if (auto err = compare(o, model); !err.empty()) {
            return fail(index, err, o);
        }
    }
    return {};
}

} // namespace stress
