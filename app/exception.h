// The program's own exception: only a message for whoever catches it. It derives from nothing, so
// a handler for it catches the program's own failures and lets every other exception pass.
#ifndef QUORVEL_APP_EXCEPTION_H
#define QUORVEL_APP_EXCEPTION_H

#include <string>

struct Exception {
    std::string Message;
};

#endif
