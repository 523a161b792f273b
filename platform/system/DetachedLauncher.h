#pragma once

// Starts a program that lives on by itself: the caller neither waits for it nor hears of it
// again, and it is not left behind as a zombie.

#include <string>
#include <vector>

class DetachedLauncher {
public:
    // Looks the program up in PATH and starts it in directory (empty: the current one). False
    // when it cannot be found or started.
    static bool Launch(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& directory = {});
};
