#include "core/systemfehler.h"

namespace zahlix {

std::string SystemfehlerText(std::error_code ec) {
    if (!ec) return {};
    // Compared as conditions, so a Windows error code finds its text as well.
    struct Text {
        std::errc fall;
        const char* text;
    };
    static const Text texte[] = {
        {std::errc::no_space_on_device, "Auf dem Datenträger ist nicht genügend Platz"},
        {std::errc::permission_denied, "Zugriff verweigert"},
        {std::errc::operation_not_permitted, "Zugriff verweigert"},
        {std::errc::read_only_file_system, "Das Dateisystem ist schreibgeschützt"},
        {std::errc::filename_too_long, "Der Dateiname ist zu lang"},
        {std::errc::no_such_file_or_directory, "Die Datei oder der Ordner wurde nicht gefunden"},
        {std::errc::not_a_directory, "Ein Teil des Pfades ist kein Ordner"},
        {std::errc::is_a_directory, "Es gibt bereits einen Ordner dieses Namens"},
        {std::errc::too_many_symbolic_link_levels, "Zu viele symbolische Verknüpfungen"},
        // Windows's sharing violations and locked ranges come as this, too.
        {std::errc::device_or_resource_busy,
         "Die Datei wird gerade von einem anderen Programm verwendet"},
    };
    for (const Text& t : texte)
        if (ec == t.fall) return t.text;
    return ec.message();
}

std::string SpeichermangelText(const std::string& datei) {
    return "Für die Datei " + datei +
           " reicht der Arbeitsspeicher nicht; sie wurde nicht gelesen. Die Daten des Fensters "
           "bleiben unverändert.";
}

std::string SystemfehlerText(int fehlernummer) {
    return SystemfehlerText(std::error_code(fehlernummer, std::generic_category()));
}

}  // namespace zahlix
