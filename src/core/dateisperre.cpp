#include "core/dateisperre.h"

#include <cerrno>
#include <thread>
#include <utility>

#include "core/atomare_datei.h"
#include "core/systemfehler.h"
#include "core/textdatei.h"

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

namespace {

constexpr std::chrono::milliseconds kPause{25};

enum class Versuch { Gehalten, Besetzt, Fehler };

#ifdef _WIN32

using Griff = HANDLE;

Griff Oeffnen(const fs::path& p, bool anlegen, int& fehler) {
    // Delete sharing lets a holder remove the companion while others still look at it; a
    // removed companion refuses new openers until its last handle closes.
    HANDLE h = ::CreateFileW(p.c_str(), GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             anlegen ? OPEN_ALWAYS : OPEN_EXISTING,
                             anlegen ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD e = ::GetLastError();
        // A companion pending removal answers "access denied" until it is gone: busy, not an
        // error, and the deadline still bounds the wait.
        fehler = e == ERROR_ACCESS_DENIED || e == ERROR_SHARING_VIOLATION ? EBUSY
                 : e == ERROR_PATH_NOT_FOUND || e == ERROR_FILE_NOT_FOUND ? ENOENT
                                                                          : EACCES;
    }
    return h;
}

Versuch Sperren(Griff h) {
    OVERLAPPED ov{};
    if (::LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &ov))
        return Versuch::Gehalten;
    return ::GetLastError() == ERROR_LOCK_VIOLATION ? Versuch::Besetzt : Versuch::Fehler;
}

// Delete-pending companions cannot be opened again, so a locked handle is always the
// companion the path names.
bool NochDieselbe(Griff, const fs::path&) {
    return true;
}

void Schliessen(Griff h) {
    ::CloseHandle(h);
}

Griff AusWert(long long g) {
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(g));
}
long long AlsWert(Griff h) {
    return static_cast<long long>(reinterpret_cast<intptr_t>(h));
}
bool Gueltig(Griff h) {
    return h != INVALID_HANDLE_VALUE;
}

#else

using Griff = int;

Griff Oeffnen(const fs::path& p, bool anlegen, int& fehler) {
    // Read access is enough for flock, so a companion made by another user of a shared folder
    // still serves.
    const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC | (anlegen ? O_CREAT : 0), 0666);
    if (fd < 0) fehler = errno;
    return fd;
}

Versuch Sperren(Griff fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return Versuch::Gehalten;
    return errno == EWOULDBLOCK || errno == EINTR ? Versuch::Besetzt : Versuch::Fehler;
}

// The previous holder removes the companion before letting go; whoever waited on the removed
// one must not believe it holds the new one.
bool NochDieselbe(Griff fd, const fs::path& p) {
    struct stat a {
    }, b{};
    return ::fstat(fd, &a) == 0 && ::stat(p.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

void Schliessen(Griff fd) {
    ::close(fd);
}

Griff AusWert(long long g) {
    return static_cast<int>(g);
}
long long AlsWert(Griff fd) {
    return fd;
}
bool Gueltig(Griff fd) {
    return fd >= 0;
}

#endif

std::string Name(const fs::path& datei) {
    return "Die Datei " + TextAusPfad(datei.filename());
}

}  // namespace

fs::path SperrdateiPfad(const fs::path& datei) {
    const fs::path echt = VerknuepfungAufloesen(datei);
    return echt.parent_path() / fs::path("." + TextAusPfad(echt.filename()) + ".zxsperre");
}

Dateisperre Dateisperre::Nehmen(const fs::path& datei, std::string& fehler,
                                std::chrono::milliseconds warten) {
    const fs::path begleiter = SperrdateiPfad(datei);
    const fs::path echt = VerknuepfungAufloesen(datei);
    const auto ende = std::chrono::steady_clock::now() + warten;
    for (;;) {
        int grund = 0;
        fs::path pfad = begleiter;
        Griff g = Oeffnen(begleiter, true, grund);
        if (!Gueltig(g) && (grund == EACCES || grund == EROFS || grund == EPERM)) {
            // No companion can be made here: the data file itself carries the lock.
            pfad.clear();
            g = Oeffnen(echt, false, grund);
        }
        if (Gueltig(g)) {
            const Versuch v = Sperren(g);
            if (v == Versuch::Gehalten && (pfad.empty() || NochDieselbe(g, pfad))) {
                Dateisperre s;
                s.griff_ = AlsWert(g);
                s.begleiter_ = pfad;
                return s;
            }
            Schliessen(g);
            if (v == Versuch::Fehler)
                grund = EACCES;
            else if (v == Versuch::Gehalten)
                continue;  // a removed companion: take the new one
            else
                grund = EBUSY;
        }
        if (grund != EBUSY || std::chrono::steady_clock::now() >= ende) {
            fehler =
                grund == EBUSY
                    ? Name(datei) +
                          " wird gerade von einem anderen Zahlix-Fenster oder -Programm "
                          "geändert. Bitte versuchen Sie es gleich noch einmal."
                    : Name(datei) + " kann nicht gesperrt werden: " + SystemfehlerText(grund) + ".";
            return {};
        }
        std::this_thread::sleep_for(kPause);
    }
}

void Dateisperre::Freigeben() {
    if (griff_ < 0) return;
    // Removed while still held, so nobody can take the lock on a companion about to vanish.
    if (!begleiter_.empty()) {
        std::error_code ec;
        fs::remove(begleiter_, ec);
    }
    Schliessen(AusWert(griff_));
    griff_ = -1;
    begleiter_.clear();
}

Dateisperre::~Dateisperre() {
    Freigeben();
}

Dateisperre::Dateisperre(Dateisperre&& o) noexcept
    : griff_(std::exchange(o.griff_, -1)), begleiter_(std::move(o.begleiter_)) {}

Dateisperre& Dateisperre::operator=(Dateisperre&& o) noexcept {
    if (this != &o) {
        Freigeben();
        griff_ = std::exchange(o.griff_, -1);
        begleiter_ = std::move(o.begleiter_);
    }
    return *this;
}

}  // namespace zahlix
