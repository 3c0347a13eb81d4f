// SPDX-License-Identifier: GPL-3.0-or-later
// One QGuiApplication for every render test, on the offscreen platform, with the C locale so
// that labels do not depend on the machine.
#include <QGuiApplication>
#include <QLocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        QLocale::setDefault(QLocale::c());
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "render_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
