// Small writer for one JSON object per line. Engine strings are Windows-1250;
// they come out as UTF-8, with bytes below 32 as \u00XX escapes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class SJsonLine {
public:
    SJsonLine& Key(std::string_view key);
    SJsonLine& String(std::string_view cp1250Text);
    SJsonLine& Number(int64_t value);
    SJsonLine& Bool(bool value);
    SJsonLine& StringArray(const std::vector<std::string>& cp1250Texts);

    // The finished object followed by a newline.
    std::string Finish();

private:
    void Separate();
    std::string text_ = "{";
    bool first_ = true;
};

// The JSON string literal (with quotes) of a Windows-1250 text.
std::string JsonQuoteCp1250(std::string_view cp1250Text);
