#include "ExtractMessages.h"

#include "unrar.h"

const char* OpenErrorText(int code) {
    switch (code) {
    case ERAR_NO_MEMORY:
        return "Not enough memory to initialize data structures";
    case ERAR_BAD_DATA:
        return "Archive header broken";
    case ERAR_BAD_ARCHIVE:
        return "File is not valid RAR archive";
    case ERAR_EOPEN:
        return "File open error";
    default:
        return nullptr;
    }
}

const char* ProcessErrorText(int code) {
    switch (code) {
    case ERAR_BAD_DATA:
        return "File CRC error";
    case ERAR_BAD_ARCHIVE:
        return "Volume is not valid RAR archive";
    case ERAR_UNKNOWN_FORMAT:
        return "Unknown archive format";
    case ERAR_EOPEN:
        return "Volume open error";
    case ERAR_ECREATE:
        return "File create error";
    case ERAR_ECLOSE:
        return "File close error";
    case ERAR_EREAD:
        return "Read error";
    case ERAR_EWRITE:
        return "Write error";
    default:
        return nullptr;
    }
}
