// SPDX-License-Identifier: GPL-3.0-or-later
#include "guitest.h"

#include "app/mainwindow.h"
#include "project/project.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace vantrel::test {

std::optional<FileChoice> FakeDialogs::openFile(QWidget*, const FileDialogOptions& options)
{
    m_requests.push_back(options);
    if (m_open.empty())
        return std::nullopt;
    FileChoice answer = m_open.front();
    m_open.pop_front();
    return answer;
}

std::optional<FileChoice> FakeDialogs::saveFile(QWidget*, const FileDialogOptions& options)
{
    m_requests.push_back(options);
    if (m_save.empty())
        return std::nullopt;
    FileChoice answer = m_save.front();
    m_save.pop_front();
    return answer;
}

std::optional<QColor> FakeDialogs::chooseColor(QWidget*, const QColor&)
{
    if (m_colors.empty())
        return std::nullopt;
    const QColor answer = m_colors.front();
    m_colors.pop_front();
    return answer;
}

bool isDialog(QWidget* widget, const QString& name)
{
    return widget && (widget->objectName() == name ||
                      QString::fromLatin1(widget->metaObject()->className()).endsWith(name));
}

QAbstractButton* findButton(QWidget* dialog, const QString& text)
{
    const auto buttons = dialog->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons)
        if (button->text().remove(QLatin1Char('&')) == text)
            return button;
    return nullptr;
}

ModalScript::ModalScript(int timeoutMs) : m_timeout(timeoutMs)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalScript::poll);
    m_timer.start();
}

ModalScript::~ModalScript() = default;

ModalScript& ModalScript::then(Match match, Action action)
{
    m_steps.push_back({std::move(match), std::move(action)});
    return *this;
}

ModalScript& ModalScript::click(const QString& dialog, const QString& buttonText)
{
    return then([dialog](QWidget* w) { return isDialog(w, dialog); },
                [buttonText](QWidget* w) {
                    if (QAbstractButton* button = findButton(w, buttonText))
                        button->click();
                });
}

void ModalScript::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (m_steps.empty() && !m_pending) {
        // Every expected dialog is answered; one that comes up now is unexpected. Closing it
        // after the timeout fails the test instead of leaving it blocked.
        m_elapsed = modal && modal->isVisible() ? m_elapsed + m_timer.interval() : 0;
        if (m_elapsed > m_timeout) {
            m_timedOut = true;
            m_elapsed = 0;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        }
        return;
    }
    m_elapsed += m_timer.interval();
    // Clicking a button that ends a dialog hides it at once, so the next poll sees whatever is
    // on top then; a dialog that stays open may be acted on again by the next step.
    if (!m_pending && modal && modal->isVisible() && m_steps.front().match(modal)) {
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        m_elapsed = 0;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            m_messages << box->text();
        // Acted on from the event loop, not from this timer: an action that opens another
        // modal dialog blocks until it closes, and this timer must keep polling meanwhile.
        m_pending = true;
        QPointer<QWidget> target(modal);
        QMetaObject::invokeMethod(
            this,
            [this, target, action = std::move(step.action)] {
                m_pending = false;
                if (target)
                    action(target);
            },
            Qt::QueuedConnection);
        return;
    }
    if (m_elapsed > m_timeout) {
        m_timedOut = true;
        m_steps.clear();
        m_pending = false;
        m_elapsed = 0;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    }
}

QString saveFixture(Project& project, const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    project.save(QFile::encodeName(path).toStdString());
    return path;
}

bool startWindow(MainWindow& window, const QString& file, const QString& button)
{
    ModalScript script;
    script.click(QStringLiteral("aboutForm"),
                 file.isEmpty() ? button : QStringLiteral("Open ") + QFileInfo(file).fileName());
    const bool started = window.startUp(file);
    return started && script.finished();
}

void pinEnvironment()
{
    QLocale::setDefault(QLocale::c());
}

} // namespace vantrel::test
