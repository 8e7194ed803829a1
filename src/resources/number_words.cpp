#include "resources/number_words.h"

#include <array>
#include <vector>

#include "platform/codepage.h"
#include "resources/resource_strings.h"

namespace {

constexpr SResourceEntry kNumberWords[] = {
    {4230, "zero"},          {4231, "jeden"},
    {4232, "dwa"},           {4233, "trzy"},
    {4234, "cztery"},        {4235, "pięć"},
    {4236, "sześć"},         {4237, "siedem"},
    {4238, "osiem"},         {4239, "dziewięć"},
    {4240, "dziesięć"},      {4241, "jedenaście"},
    {4242, "dwanaście"},     {4243, "trzynaście"},
    {4244, "czternaście"},   {4245, "pietnaście"},
    {4246, "szesnaście"},    {4247, "siedemnaście"},
    {4248, "osiemnaście"},   {4249, "dziewietnaście"},
    {4251, "dwadzieścia"},   {4252, "trzydzieści"},
    {4253, "czterdzieści"},  {4254, "pieńdziesiąt"},
    {4255, "sześdziesiąt"},  {4256, "siedemdziesiąt"},
    {4257, "osiemdziesiąt"}, {4258, "dziewieńdziesiąt"},
    {4260, "sto"},           {4261, "dwieście"},
    {4262, "trzysta"},       {4263, "czterysta"},
    {4264, "pieńcet"},       {4265, "sześset"},
    {4266, "siedemset"},     {4267, "osiemset"},
    {4268, "dziewieńcet"},   {4540, "i"},
    {4542, "oraz"},
};

// Rows: one, few, many. Columns: tenths .. millionths, thousand, million.
constexpr const char* kCountForms[3][8] = {
    {"dziesiąta", "setna", "tysięczna", "dziesięciotysięczna", "stutysięczna", "milionowa",
     "tysiąc", "milion"},
    {"dziesiąte", "setne", "tysięczne", "dziesięciotysięczne", "stutysięczne", "milionowe",
     "tysiące", "miliony"},
    {"dziesiątych", "setnych", "tysięcznych", "dziesięciotysięcznych", "stutysięcznych",
     "milionowych", "tysięcy", "milionów"},
};
constexpr int kThousandColumn = 6;
constexpr int kMillionColumn = 7;

using SFormTable = std::array<std::array<std::string, 8>, 3>;

const SFormTable& Forms() {
    static const SFormTable forms = [] {
        SFormTable built;
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 8; ++column)
                built[row][column] = Utf8ToCp1250(kCountForms[row][column]);
        return built;
    }();
    return forms;
}

const std::string& Form(SCountForm form, int column) {
    return Forms()[static_cast<int>(form)][column];
}

}  // namespace

std::span<const SResourceEntry> NumberWordResources() {
    return kNumberWords;
}

SCountForm CountFormOf(long long count) {
    if (count == 1) return SCountForm::kOne;
    long long lastTwo = count % 100;
    long long last = count % 10;
    if ((lastTwo < 12 || lastTwo > 14) && last >= 2 && last <= 4) return SCountForm::kFew;
    return SCountForm::kMany;
}

const std::string& FractionFormWord(int digits, SCountForm form) {
    static const std::string none;
    if (digits < 1 || digits > 6) return none;
    return Form(form, digits - 1);
}

const std::string& ThousandFormWord(SCountForm form) {
    return Form(form, kThousandColumn);
}
const std::string& MillionFormWord(SCountForm form) {
    return Form(form, kMillionColumn);
}

const std::string& FeminineOneWord() {
    static const std::string word = "jedna";
    return word;
}

const std::string& FeminineTwoWord() {
    static const std::string word = "dwie";
    return word;
}
