// Types 1 to 6: statistics per number 1..N.
#include <cmath>

#include "statistics/statistik_intern.h"
#include "statistics/tendenz.h"

namespace zahlix::statistik {

namespace {

// Istwert/Zuletzt/Abstand of every number: a draw counts for number k when k is among the
// numbers the bonus-number view selects.
Ereignisse ZahlenEreignisse(const std::vector<Zug>& z, int ansicht, int N, Unterbrechung& u,
                            bool& abgebrochen) {
    Ereignisse ev(N);
    int zahlen[50];
    for (int i = 0; i < static_cast<int>(z.size()); ++i) {
        if (u.Schritt(i)) {
            abgebrochen = true;
            break;
        }
        const int k = Entpacken(z[static_cast<size_t>(i)].Menge(ansicht), zahlen);
        for (int j = 0; j < k; ++j)
            if (zahlen[j] <= N) ev.Treffer(zahlen[j], i);
    }
    return ev;
}

int16_t Verknuepfen(int art, int anzahl, int zuletzt) {
    switch (art) {
        case 0:
            return Klemmen(int64_t{anzahl} * zuletzt);  // "Mal", clamped at 32767
        case 1:
            return Klemmen(anzahl + zuletzt);
        case 2:
            return Klemmen(anzahl - zuletzt);
        default:  // "Teilen": by zuletzt + 1, so a number of the newest draw keeps its count
            return Klemmen(static_cast<int64_t>(std::nearbyint(double(anzahl) / (zuletzt + 1))));
    }
}

}  // namespace

void ZahlenBerechnen(const std::vector<Zug>& z, const Parameter& p, int N, Ergebnis& e,
                     Unterbrechung& u) {
    const int m = static_cast<int>(z.size());
    e.n = N;
    switch (p.typ) {
        case ZahlenWieOft:
        case WannZuletzt:
        case WieOftMalZuletzt: {
            const Ereignisse ev = ZahlenEreignisse(z, p.zusatz, N, u, e.abgebrochen);
            ev.Eintragen(e, m);
            if (p.typ == WannZuletzt) {
                for (int k = 1; k <= N; ++k) e.istwert[k] = e.zuletzt[k];
            } else if (p.typ == WieOftMalZuletzt) {
                for (int k = 1; k <= N; ++k)
                    e.istwert[k] = Verknuepfen(p.zahl2, ev.Anzahl(k), e.zuletzt[k]);
            }
            break;
        }
        case Zahlentendenz: {
            const auto t = TendenzBerechnen(z, p.zusatz, N, p.zahl2 == 0 ? 1 : 2,
                                            p.zahl2 == 0 ? kTendenzFenster1 : kTendenzFenster2);
            for (int k = 1; k <= N; ++k) e.istwert[k] = t[static_cast<size_t>(k)];
            break;
        }
        case WannWieder: {
            // Row g: how often the number came again exactly g draws after it was drawn
            // (g = 1 is the very next draw); with "Alle" summed over every number.
            e.n = p.zahl2;
            std::array<int, 50> letzte;
            letzte.fill(-1);
            std::array<int, kZeilen + 1> anzahl{};
            int zahlen[50];
            for (int i = 0; i < m; ++i) {
                if (u.Schritt(i)) {
                    e.abgebrochen = true;
                    break;
                }
                const int k = Entpacken(z[static_cast<size_t>(i)].Menge(p.zusatz), zahlen);
                for (int j = 0; j < k; ++j) {
                    const int x = zahlen[j];
                    if (x > N || (p.zahl1 != 0 && x != p.zahl1)) continue;
                    if (letzte[x] >= 0 && i - letzte[x] <= e.n) ++anzahl[i - letzte[x]];
                    letzte[x] = i;
                }
            }
            for (int g = 1; g <= e.n; ++g) e.istwert[g] = Klemmen(anzahl[g]);
            break;
        }
        case WieOftDanach: {
            // Row k: draws that hold k and directly follow a draw holding the chosen number;
            // with "Alle": draws that hold k again right after a draw holding k.
            std::array<int, 50> anzahl{};
            int zahlen[50];
            for (int i = 1; i < m; ++i) {
                if (u.Schritt(i)) {
                    e.abgebrochen = true;
                    break;
                }
                const uint64_t vorher = z[static_cast<size_t>(i - 1)].Menge(p.zusatz);
                uint64_t jetzt = z[static_cast<size_t>(i)].Menge(p.zusatz);
                if (p.zahl1 == 0)
                    jetzt &= vorher;
                else if (!(vorher >> p.zahl1 & 1))
                    continue;
                const int k = Entpacken(jetzt, zahlen);
                for (int j = 0; j < k; ++j)
                    if (zahlen[j] <= N) ++anzahl[zahlen[j]];
            }
            for (int k = 1; k <= N; ++k) e.istwert[k] = Klemmen(anzahl[k]);
            break;
        }
        default:
            break;
    }
}

}  // namespace zahlix::statistik
