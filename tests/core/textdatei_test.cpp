#include "core/textdatei.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>

#include "core/atomare_datei.h"
#include "core/dateiname.h"
#include "core/dateisperre.h"
#include "support/testdaten.h"

using namespace zahlix;

namespace {

TEST(TextDekodieren, Utf8Windows1252UndUtf16) {
    struct Fall {
        std::string bytes, text;
    };
    // Octal escapes, so a letter after a byte stays a letter.
    const std::vector<Fall> faelle = {
        {"Gr\303\266\303\237e", "Größe"},
        {"\357\273\277abc", "abc"},
        {"Gr\366\337e \200 \223", "Größe € “"},
        {"\xC3\xB6 und \xF6", "Ã¶ und ö"},  // one invalid byte: the whole file is Windows-1252
        {"\xC0\xAF", "À¯"},                 // overlong UTF-8 is no UTF-8
        {"\xED\xA0\x80", "í\u00A0€"},       // an encoded surrogate neither
        {std::string("a\0b", 3), "ab"},
        {std::string("\377\376G\0r\0\366\0<\330@\337", 12), "Grö🍀"},
        {std::string("\xFE\xFF\0G\0\xE4", 6), "Gä"},
        {std::string("\377\376=\330x\0", 6), "\uFFFDx"},
        {"", ""},
    };
    for (const auto& f : faelle) EXPECT_EQ(TextDekodieren(f.bytes), f.text) << f.bytes;
}

TEST(Endung4, GrossUndKurzZeilenendenEinheitlich) {
    EXPECT_EQ(ZeilenendenCrLf("a\nb\rc\r\nd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(ZeilenendenLf("a\nb\rc\r\nd\n\r"), "a\nb\nc\nd\n\n");
    EXPECT_EQ(ZeilenendenCrLf(""), "");
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
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 1)
        << "no temporary file left behind";
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
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 2)
        << "no temporary file left behind";
}

// The Windows name rules, checked on every system; Windows applies them to each file it uses.
TEST(Dateiname, WasWindowsNichtNimmt) {
    std::string ae255;
    for (int i = 0; i < 255; ++i) ae255 += "ä";  // counted in UTF-16 units, not bytes
    const struct {
        std::string pfad;
        const char* grund;  // nullptr: usable
    } faelle[] = {
        {"\\\\server\\teil\\..\\C.ZX7", nullptr},
        {"COM0.ZX7", nullptr},
        {"CONSOLE", nullptr},
        {"C:/x/con", "Der Name con ist unter Windows einem Gerät vorbehalten"},
        {"LPT9 .AS7", "Der Name LPT9 ist"},
        {"a/b./c", "nicht mit einem Punkt oder Leerzeichen"},
        {"C:a?.ZX7", "keines der Zeichen"},
        {ae255, nullptr},
        {ae255 + "x", "zu lang"},
        {"C:\\" + std::string(200, 'a') + "\\" + std::string(55, 'b'), nullptr},
        {"C:\\" + std::string(200, 'a') + "\\" + std::string(56, 'b'), "länger als die 259"},
    };
    for (const auto& f : faelle) {
        const auto grund = WindowsNamensfehler(f.pfad);
        EXPECT_EQ(grund.has_value(), f.grund != nullptr) << f.pfad;
        if (grund && f.grund) {
            EXPECT_NE(grund->find(f.grund), std::string::npos) << *grund;
        }
    }
}

}  // namespace

using namespace zahlix::test;
namespace fs = std::filesystem;
using std::chrono::milliseconds;
// One writer at a time: a second taker waits and then gets the German reason; the companion
// goes when its holder lets go, and a lock follows a symbolic link to the real file.
TEST(Dateisperre, ZweiterWartetUndBekommtDieSperreErstNachDemErsten) {
    Arbeitsordner o;
    DateiSchreiben(o / "t.ZX7", "x");
    std::string fehler;
    Dateisperre erste = Dateisperre::Nehmen(o / "t.ZX7", fehler);
    ASSERT_TRUE(erste.Gehalten()) << fehler;
    EXPECT_TRUE(fs::exists(o / ".t.ZX7.zxsperre"));

    Dateisperre zweite = Dateisperre::Nehmen(o / "t.ZX7", fehler, milliseconds(60));
    EXPECT_FALSE(zweite.Gehalten());
    EXPECT_NE(fehler.find("Die Datei t.ZX7 wird gerade"), std::string::npos) << fehler;

    // Let go while the second one waits: it gets the lock within its wait.
    std::thread t([&] {
        std::this_thread::sleep_for(milliseconds(80));
        erste.Freigeben();
    });
    fehler.clear();
    zweite = Dateisperre::Nehmen(o / "t.ZX7", fehler, milliseconds(3000));
    t.join();
    EXPECT_TRUE(zweite.Gehalten()) << fehler;
    zweite.Freigeben();
    EXPECT_FALSE(fs::exists(o / ".t.ZX7.zxsperre")) << "companion left behind";
}

TEST(Dateisperre, VerknuepfungSperrtDieEchteDatei) {
    Arbeitsordner o;
    DateiSchreiben(o / "echt.ZX7", "x");
    std::error_code ec;
    fs::create_symlink(o / "echt.ZX7", o / "link.ZX7", ec);
    if (ec) GTEST_SKIP() << "no symbolic links here";
    std::string fehler;
    Dateisperre a = Dateisperre::Nehmen(o / "link.ZX7", fehler);
    ASSERT_TRUE(a.Gehalten()) << fehler;
    EXPECT_FALSE(Dateisperre::Nehmen(o / "echt.ZX7", fehler, milliseconds(30)).Gehalten());
}
