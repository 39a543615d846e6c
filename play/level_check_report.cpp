// The level checker's report: a row per level, the pack win rates, the hardest levels and
// the levels never won.
#include <algorithm>
#include <cstdio>
#include <string>
#include "content/level_catalogue.h"
#include "play/level_check.h"

namespace {
struct Level_Row {
    int level = 0;
    int pack = 0;
    int wins = 0, tries = 0, timeouts = 0;
    double median_time = -1; // s, over the won tries; -1 none won
    double median_shots = -1;
    int longest_chain = 0;
    double alarm_mean = 0;                                // alarm pearls per try
    double mods_mean = 0, smash_mean = 0, items_mean = 0; // per try
};

double Median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

Level_Row Row_Of(int level, const std::vector<Check_Try>& tries) {
    Level_Row r;
    r.level = level;
    const LevelInfo* info = Level_Info(level);
    r.pack = info ? std::clamp(info->pack_id, 0, PACKS_COUNT - 1) : 0;
    std::vector<double> times, shots;
    int alarms = 0, mods = 0, smashes = 0, items = 0;
    for (const Check_Try& t : tries) {
        if (t.level != level) continue;
        ++r.tries;
        mods += t.mods_fired, smashes += t.smashes, items += t.items_shot;
        r.wins += t.won;
        r.timeouts += t.timed_out;
        r.longest_chain = std::max(r.longest_chain, t.longest_chain);
        alarms += t.alarm_pearls;
        if (t.won) times.push_back(t.time_ms / 1000.0), shots.push_back(t.shots);
    }
    r.median_time = Median(times);
    r.median_shots = Median(shots);
    double n = r.tries ? r.tries : 1;
    r.alarm_mean = alarms / n;
    r.mods_mean = mods / n, r.smash_mean = smashes / n, r.items_mean = items / n;
    return r;
}

std::string Or_Dash(double v, const char* fmt) {
    if (v < 0) return "-";
    char buf[32];
    std::snprintf(buf, sizeof buf, fmt, v);
    return buf;
}

void Print_Row(const Level_Row& r) {
    char wins[16];
    std::snprintf(wins, sizeof wins, "%d/%d", r.wins, r.tries);
    std::printf("%5d  %-8s  %6s  %8s  %6s  %5d  %6.1f  %4d  %5.1f  %5.1f  %5.1f\n", r.level,
                PackNames[r.pack], wins, Or_Dash(r.median_time, "%.1f").c_str(),
                Or_Dash(r.median_shots, "%.0f").c_str(), r.longest_chain, r.alarm_mean, r.timeouts,
                r.mods_mean, r.smash_mean, r.items_mean);
}

// Harder first: fewer wins, then longer wins, then more alarm pearls.
bool Harder(const Level_Row& a, const Level_Row& b) {
    double wa = a.tries ? static_cast<double>(a.wins) / a.tries : 0;
    double wb = b.tries ? static_cast<double>(b.wins) / b.tries : 0;
    if (wa != wb) return wa < wb;
    double ta = a.median_time < 0 ? 1e9 : a.median_time, tb = b.median_time < 0 ? 1e9 : b.median_time;
    if (ta != tb) return ta > tb;
    return a.alarm_mean > b.alarm_mean;
}

void Print_Packs(const std::vector<Level_Row>& rows) {
    std::printf("\nwin rate per pack\n");
    for (int p = 0; p < PACKS_COUNT; ++p) {
        int wins = 0, tries = 0, levels = 0;
        for (const Level_Row& r : rows)
            if (r.pack == p) wins += r.wins, tries += r.tries, ++levels;
        if (tries == 0) continue;
        std::printf("  %-8s  %3d levels  %4d/%-4d  %5.1f%%\n", PackNames[p], levels, wins, tries,
                    100.0 * wins / tries);
    }
}
} // namespace

void LevelCheck_Report(const std::vector<Check_Try>& tries, int seeds) {
    std::vector<Level_Row> rows;
    for (const Check_Try& t : tries)
        if (rows.empty() || rows.back().level != t.level) rows.push_back(Row_Of(t.level, tries));
    std::printf("level  pack        wins  time_win  shots  chain  alarm  capped   mods  smash  items\n");
    for (const Level_Row& r : rows)
        Print_Row(r);
    Print_Packs(rows);
    std::vector<Level_Row> hard = rows;
    std::stable_sort(hard.begin(), hard.end(), Harder);
    std::printf("\nhardest levels\n");
    for (size_t i = 0; i < hard.size() && i < 5; ++i)
        Print_Row(hard[i]);
    std::string never;
    for (const Level_Row& r : rows)
        if (r.wins == 0) never += " " + std::to_string(r.level);
    std::printf("\nnever won over %d seed(s):%s\n", seeds, never.empty() ? " none" : never.c_str());
    std::fflush(stdout);
}
