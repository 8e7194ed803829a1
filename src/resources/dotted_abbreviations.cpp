// Our own list, from everyday Polish text: company forms, eras, legal
// references and the set phrases of letters.
#include "resources/dotted_abbreviations.h"

#include "platform/codepage.h"

namespace {

struct SRow {
    const char* written;
    const char* expansion;
};

// Longer forms first where one begins another ("p.n.e." before "n.e.").
constexpr SRow kRows[] = {
    {"m.in.", "między innymi"},
    {"p.n.e.", "przed naszą erą"},
    {"n.e.", "naszej ery"},
    {"o.o.", "ograniczoną odpowiedzialnością"},
    {"S.A.", "spółka akcyjna"},
    {"s.c.", "spółka cywilna"},
    {"Dz.U.", "dziennik ustaw"},
    {"Dz.Urz.", "dziennik urzędowy"},
    {"m.st.", "miasta stołecznego"},
    {"j.w.", "jak wyżej"},
    {"b.r.", "bieżącego roku"},
    {"c.d.", "ciąg dalszy"},
    {"p.o.", "pełniący obowiązki"},
    {"l.mn.", "liczba mnoga"},
    {"l.poj.", "liczba pojedyncza"},
    {"w.w.", "wyżej wymieniony"},
    {"op.cit.", "dzieło cytowane"},
    // Opening days: "pn." alone is "północ", between days it is Monday.
    {"pn.-pt.", "od poniedziałku do piątku"},
    {"pn.–pt.", "od poniedziałku do piątku"},
    {"pon.-pt.", "od poniedziałku do piątku"},
    {"pon.–pt.", "od poniedziałku do piątku"},
    {"pn.-sob.", "od poniedziałku do soboty"},
    {"pn.–sob.", "od poniedziałku do soboty"},
    {"pon.-sob.", "od poniedziałku do soboty"},
    {"pon.–sob.", "od poniedziałku do soboty"},
};

}  // namespace

const std::vector<SDottedAbbreviation>& DottedAbbreviations() {
    static const std::vector<SDottedAbbreviation> list = [] {
        std::vector<SDottedAbbreviation> converted;
        for (const SRow& row : kRows)
            converted.push_back({Utf8ToCp1250(row.written), Utf8ToCp1250(row.expansion)});
        return converted;
    }();
    return list;
}
