// The program on the desktop: a Qt application, the Qt host, the runtime and the program's start-up.
#include "app/Program.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

// Window placement and activation need X11; on a Wayland desktop XWayland provides it.
void preferX11()
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("WAYLAND_DISPLAY") != nullptr &&
        std::getenv("DISPLAY") != nullptr) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}

bool writable(const QString& folder)
{
    QFile probe(QDir(folder).filePath(QStringLiteral(".korvanta-write-test")));
    if (!probe.open(QIODevice::WriteOnly)) {
        return false;
    }
    probe.close();
    probe.remove();
    return true;
}

// The settings and reference files live beside the program; where that folder cannot be written,
// they live in the user's application data folder instead.
QString programFolder()
{
    const QString beside = QCoreApplication::applicationDirPath();
    if (writable(beside)) {
        return beside;
    }
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(perUser);
    return perUser;
}

// A termination request reaches the event loop through a socket, since a signal handler may do no more
// than write a byte.
int terminationPipe[2] = {-1, -1};

void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = write(terminationPipe[0], &byte, 1);
}

void watchTermination(platform::qt::QtHost& host, QObject& owner)
{
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, terminationPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(terminationPipe[1], QSocketNotifier::Read, &owner);
    QObject::connect(notifier, &QSocketNotifier::activated, &owner, [&host] {
        char byte = 0;
        [[maybe_unused]] const auto got = read(terminationPipe[1], &byte, 1);
        host.endSession(platform::UnloadReason::ExternalTermination);
    });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    preferX11();
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Korvanta"));
    QCoreApplication::setOrganizationName(QStringLiteral("Korvanta"));

    const QString folder = programFolder();
    QDir::setCurrent(folder);

    platform::qt::QtHost host(std::filesystem::path(folder.toStdString()));
    platform::Runtime runtime(host);
    host.attach(runtime);
    watchTermination(host, application);
    app::Program program(runtime);
    runtime.dispatch([&] { program.start(); });
    if (runtime.ended()) {
        return 0;
    }
    return QApplication::exec();
}
