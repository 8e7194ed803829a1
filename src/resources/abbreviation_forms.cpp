// Our own table, from ordinary Polish grammar: the declension of each noun
// as a school grammar gives it, and given names as they appear in Polish
// calendars and church names.
#include "resources/abbreviation_forms.h"

#include <initializer_list>

#include "platform/codepage.h"

namespace {

using K = SAbbreviationKind;
using G = SGender;

struct SRow {
    std::initializer_list<const char*> written;
    K kind;
    G gender;
    std::array<const char*, 6> singular;
    std::array<const char*, 6> plural;
    const char* leadingWords;
    const char* stem;
    bool attributive;
};

constexpr std::array<const char*, 6> kNone = {"", "", "", "", "", ""};

const SRow kRows[] = {
    {{"ul."},
     K::kNoun,
     G::Feminine,
     {"ulica", "ulicy", "ulicy", "ulicę", "ulicą", "ulicy"},
     {"ulice", "ulic", "ulicom", "ulice", "ulicami", "ulicach"},
     "",
     "",
     false},
    {{"al."},
     K::kNoun,
     G::Feminine,
     {"aleja", "alei", "alei", "aleję", "aleją", "alei"},
     {"aleje", "alej", "alejom", "aleje", "alejami", "alejach"},
     "",
     "",
     false},
    {{"pl."},
     K::kNoun,
     G::Masculine,
     {"plac", "placu", "placowi", "plac", "placem", "placu"},
     kNone,
     "",
     "",
     false},
    {{"os."},
     K::kNoun,
     G::Neuter,
     {"osiedle", "osiedla", "osiedlu", "osiedle", "osiedlem", "osiedlu"},
     kNone,
     "",
     "",
     false},
    {{"woj.", "wojew."},
     K::kNoun,
     G::Neuter,
     {"województwo", "województwa", "województwu", "województwo", "województwem", "województwie"},
     {"województwa", "województw", "województwom", "województwa", "województwami", "województwach"},
     "",
     "",
     true},
    {{"pow."},
     K::kNoun,
     G::Masculine,
     {"powiat", "powiatu", "powiatowi", "powiat", "powiatem", "powiecie"},
     kNone,
     "",
     "",
     true},
    {{"wydz."},
     K::kNoun,
     G::Masculine,
     {"wydział", "wydziału", "wydziałowi", "wydział", "wydziałem", "wydziale"},
     kNone,
     "",
     "",
     false},
    {{"gm."},
     K::kNoun,
     G::Feminine,
     {"gmina", "gminy", "gminie", "gminę", "gminą", "gminie"},
     kNone,
     "",
     "",
     true},
    {{"nr", "nr."},
     K::kNoun,
     G::Masculine,
     {"numer", "numeru", "numerowi", "numer", "numerem", "numerze"},
     kNone,
     "",
     "",
     false},
    {{"str."},
     K::kNoun,
     G::Feminine,
     {"strona", "strony", "stronie", "stronę", "stroną", "stronie"},
     kNone,
     "",
     "",
     false},
    {{"rys."},
     K::kNoun,
     G::Masculine,
     {"rysunek", "rysunku", "rysunkowi", "rysunek", "rysunkiem", "rysunku"},
     kNone,
     "",
     "",
     false},
    {{"tab."},
     K::kNoun,
     G::Feminine,
     {"tabela", "tabeli", "tabeli", "tabelę", "tabelą", "tabeli"},
     kNone,
     "",
     "",
     false},
    {{"art."},
     K::kNoun,
     G::Masculine,
     {"artykuł", "artykułu", "artykułowi", "artykuł", "artykułem", "artykule"},
     kNone,
     "",
     "",
     false},
    {{"ust."},
     K::kNoun,
     G::Masculine,
     {"ustęp", "ustępu", "ustępowi", "ustęp", "ustępem", "ustępie"},
     kNone,
     "",
     "",
     false},
    {{"pkt", "pkt."},
     K::kNoun,
     G::Masculine,
     {"punkt", "punktu", "punktowi", "punkt", "punktem", "punkcie"},
     {"punkty", "punktów", "punktom", "punkty", "punktami", "punktach"},
     "",
     "",
     false},
    {{"poz."},
     K::kNoun,
     G::Feminine,
     {"pozycja", "pozycji", "pozycji", "pozycję", "pozycją", "pozycji"},
     kNone,
     "",
     "",
     false},
    {{"pok."},
     K::kNoun,
     G::Masculine,
     {"pokój", "pokoju", "pokojowi", "pokój", "pokojem", "pokoju"},
     kNone,
     "",
     "",
     false},
    {{"lok."},
     K::kNoun,
     G::Masculine,
     {"lokal", "lokalu", "lokalowi", "lokal", "lokalem", "lokalu"},
     kNone,
     "",
     "",
     false},
    {{"tel."},
     K::kNoun,
     G::Masculine,
     {"telefon", "telefonu", "telefonowi", "telefon", "telefonem", "telefonie"},
     kNone,
     "",
     "",
     false},
    {{"tzw."}, K::kAgreeing, G::Masculine, kNone, kNone, "tak ", "zwan", false},
    {{"ww."}, K::kAgreeing, G::Masculine, kNone, kNone, "wyżej ", "wymienion", false},
    {{"św."}, K::kAgreeing, G::Masculine, kNone, kNone, "", "święt", false},
    {{"prof."},
     K::kTitle,
     G::Masculine,
     {"profesor", "profesora", "profesorowi", "profesora", "profesorem", "profesorze"},
     kNone,
     "",
     "",
     false},
    {{"dr", "dr."},
     K::kTitle,
     G::Masculine,
     {"doktor", "doktora", "doktorowi", "doktora", "doktorem", "doktorze"},
     kNone,
     "",
     "",
     false},
    {{"inż."},
     K::kTitle,
     G::Masculine,
     {"inżynier", "inżyniera", "inżynierowi", "inżyniera", "inżynierem", "inżynierze"},
     kNone,
     "",
     "",
     false},
    {{"mgr", "mgr."},
     K::kTitle,
     G::Masculine,
     {"magister", "magistra", "magistrowi", "magistra", "magistrem", "magistrze"},
     kNone,
     "",
     "",
     false},
    {{"ks."},
     K::kTitle,
     G::Masculine,
     {"ksiądz", "księdza", "księdzu", "księdza", "księdzem", "księdzu"},
     kNone,
     "",
     "",
     false},
    {{"red."},
     K::kTitle,
     G::Masculine,
     {"redaktor", "redaktora", "redaktorowi", "redaktora", "redaktorem", "redaktorze"},
     kNone,
     "",
     "",
     false},
    {{"gen."},
     K::kTitle,
     G::Masculine,
     {"generał", "generała", "generałowi", "generała", "generałem", "generale"},
     kNone,
     "",
     "",
     false},
    {{"płk", "płk."},
     K::kTitle,
     G::Masculine,
     {"pułkownik", "pułkownika", "pułkownikowi", "pułkownika", "pułkownikiem", "pułkowniku"},
     kNone,
     "",
     "",
     false},
    {{"mjr", "mjr."},
     K::kTitle,
     G::Masculine,
     {"major", "majora", "majorowi", "majora", "majorem", "majorze"},
     kNone,
     "",
     "",
     false},
    {{"kpt."},
     K::kTitle,
     G::Masculine,
     {"kapitan", "kapitana", "kapitanowi", "kapitana", "kapitanem", "kapitanie"},
     kNone,
     "",
     "",
     false},
    {{"dyr."},
     K::kTitle,
     G::Masculine,
     {"dyrektor", "dyrektora", "dyrektorowi", "dyrektora", "dyrektorem", "dyrektorze"},
     kNone,
     "",
     "",
     false},
    {{"hab."}, K::kAgreeing, G::Masculine, kNone, kNone, "", "habilitowan", false},
};

std::array<std::string, 6> Converted(const std::array<const char*, 6>& forms) {
    std::array<std::string, 6> out;
    for (size_t i = 0; i < forms.size(); ++i) out[i] = Utf8ToCp1250(forms[i]);
    return out;
}

std::vector<std::string> ToCp1250(std::initializer_list<const char*> words) {
    std::vector<std::string> converted;
    for (const char* word : words) converted.push_back(Utf8ToCp1250(word));
    return converted;
}

}  // namespace

const std::vector<SAbbreviationForms>& AbbreviationForms() {
    static const std::vector<SAbbreviationForms> list = [] {
        std::vector<SAbbreviationForms> converted;
        for (const SRow& row : kRows)
            for (const char* written : row.written)
                converted.push_back({Utf8ToCp1250(written), row.kind, row.gender,
                                     Converted(row.singular), Converted(row.plural),
                                     Utf8ToCp1250(row.leadingWords), Utf8ToCp1250(row.stem),
                                     row.attributive});
        return converted;
    }();
    return list;
}

const std::vector<std::string>& FeminineGivenNames() {
    static const std::vector<std::string> names =
        ToCp1250({"anna",     "maria",     "katarzyna",  "małgorzata",  "agnieszka", "barbara",
                  "ewa",      "krystyna",  "elżbieta",   "zofia",       "teresa",    "magdalena",
                  "joanna",   "monika",    "jadwiga",    "danuta",      "irena",     "halina",
                  "helena",   "beata",     "aleksandra", "marta",       "dorota",    "karolina",
                  "jolanta",  "iwona",     "grażyna",    "alicja",      "renata",    "urszula",
                  "natalia",  "agata",     "justyna",    "paulina",     "julia",     "weronika",
                  "kinga",    "cecylia",   "faustyna",   "rita",        "klara",     "łucja",
                  "apolonia", "bernadeta", "genowefa",   "wanda",       "bożena",    "stanisława",
                  "hanna",    "ludwika",   "otylia",     "scholastyka", "rozalia",   "marianna",
                  "emilia",   "izabela",   "wiktoria",   "olga",        "lucyna",    "wioletta",
                  "edyta",    "sylwia",    "ilona",      "dominika",    "patrycja",  "martyna",
                  "zuzanna",  "maja",      "lena",       "oliwia",      "gabriela",  "kamila",
                  "jagoda",   "michalina", "antonina",   "tekla",       "kunegunda", "brygida",
                  "małgosia", "wiesława",  "bogumiła",   "mirosława"});
    return names;
}

const std::vector<std::string>& MasculineNamesWithVowelEnding() {
    static const std::vector<std::string> names =
        ToCp1250({"jerzy", "antoni", "ignacy", "bonifacy", "kuba", "barnaba", "bonawentura",
                  "zawisza", "sasza", "kosma", "nikita", "jeremi"});
    return names;
}
