#pragma once

#include "cli/shelf_request.h"

#include <QObject>
#include <QMap>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

struct PortOutcome;
class SettingsStore;

// One port's run in a thread of its own: a run blocks in the core's pauses
// and waits, and a shelf of devices must not wait for each other.
class PortJob : public QThread {
    Q_OBJECT
public:
    PortJob(const ShelfRequest& request, PortTarget port);
    ~PortJob() override;
    const PortTarget& shelfPort() const { return port; }
    // Once the thread has finished.
    const PortOutcome& outcome() const { return *result; }

signals:
    void progressed(const QString& progress);
    void lineReceived(const QString& line);
    void noted(const QString& note);

protected:
    void run() override;

private:
    const ShelfRequest& request;
    const PortTarget port;
    std::unique_ptr<PortOutcome> result;
};

// Runs the request on every port at once and writes what they report:
// results on stdout, progress on stderr when it is a terminal.
class Shelf : public QObject {
    Q_OBJECT
public:
    explicit Shelf(const ShelfRequest& request);
    // Returns the worst exit status of all ports.
    int run();

private:
    void finished(PortJob* job);
    void printLine(const PortJob& job, const QString& line);
    // Writes to standard output; a write that fails is remembered and ends
    // the program with the file's status.
    void writeResults(const QByteArray& bytes);
    bool dataOnStandardOutput() const;
    void printNote(const PortJob& job, const QString& note);
    void showProgress();
    void clearProgress();
    QString prefix(const PortJob& job) const;

    const ShelfRequest& request;
    std::vector<std::unique_ptr<PortJob>> jobs;
    QMap<QString, QString> progress; // by port name
    bool progressShown = false;
    bool showsProgress = false;
    int running = 0;
    int worst = ExitStatus::Done;
    QString outputFailure; // why standard output took no more, once it did not
};

// The progress of every port as one line narrower than width columns: each
// port's, or the ports' counts summed where that would not fit.
QString progressLine(const QMap<QString, QString>& progress, int width);

// tagorix ports: the listing on standard output; returns the exit status.
int listPorts(const ShelfRequest& request, const SettingsStore& settings);

// SIGINT (Ctrl-C), SIGTERM and SIGHUP ask every port to end: each says
// goodbye to its device and reports how far it got. A second signal while
// they end changes nothing.
void stopOnSignals();
// The first signal that asked, or 0.
int stopRequested();
