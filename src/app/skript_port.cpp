#include "app/skript_port.h"

namespace zahlix {

SkriptPort::SkriptPort() : vorher_(PortInstallieren(this)) {}

SkriptPort::~SkriptPort() { PortInstallieren(vorher_); }

Taste SkriptPort::MeldungZeigen(const MeldungsAnfrage& anfrage) {
    meldungen.push_back(anfrage);
    if (tasten.empty()) return anfrage.vorbelegt;
    Taste t = tasten.front();
    tasten.pop_front();
    return t;
}

std::string SkriptPort::EingabeZeigen(const std::string& prompt, const std::string& titel) {
    eingabeAnfragen.push_back({prompt, titel});
    if (eingaben.empty()) return {};
    std::string e = eingaben.front();
    eingaben.pop_front();
    return e;
}

std::string SkriptPort::DateiAuswaehlen(const std::string& muster, const std::string& titel) {
    dateiAnfragen.push_back({muster, titel});
    if (dateien.empty()) return {};
    std::string d = dateien.front();
    dateien.pop_front();
    return d;
}

std::vector<std::string> SkriptPort::MeldungsTexte() const {
    std::vector<std::string> t;
    for (const auto& m : meldungen) t.push_back(m.text);
    return t;
}

}  // namespace zahlix
