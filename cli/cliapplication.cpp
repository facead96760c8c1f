#include "cli/cliapplication.h"

#include <QGuiApplication>

namespace {
CCliApplication* s_pCliApplication = nullptr;
}  // namespace

CCliApplication::CCliApplication(int& argc, char** argv) : m_nArgc(argc), m_argv(argv)
{
    s_pCliApplication = this;
}

CCliApplication::~CCliApplication()
{
    s_pCliApplication = nullptr;
}

QStringList CCliApplication::Arguments() const
{
    QStringList arguments;
    for (int i = 0; i < m_nArgc; ++i)
        arguments.append(QString::fromLocal8Bit(m_argv[i]));
    return arguments;
}

void EnsureGuiApplication()
{
    if (QCoreApplication::instance() || !s_pCliApplication)
        return;
    s_pCliApplication->m_pGui = std::make_unique<QGuiApplication>(s_pCliApplication->m_nArgc,
                                                                  s_pCliApplication->m_argv);
}
