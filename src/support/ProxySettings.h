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

    // Every value; one that cannot be read keeps its default. The result is how far the
    // update may apply them: Ps, Pn, Pd and pp in that order, up to the first that could not
    // be read. `applied` counts them; `error` names the one that stopped them, empty when
    // all four were read.
    struct Reading {
        int applied = 0;
        QString error;
    };
    Reading load();

    // The proxy's host and port. The address may carry "http://" and a port, as long as the
    // port agrees with the port field (or that field is 0); any other scheme, a path or a
    // port that disagrees raises VemoxError saying what is wrong.
    struct Endpoint {
        QString host;
        quint16 port = 0;
    };
    static Endpoint endpoint(const QString& address, int port);
    // What endpoint() would say is wrong; empty when nothing is, or the address is empty.
    static QString addressProblem(const QString& address, int port);

    // Writes Ps, Pn, Pd, pp and po as one change of the store. False when the store could
    // not take them: it has told the operator why, and holds none of them.
    bool save() const;

    // The port field's text as a number: empty counts as 0 and every blank as "0". Raises
    // VemoxError when what is left is not a decimal number of at most four digits.
    static int portFromText(const QString& text);
};
