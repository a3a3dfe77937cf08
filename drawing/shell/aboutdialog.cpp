#include "drawing/shell/aboutdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "drawing/resources/icons.h"
#include "drawing/shell/uitext.h"

namespace shell {

const std::map<std::string, std::string>& VersionRecord() {
    static const std::map<std::string, std::string> record = {
        {"CompanyName", "Pellomir"},
        {"FileDescription", "Crossword drawing program"},
        {"ProductName", "Pellomir"},
        {"ProductVersion", "2003.5"},
    };
    return record;
}

TTrelmoAboutDlg::TTrelmoAboutDlg(QWidget* parent, const std::map<std::string, std::string>& record)
    : QDialog(parent) {
    setWindowTitle("About the Pellomyr");
    auto* layout = new QVBoxLayout(this);
    auto* icon = new QLabel;
    icon->setPixmap(resources::programIcon().pixmap(48, 48));
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    // The texts the dialog resource holds, replaced below from the version record.
    product_ = new QLabel("Crossword drawing program");
    special_ = new QLabel("");
    product_->setAlignment(Qt::AlignCenter);
    special_->setAlignment(Qt::AlignCenter);
    layout->addWidget(product_);
    layout->addWidget(special_);
    const auto name = record.find("ProductName");
    if (name != record.end() && record.count("ProductVersion")) {
        product_->setText(qt(name->second + " Version 2003.5 \nMay 13 2003"));
    }
    if (const auto special = record.find("SpecialBuild"); special != record.end()) {
        special_->setText(qt(special->second));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace shell
