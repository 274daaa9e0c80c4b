// Trigger links: a link whose target is "!name" calls the function registered under "name"
// instead of going to the shell. The registry is one process-wide map keyed by pointers to the
// names' text, ordered case-sensitively by lstrcmpA. It stores the pointer, not the text, so the
// text must live as long as its entry: TTriggerRegistration owns the text of the entry it makes
// and takes the entry out again when it ends.
#ifndef QUORVEL_CONTROLS_TRIGGER_FUNCTIONS_H
#define QUORVEL_CONTROLS_TRIGGER_FUNCTIONS_H

#include <windows.h>

#include <map>
#include <string>

using TriggerFunction = void (*)();

struct ltstr {
    bool operator()(const char* a, const char* b) const { return ::lstrcmpA(a, b) < 0; }
};

using TTriggerFunctionMap = std::map<const char*, TriggerFunction, ltstr>;

// Built during static initialisation: register from code that runs after it, not from the
// constructors of other static objects.
extern TTriggerFunctionMap TriggerFunctions;

// Registers `function` under `name` while the object lives. A name that is already registered
// keeps its first entry and this registration does nothing (IsRegistered says so).
class TTriggerRegistration {
public:
    TTriggerRegistration(std::string name, TriggerFunction function);
    ~TTriggerRegistration();
    TTriggerRegistration(const TTriggerRegistration&) = delete;
    TTriggerRegistration& operator=(const TTriggerRegistration&) = delete;

    bool IsRegistered() const { return Registered; }

private:
    const std::string Name;
    bool Registered;
};

#endif
