#include "message_resume.h"

std::string WithoutServerMarks(std::string_view ssml) {
    const std::string head = "<mark name=\"" + std::string(kServerMarkPrefix);
    std::string out;
    out.reserve(ssml.size());
    for (size_t at = 0; at < ssml.size();) {
        const size_t mark = ssml.find(head, at);
        out.append(ssml.substr(at, mark == std::string_view::npos ? mark : mark - at));
        if (mark == std::string_view::npos) break;
        const size_t close = ssml.find('>', mark);
        at = close == std::string_view::npos ? ssml.size() : close + 1;
    }
    return out;
}

size_t AfterServerMark(std::string_view ssml, std::string_view mark) {
    if (mark == kBeforeFirstServerMark) return 0;
    const std::string tag = "<mark name=\"" + std::string(mark) + "\"/>";
    const size_t found = ssml.find(tag);
    return found == std::string_view::npos ? found : found + tag.size();
}

std::string ResumedText(std::string_view ssml, std::string_view mark) {
    const size_t at = AfterServerMark(ssml, mark);
    if (at == std::string_view::npos) return "";
    // The server strips its marks from the whole message, and puts "<speak>" first.
    return "<speak>" + WithoutServerMarks(ssml.substr(at));
}
