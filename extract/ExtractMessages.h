#pragma once

// The fixed texts of the library's result codes, as the user sees them.

// The text for an open's result, or null for a code that is not reported.
const char* OpenErrorText(int code);
// The text for an entry's processing result, or null for a code that is not reported.
const char* ProcessErrorText(int code);

inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kArchiveCloseError = "Archive close error";
inline constexpr const char* kLibraryMissing =
    "Could not load UnRAR.DLL...\n\nUnRAR.DLL must be located in the same directory\nas the "
    "installer for it function.";
inline constexpr const char* kInstallSuccessful =
    "Installation successful.\n\nEnjoy this fine release from PLOVRIN!";
