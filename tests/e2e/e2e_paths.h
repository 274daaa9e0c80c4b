// Where the program under test lives, as a Windows path (Wine maps the Unix root to Z:).
#ifndef QUORVEL_TESTS_E2E_E2E_PATHS_H
#define QUORVEL_TESTS_E2E_E2E_PATHS_H

#include <string>

inline std::string WindowsPath(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/')
            c = '\\';
    return "Z:" + unixPath;
}

inline std::string QuorvelExe() {
    return WindowsPath(QUORVEL_EXE);
}

#endif
