#include "app/quorvel_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR cmdLine, int cmdShow) {
    TQuorvelApp app("Quorvel", instance, prevInstance, cmdLine, cmdShow);
    AppInstance = instance;
    DetectorWindow = nullptr;
    return app.Run();
}
