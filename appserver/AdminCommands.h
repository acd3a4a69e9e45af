#pragma once

#include <QString>
#include <QTextStream>

namespace vorpa {

class Store;

/// The administrator's subcommands that work on the database file: registering workstations,
/// adding and listing users, reading the mail outbox and the access requests.
class AdminCommands {
public:
    struct Arguments {
        QString workstation;
        QString user;
        QString name;
        QString password;
        QString role;
        QString customer;
    };

    static bool isCommand(const QString &name);
    /// Runs one subcommand; the process exit code (0 on success). Messages go to out and err.
    static int run(const QString &command, const Arguments &args, Store &store, QTextStream &out, QTextStream &err);

private:
    static void registerWorkstation(const Arguments &args, Store &store, QTextStream &out);
    static void addUser(const Arguments &args, Store &store, QTextStream &out);
    static void listUsers(Store &store, QTextStream &out);
    static void outbox(Store &store, QTextStream &out);
    static void accessRequests(Store &store, QTextStream &out);
};

} // namespace vorpa
