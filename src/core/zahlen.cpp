#include "core/zahlen.h"

#include <cmath>

#include "core/tabellen.h"

namespace zahlix {

bool ZahlGesetzt(int n, const Bitworte& w) {
    if (n < 1 || n > 49) return false;
    const auto& m = Tab().ZahlMaske[n];
    // Numbers 43..49 live in the low byte of the fourth word; its high byte is the bonus number.
    return ((w[0] & m[0]) | (w[1] & m[1]) | (w[2] & m[2]) | (w[3] & 0xFF & m[3])) != 0;
}

void ZahlSetzen(int n, Bitworte& w) {
    if (n < 1 || n > 49) return;
    const auto& m = Tab().ZahlMaske[n];
    for (int k = 0; k < 4; ++k) w[k] = static_cast<int16_t>(w[k] | m[k]);
}

void ZahlLoeschen(int n, Bitworte& w) {
    if (n < 1 || n > 49) return;
    const auto& m = Tab().ZahlMaske[n];
    for (int k = 0; k < 4; ++k) w[k] = static_cast<int16_t>(w[k] & ~m[k]);
}

Bitworte ZahlenPacken(std::span<const int> zahlen) {
    Bitworte w{};
    for (int n : zahlen) ZahlSetzen(n, w);
    return w;
}

int ZahlenEntpacken(const Bitworte& w, std::array<int, 49>& liste) {
    liste.fill(0);
    // Bits 7 and 15 never hold a number; masking them keeps a corrupt word inside the table.
    const auto& bz = Tab().BitZahl;
    const int anzahl = bz[w[0] & 0x7F7F] + bz[w[1] & 0x7F7F] + bz[w[2] & 0x7F7F] + bz[w[3] & 0xFF];
    int gefunden = 0;
    for (int n = 1; n <= 49 && gefunden < anzahl; ++n)
        if (ZahlGesetzt(n, w)) liste[gefunden++] = n;
    return gefunden;
}

int AnzahlZahlen(const Bitworte& w) {
    const auto& bz = Tab().BitZahl;
    int summe = 0;
    for (int16_t x : w) summe += bz[x & 0x7F7F];
    return summe;
}

int32_t Binomial(int n, int k) {
    if (n < 1 || k < 1) return 0;
    if (k > n) return 0;
    double zaehler = 1.0;
    double nenner = 1.0;
    for (int i = n - k + 1; i <= n; ++i) zaehler *= i;
    for (int i = 2; i <= k; ++i) nenner *= i;
    return static_cast<int32_t>(std::llround(zaehler / nenner));
}

int16_t JahrCodeAusJahr(int jahr) {
    const int c = jahr / 100;
    return static_cast<int16_t>(c * 256 + (jahr - c * 100));
}

int JahrAusJahrCode(int16_t code) {
    const auto u = static_cast<uint16_t>(code);
    return (u >> 8) * 100 + (u & 0xFF);
}

bool KennungGueltig(int code) {
    return code == 0 || (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z');
}

}  // namespace zahlix
