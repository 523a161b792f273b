// A stand-in for the RAR library: plays back the archive that a script describes and logs every
// call it receives, so that tests can check what the installer asks and how it takes the answers.
//
// Script (file named by PLOVRIN_STANDIN_SCRIPT), one instruction per line:
//   open <mode> <code>           OpenResult of the open in that mode (not 0: null handle)
//   close <mode> <code>          result of the close in that mode
//   entry <volume> <name> <list code> <extract code>
//   entries <count>              that many entries "v.rar" / "file<i>" that succeed
//   headererror <mode> <index> <code>   the header read before entry <index> returns <code>
// Log (file named by PLOVRIN_STANDIN_LOG, when set): one line per call.
//
// Built without RARProcessFile when STANDIN_WITHOUT_PROCESS_FILE is defined.

#include "unrar.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {
struct Entry {
    std::string volume;
    std::string name;
    int code[2];
};

struct Script {
    int open[2] = {0, 0};
    int close[2] = {0, 0};
    std::vector<Entry> entries;
    std::map<std::pair<unsigned, std::size_t>, int> headerErrors;
};

struct Archive {
    Script script;
    unsigned mode;
    std::size_t next = 0;    // the entry the next header read returns
    bool headerRead = false; // a header was read and not yet processed
};

Script LoadScript() {
    Script script;
    const char* path = std::getenv("PLOVRIN_STANDIN_SCRIPT");
    std::ifstream file(path ? path : "");
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string what;
        words >> what;
        if (what == "open" || what == "close") {
            unsigned mode = 0;
            int code = 0;
            words >> mode >> code;
            (what == "open" ? script.open : script.close)[mode & 1] = code;
        } else if (what == "entry") {
            Entry entry;
            words >> entry.volume >> entry.name >> entry.code[0] >> entry.code[1];
            script.entries.push_back(entry);
        } else if (what == "entries") {
            std::size_t count = 0;
            words >> count;
            for (std::size_t i = 0; i < count; ++i) {
                script.entries.push_back({"v.rar", "file" + std::to_string(i), {0, 0}});
            }
        } else if (what == "headererror") {
            unsigned mode = 0;
            std::size_t index = 0;
            int code = 0;
            words >> mode >> index >> code;
            script.headerErrors[{mode & 1, index}] = code;
        }
    }
    return script;
}

void Log(const std::string& line) {
    if (const char* path = std::getenv("PLOVRIN_STANDIN_LOG")) {
        std::ofstream(path, std::ios::app) << line << '\n';
    }
}

const char* NullOrSet(const void* pointer) {
    return pointer ? "set" : "null";
}

void CopyName(char (&field)[260], const std::string& text) {
    std::snprintf(field, sizeof field, "%s", text.c_str());
}
} // namespace

extern "C" {
RAR_EXPORT HANDLE RAROpenArchive(RAROpenArchiveData* data) {
    Script script = LoadScript();
    unsigned mode = data->OpenMode & 1;
    Log("open mode=" + std::to_string(data->OpenMode) + " arcname=" + data->ArcName +
        " cmtbuf=" + NullOrSet(data->CmtBuf));
    data->OpenResult = static_cast<unsigned>(script.open[mode]);
    if (script.open[mode] != 0) {
        return nullptr;
    }
    return new Archive{script, mode};
}

RAR_EXPORT int RARReadHeader(HANDLE handle, RARHeaderData* header) {
    auto* archive = static_cast<Archive*>(handle);
    std::string line = std::string("read cmtbuf=") + NullOrSet(header->CmtBuf);
    int result = 0;
    auto error = archive->script.headerErrors.find({archive->mode, archive->next});
    if (error != archive->script.headerErrors.end()) {
        result = error->second;
    } else if (archive->next >= archive->script.entries.size()) {
        result = ERAR_END_ARCHIVE;
    } else {
        const Entry& entry = archive->script.entries[archive->next];
        CopyName(header->ArcName, entry.volume);
        CopyName(header->FileName, entry.name);
        archive->headerRead = true;
    }
    Log(line + " -> " + std::to_string(result));
    return result;
}

#ifndef STANDIN_WITHOUT_PROCESS_FILE
RAR_EXPORT int RARProcessFile(HANDLE handle, int operation, char* destPath, char* destName) {
    auto* archive = static_cast<Archive*>(handle);
    int result = ERAR_BAD_DATA;
    if (archive->headerRead) {
        result = archive->script.entries[archive->next].code[archive->mode];
        archive->headerRead = false;
        ++archive->next;
    }
    Log("process op=" + std::to_string(operation) + " dest=" + (destPath ? destPath : "(null)") +
        " destname=" + NullOrSet(destName) + " -> " + std::to_string(result));
    return result;
}
#endif

RAR_EXPORT int RARCloseArchive(HANDLE handle) {
    auto* archive = static_cast<Archive*>(handle);
    int result = archive->script.close[archive->mode];
    Log("close mode=" + std::to_string(archive->mode) + " -> " + std::to_string(result));
    delete archive;
    return result;
}
}
