#pragma once
// Reading draws from public archives: CSV (one draw per line) and the JSON layout of the
// public 6-aus-49 archive ({"data":[{"date":"09.10.1955","Lottozahl":[...]}, ...]}).
// Only the shape is checked here; the numbers are checked against a lottery when merging.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zahlix {

struct Importziehung {
    int zeile = 0;    // line of the source, 1-based
    int eintrag = 0;  // JSON: position in the list, 1-based; 0 for CSV
    int jahr = 0, monat = 0, tag = 0;
    std::vector<int> zahlen;  // as given, in the source's order
    int zusatzzahl = 0;       // 0: none
};

// "Zeile 12" or "Zeile 1, Eintrag 17": where a draw stands in its source.
std::string ImportOrt(const Importziehung& z);

// "TT.MM.JJJJ" or "JJJJ-MM-TT", a real calendar day of 1900..2099.
bool ImportDatumLesen(std::string_view text, int& jahr, int& monat, int& tag);

// The draws of a source file. JSON is recognised by its first character ("{" or "["),
// anything else is read as CSV: date, six numbers and an optional bonus number separated by
// ";", "," or tab, one optional header line first, empty lines ignored, lines ended by CR LF,
// LF or CR. A line or entry that cannot be read, or a file without any draw, gives nothing and
// a German message (naming the line or entry) in fehler.
std::optional<std::vector<Importziehung>> ImportquelleLesen(std::string_view bytes,
                                                            std::string& fehler);

}  // namespace zahlix
