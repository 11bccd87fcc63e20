#pragma once
// The system calls of the file layer (atomic saves, saves in place, the file lock) behind one
// small interface. This is the layer's only file with platform code: every POSIX call has its
// Windows twin beside it. Failures come back as std::error_code for SystemfehlerText.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace zahlix {

// An open file (a descriptor, a HANDLE on Windows), closed when it goes.
class Dateigriff {
  public:
    Dateigriff() = default;
    explicit Dateigriff(long long wert) : wert_(wert) {}
    ~Dateigriff() { Schliessen(); }
    Dateigriff(Dateigriff&& o) noexcept;
    Dateigriff& operator=(Dateigriff&& o) noexcept;
    Dateigriff(const Dateigriff&) = delete;
    Dateigriff& operator=(const Dateigriff&) = delete;

    bool Offen() const { return wert_ != -1; }
    long long Wert() const { return wert_; }
    // The close's own failure (a network drive may report a lost write only here).
    std::error_code Schliessen();

  private:
    long long wert_ = -1;
};

// Creates p for writing, failing with errc::file_exists when the name is taken. The system's
// mask may take bits away from rechte, never add any.
Dateigriff NeuAnlegen(const std::filesystem::path& p, std::filesystem::perms rechte,
                      std::error_code& ec);
// Opens an existing file for reading only; other programs may go on reading and writing it.
Dateigriff ZumLesenOeffnen(const std::filesystem::path& p, std::error_code& ec);
// Opens an existing file for reading and writing without changing it.
Dateigriff ZumAendernOeffnen(const std::filesystem::path& p, std::error_code& ec);
// Opens (with anlegen: creates) a file to hold a lock on. Errc::device_or_resource_busy means
// the file is on its way out and the caller should try again.
Dateigriff ZumSperrenOeffnen(const std::filesystem::path& p, bool anlegen, std::error_code& ec);

// The whole file from its start.
bool AllesLesen(const Dateigriff& g, std::string& inhalt, std::error_code& ec);
// Writes all of daten at offset ab.
bool Schreiben(const Dateigriff& g, std::uint64_t ab, std::string_view daten, std::error_code& ec);
bool Kuerzen(const Dateigriff& g, std::uint64_t laenge, std::error_code& ec);
// Makes the file at least laenge bytes long with its space taken on the disk, so a write up to
// there cannot fail for want of space. True where the system cannot promise that.
bool Reservieren(const Dateigriff& g, std::uint64_t laenge, std::error_code& ec);
// Until this returns, the data may sit in the system's cache only.
bool AufDiePlatte(const Dateigriff& g, std::error_code& ec);
// Makes a rename in the folder durable (POSIX keeps directory entries in the folder's data).
void OrdnerAufDiePlatte(const std::filesystem::path& ordner);

// Gives g the owner and group of vorbild (when given) and then exactly the permission bits
// rechte. False with errc::operation_not_permitted when the system does not let this user give
// the file away. Windows files take the folder's inherited rights and need nothing here.
bool Angleichen(const Dateigriff& g, const std::filesystem::path* vorbild,
                std::filesystem::perms rechte, std::error_code& ec);

// Puts von in the place of nach, in one step for every reader; Windows attributes of an
// existing nach (hidden, archive) stay. Errc::device_or_resource_busy: another program holds
// nach open.
bool Umbenennen(const std::filesystem::path& von, const std::filesystem::path& nach,
                std::error_code& ec);
// Whether p carries Windows's read-only attribute (always false elsewhere, where the mode bits
// are asked by opening the file).
bool NurLesbarMarkiert(const std::filesystem::path& p);

enum class Sperrversuch { Gehalten, Besetzt, Fehler };
// An exclusive advisory lock, without waiting.
Sperrversuch SperreVersuchen(const Dateigriff& g);
// Whether p still names the file g has open.
bool DieselbeDatei(const Dateigriff& g, const std::filesystem::path& p);

}  // namespace zahlix
