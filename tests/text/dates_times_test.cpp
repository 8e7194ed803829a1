// Dates (shapes, swaps, validation, words) and times (formal, colloquial,
// 12/24 hours, seconds, am/pm) as the number reader meets them.
#include <gtest/gtest.h>

#include "recording_sink.h"
#include "text/dates.h"
#include "text/numbers.h"
#include "text/times.h"

namespace {

struct SDateCase {
    const char* text;
    const char* spoken;  // null: not a date
    uint32_t length;
};

void ExpectDates(const SDateCase* cases, size_t count, const SAttribute& switches) {
    for (size_t i = 0; i < count; ++i) {
        SRecordingSink sink;
        uint32_t position = 0;
        bool read = ReadDate(cases[i].text, position, "token", switches, sink);
        if (!cases[i].spoken) {
            EXPECT_FALSE(read) << cases[i].text;
            EXPECT_EQ(position, 0u) << cases[i].text;
            continue;
        }
        ASSERT_TRUE(read) << cases[i].text;
        EXPECT_EQ(sink.Spoken(), cases[i].spoken) << cases[i].text;
        EXPECT_EQ(position, cases[i].length) << cases[i].text;
    }
}

TEST(DateReaderTest, NumericShapes) {
    const SDateCase cases[] = {
        {"12/05/2002", "dwunasty maja dwa tysiące drugiego roku", 10},
        {"12-05-2002 r.", "dwunasty maja dwa tysiące drugiego roku", 10},
        {"2002-05-12", "dwunasty maja dwa tysiące drugiego roku", 10},
        {"05/13/2002", "trzynasty maja dwa tysiące drugiego roku", 10},
        {"29-02-2001", "dwudziesty dziewiąty lutego dwa tysiące pierwszego roku", 10},
        {"01/01/99", "pierwszy stycznia tysiąc dziewieńcet dziewieńdziesiątego dziewiątego roku",
         8},
        {"31/12/1900", "trzydziesty pierwszy grudnia tysiąc dziewięćsetnego roku", 10},
        {"1/1/2000", "pierwszy stycznia dwutysięcznego roku", 8},
        {"99/12/31",
         "trzydziesty pierwszy grudnia tysiąc dziewieńcet dziewieńdziesiątego dziewiątego roku", 8},
        {"12/13/14", "trzynasty grudnia dwa tysiące czternastego roku", 8},
        {"20/10/10", "dwudziesty października dwa tysiące dziesiątego roku", 8},
    };
    ExpectDates(cases, std::size(cases), TestSettings());
}

TEST(DateReaderTest, Rejections) {
    const SDateCase cases[] = {
        {"31/02/2002", nullptr, 0},   // February has at most 29 days
        {"12/5/123", nullptr, 0},     // a three-digit field
        {"12/05-2002", nullptr, 0},   // mixed separators
        {"12.05.2002", nullptr, 0},   // '.' is not the date separator here
        {"12/05/", nullptr, 0},       // an empty field
        {"1/2/3/4", nullptr, 0},      // three separators
        {"12/2002/05", nullptr, 0},   // the year in the middle
        {"1850/05/12", nullptr, 0},   // year-first before 1900
        {"1/2/3", nullptr, 0},        // shorter than six characters
        {"32/13/14", nullptr, 0},     // no valid order
        {"123456", nullptr, 0},       // no separators
        {"12/05/20021", nullptr, 0},  // a five-digit field
    };
    ExpectDates(cases, std::size(cases), TestSettings());
}

TEST(DateReaderTest, PeriodAsDateSeparator) {
    SAttribute switches = TestSettings();
    switches.dateSeparator = '.';
    const SDateCase cases[] = {
        {"12.05.2002", "dwunasty maja dwa tysiące drugiego roku", 10},
        {"31.02.2002", nullptr, 0},
        {"12.5.123", nullptr, 0},
    };
    ExpectDates(cases, std::size(cases), switches);
}

TEST(DateReaderTest, EnglishMonthAbbreviation) {
    const SDateCase cases[] = {
        {"5 May 2002", "piąty maja dwa tysiące drugiego roku", 10},
        {"23 Dec 1999 x",
         "dwudziesty trzeci grudnia tysiąc dziewieńcet dziewieńdziesiątego dziewiątego roku", 11},
        {"5 may 2002", nullptr, 0},
        {"32 Jan 2002", nullptr, 0},
        {"5 Mai 2002", nullptr, 0},
    };
    ExpectDates(cases, std::size(cases), TestSettings());
}

TEST(DateReaderTest, SystemOrder) {
    SAttribute switches = TestSettings();
    switches.dateBySysFormat = true;
    switches.dateSeparator = '.';
    switches.shortDatePattern = "dd.MM.yyyy";
    const SDateCase dayFirst[] = {
        {"12.05.2002", "dwunasty maja dwa tysiące drugiego roku", 10},
        {"2002.05.12", nullptr, 0},
        {"00.05.2002", nullptr, 0},
        {"12.05.20021", nullptr, 0},
    };
    ExpectDates(dayFirst, std::size(dayFirst), switches);

    switches.shortDatePattern = "yyyy.MM.dd";
    const SDateCase yearFirst[] = {{"2002.05.12", "dwunasty maja dwa tysiące drugiego roku", 10}};
    ExpectDates(yearFirst, std::size(yearFirst), switches);

    switches.shortDatePattern = "dd.xx.yyyy";
    const SDateCase unknownSlot[] = {{"12.05.2002", nullptr, 0}};
    ExpectDates(unknownSlot, std::size(unknownSlot), switches);
}

TEST(DateTest, YearWidening) {
    EXPECT_EQ(SDate::Make(1, 1, 49).year, 2049);
    EXPECT_EQ(SDate::Make(1, 1, 50).year, 1950);
    EXPECT_EQ(SDate::Make(1, 1, 100).year, 100);
    EXPECT_EQ(Cp1250ToUtf8(SDate::Make(1, 1, 300).ToWords()),
              "pierwszy stycznia trzysetnego roku ");
    EXPECT_EQ(Cp1250ToUtf8(SDate::Make(1, 1, 2100).ToWords()),
              "pierwszy stycznia dwa tysiące setnego roku ");
}

struct STimeCase {
    const char* text;
    const char* formal;
    const char* colloquial;
};

std::string SpeakTime(const char* text, const SAttribute& switches, uint32_t* end = nullptr) {
    SRecordingSink sink;
    uint32_t position = 0;
    if (!ReadTime(text, position, "t", switches, sink)) return "(none)";
    if (end) *end = position;
    return sink.Spoken();
}

TEST(TimeReaderTest, FormalAndColloquial) {
    const STimeCase cases[] = {
        {"7:05", "siódma zero pięć", "pięć minut po siódmej"},
        {"7:00", "siódma zero zero", "siódma"},
        {"7:01", "siódma zero jeden", "minuta po siódmej"},
        {"7:02", "siódma zero dwa", "dwie minuty po siódmej"},
        {"7:12", "siódma dwanaście", "dwanaście minut po siódmej"},
        {"7:22", "siódma dwadzieścia dwa", "dwadzieścia dwa minuty po siódmej"},
        {"7:30", "siódma trzydzieści", "wpół do ósmej"},
        {"7:45", "siódma czterdzieści pięć", "za pietnaście minut ósma"},
        {"7:59", "siódma pieńdziesiąt dziewięć", "za minutę ósma"},
        {"14:30", "czternasta trzydzieści", "wpół do pietnastej"},
        {"21:10", "dwudziesta pierwsza dziesięć", "dziesięć minut po dwudziestej pierwszej"},
        {"1:15", "pierwsza pietnaście", "pietnaście minut po pierwszej"},
        {"23:40", "dwudziesta trzecia czterdzieści", "za dwadzieścia minut dwudziesta czwarta"},
        {"1:40", "pierwsza czterdzieści", "za dwadzieścia minut druga"},
        {"2:10", "druga dziesięć", "dziesięć minut po drugiej"},
        {"7:05:01", "siódma zero pięć i jedna sekunda", "pięć minut i jedna sekunda po siódmej"},
        {"7:00:03", "siódma zero zero i trzy sekundy", "siódma i trzy sekundy"},
        {"7:30:20", "siódma trzydzieści i dwadzieścia sekund",
         "dwadzieścia sekund po wpół do ósmej"},
        {"7:58:30", "siódma pieńdziesiąt osiem i trzydzieści sekund",
         "za minutę i trzydzieści sekund ósma"},
        {"7:59:59", "siódma pieńdziesiąt dziewięć i pieńdziesiąt dziewięć sekund",
         "za jedną sekundę ósma"},
    };
    SAttribute switches = TestSettings();
    for (const STimeCase& c : cases) {
        switches.colloquialTime = false;
        EXPECT_EQ(SpeakTime(c.text, switches), c.formal) << c.text;
        switches.colloquialTime = true;
        EXPECT_EQ(SpeakTime(c.text, switches), c.colloquial) << c.text;
    }
}

TEST(TimeReaderTest, TwelveAndTwentyFourHours) {
    SAttribute switches = TestSettings();
    switches.hours24 = false;
    EXPECT_EQ(SpeakTime("14:30", switches), "druga trzydzieści");
    EXPECT_EQ(SpeakTime("0:15", switches), "dwunasta pietnaście");
    EXPECT_EQ(SpeakTime("12:15", switches), "dwunasta pietnaście");
    switches.hours24 = true;
    EXPECT_EQ(SpeakTime("0:15", switches), "dwudziesta czwarta pietnaście");
    switches.bareFullHour = true;
    EXPECT_EQ(SpeakTime("7:00", switches), "siódma");
    switches.readSeconds = false;
    switches.bareFullHour = false;
    EXPECT_EQ(SpeakTime("7:05:09", switches), "siódma zero pięć");
}

TEST(TimeReaderTest, AmPmMarks) {
    SAttribute switches = TestSettings();
    uint32_t end = 0;
    EXPECT_EQ(SpeakTime("7:30 pm", switches, &end), "siódma trzydzieści po południu");
    EXPECT_EQ(end, 7u);
    EXPECT_EQ(SpeakTime("7:30AM.", switches, &end), "siódma trzydzieści przed południem");
    EXPECT_EQ(end, 6u);
    EXPECT_EQ(SpeakTime("7:30 pmx", switches, &end), "siódma trzydzieści");
    EXPECT_EQ(end, 4u);
}

TEST(TimeReaderTest, Rejections) {
    SAttribute switches = TestSettings();
    for (const char* text :
         {"24:00", "7:60", "1:5", "7:05:60", "123:45", "7:055", "7::05", "7: a", "1:2:3:4", "7.30"})
        EXPECT_EQ(SpeakTime(text, switches), "(none)") << text;
}

TEST(NumberReaderTest, DatesAndTimesComeFirstUnlessSwitchedOff) {
    SAttribute switches = TestSettings();
    SRecordingSink sink;
    uint32_t position = 0;
    ASSERT_TRUE(ReadNumber("12/05/2002 r.", position, switches, sink));
    EXPECT_EQ(sink.words[0].source, "12/05/2002");
    EXPECT_EQ(sink.words[0].closes, 1);

    switches.convertDate = false;
    SRecordingSink numbers;
    position = 0;
    ASSERT_TRUE(ReadNumber("12/05/2002", position, switches, numbers));
    EXPECT_EQ(numbers.Spoken(), "dwanaście");

    switches.convertDate = true;
    switches.convertTime = false;
    SRecordingSink noTime;
    position = 0;
    ASSERT_TRUE(ReadNumber("7:05", position, switches, noTime));
    EXPECT_EQ(noTime.Spoken(), "siedem");
    EXPECT_EQ(position, 1u);

    switches.convertTime = true;
    SRecordingSink time;
    position = 0;
    ASSERT_TRUE(ReadNumber("7:05", position, switches, time));
    EXPECT_EQ(time.words[0].closes, 0);
    EXPECT_EQ(position, 4u);
}

}  // namespace
