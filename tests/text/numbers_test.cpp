// Number reading: the words of SNumber, the digit-group reader and the
// number reader's separators, signs, long runs and switches.
#include <gtest/gtest.h>

#include "recording_sink.h"
#include "text/number_words.h"
#include "text/numbers.h"

namespace {

struct SNumberCase {
    int64_t integer;
    int32_t fraction;
    int digits;
    const char* words;
};

std::string Words(const SNumber& n) {
    return Cp1250ToUtf8(n.ToWords());
}

TEST(SNumberTest, CardinalsByMagnitude) {
    const SNumberCase cases[] = {
        // units
        {0, 0, 0, "zero "},
        {1, 0, 0, "jeden "},
        {2, 0, 0, "dwa "},
        {9, 0, 0, "dziewięć "},
        // teens (table spellings)
        {10, 0, 0, "dziesięć "},
        {15, 0, 0, "pietnaście "},
        {19, 0, 0, "dziewietnaście "},
        // tens
        {20, 0, 0, "dwadzieścia "},
        {50, 0, 0, "pieńdziesiąt "},
        {99, 0, 0, "dziewieńdziesiąt dziewięć "},
        // hundreds
        {100, 0, 0, "sto "},
        {205, 0, 0, "dwieście pięć "},
        {560, 0, 0, "pieńcet sześdziesiąt "},
        {999, 0, 0, "dziewieńcet dziewieńdziesiąt dziewięć "},
        // thousands
        {1000, 0, 0, "tysiąc "},
        {1001, 0, 0, "tysiąc jeden "},
        {2000, 0, 0, "dwa tysiące "},
        {5000, 0, 0, "pięć tysięcy "},
        {12000, 0, 0, "dwanaście tysięcy "},
        {22000, 0, 0, "dwadzieścia dwa tysiące "},
        {112000, 0, 0, "sto dwanaście tysięcy "},
        // millions
        {1000000, 0, 0, "milion "},
        {2000000, 0, 0, "dwa miliony "},
        {1234567, 0, 0, "milion dwieście trzydzieści cztery tysiące pieńcet sześdziesiąt siedem "},
        {25000000, 0, 0, "dwadzieścia pięć milionów "},
        {999999999, 0, 0,
         "dziewieńcet dziewieńdziesiąt dziewięć milionów dziewieńcet dziewieńdziesiąt dziewięć "
         "tysięcy dziewieńcet dziewieńdziesiąt dziewięć "},
        // sign
        {-12, 0, 0, "minus dwanaście "},
    };
    for (const SNumberCase& c : cases)
        EXPECT_EQ(Words(SNumber(c.integer, c.fraction, c.digits)), c.words) << c.integer;
}

TEST(SNumberTest, Fractions) {
    const SNumberCase cases[] = {
        {3, 25, 2, "trzy i dwadzieścia pięć setnych "},
        {0, 1, 1, "zero i jedna dziesiąta "},
        {1, 2, 1, "jeden i dwie dziesiąte "},
        {7, 5, 1, "siedem i pięć dziesiątych "},
        {3, 5, 2, "trzy i pięć setnych "},
        {0, 22, 2, "zero i dwadzieścia dwie setne "},
        {0, 12, 2, "zero i dwanaście setnych "},
        {1, 1, 3, "jeden i jedna tysięczna "},
        {1, 1500, 4, "jeden i tysiąc pieńcet dziesięciotysięcznych "},
        {1, 2000, 4, "jeden i dwa tysiące dziesięciotysięczne "},
        {0, 123456, 6,
         "zero i sto dwadzieścia trzy tysiące czterysta pieńdziesiąt sześć milionowych "},
        // no denominator word beyond six digits: digit by digit, zero-padded
        {1, 1234567, 7, "jeden i jeden dwa trzy cztery pięć sześć siedem "},
        {0, 5, 8, "zero i zero zero zero zero zero zero zero pięć "},
        {0, 99999999, 8,
         "zero i dziewięć dziewięć dziewięć dziewięć dziewięć dziewięć dziewięć dziewięć "},
    };
    for (const SNumberCase& c : cases)
        EXPECT_EQ(Words(SNumber(c.integer, c.fraction, c.digits)), c.words)
            << c.integer << "," << c.fraction;
}

TEST(SNumberTest, HundredsGroupFeminineAndOutOfRange) {
    EXPECT_EQ(Cp1250ToUtf8(SNumber::HundredsGroupWords(1, true)), "jedna ");
    EXPECT_EQ(Cp1250ToUtf8(SNumber::HundredsGroupWords(2, true)), "dwie ");
    EXPECT_EQ(Cp1250ToUtf8(SNumber::HundredsGroupWords(32, true)), "trzydzieści dwie ");
    EXPECT_EQ(Cp1250ToUtf8(SNumber::HundredsGroupWords(31, true)), "trzydzieści jeden ");
    EXPECT_EQ(SNumber::HundredsGroupWords(0, false), "");
    EXPECT_EQ(SNumber::HundredsGroupWords(1000, false), "");
    EXPECT_EQ(SNumber::HundredsGroupWords(-1, false), "");
}

struct SGroupCase {
    const char* text;
    char separator;
    bool grouping;
    const char* digits;
    uint32_t end;
};

TEST(DigitGroupTest, GroupsAndIncompleteTails) {
    const SGroupCase cases[] = {
        {"1.234.567", '.', true, "1234567", 9},
        {"1.23", '.', true, "1", 1},
        {"12 345 6", ' ', true, "12345", 6},
        {"12 345", ' ', true, "12345", 6},
        {"1.234.56", '.', true, "1234", 5},
        {"1234.567", '.', true, "1234567", 8},
        {"1.234", '.', false, "1", 1},
        {"007x", '.', true, "007", 3},
        {"5.", '.', true, "5", 1},
    };
    for (const SGroupCase& c : cases) {
        uint32_t position = 0;
        EXPECT_EQ(ReadDigitGroups(c.text, position, c.separator, c.grouping), c.digits) << c.text;
        EXPECT_EQ(position, c.end) << c.text;
    }
}

struct SReadCase {
    const char* text;
    const char* spoken;
    uint32_t end;
};

void ExpectReads(const SReadCase* cases, size_t count, const SAttribute& switches) {
    for (size_t i = 0; i < count; ++i) {
        SRecordingSink sink;
        uint32_t position = 0;
        ASSERT_TRUE(ReadNumber(cases[i].text, position, switches, sink)) << cases[i].text;
        EXPECT_EQ(sink.Spoken(), cases[i].spoken) << cases[i].text;
        EXPECT_EQ(position, cases[i].end) << cases[i].text;
    }
}

TEST(NumberReaderTest, SeparatorsAndSigns) {
    const SReadCase cases[] = {
        {"-12", "minus dwanaście", 3},
        {"5-6", "pięć", 1},
        {"1.234.567", "milion dwieście trzydzieści cztery tysiące pieńcet sześdziesiąt siedem", 9},
        {"1.23", "jeden kropka", 2},
        {"1.5", "jeden kropka", 2},
        {"12, a", "dwanaście", 2},
        {"0,5", "zero i pięć dziesiątych", 3},
        {"3,05", "trzy i pięć setnych", 4},
        {"05", "zero pięć", 2},
        {"007", "zero zero siedem", 3},
        {"2 000 000", "dwa", 1},
        {"1,123456789", "jeden i jeden dwa trzy cztery pięć sześć siedem osiem dziewięć", 11},
    };
    SAttribute switches = TestSettings();
    ExpectReads(cases, std::size(cases), switches);
}

TEST(NumberReaderTest, BlankThousandsSeparator) {
    SAttribute switches = TestSettings();
    switches.thousandsSeparator = ' ';
    const SReadCase cases[] = {
        {"12 345 6", "dwanaście tysięcy trzysta czterdzieści pięć", 6},
        {"2 000 000", "dwa miliony", 9},
    };
    ExpectReads(cases, std::size(cases), switches);
}

TEST(NumberReaderTest, PeriodAsDecimalSeparator) {
    SAttribute switches = TestSettings();
    switches.decimalSeparator = '.';
    switches.thousandsSeparator = ',';
    const SReadCase cases[] = {
        {"1.5", "jeden i pięć dziesiątych", 3},
        {"1,234.25", "tysiąc dwieście trzydzieści cztery i dwadzieścia pięć setnych", 8},
    };
    ExpectReads(cases, std::size(cases), switches);
}

TEST(NumberReaderTest, TenDigitsReadOneByOneWithPauses) {
    SRecordingSink sink;
    SAttribute switches = TestSettings();
    uint32_t position = 0;
    ASSERT_TRUE(ReadNumber("0123456789 dalej", position, switches, sink));
    EXPECT_EQ(position, 10u);
    ASSERT_EQ(sink.words.size(), 20u);
    for (size_t i = 0; i < 20; i += 2) {
        EXPECT_EQ(sink.words[i].source, "0123456789");
        EXPECT_EQ(sink.words[i].continuation, i == 0 ? 0 : 1);
        EXPECT_EQ(sink.words[i + 1].text, std::string(1, '\x07'));
    }
}

TEST(NumberReaderTest, VeryLongDigitRunsAreReadInPieces) {
    std::string digits(100, '4');
    SRecordingSink sink;
    SAttribute switches = TestSettings();
    uint32_t position = 0;
    ASSERT_TRUE(ReadNumber(digits.c_str(), position, switches, sink));
    EXPECT_EQ(position, 64u);
    EXPECT_EQ(sink.words.size(), 128u);
    ASSERT_TRUE(ReadNumber(digits.c_str(), position, switches, sink));
    EXPECT_EQ(position, 100u);
}

TEST(NumberReaderTest, ConvertNumberOffReadsDigits) {
    SAttribute switches = TestSettings();
    switches.convertNumber = false;
    const SReadCase cases[] = {
        {"3,14", "trzy oraz jeden cztery", 4},
        {"25", "dwa pięć", 2},
    };
    ExpectReads(cases, std::size(cases), switches);
}

TEST(NumberReaderTest, LoneMinusIsDeclined) {
    SRecordingSink sink;
    SAttribute switches = TestSettings();
    uint32_t position = 0;
    EXPECT_FALSE(ReadNumber("- x", position, switches, sink));
    EXPECT_FALSE(ReadNumber("-", position, switches, sink));
    EXPECT_EQ(position, 0u);
    EXPECT_TRUE(sink.words.empty());
}

TEST(NumberReaderTest, SourceTextsOfWords) {
    SRecordingSink sink;
    SAttribute switches = TestSettings();
    uint32_t position = 0;
    ASSERT_TRUE(ReadNumber("-3,25", position, switches, sink));
    ASSERT_GE(sink.words.size(), 2u);
    EXPECT_EQ(sink.words[0].source, "-");
    EXPECT_EQ(sink.words[1].source, "3,25");
}

}  // namespace
