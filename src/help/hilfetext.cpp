#include "help/hilfetext.h"

#include <algorithm>
#include <new>

#include "core/systemfehler.h"
#include "core/textdatei.h"

namespace zahlix {

namespace {

constexpr std::string_view kAuf = "\xC2\xAB";  // «
constexpr std::string_view kZu = "\xC2\xBB";   // »
// A chain of topics that refer on ends here, so a loop in the file cannot hang the window.
constexpr int kGroessteTiefe = 8;

std::string_view ZeileAb(std::string_view text, std::size_t pos) {
    const std::size_t ende = text.find('\n', pos);
    return text.substr(pos, ende == std::string_view::npos ? text.npos : ende - pos);
}

}  // namespace

Indexeintrag IndexeintragDeuten(const std::string& schluessel) {
    Indexeintrag e{schluessel, kGruppeKeine, schluessel};
    const std::size_t p1 = schluessel.find('.');
    if (p1 == std::string::npos) {
        e.gruppe = kGruppeModul;
        return e;
    }
    const std::string vorne = schluessel.substr(0, p1);
    const std::size_t p2 = schluessel.find('.', p1 + 1);
    if (p2 == std::string::npos) {
        e.titel = schluessel.substr(p1 + 1);
        const std::array<const char*, 4> praefixe = {"Zahlix", "Dialog", "Symbol", "Befehl"};
        for (std::size_t i = 0; i < praefixe.size(); ++i)
            if (vorne == praefixe[i]) e.gruppe = kGruppeAllgemein + static_cast<int>(i);
        return e;
    }
    const std::string menue = schluessel.substr(p1 + 1, p2 - p1 - 1);
    e.titel = schluessel.substr(p2 + 1);
    if (vorne != "Menü") return e;
    for (std::size_t i = 0; i < kHilfemenues.size(); ++i)
        if (menue == kHilfemenues[i]) e.gruppe = kGruppeMenue0 + static_cast<int>(i);
    return e;
}

Hilfetext::Hilfetext(std::string text) : text_(std::move(text)) {
    std::size_t pos = 0;
    while (pos < text_.size() && text_[pos] != '~') {
        const std::string_view zeile = ZeileAb(text_, pos);
        if (index_.size() > kGroessterHilfeindex) break;
        if (!zeile.empty()) index_.push_back(IndexeintragDeuten(std::string(zeile)));
        pos += zeile.size() + 1;
    }
}

std::size_t Hilfetext::Suchen(std::string_view schluessel) const {
    if (schluessel.empty()) return std::string::npos;
    const std::string marke = "~~" + std::string(schluessel);
    for (std::size_t pos = text_.find(marke); pos != std::string::npos;
         pos = text_.find(marke, pos + 1)) {
        const std::size_t ende = pos + marke.size();
        const bool zeilenanfang = pos == 0 || text_[pos - 1] == '\n';
        if (zeilenanfang && (ende == text_.size() || text_[ende] == '\n')) return pos;
    }
    return std::string::npos;
}

std::string Hilfetext::Kopieren(std::size_t position) const {
    return Kopieren(position, 0);
}

std::string Hilfetext::Kopieren(std::size_t position, int tiefe) const {
    if (position == std::string::npos || position + 2 > text_.size()) return {};
    const std::size_t anfang = position + 2;
    const std::size_t ende = text_.find('~', anfang);
    if (ende == std::string::npos) return text_.substr(anfang);
    std::string thema = text_.substr(anfang, ende - anfang);
    if (text_.compare(ende + 1, kZu.size(), kZu) != 0) return thema;
    const std::string_view weiter = ZeileAb(text_, ende + 1 + kZu.size());
    const std::size_t ziel = Suchen(weiter);
    if (ziel == std::string::npos || tiefe >= kGroessteTiefe) return thema;
    return thema + "-> " + Kopieren(ziel, tiefe + 1);
}

std::optional<std::string> Hilfetext::Thema(std::string_view schluessel) const {
    const std::size_t pos = Suchen(schluessel);
    if (pos == std::string::npos) return std::nullopt;
    return Kopieren(pos);
}

std::string Hilfetext::NummerSchluessel(int nummer) const {
    const std::string marke = "~#" + std::to_string(nummer);
    for (std::size_t pos = text_.find(marke); pos != std::string::npos;
         pos = text_.find(marke, pos + 1)) {
        // "~#1" must not match the marker "~#12".
        const std::size_t nach = pos + marke.size();
        if (nach < text_.size() && text_[nach] >= '0' && text_[nach] <= '9') continue;
        const std::size_t thema = text_.find("~~", nach);
        if (thema == std::string::npos) break;
        return std::string(ZeileAb(text_, thema + 2));
    }
    return "Einführung";
}

std::vector<std::string> Hilfetext::Themen() const {
    std::vector<std::string> themen;
    for (std::size_t pos = text_.find("~~"); pos != std::string::npos;
         pos = text_.find("~~", pos + 2))
        if (pos == 0 || text_[pos - 1] == '\n') themen.emplace_back(ZeileAb(text_, pos + 2));
    return themen;
}

std::string Hilfetext::Uebergroesse() const {
    if (index_.size() > kGroessterHilfeindex) return "ihr Verzeichnis hat mehr als 2.000 Zeilen";
    for (const Indexeintrag& e : index_)
        if (e.schluessel.size() > kLaengsterHilfeschluessel)
            return "eine Zeile ihres Verzeichnisses ist länger als 200 Zeichen";
    std::size_t themen = 0;
    for (std::size_t pos = text_.find("~~"); pos != std::string::npos;
         pos = text_.find("~~", pos + 2)) {
        if (pos > 0 && text_[pos - 1] != '\n') continue;
        if (++themen > kGroessterHilfeindex) return "sie hat mehr als 2.000 Themen";
        const std::size_t ende = std::min(text_.find('~', pos + 2), text_.size());
        if (ende - pos > kGroesstesHilfethema)
            return "das Thema " + std::string(ZeileAb(text_, pos + 2)).substr(0, 60) +
                   " ist länger als 100.000 Zeichen";
    }
    return {};
}

std::string ThemaAmCursor(std::string_view text, std::size_t pos) {
    const std::string_view davor = text.substr(0, std::min(pos, text.size()));
    const std::size_t auf = davor.rfind(kAuf);
    if (auf == std::string_view::npos) return {};
    const std::size_t zu = davor.rfind(kZu);
    if (zu != std::string_view::npos && zu > auf) return {};
    const std::size_t anfang = auf + kAuf.size();
    const std::size_t ende = text.find(kZu, anfang);
    if (ende == std::string_view::npos) return {};
    const std::string_view schluessel = text.substr(anfang, ende - anfang);
    // A « left open runs into later text; that is no key.
    if (schluessel.find('\n') != std::string_view::npos) return {};
    return std::string(schluessel);
}

std::optional<std::pair<std::size_t, std::size_t>> NaechsterLink(std::string_view text,
                                                                 std::size_t pos) {
    std::size_t auf = text.find(kAuf, std::min(pos, text.size()));
    if (auf == std::string_view::npos) auf = text.find(kAuf);
    if (auf == std::string_view::npos) return std::nullopt;
    const std::size_t anfang = auf + kAuf.size();
    const std::size_t ende = text.find(kZu, anfang);
    if (ende == std::string_view::npos) return std::nullopt;
    return std::make_pair(anfang, ende - anfang);
}

std::vector<std::string> Links(std::string_view text) {
    std::vector<std::string> links;
    for (std::size_t auf = text.find(kAuf); auf != std::string_view::npos;
         auf = text.find(kAuf, auf + kAuf.size())) {
        const std::size_t anfang = auf + kAuf.size();
        const std::size_t ende = text.find(kZu, anfang);
        links.emplace_back(text.substr(anfang, ende == text.npos ? text.npos : ende - anfang));
        if (ende == std::string_view::npos) break;
    }
    return links;
}

std::optional<Hilfetext> HilfedateiLaden(const std::filesystem::path& pfad, std::string& fehler) {
    std::optional<Hilfetext> hilfe;
    try {
        std::string bytes;
        if (!DateiEinlesen(pfad, bytes, fehler)) {
            fehler = "Die Hilfe kann nicht angezeigt werden. " + fehler;
            return std::nullopt;
        }
        if (bytes.size() > kGroessteHilfedatei) {
            fehler = "Die Hilfedatei " + TextAusPfad(pfad) + " ist größer als 4 MB.";
            return std::nullopt;
        }
        hilfe.emplace(ZeilenendenLf(TextDekodieren(bytes)));
    } catch (const std::bad_alloc&) {
        fehler = SpeichermangelText(TextAusPfad(pfad));
        return std::nullopt;
    }
    if (hilfe->Text().find("~~") == std::string::npos) {
        fehler = "Die Hilfedatei " + TextAusPfad(pfad) +
                 " ist beschädigt: sie enthält kein einziges Hilfethema.";
        return std::nullopt;
    }
    if (const std::string grund = hilfe->Uebergroesse(); !grund.empty()) {
        fehler = "Die Hilfedatei " + TextAusPfad(pfad) + " wird nicht angezeigt: " + grund + ".";
        return std::nullopt;
    }
    return hilfe;
}

}  // namespace zahlix

namespace zahlix {

std::size_t AllesErsetzen(std::string& text, std::string_view suche, std::string durch) {
    if (suche.empty()) return 0;
    if (const std::size_t p = durch.find(".."); p != std::string::npos) durch.replace(p, 2, "\n");
    std::size_t anzahl = 0;
    for (std::size_t pos = text.find(suche); pos != std::string::npos;
         pos = text.find(suche, pos + durch.size())) {
        text.replace(pos, suche.size(), durch);
        ++anzahl;
    }
    return anzahl;
}

}  // namespace zahlix
