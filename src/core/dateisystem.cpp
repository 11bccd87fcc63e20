#include "core/dateisystem.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace zahlix {

Dateigriff::Dateigriff(Dateigriff&& o) noexcept : wert_(std::exchange(o.wert_, -1)) {}

Dateigriff& Dateigriff::operator=(Dateigriff&& o) noexcept {
    if (this != &o) {
        Schliessen();
        wert_ = std::exchange(o.wert_, -1);
    }
    return *this;
}

#ifdef _WIN32

namespace {

HANDLE H(const Dateigriff& g) {
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(g.Wert()));
}

// The common causes as the POSIX codes the callers compare with.
std::error_code Fehler(DWORD e = ::GetLastError()) {
    switch (e) {
        case ERROR_ACCESS_DENIED:
            return std::make_error_code(std::errc::permission_denied);
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return std::make_error_code(std::errc::device_or_resource_busy);
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::make_error_code(std::errc::file_exists);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::make_error_code(std::errc::no_space_on_device);
        case ERROR_WRITE_PROTECT:
            return std::make_error_code(std::errc::read_only_file_system);
        case ERROR_FILENAME_EXCED_RANGE:
            return std::make_error_code(std::errc::filename_too_long);
        default:
            return {static_cast<int>(e), std::system_category()};
    }
}

Dateigriff Oeffnen(const fs::path& p, DWORD zugriff, DWORD anlage, DWORD art, std::error_code& ec) {
    HANDLE h =
        ::CreateFileW(p.c_str(), zugriff, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, anlage, art, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        ec = Fehler();
        return {};
    }
    return Dateigriff(static_cast<long long>(reinterpret_cast<intptr_t>(h)));
}

// Far beyond any end of file, so the lock never stands in the way of reading or writing the
// locked file itself (Windows locks are mandatory for the bytes they cover).
constexpr DWORD kSperrbereichHoch = 0x7FFFFFFF;

}  // namespace

std::error_code Dateigriff::Schliessen() {
    if (!Offen()) return {};
    const BOOL ok = ::CloseHandle(H(*this));
    wert_ = -1;
    return ok ? std::error_code{} : Fehler();
}

Dateigriff NeuAnlegen(const fs::path& p, fs::perms rechte, std::error_code& ec) {
    const bool nurLesen = (rechte & fs::perms::owner_write) == fs::perms::none;
    return Oeffnen(p, GENERIC_READ | GENERIC_WRITE, CREATE_NEW,
                   nurLesen ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL, ec);
}

Dateigriff ZumLesenOeffnen(const fs::path& p, std::error_code& ec) {
    return Oeffnen(p, GENERIC_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, ec);
}

Dateigriff ZumAendernOeffnen(const fs::path& p, std::error_code& ec) {
    return Oeffnen(p, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, ec);
}

Dateigriff ZumSperrenOeffnen(const fs::path& p, bool anlegen, std::error_code& ec) {
    Dateigriff g = Oeffnen(p, GENERIC_READ | GENERIC_WRITE, anlegen ? OPEN_ALWAYS : OPEN_EXISTING,
                           anlegen ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL, ec);
    // A companion pending removal answers "access denied" until it is gone: busy, not an error
    // (a folder that takes no new file says "not found" for the attributes instead).
    if (anlegen && ec == std::errc::permission_denied &&
        (::GetFileAttributesW(p.c_str()) != INVALID_FILE_ATTRIBUTES ||
         ::GetLastError() == ERROR_ACCESS_DENIED))
        ec = std::make_error_code(std::errc::device_or_resource_busy);
    return g;
}

bool AllesLesen(const Dateigriff& g, std::string& inhalt, std::error_code& ec) {
    LARGE_INTEGER groesse{};
    if (!::GetFileSizeEx(H(g), &groesse)) return ec = Fehler(), false;
    inhalt.assign(static_cast<size_t>(groesse.QuadPart), '\0');
    size_t gelesen = 0;
    while (gelesen < inhalt.size()) {
        OVERLAPPED ov{};
        ov.Offset = static_cast<DWORD>(gelesen);
        ov.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(gelesen) >> 32);
        DWORD n = 0;
        const DWORD stueck = static_cast<DWORD>(std::min<size_t>(inhalt.size() - gelesen, 1 << 20));
        if (!::ReadFile(H(g), inhalt.data() + gelesen, stueck, &n, &ov))
            return ec = Fehler(), false;
        if (n == 0) break;
        gelesen += n;
    }
    inhalt.resize(gelesen);
    return true;
}

bool Schreiben(const Dateigriff& g, std::uint64_t ab, std::string_view daten, std::error_code& ec) {
    while (!daten.empty()) {
        OVERLAPPED ov{};
        ov.Offset = static_cast<DWORD>(ab);
        ov.OffsetHigh = static_cast<DWORD>(ab >> 32);
        DWORD n = 0;
        const DWORD stueck = static_cast<DWORD>(std::min<size_t>(daten.size(), 1 << 20));
        if (!::WriteFile(H(g), daten.data(), stueck, &n, &ov)) return ec = Fehler(), false;
        daten.remove_prefix(n);
        ab += n;
    }
    return true;
}

bool Kuerzen(const Dateigriff& g, std::uint64_t laenge, std::error_code& ec) {
    FILE_END_OF_FILE_INFO info{};
    info.EndOfFile.QuadPart = static_cast<LONGLONG>(laenge);
    if (::SetFileInformationByHandle(H(g), FileEndOfFileInfo, &info, sizeof info)) return true;
    ec = Fehler();
    return false;
}

bool Reservieren(const Dateigriff&, std::uint64_t, std::error_code&) {
    return true;
}

bool AufDiePlatte(const Dateigriff& g, std::error_code& ec) {
    if (::FlushFileBuffers(H(g))) return true;
    ec = Fehler();
    return false;
}

void OrdnerAufDiePlatte(const fs::path&) {}

bool Angleichen(const Dateigriff&, const fs::path*, fs::perms, std::error_code&) {
    return true;
}

bool Umbenennen(const fs::path& von, const fs::path& nach, std::error_code& ec) {
    // Not ReplaceFileW: where it fails it may leave a file of its own behind. The replaced
    // file's attributes go to the new one first; the data is already on the disk, so only the
    // new name needs write-through.
    constexpr DWORD kBehalten = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD alt = ::GetFileAttributesW(nach.c_str());
    if (alt != INVALID_FILE_ATTRIBUTES && (alt & kBehalten))
        ::SetFileAttributesW(von.c_str(), alt & kBehalten);
    if (::MoveFileExW(von.c_str(), nach.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DWORD e = ::GetLastError();
    if (e == ERROR_ACCESS_DENIED) {
        // Also the answer when another program holds nach open; asking for delete access
        // tells the two apart.
        HANDLE h = ::CreateFileW(nach.c_str(), DELETE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE)
            ::CloseHandle(h);
        else if (::GetLastError() == ERROR_SHARING_VIOLATION)
            e = ERROR_SHARING_VIOLATION;
    }
    ec = Fehler(e);
    return false;
}

bool NurLesbarMarkiert(const fs::path& p) {
    const DWORD a = ::GetFileAttributesW(p.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY);
}

Sperrversuch SperreVersuchen(const Dateigriff& g) {
    OVERLAPPED ov{};
    ov.OffsetHigh = kSperrbereichHoch;
    if (::LockFileEx(H(g), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &ov))
        return Sperrversuch::Gehalten;
    return ::GetLastError() == ERROR_LOCK_VIOLATION ? Sperrversuch::Besetzt : Sperrversuch::Fehler;
}

// Delete-pending companions cannot be opened again, so a locked handle is always the file the
// path names.
bool DieselbeDatei(const Dateigriff&, const fs::path&) {
    return true;
}

#else

namespace {

int F(const Dateigriff& g) {
    return static_cast<int>(g.Wert());
}

std::error_code Fehler(int e = errno) {
    return {e, std::generic_category()};
}

Dateigriff Oeffnen(const fs::path& p, int art, mode_t rechte, std::error_code& ec) {
    const int fd = ::open(p.c_str(), art | O_CLOEXEC, rechte);
    if (fd < 0) ec = Fehler();
    return Dateigriff(fd);
}

}  // namespace

std::error_code Dateigriff::Schliessen() {
    if (!Offen()) return {};
    const int r = ::close(F(*this));
    wert_ = -1;
    return r == 0 ? std::error_code{} : Fehler();
}

Dateigriff NeuAnlegen(const fs::path& p, fs::perms rechte, std::error_code& ec) {
    return Oeffnen(p, O_WRONLY | O_CREAT | O_EXCL, static_cast<mode_t>(rechte & fs::perms::all),
                   ec);
}

Dateigriff ZumLesenOeffnen(const fs::path& p, std::error_code& ec) {
    return Oeffnen(p, O_RDONLY, 0, ec);
}

Dateigriff ZumAendernOeffnen(const fs::path& p, std::error_code& ec) {
    return Oeffnen(p, O_RDWR, 0, ec);
}

// Read access is enough for flock, so a companion made by another user of a shared folder
// still serves.
Dateigriff ZumSperrenOeffnen(const fs::path& p, bool anlegen, std::error_code& ec) {
    return Oeffnen(p, O_RDONLY | (anlegen ? O_CREAT : 0), 0666, ec);
}

bool AllesLesen(const Dateigriff& g, std::string& inhalt, std::error_code& ec) {
    inhalt.clear();
    char puffer[65536];
    for (off_t ab = 0;;) {
        const ssize_t n = ::pread(F(g), puffer, sizeof puffer, ab);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ec = Fehler(), false;
        if (n == 0) return true;
        inhalt.append(puffer, static_cast<size_t>(n));
        ab += n;
    }
}

bool Schreiben(const Dateigriff& g, std::uint64_t ab, std::string_view daten, std::error_code& ec) {
    while (!daten.empty()) {
        const ssize_t n = ::pwrite(F(g), daten.data(), daten.size(), static_cast<off_t>(ab));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return ec = Fehler(n < 0 ? errno : ENOSPC), false;
        daten.remove_prefix(static_cast<size_t>(n));
        ab += static_cast<std::uint64_t>(n);
    }
    return true;
}

bool Kuerzen(const Dateigriff& g, std::uint64_t laenge, std::error_code& ec) {
    if (::ftruncate(F(g), static_cast<off_t>(laenge)) == 0) return true;
    ec = Fehler();
    return false;
}

bool Reservieren(const Dateigriff& g, std::uint64_t laenge, std::error_code& ec) {
    struct stat st {};
    if (::fstat(F(g), &st) != 0) return ec = Fehler(), false;
    if (static_cast<std::uint64_t>(st.st_size) >= laenge) return true;
    // Only the part beyond the end: what is there stays untouched even where the system
    // emulates the reservation by writing.
    const int e = ::posix_fallocate(F(g), st.st_size, static_cast<off_t>(laenge) - st.st_size);
    if (e == 0 || e == EOPNOTSUPP || e == EINVAL) return true;
    ec = Fehler(e);
    return false;
}

bool AufDiePlatte(const Dateigriff& g, std::error_code& ec) {
    if (::fsync(F(g)) == 0) return true;
    ec = Fehler();
    return false;
}

void OrdnerAufDiePlatte(const fs::path& ordner) {
    const int fd =
        ::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool Angleichen(const Dateigriff& g, const fs::path* vorbild, fs::perms rechte,
                std::error_code& ec) {
    struct stat soll {
    }, ist{};
    if (vorbild) {
        if (::stat(vorbild->c_str(), &soll) != 0 || ::fstat(F(g), &ist) != 0)
            return ec = Fehler(), false;
        // Before the mode: a change of owner clears the set-id bits.
        if ((soll.st_uid != ist.st_uid || soll.st_gid != ist.st_gid) &&
            ::fchown(F(g), soll.st_uid, soll.st_gid) != 0)
            return ec = Fehler(errno == EPERM || errno == EACCES ? EPERM : errno), false;
    }
    if (::fchmod(F(g), static_cast<mode_t>(rechte & fs::perms::mask)) == 0) return true;
    ec = Fehler();
    return false;
}

bool Umbenennen(const fs::path& von, const fs::path& nach, std::error_code& ec) {
    if (::rename(von.c_str(), nach.c_str()) == 0) return true;
    ec = Fehler();
    return false;
}

bool NurLesbarMarkiert(const fs::path&) {
    return false;
}

Sperrversuch SperreVersuchen(const Dateigriff& g) {
    if (::flock(F(g), LOCK_EX | LOCK_NB) == 0) return Sperrversuch::Gehalten;
    return errno == EWOULDBLOCK || errno == EINTR ? Sperrversuch::Besetzt : Sperrversuch::Fehler;
}

bool DieselbeDatei(const Dateigriff& g, const fs::path& p) {
    struct stat a {
    }, b{};
    return ::fstat(F(g), &a) == 0 && ::stat(p.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

#endif

}  // namespace zahlix
