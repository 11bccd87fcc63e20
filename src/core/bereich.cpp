#include "core/bereich.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "core/zahlformat.h"

namespace zahlix {

namespace {

// Leading-number reading: blanks skipped, then digits; anything else gives 0. The fields never
// hold a sign, so none is read: a stray "-" must not turn into a negative week or year.
int16_t Zahlwert(std::string_view text, size_t pos1, size_t laenge) {
    if (pos1 == 0 || pos1 - 1 >= text.size()) return 0;
    std::string_view s = text.substr(pos1 - 1, laenge);
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    long wert = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) wert = wert * 10 + (s[i] - '0');
    return static_cast<int16_t>(std::min(wert, 32767L));
}

bool EndetMit(std::string_view s, std::string_view ende) {
    return s.size() >= ende.size() && s.substr(s.size() - ende.size()) == ende;
}

// Takes the flag words off the end of the tail; they are always written last, " Gruppe" first.
void FlagsLesen(std::string_view& rest, Bereichswerte& b) {
    b.zahlen = EndetMit(rest, " Zahlen");
    if (b.zahlen) rest.remove_suffix(7);
    b.gruppe = EndetMit(rest, " Gruppe");
    if (b.gruppe) rest.remove_suffix(7);
}

// The text up to the first of the given markers, or all of it.
std::string_view BisMarke(std::string_view rest, std::initializer_list<std::string_view> marken) {
    size_t ende = rest.size();
    for (auto m : marken) {
        const size_t p = rest.find(m);
        if (p != std::string_view::npos && p < ende) ende = p;
    }
    return rest.substr(0, ende);
}

void SystemzeileLesen(std::string_view text, Bereichswerte& b) {
    b.ersteReihe = Zahlwert(text, 13, 5);
    b.letzteReihe = Zahlwert(text, 21, 5);
    b.systemdatei = true;
    std::string_view rest = text.size() > 25 ? text.substr(25) : std::string_view{};
    FlagsLesen(rest, b);
    b.kennung.clear();
    b.reihenliste.clear();
    if (rest.starts_with(" Ke: ")) {
        rest.remove_prefix(5);
        const auto k = BisMarke(rest, {" R="});
        b.kennung = std::string(k);
        rest.remove_prefix(k.size());
    }
    if (rest.starts_with(" R=")) b.reihenliste = std::string(rest.substr(3));
}

}  // namespace

void Bereichswerte::EinschraenkungenAufheben() {
    wochenImJahrVon = 1;
    wochenImJahrBis = 53;
    markierung = 0;
    kennung.clear();
    wochenliste.clear();
    jahresliste.clear();
    gruppe = false;
    zahlen = false;
    letzte = 0;
}

Bereichswerte& Auswertebereich() {
    static Bereichswerte werte;
    return werte;
}

std::string BereichText(const Bereichswerte& b) {
    std::string t;
    if (b.systemdatei) {
        t = "Systemreihe " + ZahlRechts5(b.ersteReihe) + " - " + ZahlRechts5(b.letzteReihe);
        if (!b.kennung.empty()) t += " Ke: " + b.kennung;
        if (!b.reihenliste.empty()) t += " R=" + b.reihenliste;
    } else {
        t = ZahlNull2(b.wocheVon) + "/" + ZahlNull4(b.jahrVon) + "-" + ZahlNull2(b.wocheBis) + "/" +
            ZahlNull4(b.jahrBis) + "  Wo:" + ZahlNull2(b.wochenImJahrVon) + "-" +
            ZahlNull2(b.wochenImJahrBis);
        switch (b.markierung) {
            case 0: t += ' '; break;
            case 1: t += 'G'; break;
            case 2: t += 'U'; break;
            default: break;
        }
        if (!b.kennung.empty()) t += " Ke:" + b.kennung;
        if (!b.wochenliste.empty()) t += " W=" + b.wochenliste;
        if (!b.jahresliste.empty()) t += " J=" + b.jahresliste;
        if (b.letzte > 0) t += " Letzte " + std::to_string(b.letzte);
    }
    if (b.gruppe) t += " Gruppe";
    if (b.zahlen) t += " Zahlen";
    return t;
}

std::string BereichText() { return BereichText(Auswertebereich()); }

void BereichTextLesen(const std::string& text, Bereichswerte& b) {
    const std::string_view s = text;
    if (s.starts_with("System")) {
        SystemzeileLesen(s, b);
        return;
    }
    b.wocheVon = Zahlwert(s, 1, 2);
    b.wocheBis = Zahlwert(s, 9, 2);
    b.jahrVon = Zahlwert(s, 4, 4);
    b.jahrBis = Zahlwert(s, 12, 4);
    b.wochenImJahrVon = Zahlwert(s, 21, 2);
    b.wochenImJahrBis = Zahlwert(s, 24, 2);
    if (s.size() >= 26) {
        switch (s[25]) {
            case ' ': b.markierung = 0; break;
            case 'G': b.markierung = 1; break;
            case 'U': b.markierung = 2; break;
            default: break;
        }
    }
    b.systemdatei = false;

    // The tail is read by its markers so that every line BereichText writes comes back whole;
    // an identifier is only taken when its " Ke:" marker is really there.
    std::string_view rest = s.size() > 26 ? s.substr(26) : std::string_view{};
    FlagsLesen(rest, b);
    b.kennung.clear();
    b.wochenliste.clear();
    b.jahresliste.clear();
    if (rest.starts_with(" Ke:")) {
        rest.remove_prefix(4);
        const auto k = BisMarke(rest, {" W=", " J=", " Letzte "});
        b.kennung = std::string(k);
        rest.remove_prefix(k.size());
    }
    if (rest.starts_with(" W=")) {
        rest.remove_prefix(3);
        const auto w = BisMarke(rest, {" J=", " Letzte "});
        b.wochenliste = std::string(w);
        rest.remove_prefix(w.size());
    }
    if (rest.starts_with(" J=")) {
        rest.remove_prefix(3);
        const auto j = BisMarke(rest, {" Letzte "});
        b.jahresliste = std::string(j);
        rest.remove_prefix(j.size());
    }
    b.letzte = rest.starts_with(" Letzte ") ? Zahlwert(rest, 9, 5) : int16_t{0};
}

void BereichTextLesen(const std::string& text) { BereichTextLesen(text, Auswertebereich()); }

bool IstSystembereich(const std::string& bereichText) {
    return bereichText.starts_with("System");
}

}  // namespace zahlix
