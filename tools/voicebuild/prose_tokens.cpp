#include "prose_tokens.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "carrier_plan.h"
#include "core/attribute.h"
#include "engine/sentence_stages.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "model/sentence.h"
#include "platform/codepage.h"
#include "text/text_analyser.h"

namespace voicebuild {

namespace {

// The engine's allophones of a text, sounding ids and 0 for each silence
// (a pause, or the edge between two sentences), tags left out.
std::vector<int> EngineReading(const std::string& text) {
    std::vector<int> ids;
    SAttribute settings;
    STextAnalyser analyser;
    analyser.Attach(&settings, nullptr, nullptr);
    const std::string cp1250 = Utf8ToCp1250(text);
    analyser.BeginText(cp1250.c_str());
    auto silence = [&ids] {
        if (!ids.empty() && ids.back() != 0) ids.push_back(0);
    };
    while (SSentence* sentence = NextReadySentence(analyser)) {
        for (int w = 0; w < sentence->words.GetSize(); ++w) {
            const SWord& word = *sentence->words[w];
            if (word.control) continue;
            for (int a = 0; a < word.GetSize(); ++a) {
                const int id = word[a]->id;
                if (id > kAlfLastSounding) continue;
                const SAlofonPatt* p = NormalVoice().PatternAt(id);
                const bool sounding =
                    id < kAlfFirstPause && p && !(p->features & AF_PAUSE) && p->end > p->first;
                if (sounding)
                    ids.push_back(id);
                else
                    silence();
            }
        }
        silence();
    }
    return ids;
}

std::string Bare(const std::string& name) {
    return !name.empty() && name.back() == '#' ? name.substr(0, name.size() - 1) : name;
}

}  // namespace

std::vector<std::string> EspeakPhonemesOf(int id) {
    static const std::map<std::string, std::vector<std::string>> byName = [] {
        std::map<std::string, std::vector<std::string>> m;
        for (const CarrierCut& plan : PolishCarrierPlan()) {
            std::istringstream in(plan.phonemes);
            std::vector<std::string> names;
            for (std::string p; in >> p;) names.push_back(p);
            m[plan.name] = names;
        }
        return m;
    }();
    // The voiceless twins of "h" and "hi" have no name of their own in the
    // inventory and sound as they do.
    if (id == kAlfCh || id == kAlfChi) id -= kAlfCh - kAlfH;
    auto it = byName.find(std::string(InventoryName(id)));
    return it == byName.end() ? std::vector<std::string>{} : it->second;
}

std::vector<int> AlignPhonemes(const std::vector<std::string>& ours,
                               const std::vector<std::string>& theirs) {
    const size_t n = ours.size(), m = theirs.size();
    std::vector<std::vector<int>> cost(n + 1, std::vector<int>(m + 1, 0));
    for (size_t i = 0; i <= n; ++i) cost[i][0] = int(i);
    for (size_t j = 0; j <= m; ++j) cost[0][j] = int(j);
    auto same = [&](size_t i, size_t j) { return Bare(ours[i]) == Bare(theirs[j]); };
    for (size_t i = 1; i <= n; ++i)
        for (size_t j = 1; j <= m; ++j)
            cost[i][j] = std::min({cost[i - 1][j - 1] + (same(i - 1, j - 1) ? 0 : 1),
                                   cost[i - 1][j] + 1, cost[i][j - 1] + 1});
    std::vector<int> matched(n, -1);
    for (size_t i = n, j = m; i > 0 && j > 0;) {
        const int diagonal = cost[i - 1][j - 1] + (same(i - 1, j - 1) ? 0 : 1);
        if (cost[i][j] == diagonal) {
            if (same(i - 1, j - 1)) matched[i - 1] = int(j - 1);
            --i, --j;
        } else if (cost[i][j] == cost[i - 1][j] + 1) {
            --i;
        } else {
            --j;
        }
    }
    return matched;
}

std::vector<std::string> SplitSentences(const std::string& prose) {
    std::vector<std::string> sentences;
    std::string current;
    for (size_t i = 0; i < prose.size(); ++i) {
        const char c = prose[i];
        current += c == '\n' ? ' ' : c;
        const bool end = (c == '.' || c == '?' || c == '!') &&
                         (i + 1 == prose.size() || prose[i + 1] == ' ' || prose[i + 1] == '\n');
        if (!end && i + 1 < prose.size()) continue;
        const size_t first = current.find_first_not_of(' ');
        if (first != std::string::npos) sentences.push_back(current.substr(first));
        current.clear();
    }
    return sentences;
}

std::vector<ProseToken> CutProseTokens(const std::vector<std::string>& sentences,
                                       EspeakRenderer& espeak, AlignmentCount* count) {
    std::vector<ProseToken> tokens;
    for (const std::string& text : sentences) {
        const std::vector<int> ids = EngineReading(text);
        // Our phonemes, each with the index of the allophone it belongs to.
        std::vector<std::string> ours;
        std::vector<size_t> owner;
        for (size_t k = 0; k < ids.size(); ++k)
            for (const std::string& p : EspeakPhonemesOf(ids[k]))
                ours.push_back(p), owner.push_back(k);
        const Rendering r = espeak.Render(text);
        std::vector<std::string> theirs;
        for (const PhonemeEvent& e : r.phonemes) theirs.push_back(e.mnemonic);
        const std::vector<int> matched = AlignPhonemes(ours, theirs);
        for (size_t k = 0; k < ids.size(); ++k) {
            if (ids[k] == 0) continue;
            if (count) ++count->allophones;
            // Every phoneme of the allophone matched, onto consecutive events.
            int first = -1, last = -1;
            bool whole = true;
            for (size_t i = 0; i < ours.size(); ++i) {
                if (owner[i] != k) continue;
                if (matched[i] < 0 || (last >= 0 && matched[i] != last + 1)) whole = false;
                if (first < 0) first = matched[i];
                last = matched[i];
            }
            if (!whole || first < 0) continue;
            const size_t from = r.phonemes[size_t(first)].start;
            const size_t to = std::min(r.phonemes[size_t(last)].end, r.samples.size());
            if (to <= from) continue;
            ProseToken token;
            token.id = ids[k];
            token.before = k > 0 ? ids[k - 1] : 0;
            token.after = k + 1 < ids.size() ? ids[k + 1] : 0;
            token.samples.assign(r.samples.begin() + long(from), r.samples.begin() + long(to));
            tokens.push_back(std::move(token));
            if (count) ++count->tokens;
        }
    }
    return tokens;
}

}  // namespace voicebuild
