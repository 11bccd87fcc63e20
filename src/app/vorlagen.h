#pragma once
// The predefined lottery files of an installed program: they ship read-only in
// <program folder>/../share/zahlix and are copied into the start directory on a first start
// there, so the program works on its own copies as it always does.
#include <filesystem>
#include <vector>

namespace zahlix {

// The folder the installation keeps its shared files in: <programmverzeichnis>/../share/zahlix.
std::filesystem::path InstallierteDaten(const std::filesystem::path& programmverzeichnis);

// When the start directory holds none of the predefined lottery files, copies those the
// installation has into it. Existing files are never touched; errors are ignored (the
// toolbar then hides the missing lotteries). Returns the names copied.
std::vector<std::filesystem::path> VordefinierteDateienBereitstellen(
    const std::filesystem::path& start, const std::filesystem::path& programmverzeichnis);

}  // namespace zahlix
