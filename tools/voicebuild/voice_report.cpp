#include "voice_report.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "level_classes.h"
#include "model/inventory.h"
#include "voice_database.h"

namespace voicebuild {

namespace {

struct Group {
    const char* label;
    int first_id;
    int last_id;
};

constexpr Group kGroups[] = {
    {"plain vowels", 1, 16},
    {"stressed vowels", 17, 32},
    {"phrase-final vowels", 33, 48},
    {"consonants and glides", 49, 97},
};

// The ids of the recorded inventory that carry `name`, as "23, 39".
std::string IdsOf(const std::string& name) {
    std::string ids;
    for (int id : RecordedIds())
        if (InventoryName(id) == name) ids += (ids.empty() ? "" : ", ") + std::to_string(id);
    return ids;
}

std::string Format(const char* fmt, double a, double b, double c) {
    char text[96];
    std::snprintf(text, sizeof text, fmt, a, b, c);
    return text;
}

}  // namespace

std::string DurationSummary(const RecordingSet& set) {
    std::string out;
    for (const Group& g : kGroups) {
        double lo = std::numeric_limits<double>::max(), hi = 0, sum = 0;
        int count = 0;
        for (const auto& r : set.recordings) {
            int id = InventoryFindByName(r.name);  // lowest id: a shared name counts once
            if (id < g.first_id || id > g.last_id) continue;
            double ms = MeasureLevel(r.samples, set.rate).ms;
            lo = std::min(lo, ms);
            hi = std::max(hi, ms);
            sum += ms;
            ++count;
        }
        if (count == 0) continue;
        out += "- " + std::string(g.label) + " (" + std::to_string(count) + "): " +
               Format("%.0f / %.0f / %.0f ms (shortest / mean / longest)", lo, sum / count, hi) +
               "\n";
    }
    return out;
}

std::string LevelSummary(const RecordingSet& set) {
    std::string out =
        "| class | count | lowest dB | median dB | highest dB | spread dB "
        "|\n|---|---:|---:|---:|---:|---:|\n";
    for (const ClassSpread& c : LevelSpreads(set)) {
        char row[160];
        std::snprintf(row, sizeof row, "| %s | %d | %.1f | %.1f | %.1f | %.1f |\n", c.label.c_str(),
                      c.count, c.lowest_db, c.median_db, c.highest_db, c.highest_db - c.lowest_db);
        out += row;
    }
    return out;
}

std::string VoiceReport(const RecordingSet& normal, const std::string& source,
                        const ReportFile files[2]) {
    std::string out = "# The shipped voice\n\n";
    out += "## Source\n\n" + source + "\n\n";
    out += "Files: ";
    for (int i = 0; i < 2; ++i)
        out += (i ? ", " : "") +
               ("`" + files[i].name + "` " + std::to_string(files[i].bytes) + " bytes");
    out +=
        ". Both hold the same allophone ids; the half-rate voice is the normal one resampled with "
        "libsoxr's high-quality filter.\n\n";
    out += "## Durations\n\n" + DurationSummary(normal) + "\n";
    out +=
        "## Loudness by class\n\nActive level (RMS over the 5 ms frames within 30 dB of the "
        "loudest), dB of full "
        "scale, after matching each allophone to its class's median.\n\n" +
        LevelSummary(normal) + "\n";
    out += "## Allophones\n\nDuration and levels at " + std::to_string(normal.rate) +
           " Hz, after the edge fades and the common gain; levels in dB of full scale.\n\n";
    out +=
        "| name | ids | ms | RMS dB | peak dB | how it was cut |\n|---|---|---:|---:|---:|---|\n";
    for (const auto& name : RecordedNames()) {
        const AllophoneRecording* r = normal.Find(name);
        if (r == nullptr) continue;
        Level level = MeasureLevel(r->samples, normal.rate);
        std::string how = r->how;
        std::replace(how.begin(), how.end(), '|', '/');
        out += "| `" + name + "` | " + IdsOf(name) + " | " +
               Format("%.1f | %.1f | %.1f", level.ms, level.rms_db, level.peak_db) + " | " + how +
               " |\n";
    }
    return out;
}

}  // namespace voicebuild
