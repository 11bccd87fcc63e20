// Damaged and hostile input: every reader either loads a sound history or refuses with one
// message and a cleared history, never half loaded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/programm.h"
#include "app/skript_port.h"
#include "core/atomare_datei.h"
#include "core/lottodatei_format.h"
#include "core/lottodatei_io.h"
#include "support/lotto_beispiele.h"
#include "support/testdaten.h"

using namespace zahlix;
using namespace zahlix::test;
namespace fs = std::filesystem;

namespace {

std::string Bild(const Lottodatei& d, Lottoformat f) {
    return *LottodateiKodieren(d, f);
}

// The invariants every load must keep, whatever the bytes were.
void PruefeErgebnis(int16_t e, const Lottodatei& d, const std::string& wo) {
    const int n = d.Anzahl();
    ASSERT_LE(n, kMaxZiehungen) << wo;
    EXPECT_TRUE(LeerAb(d, n)) << wo;
    if (e != 0) {
        EXPECT_EQ(n, 0) << wo << ": halb geladen";
        return;
    }
    EXPECT_EQ(d.LetzterIndex, n > 0 ? n - 1 : 0) << wo;
    EXPECT_GE(d.GroessteZahl, 1) << wo;
    EXPECT_LE(d.GroessteZahl, 49) << wo;
    for (int i = 0; i < n; ++i) {
        ASSERT_GE(WocheAus(d.WocheKennung[i]), 1) << wo;
        ASSERT_LE(WocheAus(d.WocheKennung[i]), 53) << wo;
        ASSERT_TRUE(KennungGueltig(KennungAus(d.WocheKennung[i]))) << wo;
        const int jahr = JahrAusJahrCode(d.JahrCode[i]);
        ASSERT_TRUE(jahr >= 1900 && jahr <= 2099) << wo;
        ASSERT_LE(Zusatzzahl(d.Zahlen(i)), 50) << wo;
        ASSERT_EQ(d.ImBereich[i], -1) << wo;
    }
}

struct Textfall {
    const char* zeile;
    const char* grund;  // part of the message
};

}  // namespace

TEST(LottodateiBeschaedigt, As7FehlerNennenDateiUndZeile) {
    const std::vector<Textfall> faelle = {
        {" 05 2005 00 03 12 17 25 38 44", "Zeile 2: zu wenige Werte (9 statt 10)"},
        {" 05 2005 00 03 12 17 25 38 44 09 11", "Zeile 2: mehr als 10 Werte"},
        {" 05 2005 00 03 12 x7 25 38 44 09", "Zeile 2: unerwartetes Zeichen »x«"},
        {" 05 2005 00 03 12 -7 25 38 44 09", "Zeile 2: unerwartetes Zeichen »-«"},
        {" 05 2005 00 03 12 17 25 38 44 0\xE4", "Zeile 2: unerwartetes Zeichen mit dem Code 228"},
        {" 05 2005 00 03 12 17 25 38 50 09", "Zeile 2: Zahl 50 liegt nicht zwischen 1 und 49"},
        {" 05 2005 00 00 12 17 25 38 44 09", "Zeile 2: Zahl 0 liegt nicht zwischen 1 und 49"},
        {" 05 2005 00 03 12 17 17 38 44 09", "Zeile 2: Zahl 17 kommt doppelt vor"},
        {" 00 2005 00 03 12 17 25 38 44 09", "Zeile 2: Woche 0 liegt nicht zwischen 1 und 53"},
        {" 54 2005 00 03 12 17 25 38 44 09", "Zeile 2: Woche 54 liegt nicht zwischen 1 und 53"},
        {" 05 1899 00 03 12 17 25 38 44 09",
         "Zeile 2: Jahr 1899 liegt nicht zwischen 1900 und 2099"},
        {" 05 2100 00 03 12 17 25 38 44 09",
         "Zeile 2: Jahr 2100 liegt nicht zwischen 1900 und 2099"},
        {" 05 2005 97 03 12 17 25 38 44 09", "Zeile 2: Kennung 97 ist ungültig"},
        {" 05 2005 00 03 12 17 25 38 44 51", "Zeile 2: Zusatzzahl 51 ist ungültig"},
        {" 05 2005 00 03 12 17 25 38 44 0000009", "Zeile 2: der Wert ist zu lang"},
    };
    Arbeitsordner o;
    for (const Textfall& f : faelle) {
        SkriptPort port;
        DateiSchreiben(o / "f.AS7", std::string(" 01 2005 00 01 02 03 04 05 06 00\r\n") + f.zeile +
                                        "\r\n 06 2005 00 01 02 03 04 05 06 00\r\n");
        Lottodatei d = Beispiel();
        EXPECT_EQ(LottodateiLaden((o / "f.AS7").string(), d), -1) << f.zeile;
        PruefeErgebnis(-1, d, f.zeile);
        ASSERT_EQ(port.meldungen.size(), 1u) << f.zeile;
        const MeldungsAnfrage& m = port.meldungen[0];
        EXPECT_NE(m.text.find((o / "f.AS7").string()), std::string::npos) << m.text;
        EXPECT_NE(m.text.find(f.grund), std::string::npos) << m.text;
        EXPECT_EQ(m.symbol, Symbol::Kritisch);
        EXPECT_EQ(m.titel, "Zahlix");
    }
}

TEST(LottodateiBeschaedigt, BinaereFehlerWerdenBenannt) {
    const std::string zx7 = Bild(Beispiel(), Lottoformat::ZX7);
    auto mit = [](std::string b, std::size_t pos, std::string neu) {
        return b.replace(pos, neu.size(), neu);
    };
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {zx7.substr(0, 7), "Dateikopf ist unvollständig"},
        {zx7.substr(0, zx7.size() - 5), "unvollständiger Datensatz am Dateiende (7 Bytes)"},
        {zx7 + "\x01", "unvollständiger Datensatz am Dateiende (1 Bytes)"},
        {mit(zx7, 10, std::string("\x00\x00", 2)), "die größte Zahl 0 liegt nicht"},
        {mit(zx7, 10, "\x32"), "die größte Zahl 50 liegt nicht"},
        {mit(zx7, 12 + 12, std::string("\x36\x00", 2)), "Datensatz 2: Woche 54"},
        {mit(zx7, 12 + 12 + 1, "\x61"), "Datensatz 2: Kennung 97 ist ungültig"},
        {mit(zx7, 12 + 12 + 3, "\x15"), "Datensatz 2: Jahreskennzahl"},
        {mit(zx7, 12 + 12 + 2, "\x64"), "Datensatz 2: Jahreskennzahl"},
        {mit(zx7, 12 + 4, "\x80"), "Datensatz 1: ungültige Zahlenbits"},
        {mit(zx7, 12 + 10, "\x80"), "Datensatz 1: ungültige Zahlenbits"},
        {mit(zx7, 12 + 11, "\x33"), "Datensatz 1: Zusatzzahl 51 ist ungültig"},
        {mit(zx7, 12 + 12, std::string("\x00\x00", 2)), "Datensatz 2 hat keine Woche"},
    };
    Arbeitsordner o;
    for (const auto& [bytes, grund] : faelle) {
        SkriptPort port;
        Lottodatei d = Beispiel();
        EXPECT_EQ(LottodateiAusBytes(bytes, Lottoformat::ZX7, "k.ZX7", d), -1) << grund;
        PruefeErgebnis(-1, d, grund);
        ASSERT_EQ(port.meldungen.size(), 1u) << grund;
        EXPECT_NE(port.meldungen[0].text.find("Die Lottodatei k.ZX7 ist beschädigt"),
                  std::string::npos);
        EXPECT_NE(port.meldungen[0].text.find(grund), std::string::npos) << port.meldungen[0].text;
    }
}

TEST(LottodateiBeschaedigt, EndwortAusNullenIstErlaubt) {
    SkriptPort port;
    for (Lottoformat f : {Lottoformat::ZX7, Lottoformat::ZX6}) {
        const std::string b = Bild(Beispiel(), f);
        for (const std::string& schluss :
             {std::string(2, '\0'), std::string(12, '\0'), std::string(25, '\0')}) {
            Lottodatei d;
            ASSERT_EQ(LottodateiAusBytes(b + schluss, f, "n", d), 0);
            EXPECT_EQ(d.LetzterIndex, 4);
        }
    }
    EXPECT_TRUE(port.meldungen.empty());
}

TEST(LottodateiBeschaedigt, Zx7OhneKennungScheitertStill) {
    SkriptPort port;
    for (const std::string& b :
         {std::string(), std::string("X"), std::string("ZX\0\0", 4), std::string(100, '\0')}) {
        Lottodatei d = Beispiel();
        EXPECT_EQ(LottodateiAusBytes(b, Lottoformat::ZX7, "m.ZX7", d), -1);
        EXPECT_TRUE(LeerAb(d, 0));
    }
    EXPECT_TRUE(port.meldungen.empty());
    Lottodatei d;
    EXPECT_EQ(LottodateiAusBytes("", Lottoformat::ZX6, "m.ZX6", d), -1);
    EXPECT_EQ(port.meldungen.size(), 1u) << "eine leere ZX6-Datei ist beschädigt";
}

// Every truncation and every flipped byte of a valid image in each readable format.
TEST(LottodateiBeschaedigt, AbschneidenUndKippenJedesBytes) {
    SkriptPort port;
    for (Lottoformat f : {Lottoformat::ZX7, Lottoformat::ZX6, Lottoformat::AS7}) {
        const std::string b = Bild(Beispiel(), f);
        const std::size_t kopf = f == Lottoformat::ZX7 ? 12 : f == Lottoformat::ZX6 ? 2 : 0;
        const std::size_t satz = f == Lottoformat::ZX7 ? 12 : f == Lottoformat::ZX6 ? 10 : 34;
        // One history throughout: each load lands on whatever the previous one left.
        Lottodatei d = Beispiel();
        for (std::size_t n = 0; n < b.size(); ++n) {
            const int16_t e = LottodateiAusBytes(b.substr(0, n), f, "t", d);
            const std::string wo = "abgeschnitten bei " + std::to_string(n);
            PruefeErgebnis(e, d, wo);
            // Cut at a record boundary a file is just shorter; anywhere else it is refused.
            const bool grenze = n >= kopf && (n - kopf) % satz == 0;
            if (f == Lottoformat::AS7) continue;
            EXPECT_EQ(e == 0, grenze && n > 0) << wo;
            if (e == 0) {
                EXPECT_EQ(d.Anzahl(), static_cast<int>((n - kopf) / satz)) << wo;
            }
        }
        for (std::size_t i = 0; i < b.size(); ++i) {
            for (unsigned char maske : {0x01, 0x80, 0xFF}) {
                std::string k = b;
                k[i] = static_cast<char>(k[i] ^ maske);
                const int16_t e = LottodateiAusBytes(k, f, "t", d);
                PruefeErgebnis(e, d, "Byte " + std::to_string(i) + " gekippt");
            }
        }
    }
}

TEST(LottodateiBeschaedigt, OrdnerStattDateiMeldetFehler) {
    Arbeitsordner o;
    SkriptPort port;
    fs::create_directories(o / "ordner.ZX7");
    Lottodatei d = Beispiel();
    EXPECT_EQ(LottodateiLaden((o / "ordner.ZX7").string(), d), -1);
    EXPECT_TRUE(LeerAb(d, 0));
    ASSERT_EQ(port.meldungen.size(), 1u);
    EXPECT_EQ(port.meldungen[0].symbol, Symbol::Kritisch);
    EXPECT_NE(port.meldungen[0].text.find("konnte nicht gelesen werden"), std::string::npos);
}

// A binary record without six numbers would hide every later draw (evaluation, export and
// save end there): such a file is refused whole, naming the record.
TEST(LottodateiLuecke, DatensatzOhneSechsZahlenNurAlsLetzterLeer) {
    const struct {
        Lottoformat format;
        int stelle;  // 4 is the last record of Beispiel()
        std::vector<int> zahlen;
        const char* meldung;  // nullptr: loads
    } faelle[] = {
        {Lottoformat::ZX7, 1, {}, "Datensatz 2: 0 statt 6 Zahlen"},
        {Lottoformat::ZX7, 4, {1, 2, 3, 4, 5}, "Datensatz 5: 5 statt 6 Zahlen"},
        {Lottoformat::ZX6, 2, {7}, "Datensatz 3: 1 statt 6 Zahlen"},
        {Lottoformat::ZX7, 4, {}, nullptr},
        {Lottoformat::ZX6, 4, {}, nullptr},
    };
    for (const auto& f : faelle) {
        SkriptPort port;
        Lottodatei d = Beispiel(), geladen;
        d.ZahlenSetzen(f.stelle, ZahlenPacken(f.zahlen));
        const int16_t e =
            LottodateiAusBytes(*LottodateiKodieren(d, f.format), f.format, "x", geladen, 0);
        EXPECT_EQ(e, f.meldung ? -1 : 0) << f.stelle;
        EXPECT_EQ(geladen.Anzahl(), f.meldung ? 0 : 5) << f.stelle;
        if (f.meldung) {
            EXPECT_NE(port.MeldungsTexte().at(0).find(f.meldung), std::string::npos) << f.meldung;
        }
    }
}
