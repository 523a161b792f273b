#pragma once

// Texts that several dialogs share.

// The caption of the success message and of the folder-creation error.
inline constexpr const char* kInstallerCaption = "PLOVRIN Installer";
// What the main dialog's title and the about box put before the version text.
inline constexpr const char* kVersionPrefix = "PLOVRIN Installer v";
