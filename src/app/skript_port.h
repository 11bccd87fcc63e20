#pragma once
// A port for tests: answers come from queues the test fills in advance, and every request is
// recorded. An exhausted queue answers with the preset button and empty text.
#include <deque>
#include <string>
#include <vector>

#include "app/port.h"

namespace zahlix {

class SkriptPort : public Port {
public:
    SkriptPort();
    ~SkriptPort() override;  // restores the port that was installed before
    SkriptPort(const SkriptPort&) = delete;
    SkriptPort& operator=(const SkriptPort&) = delete;

    std::deque<Taste> tasten;              // answers for MeldungZeigen
    std::deque<std::string> eingaben;      // answers for EingabeZeigen
    std::deque<std::string> dateien;       // answers for DateiAuswaehlen

    std::vector<MeldungsAnfrage> meldungen;  // every message shown
    struct Anfrage {
        std::string a, b;
    };
    std::vector<Anfrage> eingabeAnfragen;  // prompt, title
    std::vector<Anfrage> dateiAnfragen;    // pattern, title
    std::vector<bool> beschaeftigt;        // every busy display change
    int pumpen = 0;

    Taste MeldungZeigen(const MeldungsAnfrage& anfrage) override;
    std::string EingabeZeigen(const std::string& prompt, const std::string& titel) override;
    std::string DateiAuswaehlen(const std::string& muster, const std::string& titel) override;
    void BeschaeftigtAnzeigen(bool b) override { beschaeftigt.push_back(b); }
    void EreignisseVerarbeiten() override { ++pumpen; }

    // Texts of all messages so far, for compact assertions.
    std::vector<std::string> MeldungsTexte() const;

private:
    Port* vorher_;
};

}  // namespace zahlix
