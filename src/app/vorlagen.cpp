#include "app/vorlagen.h"

#include "app/anwendungsdateien.h"

namespace fs = std::filesystem;

namespace zahlix {

fs::path InstallierteDaten(const fs::path& programmverzeichnis) {
    return (programmverzeichnis / ".." / "share" / "zahlix").lexically_normal();
}

std::vector<fs::path> VordefinierteDateienBereitstellen(const fs::path& start,
                                                        const fs::path& programmverzeichnis) {
    std::vector<fs::path> kopiert;
    const fs::path quelle = InstallierteDaten(programmverzeichnis);
    std::error_code ec;
    if (programmverzeichnis.empty() || !fs::is_directory(quelle, ec)) return kopiert;
    // A user who removed some of them keeps it that way; only a fresh folder gets them all.
    for (const auto& l : VordefinierteLotterien())
        if (!DateiFinden(start, l.datei).empty()) return kopiert;
    for (const auto& l : VordefinierteLotterien()) {
        const std::string name = DateiFinden(quelle, l.datei);
        if (name.empty()) continue;
        if (fs::copy_file(quelle / name, start / name, fs::copy_options::skip_existing, ec))
            kopiert.push_back(name);
    }
    return kopiert;
}

}  // namespace zahlix
