#pragma once
// The cancel dialog: Resume (also its close box) goes back to the page, Exit Setup (also the
// Escape key) ends the application.
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

namespace wizard::pages {

class TfrmExit : public QDialog {
    Q_OBJECT
public:
    explicit TfrmExit(QWidget* parent = nullptr);
    // Shows the dialog modally; true when the user chose to leave.
    bool askExit();

    QPlainTextEdit* Memo1;
    QPushButton* btnResume;
    QPushButton* btnExit;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int exitCode = 2;
};

}  // namespace wizard::pages
