#include "resources/character_names.h"

#include <array>

#include "platform/codepage.h"
#include "resources/resource_strings.h"

namespace {

constexpr SResourceEntry kCharacterNames[] = {
    {4140, "a"},
    {4141, "be"},
    {4142, "ce"},
    {4143, "de"},
    {4144, "e"},
    {4145, "ef"},
    {4146, "gie"},
    {4147, "ha"},
    {4148, "i"},
    {4149, "jot"},
    {4150, "ka"},
    {4151, "el"},
    {4152, "em"},
    {4153, "en"},
    {4154, "o"},
    {4155, "pe"},
    {4156, "ku"},
    {4157, "er"},
    {4158, "es"},
    {4159, "te"},
    {4160, "u"},
    {4161, "fał"},
    {4162, "wu"},
    {4163, "iks"},
    {4164, "igrek"},
    {4165, "zet"},

    {4170, "ą"},
    {4171, "će"},
    {4172, "ę"},
    {4173, "eł"},
    {4174, "eń"},
    {4175, "u"},
    {4176, "eś"},
    {4177, "ziet"},
    {4178, "żet"},

    {4500, "spacja"},
    {4501, "wykrzyknik"},
    {4502, "cudzysłów"},
    {4503, "hasz"},
    {4504, "dolar"},
    {4505, "procent"},
    {4506, "ampersant"},
    {4507, "apostrof"},
    {4508, "lewy nawias"},
    {4509, "prawy nawias"},
    {4510, "gwiastka"},
    {4511, "plus"},
    {4512, "przecinek"},
    {4513, "minus"},
    {4514, "kropka"},
    {4515, "slesz"},
    {4516, "dwukropek"},
    {4517, "średnik"},
    {4518, "znak mniejszości"},
    {4519, "równa się"},
    {4520, "znak większości"},
    {4521, "znak zapytania"},
    {4522, "małpa"},
    {4523, "lewy nawias kwadratowy"},
    {4524, "bekslesz"},
    {4525, "prawy nawias kwadratowy"},
    {4526, "daszek"},
    {4527, "podkreślenie"},
    {4528, "apostrof"},
    {4529, "lewa klamra"},
    {4530, "pałka"},
    {4531, "prawa klamra"},
    {4532, "tylda"},
    {4533, "tabulacja"},
    {4534, "nowa linia"},
};

// Windows-1250 bytes of ą ć ę ł ń ó ś ź ż.
constexpr unsigned char kPolishLetters[9] = {0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0x9F, 0xBF};
constexpr unsigned char kSymbols[35] = {
    ' ', '!', '"', '#', '$', '%', '&',  '\'', '(', ')', '*', '+', ',', '-', '.', '/',  ':', ';',
    '<', '=', '>', '?', '@', '[', '\\', ']',  '^', '_', '`', '{', '|', '}', '~', '\t', '\n'};

constexpr int kTableSize = 26 + 9 + 10 + 35;

constexpr std::array<SCharacterName, kTableSize> BuildTable() {
    std::array<SCharacterName, kTableSize> table{};
    int n = 0;
    for (int i = 0; i < 26; ++i) table[n++] = {static_cast<unsigned char>('a' + i), 4140 + i};
    for (int i = 0; i < 9; ++i) table[n++] = {kPolishLetters[i], 4170 + i};
    for (int i = 0; i < 10; ++i) table[n++] = {static_cast<unsigned char>('0' + i), 4230 + i};
    for (int i = 0; i < 35; ++i) table[n++] = {kSymbols[i], 4500 + i};
    return table;
}

constexpr std::array<SCharacterName, kTableSize> kTable = BuildTable();

}  // namespace

std::span<const SResourceEntry> CharacterNameResources() {
    return kCharacterNames;
}

std::span<const SCharacterName> CharacterNameTable() {
    return kTable;
}

const std::string* ExtendedCharacterName(unsigned char lowerCase) {
    static const std::string kOWithStroke = Utf8ToCp1250("o z kreską");
    constexpr unsigned char kSmallOAcute = 0xF3;  // ó in Windows-1250
    return lowerCase == kSmallOAcute ? &kOWithStroke : nullptr;
}
