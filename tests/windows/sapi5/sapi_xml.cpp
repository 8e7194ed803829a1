#include "sapi_xml.h"

#include <cwchar>
#include <cwctype>
#include <map>

namespace {

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

struct Tag {
    std::wstring name;  // lower case, without '/'
    bool closing = false, empty = false;
    std::map<std::wstring, std::wstring> attributes;  // lower-case names
};

Tag ParseTag(const std::wstring& inside) {
    Tag tag;
    size_t at = 0;
    if (at < inside.size() && inside[at] == L'/') tag.closing = true, ++at;
    const size_t nameEnd = inside.find_first_of(L" \t\r\n/", at);
    tag.name = Lower(inside.substr(at, nameEnd - at));
    tag.empty = !inside.empty() && inside.back() == L'/';
    for (at = nameEnd; at != std::wstring::npos && at < inside.size();) {
        const size_t eq = inside.find(L'=', at);
        if (eq == std::wstring::npos) break;
        size_t nameStart = inside.find_first_not_of(L" \t\r\n", at);
        const std::wstring name = Lower(
            inside.substr(nameStart, inside.find_last_not_of(L" \t", eq - 1) + 1 - nameStart));
        const size_t open = inside.find_first_of(L"\"'", eq);
        if (open == std::wstring::npos) break;
        const size_t close = inside.find(inside[open], open + 1);
        if (close == std::wstring::npos) break;
        tag.attributes[name] = inside.substr(open + 1, close - open - 1);
        at = close + 1;
    }
    return tag;
}

// Decodes the five XML entities; anything else stays as written.
std::wstring Decode(const std::wstring& text) {
    static const std::pair<const wchar_t*, wchar_t> kEntities[] = {
        {L"&lt;", L'<'}, {L"&gt;", L'>'}, {L"&amp;", L'&'}, {L"&quot;", L'"'}, {L"&apos;", L'\''}};
    std::wstring out;
    for (size_t at = 0; at < text.size();) {
        bool decoded = false;
        for (const auto& [name, c] : kEntities) {
            if (text.compare(at, std::wcslen(name), name) == 0) {
                out += c;
                at += std::wcslen(name);
                decoded = true;
                break;
            }
        }
        if (!decoded) out += text[at++];
    }
    return out;
}

long Number(const Tag& tag, const wchar_t* name, long otherwise) {
    const auto found = tag.attributes.find(name);
    return found == tag.attributes.end() ? otherwise
                                         : std::wcstol(found->second.c_str(), nullptr, 10);
}

long Number16(const Tag& tag, const wchar_t* name) {
    const auto found = tag.attributes.find(name);
    return found == tag.attributes.end() ? 0 : std::wcstol(found->second.c_str(), nullptr, 16);
}

}  // namespace

void SapiFragments::Add(SPVACTIONS action, const SPVSTATE& state, std::wstring text, ULONG offset) {
    texts_.push_back(std::move(text));
    host::TextFrag frag{};
    frag.State = state;
    frag.State.eAction = action;
    frag.pTextStart = texts_.back().c_str();
    frag.ulTextLen = static_cast<ULONG>(texts_.back().size());
    frag.ulTextSrcOffset = offset;
    frags_.push_back(frag);
}

void SapiFragments::Link() {
    for (size_t i = 0; i + 1 < frags_.size(); ++i) frags_[i].pNext = &frags_[i + 1];
}

SapiFragments SapiFragments::FromXml(const std::wstring& source) {
    SapiFragments result;
    result.source_ = source;
    SPVSTATE base{};
    base.Volume = 100;
    base.LangID = 0x415;
    if (source.empty() || source[0] != L'<') {
        result.Add(SPVA_Speak, base, source, 0);
        result.Link();
        return result;
    }
    std::vector<SPVSTATE> stack{base};
    for (size_t at = 0; at < source.size();) {
        if (source[at] != L'<') {
            const size_t end = std::min(source.find(L'<', at), source.size());
            const std::wstring text = Decode(source.substr(at, end - at));
            result.Add(
                stack.back().eAction == SPVA_SpellOut || stack.back().eAction == SPVA_Pronounce
                    ? stack.back().eAction
                    : SPVA_Speak,
                stack.back(), text, static_cast<ULONG>(at));
            at = end;
            continue;
        }
        const size_t close = source.find(L'>', at);
        if (close == std::wstring::npos) break;
        const Tag tag = ParseTag(source.substr(at + 1, close - at - 1));
        const ULONG tagOffset = static_cast<ULONG>(at);
        at = close + 1;
        if (tag.closing) {
            if (stack.size() > 1) stack.pop_back();
            continue;
        }
        SPVSTATE state = stack.back();
        if (tag.name == L"bookmark") {
            result.Add(SPVA_Bookmark, state,
                       tag.attributes.count(L"mark") ? tag.attributes.at(L"mark") : L"", tagOffset);
            continue;
        }
        if (tag.name == L"silence") {
            state.SilenceMSecs = static_cast<ULONG>(Number(tag, L"msec", 0));
            result.Add(SPVA_Silence, state, L"", tagOffset);
            continue;
        }
        if (tag.name == L"rate")
            state.RateAdj = tag.attributes.count(L"absspeed")
                                ? Number(tag, L"absspeed", 0)
                                : state.RateAdj + Number(tag, L"speed", 0);
        else if (tag.name == L"volume")
            state.Volume = static_cast<ULONG>(Number(tag, L"level", 100));
        else if (tag.name == L"pitch")
            state.PitchAdj.MiddleAdj = tag.attributes.count(L"absmiddle")
                                           ? Number(tag, L"absmiddle", 0)
                                           : state.PitchAdj.MiddleAdj + Number(tag, L"middle", 0);
        else if (tag.name == L"spell")
            state.eAction = SPVA_SpellOut;
        else if (tag.name == L"pron")
            state.eAction = SPVA_Pronounce;
        else if (tag.name == L"emph")
            state.EmphAdj = 1;
        else if (tag.name == L"lang")
            state.LangID = static_cast<LANGID>(Number16(tag, L"langid"));
        else if (tag.name != L"voice" && tag.name != L"partofsp" && tag.name != L"context") {
            result.Add(SPVA_ParseUnknownTag, state, source.substr(tagOffset, at - tagOffset),
                       tagOffset);
            continue;
        }
        if (tag.empty)
            stack.back() = state;
        else
            stack.push_back(state);
    }
    result.Link();
    return result;
}

SapiFragments SapiFragments::OneWordEach(const std::wstring& source) {
    SapiFragments result;
    result.source_ = source;
    SPVSTATE state{};
    state.Volume = 100;
    int mark = 0;
    for (size_t at = 0; at < source.size();) {
        const size_t end = std::min(source.find(L' ', at), source.size());
        if (mark > 0)
            result.Add(SPVA_Bookmark, state, std::to_wstring(mark), static_cast<ULONG>(at));
        result.Add(SPVA_Speak, state, source.substr(at, end - at), static_cast<ULONG>(at));
        ++mark;
        at = end + 1;
    }
    result.Link();
    return result;
}
