#include "statistics/statistik_listen.h"

#include <algorithm>
#include <cmath>

#include "core/zahlformat.h"

namespace zahlix::statistik {

namespace {

// The current rounding mode is to nearest with ties to even.
int16_t Runden(double x) {
    return Klemmen(static_cast<int64_t>(std::nearbyint(x)));
}

std::string R2(int v) {
    return ZahlRechts2(static_cast<int16_t>(v));
}
std::string R3(int v) {
    return ZahlRechts3(static_cast<int16_t>(v));
}
std::string R5(int v) {
    return ZahlRechts5(static_cast<int16_t>(v));
}

const char* const kMuster[11] = {"       6", "      51", "      42", "      33",
                                 "     411", "     321", "     222", "    3111",
                                 "    2211", "   21111", "  111111"};
const std::string kPunkte = std::string(17, '.') + " ";

}  // namespace

Werte Anzeigewerte(const Ergebnis& e, int art) {
    Werte w{};
    for (int k = 1; k <= e.n; ++k) {
        const double soll = e.sollwert[k];
        const int ist = e.istwert[k];
        switch (art) {
            case 1:
                w[k] = e.zuletzt[k];
                break;
            case 2:
                w[k] = e.abstand[k];
                break;
            case 3:
                w[k] = Klemmen(int{e.abstand[k]} - e.zuletzt[k]);
                break;
            case 4:
                w[k] = Runden(soll);
                break;
            case 5:
                w[k] = soll != 0 ? Runden(ist - soll) : 0;
                break;
            case 6:
                if (soll == 0)
                    w[k] = 0;
                else if (ist == 0)
                    w[k] = Runden(100.0 * std::nearbyint(-soll) / soll);
                else
                    w[k] = Runden(100.0 * (ist - soll) / soll);
                break;
            default:
                w[k] = e.istwert[k];
                break;
        }
    }
    return w;
}

int16_t GroessterWert(std::span<const int16_t> werte, int n) {
    int16_t g = 0;
    for (int k = 1; k <= n && k < static_cast<int>(werte.size()); ++k)
        if (werte[static_cast<size_t>(k)] > g) g = werte[static_cast<size_t>(k)];
    return g;
}

int16_t KleinsterWert(std::span<const int16_t> werte, int n) {
    if (n <= 0) return 0;
    int16_t g = 32767;
    for (int k = 1; k <= n && k < static_cast<int>(werte.size()); ++k)
        if (werte[static_cast<size_t>(k)] < g) g = werte[static_cast<size_t>(k)];
    return g;
}

float MittelWert(std::span<const int16_t> werte, int n) {
    if (n <= 0) return 0;
    float s = 0;
    for (int k = 1; k <= n && k < static_cast<int>(werte.size()); ++k)
        s += werte[static_cast<size_t>(k)];
    return s / static_cast<float>(n);
}

std::vector<std::string> Zeilenbeschriftungen(const Parameter& p, const Ergebnis& e) {
    std::vector<std::string> b(static_cast<size_t>(e.n) + 1);
    for (int k = 1; k <= e.n; ++k) {
        const int m = e.versatz + k;
        std::string& t = b[static_cast<size_t>(k)];
        switch (p.typ) {
            case Gruppenverteilung:
                if (p.zahl2 == 0) {
                    const int q = k / 7, r = k % 7;
                    const int T = 6 - q + (r == 0 ? 1 : 0), U = r == 0 ? 0 : 7 - r;
                    t = "   " + std::to_string(T) + std::to_string(6 - T) + std::to_string(U) +
                        std::to_string(6 - U);
                } else if (p.zahl2 >= 7) {
                    t = "      " + std::to_string(7 - k) + std::to_string(k - 1);
                } else if (k <= 11) {
                    t = kMuster[k - 1];
                }
                break;
            case Zweierkombination:
                if (p.zahl1 == 0)
                    t = e.partner[k] ? "  " + R3(k) + R3(e.partner[k]) : "";
                else if (k != p.zahl1)
                    t = "  " + R3(p.zahl1) + R3(m);
                break;
            case Dreierkombination:
                if (k == p.zahl1 || k == p.zahl2) break;
                if (p.zahl2 == 0)
                    t = e.partner[k] ? R2(p.zahl1) + R3(k) + R3(e.partner[k]) : "";
                else
                    t = R2(p.zahl1) + R3(p.zahl2) + R3(m);
                break;
            case Nachbarzahlen:
                if (p.zahl1 == 2)
                    t = "  " + R3(m) + R3(m + 1);
                else if (p.zahl1 == 3)
                    t = R2(m) + R3(m + 1) + R3(m + 2);
                else
                    t = R3(k) + " -" + R3(m + p.zahl1 - 1);
                break;
            case WieOftAnPosition:
                t = "   " + R5(p.zahl2 == 3 ? m - 1 : (p.zahl2 == 4 ? m % 10 : m));
                break;
            default:
                t = "   " + R5(m);
                break;
        }
    }
    return b;
}

Listen ListenBauen(const std::vector<std::string>& beschriftung, const Werte& werte, int n) {
    Listen l;
    auto zeile = [&](int k) -> const std::string& {
        static const std::string leer;
        return k < static_cast<int>(beschriftung.size()) ? beschriftung[static_cast<size_t>(k)]
                                                         : leer;
    };
    // Five places as a rule; -10000 and below widen the whole list's column, never losing
    // the sign to the five places.
    size_t breite = 5;
    for (int k = 1; k <= n; ++k) breite = std::max(breite, std::to_string(werte[k]).size());
    auto wertText = [breite](int v) {
        const std::string t = std::to_string(v);
        return std::string(breite - t.size(), ' ') + t;
    };
    for (int k = 1; k <= n; ++k)
        l.normal.push_back(zeile(k).empty() ? kPunkte : zeile(k) + " --> " + wertText(werte[k]));
    // Both sorts run the same exchange sequence; the descending one exchanges equal values too.
    auto sortieren = [&](bool ab, std::vector<int>& index, std::vector<int16_t>& wert,
                         std::vector<std::string>& text) {
        for (int k = 1; k <= n; ++k) {
            index.push_back(k);
            wert.push_back(werte[k]);
        }
        for (size_t i = 0; i + 1 < wert.size(); ++i)
            for (size_t j = i + 1; j < wert.size(); ++j)
                if (ab ? wert[j] >= wert[i] : wert[j] < wert[i]) {
                    std::swap(wert[i], wert[j]);
                    std::swap(index[i], index[j]);
                }
        for (size_t i = 0; i < wert.size(); ++i)
            text.push_back(zeile(index[i]).empty() ? kPunkte
                                                   : wertText(wert[i]) + " <-- " + zeile(index[i]));
    };
    sortieren(true, l.absortiertZeile, l.absortiertWert, l.absortiert);
    sortieren(false, l.aufsortiertZeile, l.aufsortiertWert, l.aufsortiert);
    return l;
}

}  // namespace zahlix::statistik
