#pragma once
// The German yes/no dialog of the overwrite questions: "&Ja" (default) or "&Nein" (also Escape
// and the close box).
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

namespace wizard::pages {

class TfrmGermanDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGermanDlg(QWidget* parent = nullptr);
    // `question` in code page 1252; true for "&Ja".
    bool ask(const std::string& question);

    QPlainTextEdit* Memo1;
    QPushButton* btnJa;
    QPushButton* btnNein;
};

}  // namespace wizard::pages
