#include "calc/MainState.h"

const char* keyName(Key k)
{
    static const char* const names[] = {"key1", "key2", "key3", "key4", "key5", "key6",
                                        "key7", "key8", "key9", "key0", "keyplus", "keyminus",
                                        "keytimes", "keydivide", "keyequals", "plusminus",
                                        "keydecimal", "rmode"};
    return names[static_cast<int>(k)];
}
