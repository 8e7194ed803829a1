// A small SAPI XML reader, as SAPI hands a marked-up string to a voice: the
// text between tags becomes speak fragments (entities decoded) whose source
// offsets point into the original string, <bookmark> and <silence> become
// fragments of their own, and rate, volume, pitch, spell, pron, lang and emph
// set the state of the fragments inside them (an empty tag: the rest of the
// text; abs* values absolute, others relative). Unknown tags come as
// ParseUnknownTag fragments. A string not starting with '<' is one fragment.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host_sapi_ddk.h"

class SapiFragments {
public:
    // Parses `source`, which must outlive the fragments' text pointers only
    // through this object (texts are copied).
    static SapiFragments FromXml(const std::wstring& source);
    // One speak fragment per word, no blanks, a bookmark numbered 1, 2, ...
    // between each pair, as some screen readers send; `source` is the words
    // joined by single blanks, the offsets point into it.
    static SapiFragments OneWordEach(const std::wstring& source);

    SapiFragments() = default;
    SapiFragments(SapiFragments&&) = default;
    SapiFragments(const SapiFragments&) = delete;
    SapiFragments& operator=(const SapiFragments&) = delete;

    const host::TextFrag* List() const { return frags_.empty() ? nullptr : &frags_.front(); }
    size_t Count() const { return frags_.size(); }
    const std::wstring& Source() const { return source_; }

private:
    void Add(SPVACTIONS action, const SPVSTATE& state, std::wstring text, ULONG offset);
    void Link();

    std::wstring source_;
    std::deque<std::wstring> texts_;  // stable addresses
    std::vector<host::TextFrag> frags_;
};
