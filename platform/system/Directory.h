#pragma once

// Creating folders.

// Creates the one folder path names; its parent must exist. 0 on success, -1 on failure (the
// folder exists, a folder above it is missing, the name is not valid, or access is denied).
int _mkdir(const char* path);
