#include "json_lines.h"

#include <cstdio>

#include "platform/codepage.h"

std::string JsonQuoteCp1250(std::string_view cp1250Text) {
    std::string out = "\"";
    for (char c : cp1250Text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 32 || byte == 127) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else if (byte < 128) {
            out += c;
        } else {
            out += Cp1250ToUtf8(std::string_view(&c, 1));
        }
    }
    out += '"';
    return out;
}

void SJsonLine::Separate() {
    if (!first_) text_ += ',';
    first_ = false;
}

SJsonLine& SJsonLine::Key(std::string_view key) {
    Separate();
    text_ += JsonQuoteCp1250(key);
    text_ += ':';
    return *this;
}

SJsonLine& SJsonLine::String(std::string_view cp1250Text) {
    text_ += JsonQuoteCp1250(cp1250Text);
    return *this;
}

SJsonLine& SJsonLine::Number(int64_t value) {
    text_ += std::to_string(value);
    return *this;
}

SJsonLine& SJsonLine::Bool(bool value) {
    text_ += value ? "true" : "false";
    return *this;
}

SJsonLine& SJsonLine::StringArray(const std::vector<std::string>& cp1250Texts) {
    text_ += '[';
    for (size_t i = 0; i < cp1250Texts.size(); ++i) {
        if (i) text_ += ',';
        text_ += JsonQuoteCp1250(cp1250Texts[i]);
    }
    text_ += ']';
    return *this;
}

std::string SJsonLine::Finish() {
    return text_ + "}\n";
}
