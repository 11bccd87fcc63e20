#pragma once
// The one way the logic reaches the user: message box, input box, file dialog, busy indicator
// and the event pump. The GUI installs the real windows; tests install a ScriptPort; the
// command line installs a port that asks nothing.
#include <cstdint>
#include <optional>
#include <string>

namespace zahlix {

enum class Symbol { Unveraendert, Kritisch, Frage, Ausruf, Information };
enum class Knoepfe { OK, OKAbbrechen, JaNein };
// The button whose answer the box holds: "OK" (first) or "Abbrechen" (second) in the tag;
// Geschlossen when a box with two buttons was closed without one (Esc, close box).
enum class Taste { Erste, Zweite, Geschlossen };

struct MeldungsAnfrage {
    std::string text;
    std::string titel;
    Symbol symbol = Symbol::Unveraendert;
    Knoepfe knoepfe = Knoepfe::OK;
    Taste vorbelegt = Taste::Erste;  // focused at first and taken by Enter
};

// Message-box flags: icon 16/32/48/64, buttons 0 = OK, 1 = OK/Cancel, 4 = Yes/No,
// 256 = second button preselected.
namespace flags {
constexpr int16_t Kritisch = 16, Frage = 32, Ausruf = 48, Information = 64;
constexpr int16_t OK = 0, OKAbbrechen = 1, JaNein = 4, Zweiter = 256;
}  // namespace flags

// Answers of Meldung.
constexpr int16_t kOK = 1, kAbbrechen = 2, kJa = 6, kNein = 7;

// The request the flags describe, or nothing for an unknown button set (Meldung answers 0).
std::optional<MeldungsAnfrage> MeldungDeuten(const std::string& text, int flags,
                                             const std::string& titel);

class Port {
public:
    virtual ~Port() = default;
    // Shows the box modally and returns the button chosen; closing a box that has a second
    // button without choosing one (Esc, close box) returns Geschlossen.
    virtual Taste MeldungZeigen(const MeldungsAnfrage& anfrage) = 0;
    // Returns the entered text, or "" when cancelled.
    virtual std::string EingabeZeigen(const std::string& prompt, const std::string& titel) = 0;
    // The program's file dialog; returns the chosen path or "" when cancelled.
    virtual std::string DateiAuswaehlen(const std::string& muster, const std::string& titel) = 0;
    // Called whenever the busy counter changes between 0 and above 0.
    virtual void BeschaeftigtAnzeigen(bool beschaeftigt) = 0;
    // Lets pending window events run (a stop request arrives this way).
    virtual void EreignisseVerarbeiten() = 0;
};

// A port that shows nothing: messages take their preset answer, input and file requests
// are cancelled. Installed until the program installs its own.
class StillerPort : public Port {
public:
    Taste MeldungZeigen(const MeldungsAnfrage& a) override { return a.vorbelegt; }
    std::string EingabeZeigen(const std::string&, const std::string&) override { return {}; }
    std::string DateiAuswaehlen(const std::string&, const std::string&) override { return {}; }
    void BeschaeftigtAnzeigen(bool) override {}
    void EreignisseVerarbeiten() override {}
};

// Installs p (not owned; nullptr restores the silent port) and returns the previous one.
Port* PortInstallieren(Port* p);
Port& AktuellerPort();

// The program's message box: 1 OK, 2 Cancel, 6 Yes, 7 No, 0 for an unknown button set. A box
// closed without a button answers 2 (also a Yes/No box): neither confirms, so Esc never
// overwrites, deletes or quits.
int16_t Meldung(const std::string& text, int flags, const std::string& titel);
std::string Eingabe(const std::string& prompt, const std::string& titel);
std::string DateiAuswaehlen(const std::string& muster, const std::string& titel);

// Busy sections nest: -1 enters, 0 leaves (never below 0), other modes only refresh.
void Beschaeftigt(int modus);
int BeschaeftigtZaehler();

// Lets pending events run, at most about every 20 ms, so long loops stay fast and responsive.
// Call it once per step of a long loop.
void EreignissePumpen();
// Runs the events now, regardless of the time since the last run.
void EreignissePumpenSofort();

// The product name, title of error messages.
inline constexpr const char* kProduktname = "Zahlix";

}  // namespace zahlix
