// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QPushButton;

namespace vantrel {

class DialogProvider;

/// Asked when the user quits with unsaved changes: save to the project's file, save under
/// another name, go back, or quit without saving. Accepted means the program may end.
class CloseForm : public QDialog {
    Q_OBJECT
public:
    /// Writes the project to a path; throws when the file cannot be written.
    using SaveFunction = std::function<void(const QString&)>;

    CloseForm(DialogProvider& dialogs, QWidget* parent = nullptr);

    QString fileName() const { return m_fileName; }
    /// The project's file; empty for a project never saved ("Save Pathway File" is then off).
    void setFileName(const QString& fileName);
    void setSaveFunction(SaveFunction save) { m_save = std::move(save); }

private:
    void saveToFile();
    void saveAs();
    void exitWithoutSave();
    /// Saves and closes; a failed save is shown and the dialog stays.
    void saveAndClose(const QString& path);

    DialogProvider& m_dialogs;
    SaveFunction m_save;
    QString m_fileName;
    QPushButton* m_saveButton = nullptr;
};

} // namespace vantrel
