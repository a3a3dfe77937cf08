#include "setup/wizard/pages/tfrmchoosedir.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "setup/wizard/pages/qtext.h"

namespace wizard::pages {

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        setCurrentFolder(QDir::cleanPath(folder_ + "/" + item->text()));
    });
}

bool FolderList::setCurrentFolder(const QString& folder) {
    if (!QDir::isAbsolutePath(folder)) return false;
    QString clean = QDir::cleanPath(folder);
    // A folder that does not exist yet is allowed: the installation creates it.
    clear();
    if (clean != "/") addItem("..");
    QDir dir(clean);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        addItem(name);
    }
    const bool same = clean == folder_;
    folder_ = clean;
    if (!same) emit folderChanged();
    return true;
}

TfrmChooseDir::TfrmChooseDir(Wizard& wizard, QWidget* parent) : QDialog(parent), choice_(wizard) {
    setObjectName("TfrmChooseDir");
    const WizardTexts& t = uiTexts();
    setWindowTitle(q(t.chooser.caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(460, 380);

    auto label = [this](const char* name, const std::string& text, int x, int y, int w) {
        auto* l = new QLabel(q(text), this);
        l->setObjectName(name);
        l->setGeometry(x, y, w, 18);
        return l;
    };
    lbInstruction = label("lbInstruction", t.chooser.instruction, 12, 10, 436);
    lbInstruction->setWordWrap(true);
    lbInstruction->setFixedHeight(40);
    lbPath = label("lbPath", t.chooser.pathLabel, 12, 56, 100);
    lbPath->adjustSize();
    lbFullPath = new QLabel(this);
    lbFullPath->setObjectName("lbFullPath");
    QFont bold = lbFullPath->font();
    bold.setBold(true);
    lbFullPath->setFont(bold);
    lbFullPath->setGeometry(lbPath->x() + lbPath->width() + 4, 56, 420 - lbPath->width(), 18);

    lbFolderName = label("lbFolderName", t.chooser.folderNameLabel, 12, 82, 250);
    edXWordFolder = new QLineEdit(this);
    edXWordFolder->setObjectName("edXWordFolder");
    edXWordFolder->setGeometry(12, 100, 250, 24);
    lbDirectory = label("lbDirectory", t.chooser.folderListLabel, 12, 130, 250);
    DirectoryListBox1 = new FolderList(this);
    DirectoryListBox1->setObjectName("DirectoryListBox1");
    DirectoryListBox1->setGeometry(12, 148, 250, 180);
    lbDrive = label("lbDrive", t.chooser.driveLabel, 276, 130, 170);
    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName("DriveComboBox1");
    DriveComboBox1->setGeometry(276, 148, 170, 24);
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) DriveComboBox1->addItem(volume.rootPath());
    }
    lbSpace = label("lbSpace", t.chooser.freeSpaceLabel, 276, 186, 170);
    lbSpaceAvailable = new QLabel(this);
    lbSpaceAvailable->setObjectName("lbSpaceAvailable");
    lbSpaceAvailable->setGeometry(276, 206, 170, 18);

    btnOK = new QPushButton(q(t.chooser.ok), this);
    btnOK->setObjectName("btnOK");
    btnOK->setGeometry(260, 342, 90, 28);
    btnOK->setDefault(true);
    btnCancelx = new QPushButton(q(t.chooser.cancel), this);
    btnCancelx->setObjectName("btnCancelx");
    btnCancelx->setGeometry(358, 342, 90, 28);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancelx, &QPushButton::clicked, this, &TfrmChooseDir::reject);

    const SetupChoices& c = wizard.choices();
    edXWordFolder->setText(q(c.productFolder));
    DirectoryListBox1->setCurrentFolder(q(c.destinationBase));  // an error keeps the folder
    showDriveOf(DirectoryListBox1->currentFolder());

    connect(edXWordFolder, &QLineEdit::textChanged, this, &TfrmChooseDir::changed);
    connect(DirectoryListBox1, &FolderList::folderChanged, this, [this] {
        showDriveOf(DirectoryListBox1->currentFolder());
        changed();
    });
    connect(DriveComboBox1, &QComboBox::activated, this, &TfrmChooseDir::driveChosen);
    choice_.setReady();
}

void TfrmChooseDir::changed() {
    if (!choice_.ready()) return;
    choice_.changed(fromQ(DirectoryListBox1->currentFolder()), fromQ(edXWordFolder->text()));
    lbSpaceAvailable->setText(q(choice_.freeSpaceText()));
    lbFullPath->setText(q(choice_.fullPathText()));
}

// The drive list shows the mounted volume that holds the folder (or its nearest existing
// parent, since the destination need not exist yet).
void TfrmChooseDir::showDriveOf(const QString& folder) {
    QString existing = folder;
    while (!existing.isEmpty() && !QFileInfo::exists(existing) && existing != "/") {
        existing = QFileInfo(existing).path();
    }
    const int index = DriveComboBox1->findText(QStorageInfo(existing).rootPath());
    if (index >= 0) DriveComboBox1->setCurrentIndex(index);
}

// A volume whose root cannot be read brings back the system volume, silently.
void TfrmChooseDir::driveChosen(int index) {
    QString root = DriveComboBox1->itemText(index);
    if (!QDir(root).isReadable()) {
        root = "/";
        DriveComboBox1->setCurrentIndex(std::max(0, DriveComboBox1->findText(root)));
    }
    DirectoryListBox1->setCurrentFolder(root);
}

void TfrmChooseDir::showEvent(QShowEvent* event) {
    changed();
    choice_.activate();
    QDialog::showEvent(event);
}

void TfrmChooseDir::reject() {
    edXWordFolder->setText(q(choice_.rememberedFolderName()));
    DirectoryListBox1->setCurrentFolder(q(choice_.rememberedFolder()));
    QDialog::reject();
}

}  // namespace wizard::pages
