#pragma once

#include "RarEntry.h"

#include <string>

struct RARHeaderData;

// Fills the caller's header record from an entry; both names are cut to 259 bytes without
// splitting a UTF-8 character.
class HeaderRecordFiller {
public:
    static void fill(RARHeaderData& record, const RarEntry& entry, const std::string& volume);
    // The record after a failed header read: the volume in question and no entry.
    static void fillVolumeOnly(RARHeaderData& record, const std::string& volume);

private:
    static void copyName(char (&target)[260], const std::string& name);
};
