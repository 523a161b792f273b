#include "HeaderRecordFiller.h"

#include "Utf8.h"
#include "unrar.h"

#include <cstring>

static_assert(sizeof(void*) != 8 || sizeof(RAROpenArchiveData) == 36,
              "the open record is 36 bytes on LP64");
static_assert(sizeof(void*) != 8 || sizeof(RARHeaderData) == 576,
              "the header record is 576 bytes on LP64");

void HeaderRecordFiller::copyName(char (&target)[260], const std::string& name) {
    const std::size_t length = Utf8::safeCut(name, sizeof target - 1);
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
