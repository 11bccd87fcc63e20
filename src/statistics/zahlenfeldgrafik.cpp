#include "statistics/zahlenfeldgrafik.h"

#include <algorithm>
#include <cmath>

#include "statistics/statistik_intern.h"
#include "statistics/tendenz.h"

namespace zahlix::statistik {

namespace {

const Farbe kGruen{120, 210, 120}, kRot{235, 110, 110}, kDunkelrot{170, 30, 30},
    kBlau{120, 160, 235}, kOrange{245, 160, 70};

// A colour between white and `voll` by the share 0..1.
Farbe Mischen(const Farbe& voll, double anteil) {
    anteil = std::clamp(anteil, 0.0, 1.0);
    auto k = [&](int c) { return static_cast<int>(std::lround(255 - (255 - c) * anteil)); };
    return {k(voll.r), k(voll.g), k(voll.b)};
}

// Per number: draws since it was last drawn (m when never) and its hits among the newest
// `fenster` draws.
struct Zaehlung {
    std::array<int, 50> zuletzt{}, neu{}, nachbarn{};
    std::array<bool, 50> gezogen{};
};

Zaehlung Zaehlen(const std::vector<Zug>& z, int N, int fenster) {
    Zaehlung c;
    const int m = static_cast<int>(z.size());
    c.zuletzt.fill(m);
    int zahlen[50];
    for (int i = 0; i < m; ++i) {
        const uint64_t s = z[static_cast<size_t>(i)].zahlen;
        const int k = Entpacken(s, zahlen);
        const bool imFenster = m - 1 - i < fenster;
        for (int j = 0; j < k; ++j) {
            const int x = zahlen[j];
            if (x > N) continue;
            c.zuletzt[x] = m - 1 - i;
            c.gezogen[x] = true;
            if (!imFenster) continue;
            ++c.neu[x];
            if ((s >> (x - 1) & 1) || (x < 49 && (s >> (x + 1) & 1))) ++c.nachbarn[x];
        }
    }
    return c;
}

}  // namespace

Zahlenfeldfarben ZahlenfeldgrafikBerechnen(const Lottodatei& d, int grafik,
                                           const std::array<int, 3>& regler) {
    Zahlenfeldfarben f;
    const int N = std::clamp<int>(d.GroessteZahl, 1, 49);
    if (grafik < 1 || grafik > 5) return f;
    const std::vector<Zug> z = ZuegeImBereich(d);
    if (z.empty()) return f;
    const int a = std::clamp(regler[0], 1, 20), b = std::clamp(regler[1], 1, 20),
              c = std::clamp(regler[2], 1, 20);
    const std::string nl = "\r\n";
    switch (grafik) {
        case 1: {
            const Zaehlung n = Zaehlen(z, N, 0);
            for (int x = 1; x <= N; ++x) {
                const int zl = n.zuletzt[x];
                f.wert[x] = n.gezogen[x]
                                ? "vor " + std::to_string(zl) + " Ziehungen zuletzt gezogen"
                                : "im Bereich nie gezogen";
                if (zl < a && n.gezogen[x])
                    f.farbe[x] = kGruen;
                else if (zl >= std::max(10 * c, 5 * b))
                    f.farbe[x] = kDunkelrot;
                else if (zl >= 5 * b)
                    f.farbe[x] = kRot;
                else
                    continue;
                f.gefaerbt[x] = true;
            }
            f.legende = "Wann zuletzt gezogen:" + nl + "grün: in den letzten " + std::to_string(a) +
                        " Ziehungen" + nl + "rot: seit " + std::to_string(5 * b) +
                        " Ziehungen nicht" + nl + "dunkelrot: seit " +
                        std::to_string(std::max(10 * c, 5 * b)) + " Ziehungen nicht";
            break;
        }
        case 2: {
            const int fenster = 10 * a;
            const auto t = TendenzBerechnen(z, Ohne, N, 2, fenster);
            for (int x = 1; x <= N; ++x) {
                f.wert[x] = "Tendenz " + std::to_string(t[x]) + " %";
                if (t[x] >= 10 * b)
                    f.farbe[x] = Mischen(kGruen, 0.4 + t[x] / 250.0);
                else if (t[x] <= -10 * c)
                    f.farbe[x] = Mischen(kRot, 0.4 - t[x] / 250.0);
                else
                    continue;
                f.gefaerbt[x] = true;
            }
            f.legende = "Zahlentendenz 2 (letzte " + std::to_string(fenster) + " Ziehungen):" + nl +
                        "grün: mindestens " + std::to_string(10 * b) + " % häufiger" + nl +
                        "rot: mindestens " + std::to_string(10 * c) + " % seltener";
            break;
        }
        case 3: {
            const int fenster = std::min<int>(10 * a, static_cast<int>(z.size()));
            const Zaehlung n = Zaehlen(z, N, fenster);
            const double erwartet = fenster * 6.0 / N;
            for (int x = 1; x <= N; ++x) {
                f.wert[x] = std::to_string(n.neu[x]) + " Mal in den letzten " +
                            std::to_string(fenster) + " Ziehungen";
                if (n.neu[x] >= erwartet + b)
                    f.farbe[x] = kOrange;
                else if (n.neu[x] <= erwartet - c)
                    f.farbe[x] = kBlau;
                else
                    continue;
                f.gefaerbt[x] = true;
            }
            char e[16];
            std::snprintf(e, sizeof e, "%.1f", erwartet);
            f.legende = "Zahlenbarometer (letzte " + std::to_string(fenster) +
                        " Ziehungen, je Zahl " + e + " erwartet):" + nl +
                        "orange: heiß, mindestens " + std::to_string(b) + " mehr" + nl +
                        "blau: kalt, mindestens " + std::to_string(c) + " weniger";
            break;
        }
        case 4: {
            const int fenster = 100 * a;
            const Zaehlung n = Zaehlen(z, N, fenster);
            for (int x = 1; x <= N; ++x) {
                f.wert[x] = std::to_string(n.nachbarn[x]) + " Mal mit einer Nachbarzahl";
                if (n.nachbarn[x] < b) continue;
                f.farbe[x] = Mischen(kGruen, 0.35 + 0.65 * (n.nachbarn[x] - b + 1) / double(c));
                f.gefaerbt[x] = true;
            }
            f.legende = "Nachbarkombinationen (letzte " + std::to_string(fenster) +
                        " Ziehungen):" + nl + "grün: mindestens " + std::to_string(b) +
                        " Mal mit Zahl-1 oder Zahl+1 gezogen," + nl + "volles Grün ab " +
                        std::to_string(b + c - 1) + " Mal";
            break;
        }
        default: {
            const int fenster = 10 * a;
            const Zaehlung n = Zaehlen(z, N, fenster);
            std::array<int, 50> punkte{};
            int hoechste = 1;
            for (int x = 1; x <= N; ++x) {
                punkte[x] = b * n.neu[x] + c * (n.zuletzt[x] / 5);
                hoechste = std::max(hoechste, punkte[x]);
            }
            for (int x = 1; x <= N; ++x) {
                f.wert[x] = std::to_string(punkte[x]) + " Punkte";
                f.farbe[x] = Mischen(Farbe{150, 60, 200}, double(punkte[x]) / hoechste);
                f.gefaerbt[x] = true;
            }
            f.legende = "Zahlix-Barometer: Punkte = " + std::to_string(b) +
                        " je Treffer in den letzten " + std::to_string(fenster) + " Ziehungen + " +
                        std::to_string(c) + " je 5 Ziehungen seit dem letzten Auftreten;" + nl +
                        "je kräftiger das Violett, desto mehr Punkte";
            break;
        }
    }
    return f;
}

}  // namespace zahlix::statistik
