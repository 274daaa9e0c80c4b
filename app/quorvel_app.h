// The application object: builds the always-on-top frame around the detector and drives the
// readout from the message loop's idle passes.
#ifndef QUORVEL_APP_QUORVEL_APP_H
#define QUORVEL_APP_QUORVEL_APP_H

#include "framework/application.h"
#include "framework/window.h"

extern HINSTANCE AppInstance;
// The detector dialog, once the main-window hook made it; only the idle hook reads it.
extern TWindow* DetectorWindow;

class TQuorvelApp : public TApplication {
public:
    using TApplication::TApplication;

protected:
    void InitMainWindow() override;
    bool IdleAction(unsigned idleCount) override;
};

#endif
