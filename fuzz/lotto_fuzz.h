#pragma once
// Shared body of the lottery-file fuzz targets: decode the bytes, check what every load must
// keep, and for a successful load check that writing and reading again changes nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/lottodatei.h"
#include "core/lottodatei_format.h"
#include "core/zahlen.h"

namespace zahlix::fuzz {

inline void Pruefen(bool ok, const char* was) {
    if (ok) return;
    std::fprintf(stderr, "Verletzt: %s\n", was);
    std::abort();
}

inline bool GleicheZiehungen(const Lottodatei& a, const Lottodatei& b) {
    for (int i = 0; i < kSlots; ++i) {
        if (a.WocheKennung[i] != b.WocheKennung[i] || a.JahrCode[i] != b.JahrCode[i] ||
            a.Bitwort1[i] != b.Bitwort1[i] || a.Bitwort2[i] != b.Bitwort2[i] ||
            a.Bitwort3[i] != b.Bitwort3[i] || a.Bitwort4[i] != b.Bitwort4[i])
            return false;
        if (a.WocheKennung[i] == 0) return true;
    }
    return true;
}

inline int Laden(const uint8_t* data, size_t size, Lottoformat format) {
    // Reused across runs, as a window reuses its history between loads.
    static Lottodatei d, zurueck;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const int16_t e = LottodateiAusBytes(bytes, format, "fuzz", d, 0);
    const int n = d.Anzahl();
    Pruefen(e == 0 || e == -1, "Ergebnis 0 oder -1");
    Pruefen(n <= kMaxZiehungen && d.LetzterIndex < kMaxZiehungen, "höchstens 32000 Ziehungen");
    Pruefen(d.WocheKennung[n] == 0 && d.JahrCode[n] == 0 && d.Bitwort4[n] == 0,
            "Endekennung nach der letzten Ziehung");
    if (e != 0) {
        Pruefen(n == 0 && d.LetzterIndex == 0, "nie halb geladen");
        return 0;
    }
    Pruefen(d.LetzterIndex == (n > 0 ? n - 1 : 0), "LetzterIndex passt zur Endekennung");
    Pruefen(d.GroessteZahl >= 1 && d.GroessteZahl <= 49, "größte Zahl 1..49");
    for (int i = 0; i < n; ++i) {
        Pruefen(WocheAus(d.WocheKennung[i]) >= 1 && WocheAus(d.WocheKennung[i]) <= 53, "Woche");
        Pruefen(KennungGueltig(KennungAus(d.WocheKennung[i])), "Kennung");
        const int jahr = JahrAusJahrCode(d.JahrCode[i]);
        Pruefen(jahr >= 1900 && jahr <= 2099, "Jahr");
        Pruefen(Zusatzzahl(d.Zahlen(i)) <= 50, "Zusatzzahl");
        Pruefen(d.ImBereich[i] == -1 && d.Trefferwert[i] == 0, "Trefferwert und ImBereich");
    }
    const auto bild = LottodateiKodieren(d, format);
    Pruefen(bild.has_value(), "lesbare Formate sind auch schreibbar");
    Pruefen(LottodateiAusBytes(*bild, format, "fuzz", zurueck, 0) == 0, "Geschriebenes lädt");
    Pruefen(GleicheZiehungen(d, zurueck), "Rundreise ändert nichts");
    Pruefen(zurueck.GroessteZahl == d.GroessteZahl, "Rundreise behält die größte Zahl");
    return 0;
}

}  // namespace zahlix::fuzz
