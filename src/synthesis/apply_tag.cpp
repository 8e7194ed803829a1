#include "synthesis/apply_tag.h"

#include <algorithm>
#include <cctype>

#include "core/attribute.h"
#include "model/alofon.h"
#include "model/word.h"

int TagCarrierOf(const SWord& word) {
    return word.GetSize() > 0 ? word[0]->id : 0;
}

int64_t TagArgument(const std::string& controlText) {
    size_t i = 2;
    while (i < controlText.size() && std::isspace(static_cast<unsigned char>(controlText[i]))) ++i;
    bool negative = false;
    if (i < controlText.size() && (controlText[i] == '+' || controlText[i] == '-'))
        negative = controlText[i++] == '-';
    int64_t value = 0;
    for (; i < controlText.size() && std::isdigit(static_cast<unsigned char>(controlText[i])); ++i)
        value = std::min<int64_t>(value * 10 + (controlText[i] - '0'), INT32_MAX + int64_t{1});
    value = negative ? -value : value;
    return std::clamp<int64_t>(value, INT32_MIN, INT32_MAX);
}

void ApplyTag(const SWord& word, SAttribute& settings, STagActions* actions) {
    int id = TagCarrierOf(word);
    if (id < kAlfTagBase + 1) return;
    int64_t arg = TagArgument(word.text);
    switch (id) {
        case kCarrierPitch:
            settings.SetPitch(static_cast<int>(
                std::clamp<int64_t>(arg, SAttribute::kMinPitch, SAttribute::kMaxPitch)));
            break;
        case kCarrierReset:
            settings.Reset(1);
            break;
        case kCarrierSpeed:
            settings.SetSpeed(static_cast<int>(
                std::clamp<int64_t>(arg, SAttribute::kMinSpeed, SAttribute::kMaxSpeed)));
            break;
        case kCarrierVolume:
            settings.volume = static_cast<uint32_t>(arg);
            break;
        case kCarrierPnm:
            settings.pnmLevel = static_cast<int32_t>(std::clamp<int64_t>(arg, 0, 100));
            break;
        case kCarrierWave:
            if (actions) actions->SendSentenceWave();
            break;
        case kCarrierDialog:
            if (actions) actions->ShowSettings();
            break;
        default:
            break;
    }
}
