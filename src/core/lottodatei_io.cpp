#include "core/lottodatei_io.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "app/port.h"
#include "app/programm.h"
#include "core/atomare_datei.h"
#include "core/lottodatei_format.h"
#include "core/zahlen.h"

namespace fs = std::filesystem;

namespace zahlix {

namespace {

void WortAnhaengen(std::string& s, int16_t w) {
    const auto u = static_cast<uint16_t>(w);
    s.push_back(static_cast<char>(u & 0xFF));
    s.push_back(static_cast<char>(u >> 8));
}

// The same text as ZahlFeld3 / ZahlNull4 for non-negative values, without a string per field:
// text exports of large histories spend their time here.
void Feld3Anhaengen(std::string& s, int n) {
    n %= 100;
    s.push_back(' ');
    s.push_back(static_cast<char>('0' + n / 10));
    s.push_back(static_cast<char>('0' + n % 10));
}

void Null4Anhaengen(std::string& s, int n) {
    n %= 10000;
    s.push_back(static_cast<char>('0' + n / 1000));
    s.push_back(static_cast<char>('0' + n / 100 % 10));
    s.push_back(static_cast<char>('0' + n / 10 % 10));
    s.push_back(static_cast<char>('0' + n % 10));
}

// ASCII case folding of the UTF-8 form: "X.ZX7" and "x.zx7" name one file on Windows.
std::string KleinGeschrieben(const fs::path& p) {
    const std::u8string u = p.generic_u8string();
    std::string s(u.begin(), u.end());
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool GleicherPfad(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::exists(b, ec) && fs::equivalent(a, b, ec)) return true;
    const fs::path na = fs::absolute(a, ec).lexically_normal();
    const fs::path nb = fs::absolute(b, ec).lexically_normal();
    return KleinGeschrieben(na) == KleinGeschrieben(nb);
}

}  // namespace

std::optional<std::string> LottodateiKodieren(const Lottodatei& d, Lottoformat format,
                                              int* anzahl) {
    std::string s;
    int n = 0;
    switch (format) {
        case Lottoformat::ZX7:
            for (int16_t w :
                 {int16_t{23128}, int16_t{0}, int16_t{0}, int16_t{0}, int16_t{0}, d.GroessteZahl})
                WortAnhaengen(s, w);
            break;
        case Lottoformat::ZX6:
            WortAnhaengen(s, d.GroessteZahl);
            break;
        case Lottoformat::AS7:
        case Lottoformat::ASC:
        case Lottoformat::ZXT:
            break;
        default:
            return std::nullopt;
    }
    s.reserve(s.size() + static_cast<std::size_t>(d.Anzahl()) * 40);
    std::array<int, 49> liste{};
    for (int i = 0; i < kSlots && d.WocheKennung[i] != 0; ++i, ++n) {
        EreignissePumpen();
        const Bitworte w = d.Zahlen(i);
        if (format == Lottoformat::ZX7) {
            for (int16_t x : {d.WocheKennung[i], d.JahrCode[i], w[0], w[1], w[2], w[3]})
                WortAnhaengen(s, x);
            continue;
        }
        const auto jc = static_cast<uint16_t>(d.JahrCode[i]);
        if (format == Lottoformat::ZX6) {
            const int y = (jc & 0xFF) + ((jc >> 8) == 20 ? 100 : 0);
            WortAnhaengen(s, static_cast<int16_t>(y * 256 + WocheAus(d.WocheKennung[i])));
            for (int16_t x : w) WortAnhaengen(s, x);
            continue;
        }
        if (ZahlenEntpacken(w, liste) != 6) break;
        const int zusatz = Zusatzzahl(w);
        if (format == Lottoformat::AS7) {
            Feld3Anhaengen(s, WocheAus(d.WocheKennung[i]));
            s.push_back(' ');
            Null4Anhaengen(s, (jc >> 8) * 100 + (jc & 0xFF));
            Feld3Anhaengen(s, KennungAus(d.WocheKennung[i]));
        }
        int zahlen = 6;
        if (format == Lottoformat::ZXT && ZusatzzahlVorhanden(zusatz)) {
            liste[6] = zusatz;
            std::sort(liste.begin(), liste.begin() + 7);
            zahlen = 7;
        }
        for (int k = 0; k < zahlen; ++k) Feld3Anhaengen(s, liste[k]);
        if (format == Lottoformat::AS7) Feld3Anhaengen(s, zusatz);
        s += "\r\n";
    }
    if (anzahl) *anzahl = n;
    return s;
}

int16_t LottodateiLaden(const std::string& dateiname, Lottodatei& d, int start) {
    const Lottoformat format = FormatAusName(dateiname);
    const fs::path pfad = PfadVonName(dateiname);
    std::error_code ec;
    start = std::clamp(start, 0, kMaxZiehungen);
    if (!Lesbar(format) || !fs::exists(pfad, ec)) {
        d.Leeren(start);
        d.LetzterIndex = static_cast<int16_t>(std::max(start - 1, 0));
        return -1;
    }
    std::string bytes, fehler;
    if (!GanzEinlesen(pfad, bytes, fehler)) {
        d.Leeren(start);
        d.LetzterIndex = static_cast<int16_t>(std::max(start - 1, 0));
        Meldung("Die Datei " + dateiname + " konnte nicht gelesen werden:\r\n" + fehler,
                flags::Kritisch, kProduktname);
        return -1;
    }
    return LottodateiAusBytes(bytes, format, dateiname, d, start);
}

int16_t LottodateiSchreiben(const std::string& dateiname, const Lottodatei& d, int& geschrieben) {
    geschrieben = 0;
    const auto inhalt = LottodateiKodieren(d, FormatAusName(dateiname), &geschrieben);
    if (!inhalt) return -1;
    const fs::path pfad = PfadVonName(dateiname);
    std::error_code ec;
    const bool vorhanden = fs::exists(pfad, ec);
    const std::string kopf = "Die Datei " + dateiname + " konnte nicht geschrieben werden:\r\n";
    const std::string bleibt = vorhanden ? "\r\nDie bisherige Datei bleibt unverändert." : "";
    std::string fehler;
    // Checked before the backup, so a refused save does not push the older backup out.
    const bool ok = ZielBeschreibbar(pfad, fehler);
    if (ok && vorhanden && !DateiSichern(dateiname, &fehler))
        fehler = "Die Sicherungskopie im Ordner Datensicherungen fehlt: " + fehler;
    else if (ok && AtomarErsetzen(pfad, *inhalt, fehler))
        return 0;
    geschrieben = 0;
    Meldung(kopf + fehler + bleibt, flags::Kritisch, kProduktname);
    return -1;
}

int16_t LottodateiSchreiben(const std::string& dateiname, const Lottodatei& d) {
    int geschrieben = 0;
    return LottodateiSchreiben(dateiname, d, geschrieben);
}

bool DateiSichern(const std::string& dateiname, std::string* fehler) {
    const fs::path datei = PfadVonName(dateiname);
    std::error_code ec;
    if (!fs::is_regular_file(datei, ec)) return true;
    fs::path ordner = Programm().sicherungsordner;
    if (ordner.empty()) ordner = datei.parent_path() / "Datensicherungen";
    const fs::path sicherung = ordner / datei.filename();
    if (GleicherPfad(datei, sicherung)) return true;
    // A copy, never a move: until the new version is in place the file itself stays.
    std::string grund;
    if (SicherungSchreiben(datei, sicherung, grund)) return true;
    if (fehler) *fehler = grund;
    return false;
}

}  // namespace zahlix
