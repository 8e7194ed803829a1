#include "neighbour_text.h"

namespace voicebuild {

const std::vector<std::string>& NeighbourText() {
    static const std::vector<std::string> text = {
        "Rano wstałem wcześnie i zrobiłem sobie kawę.",
        "Moja siostra mieszka w małym domu pod lasem.",
        "Autobus przyjechał z opóźnieniem, więc spóźniłem się do pracy.",
        "Czy możesz mi powiedzieć, która jest godzina?",
        "W niedzielę pojedziemy do babci na obiad.",
        "Na stole leżały jabłka, gruszki i śliwki.",
        "Dzieci wróciły ze szkoły głodne i zmęczone.",
        "Pogoda była piękna, więc poszliśmy nad rzekę.",
        "Ten samochód jest już bardzo stary, ale wciąż jeździ.",
        "Lekarz powiedział, że muszę więcej odpoczywać.",
        "Kupiłam nowe buty i ciepłą kurtkę na zimę.",
        "Wieczorem czytam książki albo słucham radia.",
        "Nasz pies szczeka na każdego listonosza.",
        "Czy wiesz, gdzie jest najbliższy przystanek tramwajowy?",
        "Przy drodze rosną wysokie drzewa i gęste krzewy.",
        "Zupa była gorąca, a chleb świeży i chrupiący.",
        "Jutro rano mam ważne spotkanie w biurze.",
        "Mój dziadek opowiadał ciekawe historie z młodości.",
        "Proszę usiąść i chwilę poczekać na swoją kolej.",
        "W górach spadł pierwszy śnieg i zrobiło się zimno.",
        "Sąsiedzi urządzili w ogrodzie wesołe przyjęcie.",
        "Czy to prawda, że jutro ma padać deszcz?",
        "Wszyscy czekali cierpliwie na rozpoczęcie koncertu.",
        "Na półce stoją słoiki z dżemem i miodem.",
        "Ktoś zostawił otwarte okno i w pokoju jest chłodno.",
        "Chętnie pomogę ci przy przeprowadzce w sobotę.",
        "Rzeka płynie spokojnie między łąkami i polami.",
        "Kiedy skończysz pracę, zadzwoń do mnie.",
        "Żołnierze maszerowali równo przez szeroki plac.",
        "Ciocia upiekła sernik, a wujek przyniósł wino.",
        "Pociąg odjeżdża z pierwszego peronu za pięć minut.",
        "Nie lubię się spieszyć, wolę wyjść wcześniej.",
        "Młodzi ludzie często podróżują po całej Europie.",
        "Źle spałem tej nocy, bo za ścianą grała muzyka.",
        "Jeśli chcesz, możemy razem pójść na spacer.",
        "W sklepie zabrakło mleka, więc kupiłem jogurt.",
        "Nauczycielka pochwaliła ucznia za dobrą odpowiedź.",
        "Zegar na wieży wybił dwunastą i ptaki się zerwały.",
        "Czy ktoś widział moje klucze od mieszkania?",
        "Po południu niebo się zachmurzyło i zerwał się wiatr.",
    };
    return text;
}

}  // namespace voicebuild
