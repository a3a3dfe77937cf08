#include "drawing/shell/qtdialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstring>

#include "drawing/shell/uitext.h"

namespace shell {

namespace {

QWidget* owner() { return QApplication::activeWindow(); }

// OK and Cancel with the captions of the program's dialogs.
QDialogButtonBox* okCancel(QDialog& dialog) {
    auto* box = new QDialogButtonBox(&dialog);
    box->addButton(" OK ", QDialogButtonBox::AcceptRole)->setDefault(true);
    box->addButton(" Cancel ", QDialogButtonBox::RejectRole);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return box;
}

// "Name (*.x)|*.x|All (*.*)|*.*|" -> "Name (*.x);;All (*.*)": the names carry the patterns.
QString qtFilter(const std::string& filter) {
    QStringList names;
    const QStringList parts = qt(filter).split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) names << parts[i];
    return names.join(";;");
}

// Runs a file dialog; the chosen file, or nothing on Cancel. File names on this system are
// case-sensitive, so the default suffix is lower case to match the filter.
std::optional<std::string> chosenFile(QFileDialog& dialog, const std::string& defaultExtension) {
    dialog.setDefaultSuffix(qt(defaultExtension).toLower());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

void copyText(char* dest, std::size_t size, const QString& text) {
    const std::string bytes = cp1252(text);
    std::strncpy(dest, bytes.c_str(), size - 1);
    dest[size - 1] = 0;
}

}  // namespace

std::optional<std::string> QtDialogs::prompt(const std::string& title, const std::string& text,
                                             const std::string& initial, int maxChars) {
    QDialog dialog(owner());
    dialog.setWindowTitle(qt(title));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(qt(text)));
    auto* edit = new QLineEdit(qt(initial));
    edit->setMaxLength(maxChars);
    edit->selectAll();
    layout->addWidget(edit);
    layout->addWidget(okCancel(dialog));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return cp1252(edit->text());
}

bool QtDialogs::sizeDialog(Sizetrans& trans) {
    QDialog dialog(owner());
    dialog.setWindowTitle(" Size of crossword ");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("Width and height of crossword:"));
    auto* form = new QFormLayout;
    auto* height = new QLineEdit(qt(trans.height));
    auto* width = new QLineEdit(qt(trans.width));
    height->setMaxLength(9);
    width->setMaxLength(9);
    form->addRow("Height:", height);
    form->addRow("Width:", width);
    layout->addLayout(form);
    layout->addWidget(okCancel(dialog));
    const bool ok = dialog.exec() == QDialog::Accepted;
    copyText(trans.height, sizeof trans.height, height->text());
    copyText(trans.width, sizeof trans.width, width->text());
    return ok;
}

bool QtDialogs::separatorDialog(SeparatorTrans& trans) {
    QDialog dialog(owner());
    dialog.setWindowTitle("Delete / make square-seperators");
    auto* layout = new QVBoxLayout(&dialog);
    auto group = [&](const char* addText, bool deleteChosen) {
        auto* box = new QGroupBox(&dialog);
        auto* inner = new QVBoxLayout(box);
        auto* del = new QRadioButton("Delete");
        auto* add = new QRadioButton(addText);
        inner->addWidget(del);
        inner->addWidget(add);
        (deleteChosen ? del : add)->setChecked(true);
        layout->addWidget(box);
        return del;
    };
    QRadioButton* right = group("Add line at right of the square", trans.deleteRight);
    QRadioButton* bottom = group("Add line at bottom of the square", trans.deleteBottom);
    layout->addWidget(okCancel(dialog));
    if (dialog.exec() != QDialog::Accepted) return false;
    trans.deleteRight = right->isChecked();
    trans.deleteBottom = bottom->isChecked();
    return true;
}

std::optional<std::string> QtDialogs::openFileName(const std::string& filter,
                                                   const std::string& defaultExtension) {
    QFileDialog dialog(owner(), QString(), QString(), qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog, defaultExtension);
}

std::optional<std::string> QtDialogs::saveFileName(const std::string& filter,
                                                   const std::string& defaultExtension,
                                                   const std::string& initialName) {
    QFileDialog dialog(owner(), QString(), QString::fromStdString(initialName),
                       qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return chosenFile(dialog, defaultExtension);
}

bool QtDialogs::chooseFont(render::FontDescription& font, render::Rgb& colour) {
    // The font dialog itself has no colour; it sits in a dialog of ours with a colour button.
    QDialog dialog(owner());
    dialog.setWindowTitle("Font");
    auto* layout = new QVBoxLayout(&dialog);
    auto* fonts = new QFontDialog(toQFont(font), &dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::ScalableFonts);
    layout->addWidget(fonts);
    QColor chosen(colour.red, colour.green, colour.blue);
    auto* colourButton = new QPushButton("Colour...");
    auto showColour = [&] {
        colourButton->setStyleSheet(QString("color: %1").arg(chosen.name()));
    };
    showColour();
    QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&] {
        const QColor c = QColorDialog::getColor(chosen, &dialog);
        if (c.isValid()) chosen = c;
        showColour();
    });
    layout->addWidget(colourButton);
    layout->addWidget(okCancel(dialog));
    if (dialog.exec() != QDialog::Accepted) return false;
    fromQFont(fonts->currentFont(), font);
    colour = {static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
              static_cast<std::uint8_t>(chosen.blue())};
    return true;
}

}  // namespace shell
