#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/atomare_datei.h"
#include "core/textdatei.h"
#include "support/testdaten.h"

using namespace zahlix;

namespace {

TEST(TextDekodieren, Utf8Windows1252UndUtf16) {
    struct Fall {
        std::string bytes, text;
    };
    const std::vector<Fall> faelle = {
        {"Gr\xC3\xB6\xC3\x9F"
         "e",
         "Größe"},
        {"\xEF\xBB\xBF"
         "abc",
         "abc"},
        {"Gr\xF6\xDF"
         "e \x80 \x93",
         "Größe € “"},
        {"\xC3\xB6 und \xF6", "Ã¶ und ö"},  // one invalid byte: the whole file is Windows-1252
        {"\xC0\xAF", "À¯"},                 // overlong UTF-8 is no UTF-8
        {"\xED\xA0\x80", "í\u00A0€"},       // an encoded surrogate neither
        {std::string("a\0b", 3), "ab"},
        {std::string("\xFF\xFE"
                     "G\0r\0\xF6\0"
                     "<\xD8"
                     "@\xDF",
                     12),
         "Grö🍀"},
        {std::string("\xFE\xFF\0G\0\xE4", 6), "Gä"},
        {std::string("\xFF\xFE"
                     "=\xD8"
                     "x\0",
                     6),
         "\uFFFDx"},
        {"", ""},
    };
    for (const auto& f : faelle) EXPECT_EQ(TextDekodieren(f.bytes), f.text) << f.bytes;
}

TEST(Zeilenenden, AlleArtenWerdenEinheitlich) {
    EXPECT_EQ(ZeilenendenCrLf("a\nb\rc\r\nd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(ZeilenendenLf("a\nb\rc\r\nd\n\r"), "a\nb\nc\nd\n\n");
    EXPECT_EQ(ZeilenendenCrLf(""), "");
}

TEST(Endung4, GrossUndKurz) {
    EXPECT_EQ(Endung4("bericht.rtf"), ".RTF");
    EXPECT_EQ(Endung4("C:\\Ordner.x\\a.Zs4"), ".ZS4");
    EXPECT_EQ(Endung4("ab"), "AB");
}

TEST(Einlesen, UeberGrosseDateiWirdUngelesenAbgelehnt) {
    // Sparse files: a reader that ignored the limit would allocate and read them.
    test::Arbeitsordner ordner;
    const auto gross = [&](const char* name, std::uintmax_t groesse) {
        test::DateiSchreiben(ordner / name, "");
        std::filesystem::resize_file(ordner / name, groesse + 1);
        return ordner / name;
    };
    std::string inhalt = "bisher", fehler;
    ASSERT_FALSE(DateiEinlesen(gross("text.txt", kGroessteTextdatei), inhalt, fehler));
    EXPECT_EQ(fehler, "Die Datei text.txt ist zu groß für den Texteditor.");
    ASSERT_FALSE(GanzEinlesen(gross("ganz.txt", 64u << 20), inhalt, fehler));
    EXPECT_EQ(fehler, "Die Datei ist zu groß (mehr als 64 MB).");
    EXPECT_EQ(inhalt, "bisher");
}

TEST(DateiAtomarSchreiben, ErsetztVollstaendigOderGarNicht) {
    test::Arbeitsordner ordner;
    std::string fehler;
    test::DateiSchreiben(ordner / "a.txt", std::string(10000, 'x'));
    ASSERT_TRUE(DateiAtomarSchreiben(ordner / "a.txt", "kurz", fehler)) << fehler;
    EXPECT_EQ(test::DateiLesen(ordner / "a.txt"), "kurz") << "no tail of the old content";
    std::string gelesen;
    ASSERT_TRUE(DateiEinlesen(ordner / "a.txt", gelesen, fehler));
    EXPECT_EQ(gelesen, "kurz");
    EXPECT_FALSE(DateiAtomarSchreiben(ordner / "fehlt" / "b.txt", "x", fehler));
    EXPECT_NE(fehler.find("b.txt"), std::string::npos) << fehler;
    EXPECT_FALSE(DateiEinlesen(ordner / "fehlt.txt", gelesen, fehler));
    EXPECT_EQ(fehler, "Die Datei fehlt.txt wurde nicht gefunden.");
    EXPECT_FALSE(DateiEinlesen(ordner.pfad(), gelesen, fehler)) << "a folder is no file";
    EXPECT_EQ(gelesen, "kurz") << "a failed read leaves the buffer alone";
    int dateien = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(ordner.pfad()))
        ++dateien;
    EXPECT_EQ(dateien, 1) << "no temporary file left behind";
}

TEST(DateiAtomarSchreiben, JederFehlschlagNenntDateiUndSchrittUndLaesstDasAlteStehen) {
    test::Arbeitsordner ordner;
    test::DateiSchreiben(ordner / "alt.txt", "alter Inhalt");
    std::filesystem::create_directory(ordner / "Ordner.txt");
    struct Fall {
        std::filesystem::path ziel;
        std::optional<std::size_t> abbruchNach;
        std::string meldungsanfang;
    };
    const Fall faelle[] = {
        {ordner / "Ordner.txt", std::nullopt,
         "Die Datei Ordner.txt kann nicht geschrieben werden: Es gibt bereits einen Ordner "
         "dieses Namens."},
        {ordner / "fehlt" / "neu.txt", std::nullopt,
         "Die Datei neu.txt kann nicht geschrieben werden: "},
        {ordner / "alt.txt", 3, "Die Datei alt.txt konnte nicht vollständig geschrieben werden: "},
    };
    for (const Fall& f : faelle) {
        SchreibfehlerNachBytes(f.abbruchNach);
        std::string fehler;
        EXPECT_FALSE(DateiAtomarSchreiben(f.ziel, "neuer Inhalt", fehler)) << f.ziel;
        SchreibfehlerNachBytes(std::nullopt);
        EXPECT_TRUE(fehler.starts_with(f.meldungsanfang)) << fehler;
    }
    EXPECT_EQ(test::DateiLesen(ordner / "alt.txt"), "alter Inhalt");
    int eintraege = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(ordner.pfad()))
        ++eintraege;
    EXPECT_EQ(eintraege, 2) << "no temporary file left behind";
}

}  // namespace
