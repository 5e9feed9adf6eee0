#include "platform/qt/fontsubstitutions.h"
#include "platform/qt/qtplatform.h"

#include "pageink.h"
#include "platform/fakes/fakeplatform.h"
#include "printjob.h"
#include "testfolder.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path pdfBackend = "/usr/lib/cups/backend/cups-pdf";
const fs::path pdfDriver = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
const std::string queue = "mirazoltest";
constexpr int tolerance = 3;

// The driver's A4 printable area, in points from the lower-left corner, with margins of a
// quarter inch on the left and half an inch at the top, so that a printer that ignored them
// would print off the marks.
constexpr const char *a4Printable = "*ImageableArea A4/A4: \"18 18 577 806\"";

// A TCP port of 127.0.0.1 that nothing listens on now, so that two test runs never meet.
int freeLocalPort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (probe >= 0 && ::bind(probe, reinterpret_cast<sockaddr *>(&address), length) == 0 &&
        ::getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (probe >= 0)
        ::close(probe);
    return port;
}

QString findTool(const char *name)
{
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/bin", "/sbin", "/bin"});
}

// Runs a CUPS client tool against the private server; its error output on failure.
std::string runTool(const QString &tool, const QStringList &args)
{
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return (tool + ": " + process.readAllStandardError()).toStdString();
    return {};
}

// A print server of its own for the test: configuration, spool and socket in a temporary
// folder, listening on 127.0.0.1 only, stopped when the object goes.
class PrivateCups {
public:
    PrivateCups()
    {
        // The print filters run as another user: they need to reach the folders.
        fs::permissions(m_folder.path(), fs::perms::owner_all | fs::perms::group_read |
                                             fs::perms::group_exec | fs::perms::others_read |
                                             fs::perms::others_exec);
        for (const char *sub : {"spool", "cache", "state", "log", "tmp"})
            fs::create_directory(m_folder.file(sub));
        fs::permissions(m_folder.file("tmp"), fs::perms::all | fs::perms::sticky_bit);
        const std::string root = m_folder.path().string();
        write("cupsd.conf", "Listen " + socket() +
                                "\nListen 127.0.0.1:" + std::to_string(freeLocalPort()) +
                                "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                                "DefaultAuthType None\n<Location />\n  Order allow,deny\n"
                                "  Allow localhost\n</Location>\n");
        write("cups-files.conf", "ServerRoot " + root + "\nRequestRoot " + root +
                                     "/spool\nTempDir " + root + "/tmp\nCacheDir " + root +
                                     "/cache\nStateDir " + root + "/state\nErrorLog " + root +
                                     "/log/error_log\nAccessLog " + root +
                                     "/log/access_log\nPageLog " + root + "/log/page_log\n");
    }

    ~PrivateCups()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(5000))
                m_server.kill();
            m_server.waitForFinished(1000);
        }
    }

    std::string socket() const { return m_folder.file("cups.sock").string(); }

    // Starts the server and waits for it to answer; empty on success, else why not.
    std::string start()
    {
        m_server.start(findTool("cupsd"),
                       {"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
        if (!m_server.waitForStarted(5000))
            return "cupsd did not start: " + m_server.errorString().toStdString();
        const QDeadlineTimer deadline(std::chrono::seconds(10));
        while (!deadline.hasExpired()) {
            if (runTool(findTool("lpstat"), {"-r"}).empty() && fs::exists(socket()))
                return {};
            if (m_server.waitForFinished(200))
                return "cupsd stopped at once: " + m_server.readAllStandardError().toStdString() +
                       log();
        }
        return "cupsd did not answer within 10 s" + log();
    }

    // Adds a PDF queue whose driver reports margins, and makes it the default printer.
    std::string addDefaultPdfQueue()
    {
        std::ifstream driver(pdfDriver);
        std::ostringstream text;
        text << driver.rdbuf();
        std::string ppd = text.str();
        const std::string fullSheet = "*ImageableArea A4/A4: \"0 0 595 842\"";
        const std::size_t at = ppd.find(fullSheet);
        if (at == std::string::npos)
            return "the cups-pdf driver has no full-sheet A4 area to replace";
        ppd.replace(at, fullSheet.size(), a4Printable);
        write("mirazol.ppd", ppd);
        const QString lpadmin = findTool("lpadmin");
        std::string failure = runTool(lpadmin, {"-p", QString::fromStdString(queue), "-E", "-v",
                                                "cups-pdf:/", "-P", path("mirazol.ppd")});
        if (failure.empty())
            failure = runTool(lpadmin, {"-d", QString::fromStdString(queue)});
        return failure;
    }

    std::string log() const { return "\n" + readBytes(m_folder.file("log/error_log")); }

private:
    QString path(const char *name) const
    {
        return QString::fromStdString(m_folder.file(name).string());
    }

    void write(const char *name, const std::string &text) { writeBytes(m_folder.file(name), text); }

    TestFolder m_folder;
    QProcess m_server;
};

// The folder that cups-pdf writes a user's jobs to in its standard configuration.
fs::path pdfOutputFolder()
{
    const passwd *user = getpwuid(getuid());
    return fs::path(user ? user->pw_dir : "/") / "PDF";
}

// True when the private server has no job left to print.
bool allJobsDone()
{
    QProcess lpstat;
    lpstat.start(findTool("lpstat"), {"-o"});
    return lpstat.waitForFinished(5000) && lpstat.exitCode() == 0 &&
           lpstat.readAllStandardOutput().trimmed().isEmpty();
}

// The PDF that cups-pdf made of the job titled `title`, once every job is done, waited for up
// to 20 s; empty when none came.
fs::path waitForPdf(const std::string &title)
{
    const QDeadlineTimer deadline(std::chrono::seconds(20));
    while (!deadline.hasExpired()) {
        if (!allJobsDone()) {
            QThread::msleep(200);
            continue;
        }
        std::error_code error;
        for (const auto &entry : fs::directory_iterator(pdfOutputFolder(), error)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(title) && name.ends_with(".pdf"))
                return entry.path();
        }
        QThread::msleep(200);
    }
    return {};
}

std::string messageText(int n)
{
    return "message " + std::to_string(n);
}

TEST(CupsPrinting, MarksLandOnTheBulletinThroughAPrinterWithMargins)
{
    for (const fs::path &needed : {pdfBackend, pdfDriver}) {
        if (!fs::exists(needed))
            GTEST_SKIP() << needed << " is missing (printer-driver-cups-pdf is not installed)";
    }
    if (findTool("cupsd").isEmpty() || findTool("lpadmin").isEmpty())
        GTEST_SKIP() << "cupsd or lpadmin is missing (cups is not installed)";
    if (!canRasterise())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    if (geteuid() != 0)
        GTEST_SKIP() << "the cups-pdf backend runs only under a print server started as root";
    installFontSubstitutions();
    PrivateCups cups;
    // Before anything asks the print system: the program's printer must find this server.
    setenv("CUPS_SERVER", cups.socket().c_str(), 1);
    const std::string failure = cups.start();
    if (!failure.empty())
        GTEST_SKIP() << "a private CUPS server cannot run here: " << failure;

    // Made while the server has no printer: the default printer is looked up at the job.
    FakeFileDialogs files;
    FakeShell shell;
    QtPrinter printer(files, shell, messageText);
    ASSERT_EQ(cups.addDefaultPdfQueue(), "") << cups.log();

    // The job title names the file that cups-pdf writes.
    const std::string title = "mirazol" + std::to_string(getpid());
    PrintJob job;
    job.message = [&title](int) { return title; };
    job.printBulletins(printer, 23);
    EXPECT_EQ(files.saved.size(), 0u) << "the job went to the PDF fallback";
    // A quarter inch and half an inch of margin, in the printer's own dots.
    EXPECT_EQ(job.expected.printableOffsetX, job.expected.resolutionX / 4);
    EXPECT_EQ(job.expected.printableOffsetY, job.expected.resolutionY / 2);

    const fs::path pdf = waitForPdf(title);
    ASSERT_FALSE(pdf.empty()) << "cups-pdf wrote nothing to " << pdfOutputFolder() << cups.log();
    TestFolder work;
    const std::optional<QImage> page = rasterisePage(pdf, 1, work.path());
    fs::remove(pdf);
    ASSERT_TRUE(page.has_value());
    const std::vector<QRect> patches = inkPatches(*page);
    const std::vector<QRect> expected = expectedInk(job.expected, 1);
    EXPECT_EQ(patches.size(), expected.size()) << "ink: " << describe(patches);
    EXPECT_EQ(unmatched(patches, expected, tolerance), std::vector<QRect>())
        << "ink: " << describe(patches);
}

}  // namespace
