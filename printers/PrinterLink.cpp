#include "PrinterLink.h"

#include <QCoreApplication>
#include <QUrl>

#include <cups/cups.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <limits>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString kSocketScheme = QStringLiteral("socket://");

QString AddressText(const SocketAddress& address) {
    const QString host = address.host.contains(QLatin1Char(':'))
                             ? QStringLiteral("[%1]").arg(address.host)
                             : address.host;
    return QStringLiteral("%1:%2").arg(host).arg(address.port);
}

QString SystemCause(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// Waits until the socket can take bytes; false on a timeout or an error.
bool WaitWritable(int socket, int timeoutMs, int* cause) {
    pollfd wait{socket, POLLOUT, 0};
    const int ready = poll(&wait, 1, timeoutMs);
    if (ready == 0) {
        *cause = ETIMEDOUT;
        return false;
    }
    if (ready < 0) {
        *cause = errno;
        return false;
    }
    return true;
}

class CSocketLink final : public CPrinterLink {
public:
    CSocketLink(int socket, SocketAddress address, int timeoutMs)
        : m_socket(socket), m_address(std::move(address)), m_timeoutMs(timeoutMs) {}
    ~CSocketLink() override {
        if (m_socket >= 0) {
            ::close(m_socket);
        }
    }
    CSocketLink(const CSocketLink&) = delete;
    CSocketLink& operator=(const CSocketLink&) = delete;

    bool Write(const QByteArray& bytes, QString* error) override {
        const char* data = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            int cause = 0;
            if (!WaitWritable(m_socket, m_timeoutMs, &cause)) {
                return Fail(cause, error);
            }
            const ssize_t sent =
                ::send(m_socket, data, static_cast<std::size_t>(left), MSG_NOSIGNAL);
            if (sent < 0) {
                if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) {
                    continue;
                }
                return Fail(errno, error);
            }
            data += sent;
            left -= sent;
        }
        return true;
    }

    bool Finish(QString* error) override {
        // The printer has the job once every byte left this end and the
        // connection closed cleanly.
        const int socket = m_socket;
        m_socket = -1;
        if (::shutdown(socket, SHUT_WR) != 0) {
            const int cause = errno;
            ::close(socket);
            return Fail(cause, error);
        }
        if (::close(socket) != 0) {
            return Fail(errno, error);
        }
        return true;
    }

private:
    bool Fail(int cause, QString* error) const {
        *error = QCoreApplication::translate("PrinterLink", "sending to %1 failed: %2")
                     .arg(AddressText(m_address),
                          cause == ETIMEDOUT
                              ? QCoreApplication::translate("PrinterLink",
                                                            "the printer took nothing for %1 s")
                                    .arg(m_timeoutMs / 1000.0)
                              : SystemCause(cause));
        return false;
    }

    int m_socket;
    SocketAddress m_address;
    int m_timeoutMs;
};

class CQueueLink final : public CPrinterLink {
public:
    CQueueLink(QByteArray queue, int job) : m_queue(std::move(queue)), m_job(job) {}
    ~CQueueLink() override {
        if (m_job > 0) {
            cupsFinishDocument(CUPS_HTTP_DEFAULT, m_queue.constData());
            cupsCancelJob2(CUPS_HTTP_DEFAULT, m_queue.constData(), m_job, 0);
        }
    }
    CQueueLink(const CQueueLink&) = delete;
    CQueueLink& operator=(const CQueueLink&) = delete;

    bool Write(const QByteArray& bytes, QString* error) override {
        if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.constData(),
                                 static_cast<std::size_t>(bytes.size())) != HTTP_STATUS_CONTINUE) {
            *error =
                QCoreApplication::translate("PrinterLink", "sending to the queue %1 failed: %2")
                    .arg(QString::fromUtf8(m_queue), QString::fromUtf8(cupsLastErrorString()));
            return false;
        }
        return true;
    }

    bool Finish(QString* error) override {
        const ipp_status_t status = cupsFinishDocument(CUPS_HTTP_DEFAULT, m_queue.constData());
        m_job = 0;
        if (status > IPP_STATUS_OK_CONFLICTING) {
            *error =
                QCoreApplication::translate("PrinterLink", "the queue %1 did not take the job: %2")
                    .arg(QString::fromUtf8(m_queue), QString::fromUtf8(cupsLastErrorString()));
            return false;
        }
        return true;
    }

private:
    QByteArray m_queue;
    int m_job;
};

} // namespace

bool IsSocketOutput(const QString& output) {
    return output.startsWith(kSocketScheme, Qt::CaseInsensitive);
}

std::optional<SocketAddress> ParseSocketOutput(const QString& output, QString* error) {
    const QUrl url(output, QUrl::StrictMode);
    const int port = url.port(SocketAddress{}.port);
    const bool bare = url.path().isEmpty() || url.path() == QLatin1String("/");
    if (!url.isValid() || url.host().isEmpty() || !bare || url.hasQuery() || url.hasFragment() ||
        !url.userInfo().isEmpty() || port <= 0) {
        *error = QCoreApplication::translate(
                     "PrinterLink",
                     "\"%1\" is no printer address: give socket://HOST or socket://HOST:PORT")
                     .arg(output);
        return std::nullopt;
    }
    return SocketAddress{url.host(), static_cast<std::uint16_t>(port)};
}

std::unique_ptr<CPrinterLink> ConnectToPrinter(const SocketAddress& address, QString* error,
                                               int timeoutMs) {
    const auto fail = [&](const QString& cause) {
        *error = QCoreApplication::translate("PrinterLink", "cannot connect to %1: %2")
                     .arg(AddressText(address), cause);
        return nullptr;
    };
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const QByteArray service = QByteArray::number(address.port);
    if (const int failed =
            getaddrinfo(address.host.toUtf8().constData(), service.constData(), &hints, &found);
        failed != 0) {
        return fail(QString::fromLocal8Bit(gai_strerror(failed)));
    }
    int cause = 0;
    for (const addrinfo* each = found; each != nullptr; each = each->ai_next) {
        const int socket = ::socket(
            each->ai_family, each->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, each->ai_protocol);
        if (socket < 0) {
            cause = errno;
            continue;
        }
        bool connected = ::connect(socket, each->ai_addr, each->ai_addrlen) == 0;
        if (!connected && errno == EINPROGRESS && WaitWritable(socket, timeoutMs, &cause)) {
            int result = 0;
            socklen_t length = sizeof result;
            getsockopt(socket, SOL_SOCKET, SO_ERROR, &result, &length);
            connected = result == 0;
            cause = result;
        } else if (!connected && errno != EINPROGRESS) {
            cause = errno;
        }
        if (connected) {
            freeaddrinfo(found);
            return std::make_unique<CSocketLink>(socket, address, timeoutMs);
        }
        ::close(socket);
    }
    freeaddrinfo(found);
    return fail(cause == ETIMEDOUT
                    ? QCoreApplication::translate("PrinterLink", "no answer within %1 s")
                          .arg(timeoutMs / 1000.0)
                    : SystemCause(cause));
}

std::unique_ptr<CPrinterLink> StartQueueJob(const QString& queue, const QString& title,
                                            QString* error) {
    const QByteArray name = queue.toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (dest == nullptr) {
        *error = QCoreApplication::translate("PrinterLink", "there is no printer queue %1: %2")
                     .arg(queue, QString::fromUtf8(cupsLastErrorString()));
        return nullptr;
    }
    cupsFreeDests(1, dest);
    const QByteArray titleBytes = title.toUtf8();
    const int job =
        cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), titleBytes.constData(), 0, nullptr);
    if (job <= 0 ||
        cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, titleBytes.constData(),
                          CUPS_FORMAT_RAW, 1) != HTTP_STATUS_CONTINUE) {
        *error = QCoreApplication::translate("PrinterLink", "the queue %1 refused the job: %2")
                     .arg(queue, QString::fromUtf8(cupsLastErrorString()));
        if (job > 0) {
            cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
        }
        return nullptr;
    }
    return std::make_unique<CQueueLink>(name, job);
}
