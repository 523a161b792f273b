#include "Directory.h"

#include <sys/stat.h>

int _mkdir(const char* path) {
    return path && ::mkdir(path, 0777) == 0 ? 0 : -1;
}
