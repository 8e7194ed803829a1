#!/usr/bin/env python3
"""Writes bench/prose_pl.txt: varied everyday Polish prose without digits.

The text is composed from phrase tables with a fixed seed, so every run of the
comparison speaks the same text. Usage: make_prose.py [OUT] [MIN_CHARS]
"""
import random
import sys

SUBJECTS = [
    "Moja sąsiadka", "Nasz listonosz", "Stary rybak", "Młoda nauczycielka",
    "Kierowca autobusu", "Babcia Zofia", "Mały Jaś", "Pan Tadeusz z piekarni",
    "Cała rodzina", "Nowy kolega z pracy", "Pani doktor", "Mój brat",
    "Ciocia Halina", "Sprzedawczyni w kiosku", "Dziadek Józef", "Ta dziewczyna",
    "Sąsiad z naprzeciwka", "Kot sąsiadów", "Nasz pies", "Kucharz z baru mlecznego",
]
VERBS = [
    "codziennie kupuje", "zawsze przynosi", "chętnie czyta", "powoli gotuje",
    "starannie sprząta", "głośno chwali", "często ogląda", "po cichu naprawia",
    "niechętnie oddaje", "z uśmiechem pokazuje", "w niedzielę odwiedza",
    "od rana niesie", "znowu zgubił", "właśnie znalazła", "bardzo lubi",
]
OBJECTS = [
    "świeży chleb", "poranną gazetę", "stary rower", "zupę pomidorową",
    "ciepły sweter", "kolorowe kwiaty", "drewniane krzesło", "zielone jabłka",
    "książkę o podróżach", "mapę okolicy", "klucze do piwnicy", "czerwony parasol",
    "słoik miodu", "pudełko czekoladek", "list od przyjaciela", "nowe buty",
]
PLACES = [
    "na rynku", "w ogrodzie", "przy dworcu", "nad rzeką", "w małym sklepie",
    "na końcu ulicy", "w bibliotece", "pod starym dębem", "obok kościoła",
    "na przystanku", "w kuchni", "na balkonie", "za miastem", "w parku",
]
TIMES = [
    "rano", "wieczorem", "po obiedzie", "w sobotę", "jesienią", "zimą",
    "latem", "przed świtem", "w czasie deszczu", "po pracy", "w święta",
]
REMARKS = [
    "Nikt nie wie, dlaczego tak się dzieje.",
    "Wszyscy się z tego śmieją.",
    "To już stała tradycja.",
    "Czy ktoś jeszcze pamięta, jak było dawniej?",
    "Szkoda, że pogoda się psuje!",
    "Potem wszyscy piją herbatę z cytryną.",
    "Wieczorem robi się cicho i spokojnie.",
    "Dzieci biegają po podwórku i krzyczą.",
    "W powietrzu czuć zapach skoszonej trawy.",
    "Ktoś gra na gitarze w oknie na piętrze.",
    "Nad miastem przelatują dzikie gęsi.",
    "Czy jutro też będzie tak pięknie?",
    "Trzeba się pospieszyć, bo zaraz zamkną sklep.",
    "Ludzie rozmawiają o cenach i o pogodzie.",
]
CONNECTORS = ["Potem", "Następnie", "Później", "Tymczasem", "Mimo to", "Zwykle"]
ACTIONS = [
    "wraca do domu", "idzie na spacer", "dzwoni do córki", "pisze długi list",
    "siada przy oknie", "zamyka drzwi na klucz", "podlewa pomidory",
    "czeka na tramwaj", "słucha radia", "myje naczynia", "karmi gołębie",
]


def lower_first(phrase):
    return phrase[0].lower() + phrase[1:]


def sentence(rng):
    kind = rng.random()
    if kind < 0.45:
        return f"{rng.choice(SUBJECTS)} {rng.choice(TIMES)} {rng.choice(VERBS)} {rng.choice(OBJECTS)} {rng.choice(PLACES)}."
    if kind < 0.7:
        return f"{rng.choice(CONNECTORS)} {lower_first(rng.choice(SUBJECTS))} {rng.choice(ACTIONS)}, a {lower_first(rng.choice(SUBJECTS))} {rng.choice(ACTIONS)}."
    if kind < 0.85:
        return rng.choice(REMARKS)
    return f"Czy {rng.choice(SUBJECTS).lower()} naprawdę {rng.choice(VERBS)} {rng.choice(OBJECTS)}?"


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "prose_pl.txt"
    minimum = int(sys.argv[2]) if len(sys.argv) > 2 else 120000
    rng = random.Random(1045)
    paragraphs, length = [], 0
    while length < minimum:
        para = " ".join(sentence(rng) for _ in range(rng.randint(3, 8)))
        paragraphs.append(para)
        length += len(para) + 2
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n\n".join(paragraphs) + "\n")


if __name__ == "__main__":
    main()
