// Our own table, from ordinary Polish grammar: each noun's nominative,
// genitive and accusative singular and its nominative and genitive plural
// as a school grammar lists them.
#include "resources/counted_nouns.h"

#include <array>
#include <initializer_list>

#include "platform/codepage.h"

namespace {

using K = SNounKind;
using G = SGender;

struct SRow {
    K kind;
    G gender;
    std::array<const char*, 5> forms;
};

const SRow kRows[] = {
    {K::kPerson, G::Masculine, {"brat", "brata", "brata", "bracia", "braci"}},
    {K::kPerson, G::Masculine, {"syn", "syna", "syna", "synowie", "synów"}},
    {K::kPerson, G::Masculine, {"student", "studenta", "studenta", "studenci", "studentów"}},
    {K::kPerson, G::Masculine, {"uczeń", "ucznia", "ucznia", "uczniowie", "uczniów"}},
    {K::kPerson, G::Masculine, {"pracownik", "pracownika", "pracownika", "pracownicy", "pracowników"}},
    {K::kPerson, G::Masculine, {"lekarz", "lekarza", "lekarza", "lekarze", "lekarzy"}},
    {K::kPerson, G::Masculine, {"policjant", "policjanta", "policjanta", "policjanci", "policjantów"}},
    {K::kPerson, G::Masculine, {"strażak", "strażaka", "strażaka", "strażacy", "strażaków"}},
    {K::kPerson, G::Masculine, {"żołnierz", "żołnierza", "żołnierza", "żołnierze", "żołnierzy"}},
    {K::kPerson, G::Masculine, {"kierowca", "kierowcy", "kierowcę", "kierowcy", "kierowców"}},
    {K::kPerson, G::Masculine, {"zawodnik", "zawodnika", "zawodnika", "zawodnicy", "zawodników"}},
    {K::kPerson, G::Masculine, {"piłkarz", "piłkarza", "piłkarza", "piłkarze", "piłkarzy"}},
    {K::kPerson, G::Masculine, {"gracz", "gracza", "gracza", "gracze", "graczy"}},
    {K::kPerson, G::Masculine, {"turysta", "turysty", "turystę", "turyści", "turystów"}},
    {K::kPerson, G::Masculine, {"pasażer", "pasażera", "pasażera", "pasażerowie", "pasażerów"}},
    {K::kPerson, G::Masculine, {"mężczyzna", "mężczyzny", "mężczyznę", "mężczyźni", "mężczyzn"}},
    {K::kPerson, G::Masculine, {"chłopiec", "chłopca", "chłopca", "chłopcy", "chłopców"}},
    {K::kPerson, G::Masculine, {"kolega", "kolegi", "kolegę", "koledzy", "kolegów"}},
    {K::kPerson, G::Masculine, {"nauczyciel", "nauczyciela", "nauczyciela", "nauczyciele", "nauczycieli"}},
    {K::kPerson, G::Masculine, {"kandydat", "kandydata", "kandydata", "kandydaci", "kandydatów"}},
    {K::kPerson, G::Masculine, {"poseł", "posła", "posła", "posłowie", "posłów"}},
    {K::kPerson, G::Masculine, {"ratownik", "ratownika", "ratownika", "ratownicy", "ratowników"}},
    {K::kPerson, G::Masculine, {"górnik", "górnika", "górnika", "górnicy", "górników"}},
    {K::kPerson, G::Masculine, {"klient", "klienta", "klienta", "klienci", "klientów"}},
    {K::kPerson, G::Masculine, {"pacjent", "pacjenta", "pacjenta", "pacjenci", "pacjentów"}},
    {K::kPerson, G::Masculine, {"mieszkaniec", "mieszkańca", "mieszkańca", "mieszkańcy", "mieszkańców"}},
    {K::kPerson, G::Masculine, {"uczestnik", "uczestnika", "uczestnika", "uczestnicy", "uczestników"}},
    {K::kPerson, G::Masculine, {"sędzia", "sędziego", "sędziego", "sędziowie", "sędziów"}},
    {K::kPerson, G::Masculine, {"wnuk", "wnuka", "wnuka", "wnukowie", "wnuków"}},
    {K::kPerson, G::Masculine, {"przyjaciel", "przyjaciela", "przyjaciela", "przyjaciele", "przyjaciół"}},
    {K::kPerson, G::Masculine, {"sąsiad", "sąsiada", "sąsiada", "sąsiedzi", "sąsiadów"}},
    {K::kPerson, G::Masculine, {"trener", "trenera", "trenera", "trenerzy", "trenerów"}},
    {K::kPerson, G::Masculine, {"minister", "ministra", "ministra", "ministrowie", "ministrów"}},
    {K::kPerson, G::Masculine, {"kibic", "kibica", "kibica", "kibice", "kibiców"}},
    {K::kPerson, G::Masculine, {"rolnik", "rolnika", "rolnika", "rolnicy", "rolników"}},
    {K::kPerson, G::Masculine, {"naukowiec", "naukowca", "naukowca", "naukowcy", "naukowców"}},
    {K::kPerson, G::Masculine, {"autor", "autora", "autora", "autorzy", "autorów"}},
    {K::kPerson, G::Masculine, {"aktor", "aktora", "aktora", "aktorzy", "aktorów"}},
    {K::kPerson, G::Masculine, {"muzyk", "muzyka", "muzyka", "muzycy", "muzyków"}},
    {K::kPerson, G::Masculine, {"więzień", "więźnia", "więźnia", "więźniowie", "więźniów"}},
    {K::kPerson, G::Masculine, {"funkcjonariusz", "funkcjonariusza", "funkcjonariusza", "funkcjonariusze", "funkcjonariuszy"}},
    {K::kPerson, G::Masculine, {"pan", "pana", "pana", "panowie", "panów"}},
    {K::kPerson, G::Masculine, {"ojciec", "ojca", "ojca", "ojcowie", "ojców"}},
    {K::kPerson, G::Masculine, {"mąż", "męża", "męża", "mężowie", "mężów"}},
    {K::kPerson, G::Masculine, {"dziadek", "dziadka", "dziadka", "dziadkowie", "dziadków"}},
    {K::kPerson, G::Masculine, {"wujek", "wujka", "wujka", "wujkowie", "wujków"}},
    {K::kPerson, G::Masculine, {"kuzyn", "kuzyna", "kuzyna", "kuzyni", "kuzynów"}},
    {K::kPerson, G::Masculine, {"inżynier", "inżyniera", "inżyniera", "inżynierowie", "inżynierów"}},
    {K::kPerson, G::Masculine, {"radny", "radnego", "radnego", "radni", "radnych"}},
    {K::kPerson, G::Masculine, {"członek", "członka", "członka", "członkowie", "członków"}},
    {K::kPerson, G::Masculine, {"bramkarz", "bramkarza", "bramkarza", "bramkarze", "bramkarzy"}},
    {K::kPerson, G::Masculine, {"napastnik", "napastnika", "napastnika", "napastnicy", "napastników"}},
    {K::kPerson, G::Masculine, {"obrońca", "obrońcy", "obrońcę", "obrońcy", "obrońców"}},
    {K::kPerson, G::Masculine, {"kelner", "kelnera", "kelnera", "kelnerzy", "kelnerów"}},
    {K::kPerson, G::Masculine, {"kucharz", "kucharza", "kucharza", "kucharze", "kucharzy"}},
    {K::kPerson, G::Masculine, {"informatyk", "informatyka", "informatyka", "informatycy", "informatyków"}},
    {K::kPerson, G::Masculine, {"programista", "programisty", "programistę", "programiści", "programistów"}},
    {K::kPerson, G::Masculine, {"ekspert", "eksperta", "eksperta", "eksperci", "ekspertów"}},
    {K::kPerson, G::Masculine, {"gość", "gościa", "gościa", "goście", "gości"}},
    {K::kAnimal, G::Masculine, {"pies", "psa", "psa", "psy", "psów"}},
    {K::kAnimal, G::Masculine, {"kot", "kota", "kota", "koty", "kotów"}},
    {K::kAnimal, G::Masculine, {"koń", "konia", "konia", "konie", "koni"}},
    {K::kAnimal, G::Masculine, {"ptak", "ptaka", "ptaka", "ptaki", "ptaków"}},
    {K::kAnimal, G::Masculine, {"chomik", "chomika", "chomika", "chomiki", "chomików"}},
    {K::kAnimal, G::Masculine, {"królik", "królika", "królika", "króliki", "królików"}},
    {K::kAnimal, G::Masculine, {"gol", "gola", "gola", "gole", "goli"}},
    {K::kAnimal, G::Masculine, {"karp", "karpia", "karpia", "karpie", "karpi"}},
    {K::kThing, G::Masculine, {"dzień", "dnia", "dzień", "dni", "dni"}},
    {K::kThing, G::Masculine, {"tydzień", "tygodnia", "tydzień", "tygodnie", "tygodni"}},
    {K::kThing, G::Masculine, {"miesiąc", "miesiąca", "miesiąc", "miesiące", "miesięcy"}},
    {K::kThing, G::Masculine, {"mecz", "meczu", "mecz", "mecze", "meczów"}},
    {K::kThing, G::Masculine, {"dom", "domu", "dom", "domy", "domów"}},
    {K::kThing, G::Masculine, {"samochód", "samochodu", "samochód", "samochody", "samochodów"}},
    {K::kThing, G::Masculine, {"pokój", "pokoju", "pokój", "pokoje", "pokoi"}},
    {K::kThing, G::Masculine, {"bilet", "biletu", "bilet", "bilety", "biletów"}},
    {K::kThing, G::Masculine, {"punkt", "punktu", "punkt", "punkty", "punktów"}},
    {K::kThing, G::Masculine, {"stolik", "stolika", "stolik", "stoliki", "stolików"}},
    {K::kThing, G::Masculine, {"raz", "razu", "raz", "razy", "razy"}},
    {K::kThing, G::Masculine, {"tort", "tortu", "tort", "torty", "tortów"}},
    {K::kThing, G::Feminine, {"koleżanka", "koleżanki", "koleżankę", "koleżanki", "koleżanek"}},
    {K::kThing, G::Feminine, {"siostra", "siostry", "siostrę", "siostry", "sióstr"}},
    {K::kThing, G::Feminine, {"córka", "córki", "córkę", "córki", "córek"}},
    {K::kThing, G::Feminine, {"kobieta", "kobiety", "kobietę", "kobiety", "kobiet"}},
    {K::kThing, G::Feminine, {"osoba", "osoby", "osobę", "osoby", "osób"}},
    {K::kThing, G::Feminine, {"dziewczyna", "dziewczyny", "dziewczynę", "dziewczyny", "dziewczyn"}},
    {K::kThing, G::Feminine, {"matka", "matki", "matkę", "matki", "matek"}},
    {K::kThing, G::Feminine, {"babcia", "babci", "babcię", "babcie", "babć"}},
    {K::kThing, G::Feminine, {"ciocia", "cioci", "ciocię", "ciocie", "cioć"}},
    {K::kThing, G::Feminine, {"nauczycielka", "nauczycielki", "nauczycielkę", "nauczycielki", "nauczycielek"}},
    {K::kThing, G::Feminine, {"uczennica", "uczennicy", "uczennicę", "uczennice", "uczennic"}},
    {K::kThing, G::Feminine, {"studentka", "studentki", "studentkę", "studentki", "studentek"}},
    {K::kThing, G::Feminine, {"pielęgniarka", "pielęgniarki", "pielęgniarkę", "pielęgniarki", "pielęgniarek"}},
    {K::kThing, G::Feminine, {"lekarka", "lekarki", "lekarkę", "lekarki", "lekarek"}},
    {K::kThing, G::Feminine, {"zawodniczka", "zawodniczki", "zawodniczkę", "zawodniczki", "zawodniczek"}},
    {K::kThing, G::Feminine, {"sztuka", "sztuki", "sztukę", "sztuki", "sztuk"}},
    {K::kThing, G::Feminine, {"butelka", "butelki", "butelkę", "butelki", "butelek"}},
    {K::kThing, G::Feminine, {"puszka", "puszki", "puszkę", "puszki", "puszek"}},
    {K::kThing, G::Feminine, {"paczka", "paczki", "paczkę", "paczki", "paczek"}},
    {K::kThing, G::Feminine, {"łyżka", "łyżki", "łyżkę", "łyżki", "łyżek"}},
    {K::kThing, G::Feminine, {"łyżeczka", "łyżeczki", "łyżeczkę", "łyżeczki", "łyżeczek"}},
    {K::kThing, G::Feminine, {"szklanka", "szklanki", "szklankę", "szklanki", "szklanek"}},
    {K::kThing, G::Feminine, {"filiżanka", "filiżanki", "filiżankę", "filiżanki", "filiżanek"}},
    {K::kThing, G::Feminine, {"kromka", "kromki", "kromkę", "kromki", "kromek"}},
    {K::kThing, G::Feminine, {"bułka", "bułki", "bułkę", "bułki", "bułek"}},
    {K::kThing, G::Feminine, {"cebula", "cebuli", "cebulę", "cebule", "cebul"}},
    {K::kThing, G::Feminine, {"marchewka", "marchewki", "marchewkę", "marchewki", "marchewek"}},
    {K::kThing, G::Feminine, {"godzina", "godziny", "godzinę", "godziny", "godzin"}},
    {K::kThing, G::Feminine, {"minuta", "minuty", "minutę", "minuty", "minut"}},
    {K::kThing, G::Feminine, {"sekunda", "sekundy", "sekundę", "sekundy", "sekund"}},
    {K::kThing, G::Feminine, {"doba", "doby", "dobę", "doby", "dób"}},
    {K::kThing, G::Feminine, {"noc", "nocy", "noc", "noce", "nocy"}},
    {K::kThing, G::Feminine, {"tona", "tony", "tonę", "tony", "ton"}},
    {K::kThing, G::Feminine, {"strona", "strony", "stronę", "strony", "stron"}},
    {K::kThing, G::Feminine, {"książka", "książki", "książkę", "książki", "książek"}},
    {K::kThing, G::Feminine, {"klasa", "klasy", "klasę", "klasy", "klas"}},
    {K::kThing, G::Feminine, {"złotówka", "złotówki", "złotówkę", "złotówki", "złotówek"}},
    {K::kThing, G::Feminine, {"lekcja", "lekcji", "lekcję", "lekcje", "lekcji"}},
    {K::kThing, G::Feminine, {"sala", "sali", "salę", "sale", "sal"}},
    {K::kThing, G::Feminine, {"ulica", "ulicy", "ulicę", "ulice", "ulic"}},
    {K::kThing, G::Feminine, {"nagroda", "nagrody", "nagrodę", "nagrody", "nagród"}},
    {K::kThing, G::Feminine, {"bramka", "bramki", "bramkę", "bramki", "bramek"}},
    {K::kThing, G::Feminine, {"szansa", "szansy", "szansę", "szanse", "szans"}},
    {K::kThing, G::Feminine, {"drużyna", "drużyny", "drużynę", "drużyny", "drużyn"}},
    {K::kThing, G::Feminine, {"kawa", "kawy", "kawę", "kawy", "kaw"}},
    {K::kThing, G::Feminine, {"herbata", "herbaty", "herbatę", "herbaty", "herbat"}},
    {K::kThing, G::Feminine, {"pizza", "pizzy", "pizzę", "pizze", "pizz"}},
    {K::kThing, G::Feminine, {"torba", "torby", "torbę", "torby", "toreb"}},
    {K::kThing, G::Feminine, {"walizka", "walizki", "walizkę", "walizki", "walizek"}},
    {K::kThing, G::Feminine, {"karta", "karty", "kartę", "karty", "kart"}},
    {K::kThing, G::Feminine, {"firma", "firmy", "firmę", "firmy", "firm"}},
    {K::kThing, G::Feminine, {"szkoła", "szkoły", "szkołę", "szkoły", "szkół"}},
    {K::kThing, G::Feminine, {"ofiara", "ofiary", "ofiarę", "ofiary", "ofiar"}},
    {K::kThing, G::Feminine, {"rodzina", "rodziny", "rodzinę", "rodziny", "rodzin"}},
    {K::kThing, G::Feminine, {"wizyta", "wizyty", "wizytę", "wizyty", "wizyt"}},
    {K::kThing, G::Feminine, {"porcja", "porcji", "porcję", "porcje", "porcji"}},
    {K::kThing, G::Feminine, {"tabletka", "tabletki", "tabletkę", "tabletki", "tabletek"}},
    {K::kThing, G::Feminine, {"kość", "kości", "kość", "kości", "kości"}},
    {K::kThing, G::Feminine, {"odpowiedź", "odpowiedzi", "odpowiedź", "odpowiedzi", "odpowiedzi"}},
    {K::kThing, G::Feminine, {"wiadomość", "wiadomości", "wiadomość", "wiadomości", "wiadomości"}},
    {K::kThing, G::Feminine, {"część", "części", "część", "części", "części"}},
    {K::kThing, G::Feminine, {"rzecz", "rzeczy", "rzecz", "rzeczy", "rzeczy"}},
    {K::kThing, G::Feminine, {"gwiazdka", "gwiazdki", "gwiazdkę", "gwiazdki", "gwiazdek"}},
    {K::kThing, G::Feminine, {"runda", "rundy", "rundę", "rundy", "rund"}},
    {K::kThing, G::Feminine, {"kamienica", "kamienicy", "kamienicę", "kamienice", "kamienic"}},
    {K::kThing, G::Feminine, {"bateria", "baterii", "baterię", "baterie", "baterii"}},
    {K::kThing, G::Feminine, {"linia", "linii", "linię", "linie", "linii"}},
    {K::kThing, G::Feminine, {"stacja", "stacji", "stację", "stacje", "stacji"}},
    {K::kCollective, G::Neuter, {"dziecko", "dziecka", "dziecko", "dzieci", "dzieci"}},
    {K::kCollective, G::Neuter, {"drzwi", "drzwi", "drzwi", "drzwi", "drzwi"}},
    {K::kCollective, G::Neuter, {"skrzypce", "skrzypiec", "skrzypce", "skrzypce", "skrzypiec"}},
    {K::kCollective, G::Neuter, {"nożyczki", "nożyczek", "nożyczki", "nożyczki", "nożyczek"}},
    {K::kThing, G::Neuter, {"jajko", "jajka", "jajko", "jajka", "jajek"}},
    {K::kThing, G::Neuter, {"jabłko", "jabłka", "jabłko", "jabłka", "jabłek"}},
    {K::kThing, G::Neuter, {"okno", "okna", "okno", "okna", "okien"}},
    {K::kThing, G::Neuter, {"piwo", "piwa", "piwo", "piwa", "piw"}},
    {K::kThing, G::Neuter, {"miejsce", "miejsca", "miejsce", "miejsca", "miejsc"}},
    {K::kThing, G::Neuter, {"zdanie", "zdania", "zdanie", "zdania", "zdań"}},
    {K::kThing, G::Neuter, {"pytanie", "pytania", "pytanie", "pytania", "pytań"}},
    {K::kThing, G::Neuter, {"mieszkanie", "mieszkania", "mieszkanie", "mieszkania", "mieszkań"}},
    {K::kThing, G::Neuter, {"zadanie", "zadania", "zadanie", "zadania", "zadań"}},
    {K::kThing, G::Neuter, {"krzesło", "krzesła", "krzesło", "krzesła", "krzeseł"}},
    {K::kThing, G::Neuter, {"łóżko", "łóżka", "łóżko", "łóżka", "łóżek"}},
    {K::kThing, G::Neuter, {"auto", "auta", "auto", "auta", "aut"}},
    {K::kThing, G::Neuter, {"zdjęcie", "zdjęcia", "zdjęcie", "zdjęcia", "zdjęć"}},
    {K::kThing, G::Neuter, {"piętro", "piętra", "piętro", "piętra", "pięter"}},
    {K::kThing, G::Neuter, {"drzewo", "drzewa", "drzewo", "drzewa", "drzew"}},
    {K::kThing, G::Neuter, {"koło", "koła", "koło", "koła", "kół"}},
    {K::kThing, G::Neuter, {"spotkanie", "spotkania", "spotkanie", "spotkania", "spotkań"}},
    {K::kThing, G::Neuter, {"wydarzenie", "wydarzenia", "wydarzenie", "wydarzenia", "wydarzeń"}},
    {K::kThing, G::Neuter, {"województwo", "województwa", "województwo", "województwa", "województw"}},
    {K::kThing, G::Neuter, {"państwo", "państwa", "państwo", "państwa", "państw"}},
    {K::kThing, G::Neuter, {"ciastko", "ciastka", "ciastko", "ciastka", "ciastek"}},
};

}  // namespace

const std::vector<SCountedNoun>& CountedNouns() {
    static const std::vector<SCountedNoun> nouns = [] {
        std::vector<SCountedNoun> converted;
        for (const SRow& row : kRows)
            converted.push_back({row.gender, row.kind, Utf8ToCp1250(row.forms[0]),
                                 Utf8ToCp1250(row.forms[1]), Utf8ToCp1250(row.forms[2]),
                                 Utf8ToCp1250(row.forms[3]), Utf8ToCp1250(row.forms[4])});
        return converted;
    }();
    return nouns;
}

const std::vector<std::string>& FemininePluralEndings() {
    static const std::vector<std::string> endings = [] {
        std::vector<std::string> converted;
        for (const char* ending : {"cje", "zje", "sje", "gie", "rie", "ości", "ówki", "yni",
                                   "ynie", "nice"})
            converted.push_back(Utf8ToCp1250(ending));
        return converted;
    }();
    return endings;
}
