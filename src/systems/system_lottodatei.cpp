#include "systems/system_lottodatei.h"

#include "core/reihenbereich.h"
#include "core/textdatei.h"
#include "core/zahlformat.h"

namespace zahlix {

bool SystemPasstInsFenster(const Tippsystem& s, const std::string& name, std::string& fehler) {
    const std::string kurz = TextAusPfad(PfadVonName(name).filename());
    if (s.reihen.size() > static_cast<size_t>(kMaxFensterreihen)) {
        fehler = "Das System " + kurz + " hat " + Gruppiert(static_cast<int64_t>(s.reihen.size())) +
                 " Reihen; die Lotto-Auswertung zeigt höchstens " + Gruppiert(kMaxFensterreihen) +
                 ". Größere Systeme wertet \"Systemdatei auswerten\" im Menü Datei aus.";
        return false;
    }
    if (s.reihen.empty()) {
        fehler = "Das System " + kurz + " enthält keine Reihe.";
        return false;
    }
    return true;
}

bool SystemInLottodatei(const Tippsystem& s, const std::string& name, Lottodatei& d,
                        std::string& fehler) {
    if (!SystemPasstInsFenster(s, name, fehler)) return false;
    Lottodatei neu;
    neu.Dateiname = name;
    neu.GroessteZahl = static_cast<int16_t>(s.groessteZahl);
    neu.Trefferanzeige = d.Trefferanzeige;
    for (size_t i = 0; i < s.reihen.size(); ++i) {
        const int k = static_cast<int>(i);
        neu.WocheKennung[k] = WocheKennungAus(1, 0);
        neu.JahrCode[k] = kJahrCode1900;
        neu.ZahlenSetzen(k, BitworteAusMaske(s.reihen[i]));
    }
    neu.LetzterIndex = static_cast<int16_t>(s.reihen.size() - 1);
    neu.Titel = "Systemreihe";  // marks the system before its range line is rendered
    ReihenbereichAufheben(neu);
    d = std::move(neu);
    return true;
}

Tippsystem SystemAusLottodatei(const Lottodatei& d, bool imBereich) {
    Tippsystem s;
    s.groessteZahl = d.GroessteZahl;
    const int n = d.Anzahl();
    s.reihen.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        if (!imBereich || d.ImBereich[i] == -1) s.reihen.push_back(MaskeAusBitworten(d.Zahlen(i)));
    return s;
}

}  // namespace zahlix
