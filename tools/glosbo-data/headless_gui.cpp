#include "headless_gui.h"

#include <QByteArray>
#include <QCoreApplication>
#include <ostream>

namespace glosbo::tool {

namespace {

std::ostream* g_remarks = nullptr;
std::string g_command;

void forwardRemarks(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const bool aboutDrawing = context.category && QByteArray(context.category).startsWith("qt.svg");
    if (g_remarks && (aboutDrawing || type == QtCriticalMsg || type == QtFatalMsg))
        *g_remarks << "glosbo-data " << g_command << ": " << message.toStdString() << "\n";
}

} // namespace

HeadlessGui::HeadlessGui(std::ostream& err, std::string command) {
    g_remarks = &err;
    g_command = std::move(command);
    m_previousHandler = qInstallMessageHandler(forwardRemarks);
    if (QCoreApplication::instance()) return;
    // The application takes the platform options out of the arguments, so
    // every application gets a fresh set.
    m_argc = 3;
    m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
}

HeadlessGui::~HeadlessGui() {
    m_app.reset();
    qInstallMessageHandler(m_previousHandler);
    g_remarks = nullptr;
}

} // namespace glosbo::tool
