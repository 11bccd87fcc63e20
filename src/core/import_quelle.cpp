#include "core/import_quelle.h"

#include <charconv>
#include <chrono>

#include "core/json_lesen.h"
#include "core/lottodatei.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"

namespace zahlix {

namespace {

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    // Spreadsheet programs quote their fields.
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return s;
}

std::optional<int> Ziffern(std::string_view s) {
    int wert = 0;
    if (s.empty() || s.size() > 6) return std::nullopt;
    for (char c : s)
        if (c < '0' || c > '9') return std::nullopt;
    std::from_chars(s.data(), s.data() + s.size(), wert);
    return wert;
}

std::vector<std::string_view> Felder(std::string_view zeile) {
    const char trenner = zeile.find(';') != std::string_view::npos    ? ';'
                         : zeile.find('\t') != std::string_view::npos ? '\t'
                                                                      : ',';
    std::vector<std::string_view> felder;
    for (;;) {
        const size_t p = zeile.find(trenner);
        felder.push_back(Getrimmt(zeile.substr(0, p)));
        if (p == std::string_view::npos) break;
        zeile.remove_prefix(p + 1);
    }
    // A separator at the end of the line leaves no field.
    while (felder.size() > 1 && felder.back().empty()) felder.pop_back();
    return felder;
}

// A lottery file holds no more draws, so a longer source cannot be taken whole anyway; the
// bound keeps a huge file from filling the memory first.
bool Platz(const std::vector<Importziehung>& liste, std::string& fehler) {
    if (liste.size() < static_cast<size_t>(kMaxZiehungen)) return true;
    fehler = "Die Datei enthält mehr als " + Gruppiert(kMaxZiehungen) +
             " Ziehungen; so viele fasst keine Lottodatei.";
    return false;
}

bool CsvZeileLesen(std::string_view zeile, int nr, Importziehung& z, std::string& fehler) {
    const auto felder = Felder(zeile);
    z.zeile = nr;
    const std::string ort = "Zeile " + std::to_string(nr) + ": ";
    if (!ImportDatumLesen(felder[0], z.jahr, z.monat, z.tag)) {
        fehler = ort + "ungültiges Datum \"" + std::string(felder[0]) + "\".";
        return false;
    }
    for (size_t i = 1; i < felder.size(); ++i) {
        const auto n = Ziffern(felder[i]);
        if (!n) {
            fehler = ort + "\"" + std::string(felder[i]) + "\" ist keine Zahl.";
            return false;
        }
        z.zahlen.push_back(*n);
    }
    // A seventh number is the bonus number.
    if (z.zahlen.size() == 7) {
        z.zusatzzahl = z.zahlen.back();
        z.zahlen.pop_back();
    }
    return true;
}

std::optional<std::vector<Importziehung>> CsvLesen(std::string_view text, std::string& fehler) {
    std::vector<Importziehung> liste;
    bool ersteZeile = true;
    int nr = 0;
    while (!text.empty()) {
        // CR LF, LF and the lone CR of old Mac exports each end a line.
        const size_t p = text.find_first_of("\r\n");
        const std::string_view zeile = text.substr(0, p);
        const bool crlf = p != std::string_view::npos && text.substr(p, 2) == "\r\n";
        text.remove_prefix(p == std::string_view::npos ? text.size() : p + (crlf ? 2 : 1));
        ++nr;
        if (Getrimmt(zeile).empty()) continue;
        // A header names its columns; a line with a digit in its first field is data.
        if (ersteZeile && Felder(zeile)[0].find_first_of("0123456789") == std::string_view::npos) {
            ersteZeile = false;
            continue;
        }
        ersteZeile = false;
        if (!Platz(liste, fehler)) return std::nullopt;
        liste.emplace_back();
        if (!CsvZeileLesen(zeile, nr, liste.back(), fehler)) return std::nullopt;
    }
    return liste;
}

bool JsonEintragLesen(const JsonWert& w, Importziehung& z, std::string& fehler) {
    const std::string ort = ImportOrt(z) + ": ";
    const JsonWert* datum = w.Feld("date");
    const JsonWert* zahlen = w.Feld("Lottozahl");
    if (w.art != JsonWert::Art::Objekt || !datum || !zahlen) {
        fehler = ort + "Eintrag ohne \"date\" und \"Lottozahl\".";
        return false;
    }
    if (datum->art != JsonWert::Art::Text ||
        !ImportDatumLesen(datum->text, z.jahr, z.monat, z.tag)) {
        fehler = ort + "ungültiges Datum \"" + datum->text + "\".";
        return false;
    }
    if (zahlen->art != JsonWert::Art::Liste) {
        fehler = ort + "\"Lottozahl\" ist keine Liste.";
        return false;
    }
    for (const JsonWert& n : zahlen->liste) {
        const auto g = n.Ganzzahl();
        if (!g) {
            fehler = ort + "\"" + n.text + "\" ist keine ganze Zahl.";
            return false;
        }
        z.zahlen.push_back(*g);
    }
    // The "Superzahl" of the archive is no bonus number; a "Zusatzzahl" is taken when present.
    if (const JsonWert* zz = w.Feld("Zusatzzahl"); zz && zz->art != JsonWert::Art::Null) {
        const auto g = zz->Ganzzahl();
        if (!g) {
            fehler = ort + "ungültige Zusatzzahl.";
            return false;
        }
        z.zusatzzahl = *g;
    }
    return true;
}

std::optional<std::vector<Importziehung>> JsonAuswerten(std::string_view text,
                                                        std::string& fehler) {
    std::vector<Importziehung> liste;
    std::string grund;
    const auto lesen = [&](const JsonWert& w) {
        if (!Platz(liste, grund)) return false;
        Importziehung& z = liste.emplace_back();
        z.zeile = w.zeile;
        z.eintrag = static_cast<int>(liste.size());
        return JsonEintragLesen(w, z, grund);
    };
    switch (JsonListeLesen(text, "data", grund, lesen)) {
        case JsonListe::Gelesen:
            return liste;
        case JsonListe::Fehlt:
            fehler = "Die JSON-Datei enthält keine Liste \"data\" mit Ziehungen.";
            break;
        case JsonListe::Fehlerhaft:
            fehler = "Die JSON-Datei ist fehlerhaft (" + grund + ").";
            break;
        case JsonListe::Abgebrochen:
            fehler = grund;
            break;
    }
    return std::nullopt;
}

}  // namespace

std::string ImportOrt(const Importziehung& z) {
    std::string ort = "Zeile " + std::to_string(z.zeile);
    if (z.eintrag > 0) ort += ", Eintrag " + std::to_string(z.eintrag);
    return ort;
}

bool ImportDatumLesen(std::string_view text, int& jahr, int& monat, int& tag) {
    std::optional<int> j, m, t;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        j = Ziffern(text.substr(0, 4));
        m = Ziffern(text.substr(5, 2));
        t = Ziffern(text.substr(8, 2));
    } else {
        const size_t p1 = text.find('.');
        const size_t p2 = p1 == std::string_view::npos ? p1 : text.find('.', p1 + 1);
        if (p2 == std::string_view::npos || p1 > 2 || p2 - p1 > 3 || text.size() - p2 != 5)
            return false;
        t = Ziffern(text.substr(0, p1));
        m = Ziffern(text.substr(p1 + 1, p2 - p1 - 1));
        j = Ziffern(text.substr(p2 + 1));
    }
    if (!j || !m || !t || *j < 1900 || *j > 2099) return false;
    const std::chrono::year_month_day d{std::chrono::year{*j},
                                        std::chrono::month{static_cast<unsigned>(*m)},
                                        std::chrono::day{static_cast<unsigned>(*t)}};
    if (!d.ok()) return false;
    jahr = *j;
    monat = *m;
    tag = *t;
    return true;
}

std::optional<std::vector<Importziehung>> ImportquelleLesen(std::string_view bytes,
                                                            std::string& fehler) {
    const std::string text = TextDekodieren(bytes);
    const size_t start = text.find_first_not_of(" \t\r\n");
    const bool json = start != std::string::npos && (text[start] == '{' || text[start] == '[');
    auto liste = json ? JsonAuswerten(text, fehler) : CsvLesen(text, fehler);
    // Nothing to take is no success: the file is most likely not what the user meant.
    if (liste && liste->empty()) {
        fehler = json ? "Die JSON-Datei enthält keine Ziehung."
                      : "Die Datei enthält keine Zeile mit Datum und Zahlen.";
        return std::nullopt;
    }
    return liste;
}

}  // namespace zahlix
