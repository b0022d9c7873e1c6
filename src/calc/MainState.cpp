#include "calc/MainState.h"
#include "data/RateUpdate.h"

const char* keyName(Key k)
{
    static const char* const names[] = {"key1", "key2", "key3", "key4", "key5", "key6",
                                        "key7", "key8", "key9", "key0", "keyplus", "keyminus",
                                        "keytimes", "keydivide", "keyequals", "plusminus",
                                        "keydecimal", "rmode"};
    return names[static_cast<int>(k)];
}

void MainState::follow(RateUpdate& update)
{
    connect(&update, &RateUpdate::message, this, [this](const QString& text) {
        panel[2] = text;
        announce();
    });
    connect(&update, &RateUpdate::ratesReplaced, this, [this](const QString& lastUpdate, const QString& hint) {
        panel[1] = lastUpdate;
        panel1Hint = hint;
        announce();
    });
    connect(&update, &RateUpdate::busyChanged, this, [this](bool on) {
        busy = on;
        announce();
    });
}
