// Internet addresses: what is accepted, how it is read, what is declined.
#include <gtest/gtest.h>

#include "recording_sink.h"
#include "text/address.h"
#include "text/address_parser.h"
#include "text/spell.h"

namespace {

const SSpell& Spell() {
    static SSpell spell;
    if (spell.GetCount() == 0) spell.Load();
    return spell;
}

struct SAddressCase {
    const char* text;
    const char* spoken;  // null: declined
    uint32_t consumed;
};

TEST(AddressReaderTest, AcceptedAddresses) {
    const SAddressCase cases[] = {
        {"www.onet.pl", "wuwu wu kropka onet kropka peel <5>", 11},
        {"www.onet.pl, a", "wuwu wu kropka onet kropka peel <5>", 11},
        {"jan.kowalski@poczta.pl", "jan . kowalski małpa poczta kropka peel <5>", 22},
        {"http://www.abc.com/x/y?q=1 dalej",
         "hatete pe dwukropek slesz slesz wuwu wu kropka abc kropka kom <5>", 26},
        {"https://abc.org", "hatete pees dwukropek slesz slesz abc kropka org <5>", 15},
        {"192.168.0.1", "jeden dziewięć dwa kropka jeden sześć osiem kropka zero kropka jeden <5>",
         11},
        {"abc.com:8080", "abc kropka kom <5>", 12},
        {"user:tajne@abc.pl", "user małpa dwukropek tajne abc kropka peel <5>", 17},
        {"xkcd.com", "iks ka ce de kropka kom <5>", 8},
        {"rzysztof.de", "er zet igrek es zet te o ef kropka de e <5>", 11},
        {"abc.pl.", "abc kropka peel <5>", 6},
        {"abc.com.pl", "abc kropka kom kropka peel <5>", 10},
    };
    for (const SAddressCase& c : cases) {
        SRecordingSink sink;
        uint32_t position = 0;
        ASSERT_TRUE(ReadAddress(c.text, position, Spell(), sink)) << c.text;
        EXPECT_EQ(sink.Spoken(), c.spoken) << c.text;
        EXPECT_EQ(position, c.consumed) << c.text;
    }
}

TEST(AddressReaderTest, DeclinedTokens) {
    const char* cases[] = {
        "ftp://abc.com",
        "mailto:jan@abc.pl",
        "telnet://abc.pl",
        "foo://abc.pl",
        "kot.pies",  // two labels, no known domain
        "koniec.",   // the only dot is the last character
        "abc",
        "",
        " www.abc.pl",
        "1.5",  // a top label may not start with a digit, and 1.5 is no IP
        "abc.c0m",
        "x.http://abc.pl",  // a scheme that does not open the token
        "-abc.pl",
        "http://.pl",
    };
    for (const char* text : cases) {
        SRecordingSink sink;
        uint32_t position = 0;
        EXPECT_FALSE(ReadAddress(text, position, Spell(), sink)) << text;
        EXPECT_EQ(position, 0u) << text;
        EXPECT_TRUE(sink.words.empty()) << text;
    }
}

TEST(AddressParserTest, Parts) {
    SUrlParts parts = ParseAddress("http://www.abc.com:80/a/b?x=1");
    EXPECT_EQ(parts.schemeId, 1);
    EXPECT_EQ(parts.host, "www.abc.com");
    EXPECT_EQ(parts.port, 80);
    EXPECT_EQ(parts.path, "/a/b");
    EXPECT_EQ(parts.query, "x=1");
    EXPECT_STREQ(parts.genericDomain, ".com");

    parts = ParseAddress("ala:kot@10.0.0.1");
    EXPECT_EQ(parts.user, "ala");
    EXPECT_EQ(parts.password, "kot");
    EXPECT_TRUE(parts.isIpAddress);
    EXPECT_EQ(parts.ip[3], 1u);

    parts = ParseAddress("abc.com.xx");  // ".com" followed by one more label: still the domain
    EXPECT_STREQ(parts.genericDomain, ".com");
    EXPECT_FALSE(parts.hasCountryCode);

    parts = ParseAddress("abc.community.org");  // ".com" is found first and is no domain here
    EXPECT_EQ(parts.genericDomain, nullptr);
    EXPECT_EQ(parts.consumed, 0u);

    parts = ParseAddress("abc-.pl");  // a label gives back its trailing hyphen
    EXPECT_EQ(parts.consumed, 0u);
}

TEST(AddressReaderTest, Pronounceability) {
    const std::pair<const char*, bool> cases[] = {
        {"onet", true},   {"ab", false},          {"abc", true},   {"xkcd", false},
        {"rzysz", false}, {"jan.kowalski", true}, {"a1b", false},  {"strz", false},
        {"str.z", true},  {"ąęó", true},          {"ąęóś", false},
    };
    for (const auto& [unit, pronounceable] : cases)
        EXPECT_EQ(IsPronounceable(Cp(unit)), pronounceable) << unit;
}

}  // namespace
