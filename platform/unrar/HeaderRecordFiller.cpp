#include "HeaderRecordFiller.h"

#include "Utf8Text.h"
#include "unrar.h"

#include <cstring>

void HeaderRecordFiller::copyName(char (&target)[260], const std::string& name) {
    const std::size_t length = Utf8PrefixLength(name, sizeof target - 1);
    std::memcpy(target, name.data(), length);
    target[length] = '\0';
}

void HeaderRecordFiller::fill(RARHeaderData& record, const RarEntry& entry,
                              const std::string& volume) {
    copyName(record.ArcName, volume);
    copyName(record.FileName, entry.name);
    record.Flags = entry.flags;
    record.PackSize = static_cast<unsigned int>(entry.packSize);
    record.UnpSize = static_cast<unsigned int>(entry.unpSize);
    record.HostOS = entry.hostOs;
    record.FileCRC = entry.crc;
    record.FileTime = entry.dosTime;
    record.UnpVer = entry.unpVer;
    record.Method = entry.method;
    record.FileAttr = entry.attributes;
    record.CmtSize = 0;
    record.CmtState = 0; // comments are never read
}

void HeaderRecordFiller::fillVolumeOnly(RARHeaderData& record, const std::string& volume) {
    RarEntry none;
    fill(record, none, volume);
}
