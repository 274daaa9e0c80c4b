#include "controls/trigger_functions.h"

TTriggerFunctionMap TriggerFunctions;

TTriggerRegistration::TTriggerRegistration(std::string name, TriggerFunction function)
    : Name(std::move(name)), Registered(TriggerFunctions.emplace(Name.c_str(), function).second) {}

TTriggerRegistration::~TTriggerRegistration() {
    if (Registered)
        TriggerFunctions.erase(Name.c_str());
}
