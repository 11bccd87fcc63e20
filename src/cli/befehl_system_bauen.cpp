// system bauen ZIEL --zahlen Z1,... --garantie T[,M] [--sekunden S] [--seed N]
// [--hoechstens R] [--zufallsbelegung]: builds a reduced system, checks it and saves it.
#include <charconv>
#include <filesystem>
#include <ostream>

#include "cli/auswertung_cli.h"
#include "systems/verkuerzung.h"

namespace zahlix::cli {

namespace {

template <typename T>
std::optional<T> Ganz(const std::string& t) {
    T w{};
    const char* ende = t.data() + t.size();
    auto [p, ec] = std::from_chars(t.data(), ende, w);
    if (t.empty() || ec != std::errc{} || p != ende) return std::nullopt;
    return w;
}

std::optional<std::vector<int>> Kommaliste(const std::string& t) {
    std::vector<int> z;
    for (size_t start = 0; start <= t.size();) {
        const size_t ende = std::min(t.find(',', start), t.size());
        const auto n = Ganz<int>(t.substr(start, ende - start));
        if (!n) return std::nullopt;
        z.push_back(*n);
        start = ende + 1;
    }
    return z;
}

// The German reason of the first bad argument, or nothing.
std::optional<std::string> Lesen(const Argumente& a, Verkuerzungsauftrag& v) {
    bool zahlen = false, garantie = false;
    for (size_t i = 1; i < a.size(); ++i) {
        std::string name = a[i], wert;
        if (name == "--zufallsbelegung") {
            v.zufallsbelegung = true;
            continue;
        }
        if (const size_t gleich = name.find('='); name.starts_with("--") && gleich != name.npos) {
            wert = name.substr(gleich + 1);
            name.resize(gleich);
        } else if (i + 1 < a.size()) {
            wert = a[++i];
        } else {
            return name.starts_with("--") ? "Zu " + name + " fehlt der Wert."
                                          : "Unerwartetes Argument: " + name;
        }
        if (name == "--zahlen") {
            const auto z = Kommaliste(wert);
            if (!z) return "--zahlen erwartet Zahlen mit Komma getrennt, etwa 1,5,9,12,20,33,41.";
            v.zahlen = *z, zahlen = true;
        } else if (name == "--garantie") {
            const auto g = Kommaliste(wert);
            if (!g || g->size() > 2)
                return std::string("--garantie erwartet T oder T,M, etwa 3 oder 3,4.");
            v.t = g->front(), v.m = g->back(), garantie = true;
        } else if (name == "--sekunden") {
            v.sekunden = Ganz<int>(wert);
            if (!v.sekunden) return "--sekunden erwartet eine ganze Zahl von Sekunden.";
        } else if (name == "--seed") {
            const auto s = Ganz<uint64_t>(wert);
            if (!s) return "--seed erwartet eine ganze Zahl ab 0.";
            v.seed = *s;
        } else if (name == "--hoechstens") {
            v.hoechstens = Ganz<int>(wert);
            if (!v.hoechstens) return "--hoechstens erwartet eine Anzahl Reihen.";
        } else {
            return "Unbekannte Option: " + name;
        }
    }
    if (!zahlen) return std::string("Es fehlen die Zahlen (--zahlen Z1,...).");
    if (!garantie) return std::string("Es fehlt die Garantie (--garantie T[,M]).");
    return VerkuerzungPruefen(v);
}

}  // namespace

int SystemBauen(const Argumente& a, std::ostream& out, std::ostream& err) {
    if (a.empty() || a.front().starts_with("--")) {
        err << "Es fehlt der Name der Systemdatei.\n" << Verwendung();
        return kAufruffehler;
    }
    const std::string name = std::filesystem::path(a.front()).filename().string();
    if (!SystemformatAus(name)) {
        err << name << " ist kein gültiger Systemdateiname (.ZS4, .ZS3 oder .TXT).\n";
        return kAufruffehler;
    }
    Verkuerzungsauftrag v;
    if (const auto fehler = Lesen(a, v)) {
        err << *fehler << "\n";
        return kAufruffehler;
    }
    const Verkuerzungsergebnis e = SystemVerkuerzen(v);
    if (!e.meldung.empty()) {
        err << e.meldung << "\n";
        return kDatenfehler;
    }
    TextUnveraendertAusgeben(out, e.kopf);
    std::string fehler;
    if (!SystemSchreiben(a.front(), e.system, fehler)) {
        err << fehler << "\n";
        return kDatenfehler;
    }
    out << "Gespeichert: " << a.front() << "\n";
    return kErfolg;
}

}  // namespace zahlix::cli
