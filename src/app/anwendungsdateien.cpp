#include "app/anwendungsdateien.h"

#include <system_error>

#include "shell/optionen.h"

namespace zahlix {

namespace fs = std::filesystem;

namespace {

fs::path AlsPfad(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string AlsText(const fs::path& p) {
    const std::u8string u = p.u8string();
    return std::string(u.begin(), u.end());
}

// Case folding for ASCII and the Latin-1 letters (umlauts) in UTF-8; enough for file names
// that users type.
std::string Gefaltet(const std::string& s) {
    std::string f = s;
    for (size_t i = 0; i < f.size(); ++i) {
        const auto c = static_cast<unsigned char>(f[i]);
        if (c >= 'A' && c <= 'Z') {
            f[i] = static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < f.size()) {
            const auto d = static_cast<unsigned char>(f[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) f[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return f;
}

bool GleichOhneGross(const std::string& a, const std::string& b) {
    return a.size() == b.size() && Gefaltet(a) == Gefaltet(b);
}

}  // namespace

Anwendungsdateien& Dateien() {
    static Anwendungsdateien dateien;
    return dateien;
}

void AnwendungsdateienSetzen(const fs::path& start, const fs::path& programmverzeichnis) {
    auto& d = Dateien();
    d.start = start;
    d.optionen = start / kOptionsdatei;
    d.hilfe = start / kHilfedatei;
    const std::string eigene = DateiFinden(start, kHilfedatei);
    if (!eigene.empty()) d.hilfe = start / eigene;
    if (programmverzeichnis.empty()) return;
    for (const fs::path& ordner :
         {programmverzeichnis, programmverzeichnis / ".." / "share" / "zahlix"}) {
        const std::string hilfe = DateiFinden(ordner, kHilfedatei);
        if (hilfe.empty()) continue;
        // The shipped help wins over an old copy in the start folder, not over one the user
        // saved there after it.
        std::error_code e1, e2;
        const fs::path mitgeliefert = (ordner / hilfe).lexically_normal();
        if (eigene.empty() ||
            fs::last_write_time(d.hilfe, e1) <= fs::last_write_time(mitgeliefert, e2))
            d.hilfe = mitgeliefert;
        return;
    }
}

fs::path HilfeBearbeitungsziel() {
    const auto& d = Dateien();
    std::error_code ec;
    if (d.start.empty() || fs::equivalent(d.hilfe.parent_path(), d.start, ec)) return d.hilfe;
    return d.start / kHilfedatei;
}

const std::array<VordefinierteLotterie, 5>& VordefinierteLotterien() {
    static const std::array<VordefinierteLotterie, 5> liste{{
        {"Samstag", "Samstaglotto.ZX7"},
        {"Mittwoch", "Mittwochlotto.ZX7"},
        {"Auswahl", "Auswahlwette.ZX7"},
        {"Oesterr", "Oesterreich.ZX7"},
        {"Schweiz", "Schweiz.ZX7"},
    }};
    return liste;
}

std::string DateiFinden(const fs::path& verzeichnis, const std::string& name) {
    if (name.empty()) return {};
    const fs::path gesucht = AlsPfad(name);
    const std::string blatt = AlsText(gesucht.filename());
    if (blatt.empty()) return {};
    const fs::path teil = gesucht.parent_path();
    const fs::path ordner = teil.is_absolute() ? teil : verzeichnis / teil;

    // Walk the folder rather than test the name: the spelling the folder stores is the one
    // handed over, whatever the file system's case rules are.
    std::error_code fehler;
    std::string gefunden;
    for (fs::directory_iterator it(ordner, fehler), ende; !fehler && it != ende;
         it.increment(fehler)) {
        const std::string eintrag = AlsText(it->path().filename());
        if (!GleichOhneGross(eintrag, blatt)) continue;
        std::error_code f2;
        if (!it->is_regular_file(f2)) continue;
        if (eintrag == blatt) {
            gefunden = eintrag;
            break;
        }
        if (gefunden.empty()) gefunden = eintrag;
    }
    if (gefunden.empty()) return {};
    return teil.empty() ? gefunden : AlsText(teil / AlsPfad(gefunden));
}

std::string StartdateiErmitteln(const fs::path& verzeichnis, const std::string& option) {
    return DateiFinden(verzeichnis, option.empty() ? kStandardStartdatei : option);
}

std::array<int16_t, 49>& Zahlenablage() {
    static std::array<int16_t, 49> ablage{};
    return ablage;
}

std::string& Hilfethema() {
    static std::string thema;
    return thema;
}

}  // namespace zahlix
