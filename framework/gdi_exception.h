// The class library's graphics failure: a device context or bitmap that could not be made. Code
// that can draw something in place of the failed object catches it; the message is for a
// programmer, never shown to the user.
#ifndef QUORVEL_FRAMEWORK_GDI_EXCEPTION_H
#define QUORVEL_FRAMEWORK_GDI_EXCEPTION_H

#include <stdexcept>

class TXGdi : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

#endif
