#include "core/dateisperre.h"

#include <system_error>
#include <thread>
#include <utility>

#include "core/atomare_datei.h"
#include "core/dateiname.h"
#include "core/dateisystem.h"
#include "core/systemfehler.h"
#include "core/textdatei.h"

namespace fs = std::filesystem;

namespace zahlix {

namespace {

constexpr std::chrono::milliseconds kPause{25};

std::string Name(const fs::path& datei) {
    return "Die Datei " + TextAusPfad(datei.filename());
}

}  // namespace

fs::path SperrdateiPfad(const fs::path& datei) {
    const fs::path echt = VerknuepfungAufloesen(datei);
    return echt.parent_path() / fs::path("." + TextAusPfad(echt.filename()) + ".zxsperre");
}

Dateisperre Dateisperre::Nehmen(const fs::path& datei, std::string& fehler,
                                std::chrono::milliseconds warten) {
    const fs::path begleiter = SperrdateiPfad(datei);
    const fs::path echt = VerknuepfungAufloesen(datei);
    const auto ende = std::chrono::steady_clock::now() + warten;
    const auto besetzt = std::make_error_code(std::errc::device_or_resource_busy);
    for (;;) {
        std::error_code grund;
        fs::path pfad = begleiter;
        // A companion 11 characters longer than a data file near Windows's path limit cannot
        // be.
        Dateigriff g;
        if (DateinameUnzulaessig(begleiter))
            grund = std::make_error_code(std::errc::filename_too_long);
        else
            g = ZumSperrenOeffnen(begleiter, true, grund);
        if (!g.Offen() &&
            (grund == std::errc::permission_denied || grund == std::errc::read_only_file_system ||
             grund == std::errc::operation_not_permitted ||
             grund == std::errc::filename_too_long)) {
            // No companion can be made here: the data file itself carries the lock.
            pfad.clear();
            grund.clear();
            g = ZumSperrenOeffnen(echt, false, grund);
        }
        if (g.Offen()) {
            const Sperrversuch v = SperreVersuchen(g);
            if (v == Sperrversuch::Gehalten && (pfad.empty() || DieselbeDatei(g, pfad))) {
                Dateisperre s;
                s.griff_ = std::move(g);
                s.begleiter_ = pfad;
                return s;
            }
            if (v == Sperrversuch::Gehalten) continue;  // a removed companion: take the new one
            grund = v == Sperrversuch::Besetzt ? besetzt
                                               : std::make_error_code(std::errc::permission_denied);
        }
        if (grund != besetzt || std::chrono::steady_clock::now() >= ende) {
            fehler =
                grund == besetzt
                    ? Name(datei) +
                          " wird gerade von einem anderen Zahlix-Fenster oder -Programm "
                          "geändert. Bitte versuchen Sie es gleich noch einmal."
                    : Name(datei) + " kann nicht gesperrt werden: " + SystemfehlerText(grund) + ".";
            return {};
        }
        std::this_thread::sleep_for(kPause);
    }
}

bool ZumSchreibenSperren(const fs::path& datei, Dateisperre& sperre, std::string& fehler) {
    const fs::path ordner = VerknuepfungAufloesen(datei).parent_path();
    std::error_code ec;
    if (!ordner.empty() && !fs::is_directory(ordner, ec)) return true;
    sperre = Dateisperre::Nehmen(datei, fehler);
    return sperre.Gehalten();
}

void Dateisperre::Freigeben() {
    if (!griff_.Offen()) return;
    // Removed while still held, so nobody can take the lock on a companion about to vanish.
    if (!begleiter_.empty()) {
        std::error_code ec;
        fs::remove(begleiter_, ec);
    }
    griff_.Schliessen();
    begleiter_.clear();
}

Dateisperre::~Dateisperre() {
    Freigeben();
}

Dateisperre::Dateisperre(Dateisperre&& o) noexcept
    : griff_(std::move(o.griff_)), begleiter_(std::move(o.begleiter_)) {}

Dateisperre& Dateisperre::operator=(Dateisperre&& o) noexcept {
    if (this != &o) {
        Freigeben();
        griff_ = std::move(o.griff_);
        begleiter_ = std::move(o.begleiter_);
    }
    return *this;
}

}  // namespace zahlix
