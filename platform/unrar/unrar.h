/* The RAR extraction library's published interface: four calls, two records, the open modes,
   the operations and the result codes. Plain C so that any caller can load the library by name
   and bind these functions; a genuine UnRAR library built for Linux has the same layout. */
#ifndef PLOVRIN_UNRAR_H
#define PLOVRIN_UNRAR_H

#ifdef __cplusplus
extern "C" {
#endif

#define ERAR_SUCCESS 0
#define ERAR_END_ARCHIVE 10
#define ERAR_NO_MEMORY 11
#define ERAR_BAD_DATA 12
#define ERAR_BAD_ARCHIVE 13
#define ERAR_UNKNOWN_FORMAT 14
#define ERAR_EOPEN 15
#define ERAR_ECREATE 16
#define ERAR_ECLOSE 17
#define ERAR_EREAD 18
#define ERAR_EWRITE 19
#define ERAR_SMALL_BUF 20
#define ERAR_UNKNOWN 21
#define ERAR_MISSING_PASSWORD 22
#define ERAR_EREFERENCE 23
#define ERAR_BAD_PASSWORD 24

#define RAR_OM_LIST 0
#define RAR_OM_EXTRACT 1

#define RAR_SKIP 0
#define RAR_TEST 1
#define RAR_EXTRACT 2

/* Bits of RARHeaderData.Flags. */
#define RHDF_SPLITBEFORE 0x01
#define RHDF_SPLITAFTER 0x02
#define RHDF_ENCRYPTED 0x04
#define RHDF_SOLID 0x10
#define RHDF_DIRECTORY 0x20

#define RAR_DLL_VERSION 8

#if defined(__GNUC__)
#define RAR_EXPORT __attribute__((visibility("default")))
#else
#define RAR_EXPORT
#endif

typedef void* HANDLE;

#pragma pack(push, 1)

struct RAROpenArchiveData {
    char* ArcName;
    unsigned int OpenMode;
    unsigned int OpenResult;
    char* CmtBuf;
    unsigned int CmtBufSize;
    unsigned int CmtSize;
    unsigned int CmtState;
};

struct RARHeaderData {
    char ArcName[260];
    char FileName[260];
    unsigned int Flags;
    unsigned int PackSize;
    unsigned int UnpSize;
    unsigned int HostOS;
    unsigned int FileCRC;
    unsigned int FileTime;
    unsigned int UnpVer;
    unsigned int Method;
    unsigned int FileAttr;
    char* CmtBuf;
    unsigned int CmtBufSize;
    unsigned int CmtSize;
    unsigned int CmtState;
};

#pragma pack(pop)

/* The layout callers bind against: 28 and 572 bytes where pointers are 32 bits wide,
   36 and 576 bytes on LP64. */
#if defined(__cplusplus) && __cplusplus >= 201103L
static_assert(sizeof(RAROpenArchiveData) == 7 * 4 + 2 * (sizeof(char*) - 4),
              "RAROpenArchiveData must keep the published packed layout");
static_assert(sizeof(RARHeaderData) == 2 * 260 + 12 * 4 + sizeof(char*),
              "RARHeaderData must keep the published packed layout");
#endif

RAR_EXPORT HANDLE RAROpenArchive(struct RAROpenArchiveData* ArchiveData);
RAR_EXPORT int RARCloseArchive(HANDLE hArcData);
RAR_EXPORT int RARReadHeader(HANDLE hArcData, struct RARHeaderData* HeaderData);
RAR_EXPORT int RARProcessFile(HANDLE hArcData, int Operation, char* DestPath, char* DestName);
RAR_EXPORT int RARGetDllVersion(void);

#ifdef __cplusplus
}
#endif

#endif
