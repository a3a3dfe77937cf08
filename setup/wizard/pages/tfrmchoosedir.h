#pragma once
// The directory chooser over the destination and setup-type pages: drive list, folder list
// and folder-name field set the destination as they change; Cancel puts back the destination
// the dialog was opened with.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "setup/wizard/core/directorychoice.h"

namespace wizard::pages {

// The folder list: ".." and the subfolders of the current folder; double-click enters one.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);
    QString currentFolder() const { return folder_; }
    // False, keeping the previous folder, for a path that is not absolute.
    bool setCurrentFolder(const QString& folder);

signals:
    void folderChanged();

private:
    QString folder_;
};

class TfrmChooseDir : public QDialog {
    Q_OBJECT
public:
    TfrmChooseDir(Wizard& wizard, QWidget* parent = nullptr);

    QLabel* lbInstruction;
    QLabel* lbPath;
    QLabel* lbFullPath;
    QLabel* lbFolderName;
    QLineEdit* edXWordFolder;
    QLabel* lbDirectory;
    FolderList* DirectoryListBox1;
    QLabel* lbDrive;
    QComboBox* DriveComboBox1;
    QLabel* lbSpace;
    QLabel* lbSpaceAvailable;
    QPushButton* btnOK;
    QPushButton* btnCancelx;

public slots:
    void reject() override;  // Cancel and Escape

protected:
    void showEvent(QShowEvent* event) override;

private:
    void changed();
    void showDriveOf(const QString& folder);
    void driveChosen(int index);

    DirectoryChoice choice_;
};

}  // namespace wizard::pages
