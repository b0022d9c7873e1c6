#pragma once
// The proxy that the update from the server goes through, as stored under G_r: the switch
// `po`, the address `Ps`, the user id `Pn`, the password `Pd` (plain text, as stored) and
// the port `pp`. The firewall dialog edits them; the update applies them to each request.
#include <QString>

struct ProxySettings {
    static constexpr int kDefaultPort = 8080;

    bool useProxy = false;   // po
    QString address;         // Ps
    QString userId;          // Pn
    QString password;        // Pd
    int port = kDefaultPort; // pp

    // Every value; one that cannot be read keeps its default.
    void load();

    // The update's reading: Ps, Pn, Pd and pp in that order, stopping at the first one that
    // cannot be read. `applied` counts the values read; `error` names the one that stopped
    // the reading, empty when all four were read.
    struct UpdateRead {
        int applied = 0;
        QString error;
    };
    UpdateRead loadForUpdate();

    // Writes Ps, Pn, Pd, pp and po as one change of the store. False when the store could
    // not take them: it has told the operator why, and holds none of them.
    bool save() const;

    // The port field's text as a number: empty counts as 0 and every blank as "0". Raises
    // VemoxError when what is left is not a decimal number of at most four digits.
    static int portFromText(const QString& text);
};
