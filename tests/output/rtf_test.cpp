#include "output/rtf.h"

#include <gtest/gtest.h>

#include <string>

#include "support/testdaten.h"

using namespace zahlix;

namespace {

const auto kFallname = [](const auto& p) { return std::string(p.param.name); };

// Round trips: what the writer saves the reader gives back byte for byte.
struct RundreiseFall {
    const char* name;
    std::string text;
};

class RtfRundreise : public ::testing::TestWithParam<RundreiseFall> {};

TEST_P(RtfRundreise, LiestZurueckWasGeschriebenWurde) {
    const std::string& text = GetParam().text;
    EXPECT_EQ(RtfLesen(RtfSchreiben(text)), text);
}

std::string LangeZeile() {
    std::string s;
    for (int i = 0; i < 5000; ++i) s += static_cast<char>('a' + i % 26);
    return s + "\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Texte, RtfRundreise,
    ::testing::Values(RundreiseFall{"leer", ""}, RundreiseFall{"ohne_zeilenende", "abc"},
                      RundreiseFall{"umlaute", "Größe: Äpfel, Öl, Übel, ß\r\nzweite Zeile\r\n"},
                      RundreiseFall{"jenseits_latin1", "€ Œ — ≠ 中文 Ω\r\n"},
                      RundreiseFall{"ausserhalb_bmp", "Kleeblatt 🍀 und 𝄞\r\n"},
                      RundreiseFall{"steuerzeichen", "\\par {Klammer} \\u123? \\'e4\r\n"},
                      RundreiseFall{"tabs_und_leerzeilen", "a\tb\r\n\r\n\r\n  eingerückt  \r\n"},
                      RundreiseFall{"lange_zeile", LangeZeile()},
                      RundreiseFall{"block",
                                    "* Lotto-Auswertung\r\nZahlen     : 03 12 17 25 38 44 :\r\n"
                                    "Treffer        1     0     3\r\n" +
                                        std::string(80, '-') + "\r\n"}),
    kFallname);

TEST(RtfSchreiben, GoldeneDatei) {
    const std::string geschrieben = RtfSchreiben("Zahlen: 03 12\r\nÄrger {x} \\ €\ttab\r\n");
    EXPECT_EQ(geschrieben, test::DateiLesen(test::Quelle("output/golden/beispiel.rtf")));
}

TEST(RtfSchreiben, BleibtReinesAsciiNenntCourierNewUndBereinigtZeilenenden) {
    const std::string rtf = RtfSchreiben("Ä 中 🍀 ü\r\n", 12);
    for (char c : rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80u);
    EXPECT_NE(rtf.find("Courier New"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs24"), std::string::npos);
    // Umlauts carry their Windows-1252 byte as fallback, others a question mark.
    EXPECT_NE(rtf.find("\\u196\\'c4"), std::string::npos);
    EXPECT_NE(rtf.find("\\u20013?"), std::string::npos);
    EXPECT_EQ(RtfLesen(RtfSchreiben("Gr\xF6\xDF"
                                    "e")),
              "Größe");
    EXPECT_EQ(RtfLesen(RtfSchreiben("a\nb\rc")), "a\r\nb\r\nc");

    // Only a document that starts with the head counts as RTF.
    EXPECT_TRUE(SiehtAusWieRtf("{\\rtf1\\ansi}"));
    EXPECT_TRUE(SiehtAusWieRtf("\xEF\xBB\xBF\r\n {\\rtf1}"));
    EXPECT_FALSE(SiehtAusWieRtf("{\\rt"));
    EXPECT_FALSE(SiehtAusWieRtf("Text {\\rtf1}"));
}

// Documents as other programs write them, and damaged ones: whatever can be recovered, and
// never a crash or hang.
struct LeseFall {
    const char* name;
    std::string rtf;
    std::string text;
};

class RtfLesenFall : public ::testing::TestWithParam<LeseFall> {};

TEST_P(RtfLesenFall, LiefertDenText) {
    EXPECT_EQ(RtfLesen(GetParam().rtf), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Fremd, RtfLesenFall,
    ::testing::Values(
        LeseFall{"wordpad",
                 "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat{\\fonttbl{\\f0\\fnil\\fcharset0 "
                 "Courier New;}}\r\n{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                 "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang7 Gr\\'f6\\'dfe\\par\r\nZeile "
                 "2\\par\r\n}",
                 "Größe\r\nZeile 2\r\n"},
        LeseFall{"tabellen_und_stile",
                 "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
                 "{\\info{\\title Titel}{\\author A}}\\cf1 rot\\cf0  {\\b fett} x\\line y}",
                 "rot fett x\r\ny"},
        LeseFall{"uc_zwei", "{\\rtf1\\uc2 a\\u8364\\'80\\'80b\\uc0\\u8364 c}", "a€b€c"},
        LeseFall{"uc_in_gruppe_lokal", "{\\rtf1{\\uc0\\u252}\\u252?}", "üü"},
        LeseFall{"surrogatpaar", "{\\rtf1\\u-10180?\\u-8384?}", "🍀"},
        LeseFall{"einsame_surrogate", "{\\rtf1\\u-10179?x\\u-8704?}", "\uFFFDx\uFFFD"},
        LeseFall{"bild_und_objekt",
                 "{\\rtf1 vor{\\pict\\pngblip\\picw10 89504e470d0a1a0a}{\\object{\\*\\objdata "
                 "0102}}nach}",
                 "vornach"},
        LeseFall{"unbekanntes_ignorierbares", "{\\rtf1 a{\\*\\neuesding geheim}b}", "ab"},
        LeseFall{"stern_nach_text", "{\\rtf1 {a\\*b}c}", "abc"},  // no destination mark there
        LeseFall{"hex_gross", "{\\rtf1 Gr\\'F6\\'DFe \\'E4}", "Größe ä"},
        LeseFall{"feld_mit_ergebnis",
                 "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt Link}} fertig}",
                 "Link fertig"},
        LeseFall{"binaerdaten", "{\\rtf1 a\\bin4 {}\\}b}", "ab"},
        LeseFall{"symbole",
                 "{\\rtf1 a\\~b\\-c\\_d\\{\\}\\\\\\emdash\\endash\\bullet\\lquote\\rquote"
                 "\\ldblquote\\rdblquote\\tab\\cell e}",
                 "a\u00A0bc\u2011d{}\\—–•‘’“”\t\te"},
        LeseFall{"alter_zeilenumbruch", "{\\rtf1 a\\\nb}", "a\r\nb"},
        LeseFall{"text_nach_dem_ende", "{\\rtf1 a}hinterher", "a"},
        LeseFall{"bom_und_leerraum", "\xEF\xBB\xBF  {\\rtf1 a}", "a"},
        LeseFall{"rohe_1252_bytes", "{\\rtf1 \xE4\xF6\x80}", "äö€"},
        LeseFall{"parameter_grenzen", "{\\rtf1\\fs99999999999999999 a\\u99999999999 b}",
                 "a\uFFFF"}),
    kFallname);

INSTANTIATE_TEST_SUITE_P(
    Kaputt, RtfLesenFall,
    ::testing::Values(LeseFall{"leer", "", ""}, LeseFall{"keine_klammer", "nur Text", ""},
                      LeseFall{"ohne_schluss", "{\\rtf1 abc\\par def", "abc\r\ndef"},
                      LeseFall{"zu_viele_schluesse", "{\\rtf1 a}}}}b", "a"},
                      LeseFall{"abgeschnittenes_hex", "{\\rtf1 a\\'e", "a"},
                      LeseFall{"hex_ohne_ziffern", "{\\rtf1 a\\'zzb}", "azzb"},
                      LeseFall{"backslash_am_ende", "{\\rtf1 a\\", "a"},
                      LeseFall{"u_am_ende", "{\\rtf1 a\\u", "a"},
                      LeseFall{"u_ohne_zahl", "{\\rtf1 a\\u b}", "ab"},
                      LeseFall{"bin_zu_lang", "{\\rtf1 a\\bin999999 xyz}", "a"},
                      LeseFall{"negatives_bin", "{\\rtf1 a\\bin-5 b}", "ab"},
                      LeseFall{"ueberlanges_wort", "{\\rtf1 a\\" + std::string(10000, 'x') + " b}",
                               "ab"},
                      LeseFall{"nullbytes", std::string("{\\rtf1 a\0b}", 11), "ab"}),
    kFallname);

TEST(RtfLesen, TiefeVerschachtelungBleibtBegrenzt) {
    const std::string tief =
        "{\\rtf1 " + std::string(100000, '{') + "x" + std::string(100000, '}') + "y}";
    EXPECT_EQ(RtfLesen(tief), "xy");
    // A skipped destination deep down keeps its content out even beyond the depth cap.
    const std::string versteckt =
        "{\\rtf1 a{\\fonttbl" + std::string(1000, '{') + "Arial;" + std::string(1000, '}') + "}b}";
    EXPECT_EQ(RtfLesen(versteckt), "ab");
}

TEST(RtfLesen, VerfaelschteUndGekuerzteDateienStuerzenNicht) {
    const std::string original = RtfSchreiben("Größe 中 🍀\r\n{x}\\y\r\n" + LangeZeile());
    // Every prefix: the text read is a prefix-like fragment and the call returns.
    for (size_t n = 0; n < original.size(); n += 7) {
        const std::string teil = RtfLesen(original.substr(0, n));
        EXPECT_LE(teil.size(), original.size()) << n;
    }
    // Flipped bytes at every position of the head, and spread over the body.
    for (size_t i = 0; i < original.size(); i += (i < 200 ? 1 : 97)) {
        for (unsigned char bit : {0x01, 0x20, 0x80}) {
            std::string kaputt = original;
            kaputt[i] = static_cast<char>(kaputt[i] ^ bit);
            (void)RtfLesen(kaputt);
        }
    }
}

}  // namespace
