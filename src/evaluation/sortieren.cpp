#include "evaluation/sortieren.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "app/port.h"
#include "core/zahlformat.h"

namespace zahlix {

namespace {

constexpr int kProWoche = 7;
// Larger spans of year codes only come from damaged files; they take the comparison sort.
constexpr int64_t kMaxFaecher = int64_t{1} << 20;

int JahrVon(int16_t code) {
    return JahrAusJahrCode(code);
}

uint32_t Schluessel(const Lottodatei& d, int i) {
    return (static_cast<uint32_t>(static_cast<uint16_t>(d.JahrCode[i])) << 8) |
           static_cast<uint32_t>(WocheAus(d.WocheKennung[i]));
}

// Moves every entry j to position ziel[j] in all eight arrays.
void Umstellen(Lottodatei& d, int L, const std::vector<int>& ziel) {
    std::vector<int16_t> puffer(static_cast<size_t>(L) + 1);
    for (auto* a : {&d.WocheKennung, &d.JahrCode, &d.Bitwort1, &d.Bitwort2, &d.Bitwort3,
                    &d.Bitwort4, &d.Trefferwert, &d.ImBereich}) {
        for (int j = 0; j <= L; ++j) puffer[ziel[j]] = (*a)[j];
        std::copy(puffer.begin(), puffer.end(), a->begin());
    }
}

}  // namespace

int ErsteZiehungVor1900(const Lottodatei& d, int L) {
    for (int i = 0; i <= L; ++i)
        if (d.JahrCode[i] < kJahrCode1900) return i;
    return -1;
}

bool ZiehungenSortierenSchnell(Lottodatei& d, int L) {
    L = std::min(L, kSlots - 1);
    if (L < 1) return false;
    if (ErsteZiehungVor1900(d, L) >= 0) return true;

    std::vector<uint32_t> schluessel(static_cast<size_t>(L) + 1);
    uint32_t kleinster = UINT32_MAX, groesster = 0;
    bool geordnet = true;
    for (int i = 0; i <= L; ++i) {
        schluessel[i] = Schluessel(d, i);
        kleinster = std::min(kleinster, schluessel[i]);
        groesster = std::max(groesster, schluessel[i]);
        if (i > 0 && schluessel[i] < schluessel[i - 1]) geordnet = false;
    }

    std::vector<int> ziel(static_cast<size_t>(L) + 1);
    const int64_t faecher = int64_t{groesster} - kleinster + 1;
    if (faecher <= kMaxFaecher) {
        // One bucket per week; a bucket's start is the count of everything before it, so equal
        // weeks keep their order exactly as when the buckets are walked one after the other.
        std::vector<int32_t> start(static_cast<size_t>(faecher) + 1, 0);
        for (uint32_t s : schluessel)
            if (++start[s - kleinster + 1] > kProWoche) return true;
        if (geordnet) return false;
        std::partial_sum(start.begin(), start.end(), start.begin());
        for (int j = 0; j <= L; ++j) ziel[j] = start[schluessel[j] - kleinster]++;
    } else {
        std::vector<int> folge(static_cast<size_t>(L) + 1);
        std::iota(folge.begin(), folge.end(), 0);
        std::stable_sort(folge.begin(), folge.end(),
                         [&](int a, int b) { return schluessel[a] < schluessel[b]; });
        int lauf = 1;
        for (int k = 1; k <= L; ++k) {
            lauf = schluessel[folge[k]] == schluessel[folge[k - 1]] ? lauf + 1 : 1;
            if (lauf > kProWoche) return true;
        }
        if (geordnet) return false;
        for (int k = 0; k <= L; ++k) ziel[folge[k]] = k;
    }
    Umstellen(d, L, ziel);
    return false;
}

void ZiehungenSortierenLangsam(Lottodatei& d, int L) {
    L = std::min(L, kSlots - 1);
    if (L < 1) return;
    std::vector<uint32_t> schluessel(static_cast<size_t>(L) + 1);
    std::vector<int> folge(static_cast<size_t>(L) + 1);
    for (int i = 0; i <= L; ++i) {
        schluessel[i] = Schluessel(d, i);
        folge[i] = i;
    }
    // Walking the entries in order and inserting each behind every entry not greater than it
    // keeps equal weeks in their order; a nearly sorted table costs one comparison per entry.
    for (int p = 1; p <= L; ++p) {
        const int eintrag = folge[p];
        const uint32_t s = schluessel[eintrag];
        int k = p;
        while (k > 0 && schluessel[folge[k - 1]] > s) {
            folge[k] = folge[k - 1];
            --k;
        }
        folge[k] = eintrag;
        EreignissePumpen();
    }
    std::vector<int> ziel(static_cast<size_t>(L) + 1);
    for (int k = 0; k <= L; ++k) ziel[folge[k]] = k;
    Umstellen(d, L, ziel);
}

bool ZiehungenSortieren(Lottodatei& d, SortierAnlass anlass) {
    const int L = d.LetzterIndex;
    const int alt = ErsteZiehungVor1900(d, L);
    if (alt >= 0) {
        Meldung("Die Ziehung der Woche " +
                    ZahlNull2(static_cast<int16_t>(WocheAus(d.WocheKennung[alt]))) + "/" +
                    std::to_string(JahrVon(d.JahrCode[alt])) + " liegt vor 1900.\r" +
                    "Die Lottodaten können deshalb nicht sortiert werden und bleiben in ihrer "
                    "bisherigen Reihenfolge.",
                flags::Ausruf, "Lottodaten sortieren");
        return false;
    }
    Beschaeftigt(-1);
    const bool abgebrochen = ZiehungenSortierenSchnell(d, L);
    Beschaeftigt(0);
    if (!abgebrochen) return true;
    const std::string frage =
        anlass == SortierAnlass::Hinzufuegen
            ? "Die Quick-Sortierung wurde abgebrochen (> 7 Ziehungen pro Woche)\r"
              "Soll die Sortierung wird mit einer langsameren Methode versucht werden?"
            : "Die Quick-Sortierung wurde abgebrochen\r(> 7 Ziehungen pro Woche)\r"
              "Soll die Sortierung wird mit einer langsameren Methode versucht werden?";
    if (Meldung(frage, flags::Information | flags::JaNein, "Lotto-Auswertung") != kJa) return false;
    Beschaeftigt(-1);
    ZiehungenSortierenLangsam(d, L);
    Beschaeftigt(0);
    return true;
}

}  // namespace zahlix
