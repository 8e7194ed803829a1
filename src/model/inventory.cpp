#include "model/inventory.h"

#include <array>
#include <cstring>

namespace {

struct SInventoryRow {
    const char* name;
    uint16_t features;
};

constexpr uint16_t kVowel = AF_VOWEL;
constexpr uint16_t kNasalVowel = AF_NASAL | AF_VOWEL;

// Names of one block of 16 vowels: plain, stressed (+16), phrase-final (+32).
struct SVowelNames {
    const char* plain;
    const char* stressed;
    const char* final;
    uint16_t features;
};
constexpr SVowelNames kVowels[16] = {
    {"a", "aa", "a_", kVowel},
    {"e", "ee", "e_", kVowel},
    {"i", "ii", "i_", kVowel},
    {"o", "oo", "o_", kVowel},
    {"u", "uu", "u_", kVowel},
    {"y", "yy", "y_", kVowel},
    {"an", "aan", "aan", kNasalVowel},
    {"en", "een", "een", kNasalVowel},
    {"ia", "iaa", "ia_", kVowel},
    {"ie", "iee", "ie_", kVowel},
    {"", "", "i_", kVowel},
    {"io", "ioo", "io_", kVowel},
    {"iu", "iuu", "iu_", kVowel},
    {"err", "err", "err", kVowel},
    {"ian", "iaan", "iaan", kNasalVowel},
    {"ien", "ieen", "ieen", kNasalVowel},
};

// Ids 49..111 in order.
constexpr SInventoryRow kConsonantsAndOthers[] = {
    {"b", 0x1050},      {"bi", 0x5050},  {"d", 0x1090},   {"di", 0x5090},
    {"g", 0x1030},      {"gi", 0x5030},  {"w", 0x1110},   {"wi", 0x5110},
    {"z", 0x1110},      {"zi", 0x5110},  {"rz", 0x1110},  {"dz", 0x1410},
    {"dzi", 0x5410},    {"drz", 0x1410},  // 49..62
    {"p", 0x2050},      {"pi", 0x6050},  {"t", 0x2090},   {"ti", 0x6090},
    {"k", 0x2030},      {"ki", 0x6030},  {"f", 0x2110},   {"fi", 0x6110},
    {"s", 0x2110},      {"si", 0x6110},  {"sz", 0x2110},  {"c", 0x2410},
    {"ci", 0x6410},     {"cz", 0x2410},  // 63..76
    {"m", 0x8010},      {"mi", 0xC010},  {"n", 0x8010},   {"ni", 0xC010},
    {"ng", 0x8010},     {"nn", 0x8010},  {"m_", 0x8010},  {"n_", 0x8010},
    {"h", 0x0110},      {"hi", 0x4110},  // 77..86
    {"", 0x2110},       {"", 0x6110},    // 87, 88: named "ch"/"chi" by the voice
    {"l", 0x0210},      {"li", 0x4210},  {"ll", 0x0210},  {"ll_", 0x0210},
    {"lll", 0x0210},    {"r", 0x0810},   {"ri", 0x4810},  {"j", 0x0008},
    {"jj", 0x0008},  // 89..97
    {"", AF_SILENT},    {"", AF_SILENT}, {"", AF_SILENT}, {"", AF_SILENT},
    {"", AF_SILENT},    {"", AF_SILENT}, {"", AF_SILENT}, {"", AF_SILENT},  // 98..105
    {"", AF_PAUSE},     {"", AF_PAUSE},  {"", AF_PAUSE},  {"", AF_PAUSE},
    {"", AF_PAUSE},      // 106..110
    {"err", AF_SILENT},  // 111
};
static_assert(std::size(kConsonantsAndOthers) == kAlfErr - kAlfFirstVoiced + 1);

SAlofonHeader MakeEntry(int id, const char* name, uint16_t features) {
    SAlofonHeader entry{};
    std::memcpy(entry.name, name, strnlen(name, sizeof entry.name));
    entry.id = static_cast<uint16_t>(id);
    entry.features = features;
    return entry;
}

std::array<SAlofonHeader, kInventorySize> BuildInventory() {
    std::array<SAlofonHeader, kInventorySize> table{};
    for (int offset = 0; offset < 16; ++offset) {
        const SVowelNames& v = kVowels[offset];
        int plain = kAlfFirstVowel + offset;
        table[plain] = MakeEntry(plain, v.plain, v.features);
        table[plain + kAlfStressedOffset] =
            MakeEntry(plain + kAlfStressedOffset, v.stressed, v.features);
        table[plain + kAlfFinalOffset] = MakeEntry(plain + kAlfFinalOffset, v.final, v.features);
    }
    int id = kAlfFirstVoiced;
    for (const SInventoryRow& row : kConsonantsAndOthers) {
        table[id] = MakeEntry(id, row.name, row.features);
        ++id;
    }
    return table;
}

const std::array<SAlofonHeader, kInventorySize>& Inventory() {
    static const std::array<SAlofonHeader, kInventorySize> table = BuildInventory();
    return table;
}

}  // namespace

std::string_view SAlofonHeader::Name() const {
    return std::string_view(name, strnlen(name, sizeof name));
}

const SAlofonHeader& InventoryEntry(int id) {
    const auto& table = Inventory();
    return id >= 0 && id < kInventorySize ? table[id] : table[0];
}

std::string_view InventoryName(int id) {
    return InventoryEntry(id).Name();
}

uint16_t InventoryFeatures(int id) {
    return InventoryEntry(id).features;
}

int InventoryFindByName(std::string_view name) {
    if (name.empty()) return -1;
    for (const SAlofonHeader& entry : Inventory())
        if (entry.Name() == name) return entry.id;
    return -1;
}
