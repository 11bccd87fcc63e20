#include "shell/zuletzt.h"

#include <algorithm>
#include <system_error>

#include "app/programm.h"
#include "core/atomare_datei.h"
#include "core/dateiname.h"
#include "shell/muster.h"

namespace zahlix {

namespace {

// Longer than any path a file system accepts: such a line is garbage, not a file name.
constexpr size_t kLaengsterPfad = 32767;

bool KannPfadSein(const std::string& zeile) {
    if (zeile.size() > kLaengsterPfad) return false;
    return std::none_of(zeile.begin(), zeile.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
}

}  // namespace

std::filesystem::path ZuletztPfad() {
    std::filesystem::path ordner = Programm().startverzeichnis;
    if (ordner.empty()) {
        std::error_code ec;
        ordner = std::filesystem::current_path(ec);
    }
    return ordner / kZuletztDatei;
}

std::vector<std::string> ZuletztLaden(const std::filesystem::path& datei) {
    std::vector<std::string> liste;
    const auto zeilen = TextzeilenLesen(datei);
    if (!zeilen) return liste;
    for (const auto& zeile : *zeilen) {
        if (zeile.empty()) break;
        if (KannPfadSein(zeile)) liste.push_back(zeile);
    }
    return liste;
}

bool ZuletztSpeichern(const std::filesystem::path& datei, const std::vector<std::string>& liste) {
    std::string text;
    for (const auto& eintrag : liste) text += eintrag + "\r\n";
    std::string fehler;
    return AtomarErsetzen(datei, text, fehler);
}

void ZuletztEintragen(std::vector<std::string>& liste, const std::string& pfad,
                      const std::filesystem::path& datei) {
    if (pfad.empty() || !KannPfadSein(pfad)) return;
    const std::string eintrag = NativerPfad(pfad);
    std::erase_if(liste, [&](const std::string& e) { return GleicherPfad(e, eintrag); });
    liste.insert(liste.begin(), eintrag);
    ZuletztSpeichern(datei, liste);
}

std::vector<std::string> ZuletztFiltern(const std::vector<std::string>& liste,
                                        const std::string& muster) {
    std::vector<std::string> aus;
    std::copy_if(liste.begin(), liste.end(), std::back_inserter(aus),
                 [&](const std::string& e) { return MusterPasst(e, muster); });
    return aus;
}

}  // namespace zahlix
