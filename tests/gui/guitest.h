// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogprovider.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;
class QWidget;

namespace vantrel {
class MainWindow;
class Project;
} // namespace vantrel

namespace vantrel::test {

/// Answers the file and colour dialogs with what the test queued; an empty queue cancels.
class FakeDialogs : public DialogProvider {
public:
    std::optional<FileChoice> openFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<FileChoice> saveFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;

    void answerOpen(const QString& path) { m_open.push_back(FileChoice{path, 0}); }
    void answerSave(const QString& path, int filterIndex = 0)
    {
        m_save.push_back(FileChoice{path, filterIndex});
    }
    void answerColor(const QColor& color) { m_colors.push_back(color); }

    /// Every file dialog asked for, in order.
    const std::vector<FileDialogOptions>& requests() const { return m_requests; }

private:
    std::deque<FileChoice> m_open;
    std::deque<FileChoice> m_save;
    std::deque<QColor> m_colors;
    std::vector<FileDialogOptions> m_requests;
};

/// Answers modal dialogs as they come up, in the order given: each step waits until the active
/// modal widget is one it recognises, then acts on it (usually clicks a button). A step that is
/// never reached, or a dialog that comes up when no step expects it, is reported by
/// `finished()`, and the dialog left open is closed so the test does not hang.
class ModalScript : public QObject {
    Q_OBJECT
public:
    using Match = std::function<bool(QWidget*)>;
    using Action = std::function<void(QWidget*)>;

    explicit ModalScript(int timeoutMs = 5000);
    ~ModalScript() override;

    ModalScript& then(Match match, Action action);
    /// Clicks the button with this text in the modal widget with this object name or class.
    ModalScript& click(const QString& dialog, const QString& buttonText);

    /// Whether every step ran.
    bool finished() const { return m_steps.empty() && !m_pending && !m_timedOut; }
    /// The texts of the message boxes the script answered.
    const QStringList& messages() const { return m_messages; }

private:
    void poll();

    struct Step {
        Match match;
        Action action;
    };
    std::deque<Step> m_steps;
    QTimer m_timer;
    int m_elapsed = 0;
    int m_timeout;
    bool m_timedOut = false;
    bool m_pending = false;
    QStringList m_messages;
};

/// Whether a modal widget is the named dialog: its object name or its class name.
bool isDialog(QWidget* widget, const QString& name);
/// The button of a dialog whose text (without "&") is `text`.
QAbstractButton* findButton(QWidget* dialog, const QString& text);

/// Writes `project` into a fresh file of `dir` and returns its path.
QString saveFixture(Project& project, const QTemporaryDir& dir, const QString& name);

/// Starts `window` through its start dialog: with `file` on the command line and its "Open"
/// button when `file` is given, otherwise with `button` (the caption of another choice).
bool startWindow(MainWindow& window, const QString& file, const QString& button = {});

/// Pins the things a GUI test must not inherit from the machine: the locale.
void pinEnvironment();

} // namespace vantrel::test
