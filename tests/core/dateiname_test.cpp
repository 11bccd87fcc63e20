// The Windows name rules, checked on every system; Windows applies them to each file it uses.
#include "core/dateiname.h"

#include <gtest/gtest.h>

using namespace zahlix;

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
