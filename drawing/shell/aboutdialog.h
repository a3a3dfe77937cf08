#pragma once
// The About box (dialog 22000) with the program's version record.
#include <QDialog>
#include <map>
#include <string>

class QLabel;

namespace shell {

// The string entries of the program's version record.
const std::map<std::string, std::string>& VersionRecord();

class TTrelmoAboutDlg : public QDialog {
    Q_OBJECT
public:
    // `record`: the version entries to show (the program's own by default).
    explicit TTrelmoAboutDlg(QWidget* parent,
                             const std::map<std::string, std::string>& record = VersionRecord());

    QLabel* productLabel() const { return product_; }    // static 22001
    QLabel* specialLabel() const { return special_; }    // static 22003

private:
    QLabel* product_;
    QLabel* special_;
};

}  // namespace shell
