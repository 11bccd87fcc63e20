#pragma once
// The help file as text: its index of topic keys sorted into the groups of the help window's
// menus, and the topics found by key or by number.
//
// The text is UTF-8 with LF line ends (HilfedateiLaden converts). Up to the first line that
// starts with "~" every non-empty line is an index key. A topic starts at a line "~~" + key and
// runs to the next "~"; when that "~" is followed by "»" + key, the topic refers on and the
// referred topic follows after "-> ". "~#" + number names the topic on the next "~~" line.
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zahlix {

// Index groups in the order of the help window's buttons and menus.
enum Hilfegruppe : int {
    kGruppeModul = 0,
    kGruppeAllgemein = 1,
    kGruppeDialog = 2,
    kGruppeSymbol = 3,
    kGruppeBefehl = 4,
    kGruppeMenue0 = 5,  // the nine menus follow in the order of kHilfemenues
    kGruppenAnzahl = 14,
    kGruppeKeine = -1,  // a key of an unknown shape: listed, but in no menu
};
inline constexpr std::array<const char*, 9> kHilfemenues = {
    "Start", "Datei", "Bearbeiten", "Zeigen", "Statistik", "Analyse", "Extras", "Fenster", "Hilfe"};

// Far above the shipped file (about 160 keys and topics, 66 KB), low enough that a hostile file
// cannot freeze the window that lists and shows it.
inline constexpr std::size_t kGroessteHilfedatei = 4u << 20;  // bytes
inline constexpr std::size_t kGroessterHilfeindex = 2000;     // index lines, and topics
inline constexpr std::size_t kLaengsterHilfeschluessel = 200;
inline constexpr std::size_t kGroesstesHilfethema = 100000;  // bytes

struct Indexeintrag {
    std::string schluessel;
    int gruppe = kGruppeKeine;
    std::string titel;  // the caption in the group's menu
};

// Where a key belongs: module keys have no ".", "Zahlix."/"Dialog."/"Symbol."/"Befehl." + title
// one, "Menü." + menu + "." + title two or more.
Indexeintrag IndexeintragDeuten(const std::string& schluessel);

class Hilfetext {
  public:
    Hilfetext() = default;
    // Reads no more than kGroessterHilfeindex + 1 index lines.
    explicit Hilfetext(std::string text);

    const std::string& Text() const { return text_; }
    // Index lines in file order (empty lines skipped).
    const std::vector<Indexeintrag>& Index() const { return index_; }

    // Position of the "~~" line of key; npos when there is none. The line must end right after
    // the key, so "Lotto" does not find "~~Lotto-Auswertung".
    std::size_t Suchen(std::string_view schluessel) const;
    // The topic at a position from Suchen: its key line as heading, its body and the topics it
    // refers on to.
    std::string Kopieren(std::size_t position) const;
    // The topic text of key, or nothing when the file has no such topic.
    std::optional<std::string> Thema(std::string_view schluessel) const;
    // The key of the numbered topic, "Einführung" when the number is not marked.
    std::string NummerSchluessel(int nummer) const;
    // Every key that has a "~~" line, in file order.
    std::vector<std::string> Themen() const;
    // Why the text is beyond the bounds above (but the size), in German; empty when within.
    std::string Uebergroesse() const;

  private:
    std::string Kopieren(std::size_t position, int tiefe) const;

    std::string text_;
    std::vector<Indexeintrag> index_;
};

// The key of the link around the caret position `pos` (bytes) of a shown topic: walking back,
// "«" must come before any "»"; the key runs to the next "»". Empty when there is none.
std::string ThemaAmCursor(std::string_view text, std::size_t pos);
// The key of the first link at or after pos, wrapping to the start: (byte offset, length).
std::optional<std::pair<std::size_t, std::size_t>> NaechsterLink(std::string_view text,
                                                                 std::size_t pos);
// The keys of every «link» in text, in order.
std::vector<std::string> Links(std::string_view text);

// Reads the help file. On failure returns nothing and a German message naming the file:
// missing, unreadable, too large, or without a single topic.
std::optional<Hilfetext> HilfedateiLaden(const std::filesystem::path& pfad, std::string& fehler);

}  // namespace zahlix

namespace zahlix {

// The editing mode's replace: every occurrence of suche in text becomes durch, whose first ".."
// stands for a line break. Returns the number of replacements.
std::size_t AllesErsetzen(std::string& text, std::string_view suche, std::string durch);

}  // namespace zahlix
