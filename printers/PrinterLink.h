#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

// A printer's raw network port, as "-o socket://HOST[:PORT]" names it.
struct SocketAddress {
    QString host;
    std::uint16_t port = 9100; // the raw port network label printers listen on
};

inline constexpr int kDefaultPrinterTimeoutMs = 10000;

// Whether an output names a printer's network port rather than a file.
bool IsSocketOutput(const QString& output);
// The host and port of "socket://HOST[:PORT]" (an IPv6 host in brackets);
// nothing, with the reason, for a malformed one.
std::optional<SocketAddress> ParseSocketOutput(const QString& output, QString* error);

// A connection a job is sent through to a printer: its bytes go out as they
// are written, and the job counts as sent only once Finish says so.
class CPrinterLink {
public:
    virtual ~CPrinterLink() = default;
    CPrinterLink(const CPrinterLink&) = delete;
    CPrinterLink& operator=(const CPrinterLink&) = delete;

    // Sends the bytes; false, with the cause, when they could not all go
    // out (the link is then of no further use).
    virtual bool Write(const QByteArray& bytes, QString* error) = 0;
    // Ends the job: every byte handed over; false, with the cause, if not.
    virtual bool Finish(QString* error) = 0;

protected:
    CPrinterLink() = default;
};

// Connects to a printer's raw port; each of connecting and every write may
// take at most `timeoutMs`. Nothing, with a message naming the address and
// the cause, when it cannot connect.
std::unique_ptr<CPrinterLink> ConnectToPrinter(const SocketAddress& address, QString* error,
                                               int timeoutMs = kDefaultPrinterTimeoutMs);

// Starts a raw job, titled `title`, on the CUPS queue `queue`: the bytes
// reach the printer as they are, unfiltered. Nothing, with the cause, when
// the queue does not take it.
std::unique_ptr<CPrinterLink> StartQueueJob(const QString& queue, const QString& title,
                                            QString* error);
