#include "PrinterLink.h"
#include "QtImages.h"
#include "ZplRendering.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QStringList kTexts{QStringLiteral("ABC-123"), QStringLiteral("HELLO 42"),
                         QStringLiteral("Q36-0003"), QStringLiteral("LAST LABEL 4")};

// The tool run in a folder of its own, with settings of its own.
class PrinterOutput : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        QFile list(Path("list.txt"));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write(kTexts.join(QLatin1Char('\n')).toUtf8());
    }

    QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    // Code 128 labels of the list on 4x6 in roll stock at `dpi`, to `output`.
    int Labels(int dpi, const QString& output, QString* errors = nullptr,
               const QStringList& more = {}) {
        return RunRenderTool(QStringList{"-s", "code128", "--sheet", "roll-4x6in", "--format",
                                         "zpl", "--density", "10", "--dpi", QString::number(dpi),
                                         "--batch", Path("list.txt"), "-o", output} +
                                 more,
                             Path("config"), errors);
    }

    QTemporaryDir m_dir;
};

// The narrowest bar and space across the middle of a label, in dots.
std::pair<int, int> NarrowestRuns(const QImage& label) {
    const int y = label.height() / 2;
    int bar = label.width();
    int space = label.width();
    int first = 0;
    while (first < label.width() && !IsInk(label, first, y)) {
        ++first;
    }
    for (int x = first; x < label.width();) {
        const bool ink = IsInk(label, x, y);
        int end = x;
        while (end < label.width() && IsInk(label, end, y) == ink) {
            ++end;
        }
        if (end < label.width()) { // the white after the last bar is no space
            (ink ? bar : space) = std::min(ink ? bar : space, end - x);
        }
        x = end;
    }
    return {bar, space};
}

TEST_F(PrinterOutput, InterpreterPrintsLabelsBothReadersRead) {
    const struct {
        int dpi;
        int dotsPerMm;
        int moduleDots; // 10 mils on the printer's grid
    } printers[] = {{203, 8, 2}, {300, 12, 3}};
    for (const auto& printer : printers) {
        const QString zpl = Path("labels.zpl") + QString::number(printer.dpi);
        ASSERT_EQ(Labels(printer.dpi, zpl), 0);
        QString why;
        const std::vector<QImage> labels =
            RenderZplIndependently(zpl, 101.6, 152.4, printer.dotsPerMm, &why);
        if (!why.isEmpty()) {
            GTEST_SKIP() << why.toStdString();
        }
        ASSERT_EQ(labels.size(), static_cast<std::size_t>(kTexts.size())) << printer.dpi;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const GrayImage grey = ToGray(labels[i]);
            const std::string text = kTexts[static_cast<qsizetype>(i)].toStdString();
            EXPECT_EQ(DecodeImage(grey, Symbology::Code128).text, text) << printer.dpi;
            EXPECT_EQ(DecodeImageZbar(grey, Symbology::Code128).text, text) << printer.dpi;
            EXPECT_EQ(NarrowestRuns(labels[i]),
                      std::make_pair(printer.moduleDots, printer.moduleDots))
                << printer.dpi << " dpi, label " << i + 1;
        }
    }
}

// A listening socket on a free loopback port.
int Listen(std::uint16_t* port) {
    const int server = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(server, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(server, 1) != 0 ||
        ::getsockname(server, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(server);
        return -1;
    }
    *port = ntohs(address.sin_port);
    return server;
}

// A design's labels go to the printer label by label: the independent
// interpreter prints each shipping label, whose SSCC both readers read.
TEST_F(PrinterOutput, DesignedLabelsPrintLabelByLabel) {
    const QString zpl = Path("shipping.zpl");
    QString errors;
    const char* const design = QUILLMARK_EXAMPLES "/shipping-label.qmd";
    const char* const records = QUILLMARK_EXAMPLES "/shipments.csv";
    ASSERT_EQ(RunRenderTool({"--design", design, "--csv", records, "--format", "zpl", "--dpi",
                             "203", "-o", zpl},
                            Path("config"), &errors),
              0)
        << errors.toStdString();
    QString why;
    const std::vector<QImage> labels = RenderZplIndependently(zpl, 101.6, 152.4, 8, &why);
    if (!why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    const std::string ssccs[] = {"009501234500000018", "009501234500000025", "009501234500000032"};
    ASSERT_EQ(labels.size(), std::size(ssccs));
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const GrayImage grey = ToGray(labels[i]);
        EXPECT_NE(DecodeImage(grey, Symbology::Code128).text.find(ssccs[i]), std::string::npos);
        EXPECT_NE(DecodeImageZbar(grey, Symbology::Code128).text.find(ssccs[i]), std::string::npos);
    }
}

TEST_F(PrinterOutput, SocketGetsExactlyTheFilesBytes) {
    ASSERT_EQ(Labels(203, Path("labels.zpl")), 0);
    QFile file(Path("labels.zpl"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::uint16_t port = 0;
    const int server = Listen(&port);
    ASSERT_GE(server, 0);
    QByteArray received;
    std::thread printer([server, &received] {
        const int connection = ::accept(server, nullptr, nullptr);
        char buffer[65536];
        for (ssize_t got = 0; (got = ::read(connection, buffer, sizeof buffer)) > 0;) {
            received.append(buffer, got);
        }
        ::close(connection);
    });
    EXPECT_EQ(Labels(203, QStringLiteral("socket://127.0.0.1:%1").arg(port)), 0);
    printer.join();
    ::close(server);
    EXPECT_EQ(received, file.readAll());
}

TEST_F(PrinterOutput, RefusedAndStalledConnectionsSayWhy) {
    std::uint16_t port = 0;
    int server = Listen(&port);
    ::close(server); // nothing listens there now
    QString errors;
    const QString address = QStringLiteral("127.0.0.1:%1").arg(port);
    EXPECT_EQ(Labels(203, QStringLiteral("socket://") + address, &errors), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("cannot connect to ") + address + ": " +
                                QString::fromLocal8Bit(std::strerror(ECONNREFUSED))))
        << errors.toStdString();

    // A printer that takes the connection and then no bytes.
    server = Listen(&port);
    ASSERT_GE(server, 0);
    QString error;
    const std::unique_ptr<CPrinterLink> link =
        ConnectToPrinter({QStringLiteral("127.0.0.1"), port}, &error, 300);
    ASSERT_NE(link, nullptr) << error.toStdString();
    const QByteArray job(qsizetype{64} * 1024 * 1024, '^');
    EXPECT_FALSE(link->Write(job, &error));
    EXPECT_EQ(error, QStringLiteral("sending to 127.0.0.1:%1 failed: the printer took nothing "
                                    "for 0.3 s")
                         .arg(port));
    ::close(server);

    // A printer that answers no connection: its queue of waiting
    // connections is full, so the next one is never taken.
    server = Listen(&port);
    ASSERT_GE(server, 0);
    ::listen(server, 0);
    std::vector<std::unique_ptr<CPrinterLink>> waiting;
    QString stalled;
    for (int tries = 0; tries < 8 && stalled.isEmpty(); ++tries) {
        std::unique_ptr<CPrinterLink> more =
            ConnectToPrinter({QStringLiteral("127.0.0.1"), port}, &stalled, 300);
        if (more != nullptr) {
            waiting.push_back(std::move(more));
        }
    }
    EXPECT_EQ(stalled,
              QStringLiteral("cannot connect to 127.0.0.1:%1: no answer within 0.3 s").arg(port));
    ::close(server);

    for (const char* bad : {"socket://", "socket://host:0", "socket://host/queue"}) {
        EXPECT_FALSE(ParseSocketOutput(QString::fromLatin1(bad), &error)) << bad;
    }
    EXPECT_EQ(ParseSocketOutput(QStringLiteral("socket://[::1]"), &error)->port, 9100);
}

} // namespace

namespace {

// A profile stored once is what later runs print with; bad settings are
// refused before anything is written.
TEST_F(PrinterOutput, StoredProfileSetsTheLabels) {
    QString errors;
    ASSERT_EQ(Labels(300, Path("a.zpl"), &errors,
                     {"--printer-profile", "dock 3", "--save-printer-profile", "--darkness", "12",
                      "--print-speed", "4", "--media-mode", "cutter", "--label-home", "8,16"}),
              0)
        << errors.toStdString();
    ASSERT_EQ(RunRenderTool(QStringList{"-s", "code128", "--sheet", "roll-2x1in", "--format", "zpl",
                                        "--batch", Path("list.txt"), "-o", Path("b.zpl"),
                                        "--printer-profile", "dock 3"},
                            Path("config"), &errors),
              0)
        << errors.toStdString();
    QFile file(Path("b.zpl"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray zpl = file.readAll();
    // 2 x 1 in at the stored 300 dpi.
    for (const char* command : {"~SD12", "^PR4", "^MMC", "^LH8,16", "^PW600^LL300"}) {
        EXPECT_TRUE(zpl.contains(command)) << command;
    }

    const struct {
        QStringList arguments;
        const char* says;
    } refused[] = {
        {{"--darkness", "31"}, "--darkness takes a whole number from 0 to 30"},
        {{"--media-mode", "fold"}, "--media-mode takes"},
        {{"--label-home", "-1,0"}, "--label-home takes X,Y"},
        {{"--printer-profile", "nowhere"}, "no stored label printer profile \"nowhere\""},
        {{"--dpi", "250"}, "203, 300 or 600 dpi"},
    };
    for (const auto& row : refused) {
        EXPECT_EQ(Labels(203, Path("c.zpl"), &errors, row.arguments), 2) << row.says;
        EXPECT_TRUE(errors.contains(QString::fromLatin1(row.says))) << errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path("c.zpl")));

    // Bars across the direction of travel, 2 dots narrow at 203 dpi: advice.
    EXPECT_EQ(Labels(203, Path("d.zpl"), &errors, {"--turn", "1", "--verify"}), 0);
    EXPECT_TRUE(errors.contains(QStringLiteral("across the direction of travel with narrow bars "
                                               "of 2 dots at 203 dpi")))
        << errors.toStdString();
}

} // namespace
