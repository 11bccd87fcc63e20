#include "app/port.h"

#include <chrono>

namespace zahlix {

namespace {

StillerPort stillerPort;
Port* aktuellerPort = &stillerPort;
int beschaeftigtZaehler = 0;
std::chrono::steady_clock::time_point letztesPumpen{};

}  // namespace

std::optional<MeldungsAnfrage> MeldungDeuten(const std::string& text, int flags,
                                             const std::string& titel) {
    MeldungsAnfrage a;
    a.text = text;
    a.titel = titel;
    switch (flags & 240) {
        case 16: a.symbol = Symbol::Kritisch; flags -= 16; break;
        case 32: a.symbol = Symbol::Frage; flags -= 32; break;
        case 48: a.symbol = Symbol::Ausruf; flags -= 48; break;
        case 64: a.symbol = Symbol::Information; flags -= 64; break;
        default: break;
    }
    switch (flags) {
        case 0: a.knoepfe = Knoepfe::OK; break;
        case 1: a.knoepfe = Knoepfe::OKAbbrechen; break;
        case 257: a.knoepfe = Knoepfe::OKAbbrechen; a.vorbelegt = Taste::Zweite; break;
        case 4: a.knoepfe = Knoepfe::JaNein; break;
        case 260: a.knoepfe = Knoepfe::JaNein; a.vorbelegt = Taste::Zweite; break;
        default: return std::nullopt;
    }
    return a;
}

Port* PortInstallieren(Port* p) {
    Port* vorher = aktuellerPort;
    aktuellerPort = p ? p : &stillerPort;
    return vorher == &stillerPort ? nullptr : vorher;
}

Port& AktuellerPort() { return *aktuellerPort; }

int16_t Meldung(const std::string& text, int flags, const std::string& titel) {
    auto anfrage = MeldungDeuten(text, flags, titel);
    if (!anfrage) return 0;
    const Taste t = aktuellerPort->MeldungZeigen(*anfrage);
    if (t == Taste::Geschlossen) return anfrage->knoepfe == Knoepfe::OK ? kOK : kAbbrechen;
    const bool erste = t == Taste::Erste;
    if (anfrage->knoepfe == Knoepfe::JaNein) return erste ? kJa : kNein;
    return erste ? kOK : kAbbrechen;
}

std::string Eingabe(const std::string& prompt, const std::string& titel) {
    return aktuellerPort->EingabeZeigen(prompt, titel);
}

std::string DateiAuswaehlen(const std::string& muster, const std::string& titel) {
    return aktuellerPort->DateiAuswaehlen(muster, titel);
}

void Beschaeftigt(int modus) {
    if (modus == -1) ++beschaeftigtZaehler;
    if (modus == 0 && beschaeftigtZaehler > 0) --beschaeftigtZaehler;
    aktuellerPort->BeschaeftigtAnzeigen(beschaeftigtZaehler > 0);
}

int BeschaeftigtZaehler() { return beschaeftigtZaehler; }

void EreignissePumpen() {
    const auto jetzt = std::chrono::steady_clock::now();
    if (jetzt - letztesPumpen < std::chrono::milliseconds(20)) return;
    letztesPumpen = jetzt;
    aktuellerPort->EreignisseVerarbeiten();
}

void EreignissePumpenSofort() {
    letztesPumpen = std::chrono::steady_clock::now();
    aktuellerPort->EreignisseVerarbeiten();
}

}  // namespace zahlix
