// Response tables: each window class lists the messages and commands it answers, mapped to its
// own member functions. A class's lookup tries its own table first and then calls its base
// class's lookup, so the chain ends at TWindow, and only there does a message fall back to the
// window's default processing.
//
//     bool TMyDialog::Respond(TMessage& m) {
//         using Table = TResponseTable<TMyDialog>;
//         static const Table table{Table::Message(WM_TIMER, &TMyDialog::EvTimer),
//                                  Table::Command(IDHELP, &TMyDialog::CmHelp)};
//         return table.Dispatch(*this, m) || TDialog::Respond(m);
//     }
#ifndef QUORVEL_FRAMEWORK_RESPONSE_TABLE_H
#define QUORVEL_FRAMEWORK_RESPONSE_TABLE_H

#include <windows.h>

#include <initializer_list>
#include <vector>

// One message as the window procedure received it; a handler stores its answer in Result.
struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result = 0;
};

template <class T> class TResponseTable {
public:
    using MessageHandler = void (T::*)(TMessage&);
    using CommandHandler = void (T::*)();

    struct Entry {
        UINT Msg;
        UINT CommandId;
        MessageHandler OnMessage;
        CommandHandler OnCommand;
    };

    static Entry Message(UINT msg, MessageHandler handler) { return {msg, 0, handler, nullptr}; }
    static Entry Command(UINT id, CommandHandler handler) {
        return {WM_COMMAND, id, nullptr, handler};
    }

    TResponseTable(std::initializer_list<Entry> entries) : Entries(entries) {}

    // Calls the first matching entry's handler; false when the table has none.
    bool Dispatch(T& window, TMessage& m) const {
        for (const Entry& e : Entries) {
            if (e.Msg != m.Msg)
                continue;
            if (e.OnCommand) {
                if (LOWORD(m.WParam) != e.CommandId)
                    continue;
                (window.*e.OnCommand)();
            } else {
                (window.*e.OnMessage)(m);
            }
            return true;
        }
        return false;
    }

private:
    std::vector<Entry> Entries;
};

#endif
