#include "resources/date_words.h"

#include "platform/codepage.h"
#include "resources/resource_strings.h"

namespace {

constexpr SResourceEntry kDateWords[] = {
    {4400, "stycznia"},
    {4401, "lutego"},
    {4402, "marca"},
    {4403, "kwietnia"},
    {4404, "maja"},
    {4405, "czerwca"},
    {4406, "lipca"},
    {4407, "sierpnia"},
    {4408, "września"},
    {4409, "października"},
    {4410, "listopada"},
    {4411, "grudnia"},

    {4301, "pierwszy"},
    {4302, "drugi"},
    {4303, "trzeci"},
    {4304, "czwarty"},
    {4305, "piąty"},
    {4306, "szósty"},
    {4307, "siódmy"},
    {4308, "ósmy"},
    {4309, "dziewiąty"},
    {4310, "dziesiąty"},
    {4311, "jedenasty"},
    {4312, "dwunasty"},
    {4313, "trzynasty"},
    {4314, "czternasty"},
    {4315, "pietnasty"},
    {4316, "szesnasty"},
    {4317, "siedemnasty"},
    {4318, "osiemnasty"},
    {4319, "dziewietnasty"},
    {4320, "dwudziesty"},
    {4321, "trzydziesty"},

    {4331, "pierwszego"},
    {4332, "drugiego"},
    {4333, "trzeciego"},
    {4334, "czwartego"},
    {4335, "piątego"},
    {4336, "szóstego"},
    {4337, "siódmego"},
    {4338, "ósmego"},
    {4339, "dziewiątego"},
    {4340, "dziesiątego"},
    {4341, "jedenastego"},
    {4342, "dwunastego"},
    {4343, "trzynastego"},
    {4344, "czternastego"},
    {4345, "pietnastego"},
    {4346, "szesnastego"},
    {4347, "siedemnastego"},
    {4348, "osiemnastego"},
    {4349, "dziewietnastego"},
    {4350, "dwudziestego"},
    {4351, "trzydziestego"},
    {4352, "czterdziestego"},
    {4353, "pieńdziesiątego"},
    {4354, "sześdziesiątego"},
    {4355, "siedemdziesiątego"},
    {4356, "osiemdziesiątego"},
    {4357, "dziewieńdziesiątego"},
    {4358, "setnego"},
    {4359, "dwusetnego"},
    {4360, "trzysetnego"},
    {4361, "czterechsetnego"},
    {4362, "pięćsetnego"},
    {4363, "sześćsetnego"},
    {4364, "siedemsetnego"},
    {4365, "osiemsetnego"},
    {4366, "dziewięćsetnego"},
    {4367, "tysięcznego"},
    {4368, "dwutysięcznego"},
    {4543, "roku"},

    {4430, "pierwsz"},
    {4431, "drug"},
    {4432, "trzeci"},
    {4433, "czwart"},
    {4434, "piąt"},
    {4435, "szóst"},
    {4436, "siódm"},
    {4437, "ósm"},
    {4438, "dziewiąt"},
    {4439, "dziesiąt"},
    {4440, "jedenast"},
    {4441, "dwunast"},
    {4442, "trzynast"},
    {4443, "czternast"},
    {4444, "pietnast"},
    {4445, "szesnast"},
    {4446, "siedemnast"},
    {4447, "osiemnast"},
    {4448, "dziewietnast"},
    {4449, "dwudziest"},

    {4550, "przed południem"},
    {4551, "po południu"},
};

constexpr int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr const char* kEnglishMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

std::span<const SResourceEntry> DateWordResources() {
    return kDateWords;
}

int DaysInMonth(int month) {
    return month >= 1 && month <= 12 ? kDaysInMonth[month - 1] : 0;
}

const char* EnglishMonthAbbreviation(int month) {
    return month >= 1 && month <= 12 ? kEnglishMonths[month - 1] : "";
}

const STimeWords& TimeWords() {
    static const STimeWords words = [] {
        auto w = [](const char* utf8) { return Utf8ToCp1250(utf8); };
        return STimeWords{w("a"),      w("ej"),    w("iej"),     w("minuta"),   w("minutę"),
                          w("minuty"), w("minut"), w("sekunda"), w("sekundę"),  w("sekundy"),
                          w("sekund"), w("jedna"), w("jedną"),   w("dwie"),     w("dwa"),
                          w("zero"),   w("i"),     w("po "),     w("wpół do "), w("za ")};
    }();
    return words;
}
