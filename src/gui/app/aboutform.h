// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace vantrel {

class DialogProvider;

/// The start dialog's answer.
enum class OpenActions { Close, OpenPathway, NewConditionPathway, NewTimePathway };

/// The start dialog: open the project file named on the command line or another one, start an
/// empty condition-based or time-based project, or quit.
class AboutForm : public QDialog {
    Q_OBJECT
public:
    explicit AboutForm(DialogProvider& dialogs, QWidget* parent = nullptr);

    /// Offers the file named on the command line; empty for none (the "Open" button is then
    /// disabled).
    void setCommandLineFile(const QString& path);

    OpenActions action() const { return m_action; }
    void setAction(OpenActions action) { m_action = action; }
    QString fileName() const { return m_fileName; }

    /// Closing the dialog any other way than through its buttons quits.
    void reject() override;

    /// The build date in the user's short date format.
    static QString compileDate();

private:
    void finish(OpenActions action);
    void openCommandLineFile();
    void openExistingFile();

    DialogProvider& m_dialogs;
    OpenActions m_action = OpenActions::Close;
    QString m_fileName;
    QString m_commandLineFile;
    QPushButton* m_openButton = nullptr;
};

} // namespace vantrel
